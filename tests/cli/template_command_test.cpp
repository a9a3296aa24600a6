// Runs the real tagforge-cli binary's template command on profile files written here.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "../core/test_text.h"
#include "cli_test_fixture.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::W;

using test::CliResult;
using test::ReadAll;
using test::WriteAll;

const std::string kKillLine =
    "Привет<br><font color=ffff33 size=-1><font color=f2aea0>В Москве сейчас 09:05:03 и <font "
    "color=ffff33>Модер</font> удаляет <font color=99ff33>Гость</font> на 5 минут. Причина: "
    "</font><font color=808080>Флуд</font></font>";

const std::vector<std::string> kKillProfile = {
    "[Page2]",          "ActivePage=0",        "Where=\"В Москве сейчас\"",
    "Action=удаляет",   "Period=на 5 минут",   "KillerName=\"Модер\"",
    "VictimName=Гость", "ReasonName=\"Флуд\"", "OwnText=\"Привет\""};

class TemplateCommand : public test::CliTest {
  protected:
    // The line for a profile at 21:07:30, printed as UTF-8.
    std::string Line(const std::vector<std::string>& profileLines) {
        const std::string profile = Profile("p.tfp", profileLines);
        const CliResult result = Run({"template", "--profile", profile, "--time", "21:07:30"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        return result.out;
    }
};

TEST_F(TemplateCommand, KillLineWorkedExample) {
    const std::string profile = Profile("kill.tfp", kKillProfile);
    const CliResult utf8 =
        Run({"template", "--profile", profile, "--time", "09:05:03", "--encoding", "utf-8"});
    EXPECT_EQ(utf8.exitCode, 0) << utf8.err;
    EXPECT_EQ(utf8.out, kKillLine);
    const CliResult cp1251 =
        Run({"template", "--profile", profile, "--time", "09:05:03", "--encoding", "windows-1251"});
    EXPECT_EQ(cp1251.out, W(kKillLine));
}

TEST_F(TemplateCommand, MissingKeysLeaveTheKillLineEmpty) {
    const std::string empty =
        "<br><font color=ffff33 size=-1><font color=f2aea0> 00:00:00 и <font "
        "color=ffff33></font>  <font color=99ff33></font> . Причина: </font><font "
        "color=808080></font></font>";
    const std::string profile = Profile("empty.tfp", {"[Page1]", "Bold=1"});
    EXPECT_EQ(Run({"template", "--profile", profile, "--time", "00:00:00"}).out, empty);
    EXPECT_EQ(Run({"template", "--time", "00:00:00"}).out, empty);
}

TEST_F(TemplateCommand, TabsWithoutALineGiveTheKillLine) {
    for (const char* page : {"3", "-1", "99", "x"}) {
        std::vector<std::string> lines = kKillProfile;
        lines[1] = std::string("ActivePage=") + page;
        const std::string profile = Profile("other.tfp", lines);
        EXPECT_EQ(Run({"template", "--profile", profile, "--time", "09:05:03"}).out, kKillLine)
            << page;
    }
}

TEST_F(TemplateCommand, SolitudeLineFromTheNickList) {
    EXPECT_EQ(Line({"[Page2]", "ActivePage=1", "Nicks=\"Лиса[::]Волк\"",
                    "WhatDo=\"уединяются в привате\""}),
              "<br><font color=ffff33><font color=99ccff>Лиса</font> и <font "
              "color=99ccff>Волк</font> уединяются в привате</font>");
    EXPECT_EQ(Line({"[Page2]", "ActivePage=1", "OwnText=свои", "WhatDo=спят"}),
              "свои<br><font color=ffff33>спят</font>");
}

TEST_F(TemplateCommand, NotificationKinds) {
    const auto notification = [this](const std::vector<std::string>& extra) {
        std::vector<std::string> lines = {"[Page2]", "ActivePage=2",
                                          "PersonallyErrorMessage=\"Гость\"", "Nick=\"Лиса\""};
        lines.insert(lines.end(), extra.begin(), extra.end());
        return Line(lines);
    };
    const std::string notHere =
        "<br><font color=ffdd44>ошибка: человека с именем \"Гость\" сейчас нет..</font>";
    const std::string arrival =
        "<br><font color=ffff33 size=-1>[21:07:30] к нам приходит <u><font "
        "color=3399FF>Гость</font></font></u>";
    const std::string timeOut =
        "<br><font color=ffff33 size=-1>[21:07:30] тайм-аут для Гость</font>";

    EXPECT_EQ(notification({"PersErrorType=0"}), notHere);
    EXPECT_EQ(notification({}), notHere);
    EXPECT_EQ(notification({"PersErrorType=1"}), arrival);
    EXPECT_EQ(notification({"PersErrorType=2"}), timeOut);
    // A kind beyond the list selects none, which reads as the time-out.
    EXPECT_EQ(notification({"PersErrorType=3"}), timeOut);
    EXPECT_EQ(notification({"PersErrorType=-1"}), timeOut);
    EXPECT_EQ(notification({"OwnText=\"эй\"", "PersErrorType=2"}), "эй" + timeOut);
}

TEST_F(TemplateCommand, ArrivalColourOnlyWhenEnabled) {
    const std::vector<std::string> base = {
        "[Page2]",   "ActivePage=2",    "PersonallyErrorMessage=Гость",
        "Nick=Лиса", "PersErrorType=1", "ComeColor=FF0000"};
    std::vector<std::string> enabled = base;
    enabled.push_back("ComeColorEnabled=1");
    EXPECT_EQ(Line(enabled),
              "<br><font color=ffff33 size=-1>[21:07:30] к нам приходит <u><font "
              "color=FF0000>Гость</font></font></u>");
    EXPECT_NE(Line(base).find("<font color=3399FF>"), std::string::npos);
    std::vector<std::string> lowerCase = {"[Page2]", "ActivePage=2", "PersErrorType=1",
                                          "ComeColorEnabled=1", "ComeColor=00ff7f"};
    EXPECT_NE(Line(lowerCase).find("<font color=00FF7F></font>"), std::string::npos);
}

TEST_F(TemplateCommand, TimeDefaultsToTheClock) {
    const std::string profile = Profile("t.tfp", {"[Page2]", "ActivePage=2", "PersErrorType=2"});
    const CliResult result = Run({"template", "--profile", profile});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::regex line(
        "<br><font color=ffff33 size=-1>\\[([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]\\] "
        "тайм-аут для </font>");
    EXPECT_TRUE(std::regex_match(result.out, line)) << result.out;
}

TEST_F(TemplateCommand, BadInputGivesAUsageError) {
    const auto expectUsageError = [this](const std::vector<std::string>& args,
                                         const std::string& what) {
        const CliResult result = Run(args);
        EXPECT_EQ(result.exitCode, 2) << what;
        EXPECT_EQ(result.out, "") << what;
        EXPECT_EQ(result.err.rfind("tagforge-cli: ", 0), 0u) << result.err;
        EXPECT_NE(result.err.find(what), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    };
    for (const char* time : {"9:05:03", "24:00:00", "12:60:00", "12:00:60", "12-00-00", "12:00:00 ",
                             "120000", "", "1a:00:00", "+1:00:00", "12:00"}) {
        expectUsageError({"template", "--time", time}, "--time");
    }
    expectUsageError({"template", "--time"}, "needs a value");
    expectUsageError({"template", "--profile", (dir_ / "missing.tfp").string()}, "not found");
    expectUsageError({"template", "--encoding", "koi8-r"}, "unknown encoding");
    expectUsageError({"template", "--text", "x"}, "unknown option");
}

TEST_F(TemplateCommand, HelpNamesTheOptionsAndTheTabs) {
    const CliResult result = Run({"template", "--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* text : {"--profile", "--time", "--encoding", "--help", "ActivePage",
                             "kill line", "PersErrorType"}) {
        EXPECT_NE(result.out.find(text), std::string::npos) << text;
    }
    EXPECT_NE(Run({"--help"}).out.find("template"), std::string::npos);
}

}  // namespace
}  // namespace tagforge
