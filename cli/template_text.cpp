#include "cli/template_text.h"

#include <ctime>

#include "cli/arguments.h"
#include "core/options/list_entry.h"
#include "core/options/option_table.h"
#include "core/store/tag_list.h"
#include "core/templates/ascii_catalog.h"
#include "core/templates/template_lines.h"

namespace tagforge::cli {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A two-digit field of HH:MM:SS at `pos`, or -1 when it is not two digits.
int TwoDigits(const std::string& text, std::size_t pos) {
    if (!IsDigit(text[pos]) || !IsDigit(text[pos + 1])) {
        return -1;
    }
    return (text[pos] - '0') * 10 + (text[pos + 1] - '0');
}

std::string LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return FormatClockTime(local.tm_hour, local.tm_min, local.tm_sec);
}

// The entry the radio group selects.
int NotificationKind(long stored) {
    return ListEntry(stored, kNotificationTimeOut + 1);
}

std::string KillLine(const Profile& profile, std::string_view time) {
    // The kill-line boxes start empty, so missing keys leave empty texts, not presets.
    KillLineFields fields;
    fields.ownText = profile.page2OwnText;
    fields.where = profile.where;
    fields.action = profile.action;
    fields.period = profile.period;
    fields.killer = profile.killerName;
    fields.victim = profile.victimName;
    fields.reason = profile.reasonName;
    return BuildKillLine(fields, time);
}

std::string NotificationLine(const Profile& profile, std::string_view time) {
    NotificationFields fields;
    fields.ownText = profile.page2OwnText;
    fields.kind = NotificationKind(profile.persErrorType);
    fields.nick = profile.personallyErrorMessage;
    fields.comeColorEnabled = profile.comeColorEnabled;
    fields.comeColor = profile.comeColor;
    return BuildNotificationLine(fields, time);
}

// The pick list offers the included pictures and selects the profile's one, else the first;
// an empty list is disabled and contributes no picture.
std::string AsciiLine(const Profile& profile, const IniFile& catalogue) {
    const std::vector<std::string> pictures = IncludedAsciiPictures(catalogue);
    const int pick = PickEntry(pictures, profile.asciiName);
    const std::string html =
        pick < 0 ? std::string()
                 : AsciiPictureHtml(catalogue, pictures[static_cast<std::size_t>(pick)]);
    return BuildAsciiTemplate(profile.page2OwnText, html);
}

}  // namespace

std::string ClockTimeOption(const std::optional<std::string>& value) {
    if (!value) {
        return LocalTimeNow();
    }
    const std::string& text = *value;
    bool valid = text.size() == 8 && text[2] == ':' && text[5] == ':';
    if (valid) {
        const int hour = TwoDigits(text, 0);
        const int minute = TwoDigits(text, 3);
        const int second = TwoDigits(text, 6);
        valid =
            hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
    }
    if (!valid) {
        throw UsageError("--time takes a clock time HH:MM:SS (00:00:00 to 23:59:59), not \"" +
                         text + "\"");
    }
    return text;
}

std::string TemplateLineFromProfile(const Profile& profile, std::string_view time,
                                    const std::optional<IniFile>& asciiCatalogue) {
    switch (static_cast<TemplateTab>(profile.page2ActivePage)) {
        case TemplateTab::Solitude:
            return BuildSolitudeLine(profile.page2OwnText, profile.nicks, profile.whatDo);
        case TemplateTab::Notification:
            return NotificationLine(profile, time);
        case TemplateTab::AsciiArt:
            // Without a catalogue the window hides the ASCII tab and opens the kill-line tab.
            if (asciiCatalogue && asciiCatalogue->exists()) {
                return AsciiLine(profile, *asciiCatalogue);
            }
            return KillLine(profile, time);
        default:
            return KillLine(profile, time);
    }
}

}  // namespace tagforge::cli
