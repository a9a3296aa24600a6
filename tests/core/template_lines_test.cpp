#include "core/templates/template_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/format/color_code.h"
#include "test_text.h"

namespace tagforge {
namespace {

using test::W;

std::vector<std::string> AllW(const std::vector<std::string>& utf8) {
    std::vector<std::string> result;
    for (const std::string& text : utf8) {
        result.push_back(W(text));
    }
    return result;
}

TEST(ClockTime, TwoDigitsEach) {
    EXPECT_EQ(FormatClockTime(9, 5, 3), "09:05:03");
    EXPECT_EQ(FormatClockTime(0, 0, 0), "00:00:00");
    EXPECT_EQ(FormatClockTime(23, 59, 59), "23:59:59");
    EXPECT_EQ(FormatClockTime(10, 10, 10), "10:10:10");
}

TEST(KillLine, WorkedExample) {
    KillLineFields fields;
    fields.ownText = W("Привет");
    fields.where = W("В Москве сейчас");
    fields.killer = W("Модер");
    fields.action = W("удаляет");
    fields.victim = W("Гость");
    fields.period = W("на 5 минут");
    fields.reason = W("Флуд");
    EXPECT_EQ(BuildKillLine(fields, "09:05:03"),
              W("Привет<br><font color=ffff33 size=-1><font color=f2aea0>В Москве сейчас "
                "09:05:03 и <font color=ffff33>Модер</font> удаляет <font "
                "color=99ff33>Гость</font> на 5 минут. Причина: </font><font "
                "color=808080>Флуд</font></font>"));
}

TEST(KillLine, EmptyFieldsLeaveTheirPlacesEmpty) {
    EXPECT_EQ(BuildKillLine(KillLineFields{}, "00:00:00"),
              W("<br><font color=ffff33 size=-1><font color=f2aea0> 00:00:00 и <font "
                "color=ffff33></font>  <font color=99ff33></font> . Причина: </font><font "
                "color=808080></font></font>"));
}

TEST(KillLine, FieldsAreTakenAsTheyAre) {
    KillLineFields fields;
    fields.ownText = " <b>own</b> ";
    fields.where = "  here ";
    fields.killer = "a&b";
    fields.victim = "<i>v</i>";
    fields.action = "kicks";
    fields.period = "now";
    fields.reason = "\"why\"";
    const std::string line = BuildKillLine(fields, "12:00:00");
    EXPECT_EQ(line.substr(0, 12), " <b>own</b> ");
    EXPECT_NE(line.find("<font color=f2aea0>  here  12:00:00"), std::string::npos);
    EXPECT_NE(line.find("<font color=ffff33>a&b</font> kicks <font color=99ff33><i>v</i></font>"),
              std::string::npos);
    EXPECT_NE(line.find("<font color=808080>\"why\"</font></font>"), std::string::npos);
}

TEST(SolitudeLine, NicksJoinedWithAnd) {
    EXPECT_EQ(BuildSolitudeLine("", {W("Лиса"), W("Волк")}, W("уединяются в привате")),
              W("<br><font color=ffff33><font color=99ccff>Лиса</font> и <font "
                "color=99ccff>Волк</font> уединяются в привате</font>"));
    EXPECT_EQ(BuildSolitudeLine("own", {"A", "B", "C"}, "go"),
              W("own<br><font color=ffff33><font color=99ccff>A</font> и <font "
                "color=99ccff>B</font> и <font color=99ccff>C</font> go</font>"));
}

TEST(SolitudeLine, OneNickAndNone) {
    EXPECT_EQ(BuildSolitudeLine("", {"A"}, "sleeps"),
              "<br><font color=ffff33><font color=99ccff>A</font> sleeps</font>");
    EXPECT_EQ(BuildSolitudeLine("own", {}, "act"), "own<br><font color=ffff33>act</font>");
    EXPECT_EQ(BuildSolitudeLine("", {""}, ""),
              "<br><font color=ffff33><font color=99ccff></font> </font>");
}

class NotificationLine : public ::testing::Test {
  protected:
    static NotificationFields Guest(int kind) {
        NotificationFields fields;
        fields.kind = kind;
        fields.nick = W("Гость");
        return fields;
    }
};

TEST_F(NotificationLine, NotHere) {
    EXPECT_EQ(BuildNotificationLine(Guest(0), "21:07:30"),
              W("<br><font color=ffdd44>ошибка: человека с именем \"Гость\" сейчас нет..</font>"));
    NotificationFields withOwn = Guest(0);
    withOwn.ownText = "hi";
    EXPECT_EQ(BuildNotificationLine(withOwn, "21:07:30").substr(0, 6), "hi<br>");
}

TEST_F(NotificationLine, ArrivalInTheDefaultOrTheChosenColour) {
    EXPECT_EQ(BuildNotificationLine(Guest(1), "21:07:30"),
              W("<br><font color=ffff33 size=-1>[21:07:30] к нам приходит <u><font "
                "color=3399FF>Гость</font></font></u>"));

    NotificationFields red = Guest(1);
    red.comeColorEnabled = true;
    red.comeColor = MakeColor(255, 0, 0);
    EXPECT_EQ(BuildNotificationLine(red, "21:07:30"),
              W("<br><font color=ffff33 size=-1>[21:07:30] к нам приходит <u><font "
                "color=FF0000>Гость</font></font></u>"));

    // A chosen colour counts only while its box is ticked.
    red.comeColorEnabled = false;
    EXPECT_NE(BuildNotificationLine(red, "21:07:30").find("<font color=3399FF>"),
              std::string::npos);
}

TEST_F(NotificationLine, TimeOutForEveryOtherKind) {
    const std::string expected =
        W("<br><font color=ffff33 size=-1>[21:07:30] тайм-аут для Гость</font>");
    EXPECT_EQ(BuildNotificationLine(Guest(2), "21:07:30"), expected);
    EXPECT_EQ(BuildNotificationLine(Guest(kNotificationNone), "21:07:30"), expected);
    EXPECT_EQ(BuildNotificationLine(Guest(7), "21:07:30"), expected);
}

TEST(KillPresets, EntriesInOrder) {
    EXPECT_EQ(KillWherePresets(),
              AllW({"В Питере сейчас", "В Москве сейчас", "На системных часах компа"}));
    EXPECT_EQ(KillActionPresets(), AllW({"удаляет", "предупреждает", "обливает пивом",
                                         "дарит сказочный пендель", "чмокает засосно"}));
    EXPECT_EQ(KillPeriodPresets(),
              AllW({"на 1 минуту", "на 3 минуты", "на 5 минут", "на 10 минут", "на 30 минут",
                    "на 1 час", "на 6 часов", "на 12 часов", "на полдня", "на сутки", "на неделю",
                    "на 15 суток", "на месяц", "пожизненно", "навсегда"}));
    EXPECT_EQ(KillReasonPresets(),
              AllW({"Плохое поведение", "Вы ошиблись каналом", "Реклама", "Мат", "Ругань",
                    "Секс-чат за углом", "Флуд", "Ник", "Просто так"}));
}

TEST(KillPresets, SameListOnEveryCall) {
    EXPECT_EQ(&KillWherePresets(), &KillWherePresets());
    EXPECT_EQ(&KillReasonPresets(), &KillReasonPresets());
}

}  // namespace
}  // namespace tagforge
