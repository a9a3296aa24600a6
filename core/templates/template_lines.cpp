#include "core/templates/template_lines.h"

namespace tagforge {

namespace {

// The chat's own colour for nicks in its system messages, unless the user picks another.
constexpr std::string_view kDefaultComeColor = "3399FF";

// " и "
constexpr std::string_view kAnd = " \xE8 ";

void AppendTwoDigits(std::string& text, int value) {
    if (value >= 0 && value < 10) {
        text += '0';
    }
    text += std::to_string(value);
}

}  // namespace

std::string FormatClockTime(int hour, int minute, int second) {
    std::string text;
    text.reserve(8);
    AppendTwoDigits(text, hour);
    text += ':';
    AppendTwoDigits(text, minute);
    text += ':';
    AppendTwoDigits(text, second);
    return text;
}

std::string BuildKillLine(const KillLineFields& fields, std::string_view time) {
    std::string line;
    line.append(fields.ownText)
        .append("<br><font color=ffff33 size=-1><font color=f2aea0>")
        .append(fields.where)
        .append(" ")
        .append(time)
        .append(kAnd)
        .append("<font color=ffff33>")
        .append(fields.killer)
        .append("</font> ")
        .append(fields.action)
        .append(" <font color=99ff33>")
        .append(fields.victim)
        .append("</font> ")
        .append(fields.period)
        // ". Причина: "
        .append(". \xCF\xF0\xE8\xF7\xE8\xED\xE0: </font><font color=808080>")
        .append(fields.reason)
        .append("</font></font>");
    return line;
}

std::string BuildSolitudeLine(std::string_view ownText, const std::vector<std::string>& nicks,
                              std::string_view action) {
    std::string line;
    line.append(ownText).append("<br><font color=ffff33>");
    for (std::size_t index = 0; index < nicks.size(); ++index) {
        line.append("<font color=99ccff>").append(nicks[index]).append("</font>");
        line.append(index + 1 < nicks.size() ? kAnd : std::string_view(" "));
    }
    line.append(action).append("</font>");
    return line;
}

std::string BuildNotificationLine(const NotificationFields& fields, std::string_view time) {
    std::string line = fields.ownText;
    switch (fields.kind) {
        case kNotificationNotHere:
            // "ошибка: человека с именем "
            line.append(
                    "<br><font color=ffdd44>\xEE\xF8\xE8\xE1\xEA\xE0: \xF7\xE5\xEB\xEE\xE2\xE5"
                    "\xEA\xE0 \xF1 \xE8\xEC\xE5\xED\xE5\xEC \"")
                .append(fields.nick)
                // " сейчас нет.."
                .append("\" \xF1\xE5\xE9\xF7\xE0\xF1 \xED\xE5\xF2..</font>");
            break;
        case kNotificationArrival: {
            const std::string color = fields.comeColorEnabled ? ToColorCode(fields.comeColor)
                                                              : std::string(kDefaultComeColor);
            line.append("<br><font color=ffff33 size=-1>[")
                .append(time)
                // "] к нам приходит "
                .append("] \xEA \xED\xE0\xEC \xEF\xF0\xE8\xF5\xEE\xE4\xE8\xF2 <u><font color=")
                .append(color)
                .append(">")
                .append(fields.nick)
                .append("</font></font></u>");
            break;
        }
        default:
            line.append("<br><font color=ffff33 size=-1>[")
                .append(time)
                // "] тайм-аут для "
                .append("] \xF2\xE0\xE9\xEC-\xE0\xF3\xF2 \xE4\xEB\xFF ")
                .append(fields.nick)
                .append("</font>");
            break;
    }
    return line;
}

const std::vector<std::string>& KillWherePresets() {
    static const std::vector<std::string> presets = {
        "\xC2 \xCF\xE8\xF2\xE5\xF0\xE5 \xF1\xE5\xE9\xF7\xE0\xF1",  // В Питере сейчас
        "\xC2 \xCC\xEE\xF1\xEA\xE2\xE5 \xF1\xE5\xE9\xF7\xE0\xF1",  // В Москве сейчас
        // На системных часах компа
        "\xCD\xE0 \xF1\xE8\xF1\xF2\xE5\xEC\xED\xFB\xF5 \xF7\xE0\xF1\xE0\xF5 \xEA\xEE\xEC\xEF\xE0",
    };
    return presets;
}

const std::vector<std::string>& KillActionPresets() {
    static const std::vector<std::string> presets = {
        "\xF3\xE4\xE0\xEB\xFF\xE5\xF2",                           // удаляет
        "\xEF\xF0\xE5\xE4\xF3\xEF\xF0\xE5\xE6\xE4\xE0\xE5\xF2",   // предупреждает
        "\xEE\xE1\xEB\xE8\xE2\xE0\xE5\xF2 \xEF\xE8\xE2\xEE\xEC",  // обливает пивом
        // дарит сказочный пендель
        "\xE4\xE0\xF0\xE8\xF2 \xF1\xEA\xE0\xE7\xEE\xF7\xED\xFB\xE9 \xEF\xE5\xED\xE4\xE5\xEB\xFC",
        "\xF7\xEC\xEE\xEA\xE0\xE5\xF2 \xE7\xE0\xF1\xEE\xF1\xED\xEE",  // чмокает засосно
    };
    return presets;
}

const std::vector<std::string>& KillPeriodPresets() {
    static const std::vector<std::string> presets = {
        "\xED\xE0 1 \xEC\xE8\xED\xF3\xF2\xF3",       // на 1 минуту
        "\xED\xE0 3 \xEC\xE8\xED\xF3\xF2\xFB",       // на 3 минуты
        "\xED\xE0 5 \xEC\xE8\xED\xF3\xF2",           // на 5 минут
        "\xED\xE0 10 \xEC\xE8\xED\xF3\xF2",          // на 10 минут
        "\xED\xE0 30 \xEC\xE8\xED\xF3\xF2",          // на 30 минут
        "\xED\xE0 1 \xF7\xE0\xF1",                   // на 1 час
        "\xED\xE0 6 \xF7\xE0\xF1\xEE\xE2",           // на 6 часов
        "\xED\xE0 12 \xF7\xE0\xF1\xEE\xE2",          // на 12 часов
        "\xED\xE0 \xEF\xEE\xEB\xE4\xED\xFF",         // на полдня
        "\xED\xE0 \xF1\xF3\xF2\xEA\xE8",             // на сутки
        "\xED\xE0 \xED\xE5\xE4\xE5\xEB\xFE",         // на неделю
        "\xED\xE0 15 \xF1\xF3\xF2\xEE\xEA",          // на 15 суток
        "\xED\xE0 \xEC\xE5\xF1\xFF\xF6",             // на месяц
        "\xEF\xEE\xE6\xE8\xE7\xED\xE5\xED\xED\xEE",  // пожизненно
        "\xED\xE0\xE2\xF1\xE5\xE3\xE4\xE0",          // навсегда
    };
    return presets;
}

const std::vector<std::string>& KillReasonPresets() {
    static const std::vector<std::string> presets = {
        "\xCF\xEB\xEE\xF5\xEE\xE5 \xEF\xEE\xE2\xE5\xE4\xE5\xED\xE8\xE5",  // Плохое поведение
        // Вы ошиблись каналом
        "\xC2\xFB \xEE\xF8\xE8\xE1\xEB\xE8\xF1\xFC \xEA\xE0\xED\xE0\xEB\xEE\xEC",
        "\xD0\xE5\xEA\xEB\xE0\xEC\xE0",                                 // Реклама
        "\xCC\xE0\xF2",                                                 // Мат
        "\xD0\xF3\xE3\xE0\xED\xFC",                                     // Ругань
        "\xD1\xE5\xEA\xF1-\xF7\xE0\xF2 \xE7\xE0 \xF3\xE3\xEB\xEE\xEC",  // Секс-чат за углом
        "\xD4\xEB\xF3\xE4",                                             // Флуд
        "\xCD\xE8\xEA",                                                 // Ник
        "\xCF\xF0\xEE\xF1\xF2\xEE \xF2\xE0\xEA",                        // Просто так
    };
    return presets;
}

}  // namespace tagforge
