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
#include "core/templates/template_lines.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::U;
using test::W;

using test::CliResult;
using test::ReadAll;
using test::WriteAll;

const std::vector<std::string> kKillProfile = {
    "[Page2]",          "ActivePage=0",        "Where=\"В Москве сейчас\"",
    "Action=удаляет",   "Period=на 5 минут",   "KillerName=\"Модер\"",
    "VictimName=Гость", "ReasonName=\"Флуд\"", "OwnText=\"Привет\""};

// The core's kill line of kKillProfile's fields at 09:05:03, as UTF-8.
std::string KillLine() {
    KillLineFields fields;
    fields.ownText = W("Привет");
    fields.where = W("В Москве сейчас");
    fields.action = W("удаляет");
    fields.period = W("на 5 минут");
    fields.killer = W("Модер");
    fields.victim = W("Гость");
    fields.reason = W("Флуд");
    return U(BuildKillLine(fields, "09:05:03"));
}

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
    EXPECT_EQ(utf8.out, KillLine());
    const CliResult cp1251 =
        Run({"template", "--profile", profile, "--time", "09:05:03", "--encoding", "windows-1251"});
    EXPECT_EQ(cp1251.out, W(KillLine()));
}

TEST_F(TemplateCommand, MissingKeysLeaveTheKillLineEmpty) {
    const std::string empty = U(BuildKillLine(KillLineFields{}, "00:00:00"));
    const std::string profile = Profile("empty.tfp", {"[Page1]", "Bold=1"});
    EXPECT_EQ(Run({"template", "--profile", profile, "--time", "00:00:00"}).out, empty);
    EXPECT_EQ(Run({"template", "--time", "00:00:00"}).out, empty);
}

TEST_F(TemplateCommand, TabsWithoutALineGiveTheKillLine) {
    for (const char* page : {"4", "-1", "99", "x"}) {
        std::vector<std::string> lines = kKillProfile;
        lines[1] = std::string("ActivePage=") + page;
        const std::string profile = Profile("other.tfp", lines);
        EXPECT_EQ(Run({"template", "--profile", profile, "--time", "09:05:03"}).out, KillLine())
            << page;
    }
}

// A catalogue whose sections come in an order other than the sorted one.
const std::vector<std::string> kCatalogue = {
    "[zebra]", "html=<i>z</i>",        "[Кот]",    "html=\"<pre>кот</pre>\"", "include=1",
    "[beta]",  "html=  <b>beta</b>  ", "[Alpha]",  "html=<u>a</u>",           "include=0",
    "[gamma]", "html=<s>g</s>",        "include=x"};

class AsciiTemplate : public TemplateCommand {
  protected:
    // The line of the ASCII tab with the catalogue beside the profile.
    std::string AsciiLine(const std::string& asciiName,
                          const std::vector<std::string>& catalogue = kCatalogue) {
        Profile("ascii.asc", catalogue);
        return Line({"[Page2]", "ActivePage=3", "OwnText=\"Смотри:\"", "ASCIIName=" + asciiName});
    }
};

TEST_F(AsciiTemplate, OwnTextThenThePictureTheProfileNames) {
    EXPECT_EQ(AsciiLine("Кот"), "Смотри:<pre>кот</pre>");
    EXPECT_EQ(AsciiLine("beta"), "Смотри:<b>beta</b>");
    EXPECT_EQ(AsciiLine("zebra"), "Смотри:<i>z</i>");
    // An include value that is not a number keeps the picture in.
    EXPECT_EQ(AsciiLine("gamma"), "Смотри:<s>g</s>");
}

TEST_F(AsciiTemplate, NameComparedWithoutRegardToCase) {
    EXPECT_EQ(AsciiLine("кОТ"), "Смотри:<pre>кот</pre>");
    EXPECT_EQ(AsciiLine("BETA"), "Смотри:<b>beta</b>");
    EXPECT_EQ(AsciiLine("ZeBrA"), "Смотри:<i>z</i>");
}

TEST_F(AsciiTemplate, OtherNamesGiveTheFirstIncludedPicture) {
    // Alpha sorts first but is left out, so beta is the first picture offered.
    EXPECT_EQ(AsciiLine("Alpha"), "Смотри:<b>beta</b>");
    EXPECT_EQ(AsciiLine("нет такой"), "Смотри:<b>beta</b>");
    EXPECT_EQ(AsciiLine(""), "Смотри:<b>beta</b>");
    const std::vector<std::string> withoutBeta = {"[zebra]",   "html=<i>z</i>", "[beta]",
                                                  "include=0", "[Кот]",         "html=к"};
    EXPECT_EQ(AsciiLine("beta", withoutBeta), "Смотри:<i>z</i>");
}

TEST_F(AsciiTemplate, NoIncludedPictureLeavesTheOwnText) {
    const std::vector<std::string> allOut = {"[one]", "html=1", "include=0",
                                             "[two]", "html=2", "include=0x0"};
    EXPECT_EQ(AsciiLine("one", allOut), "Смотри:");
    EXPECT_EQ(AsciiLine("one", {}), "Смотри:");
    // A picture without html adds nothing either.
    EXPECT_EQ(AsciiLine("bare", {"[bare]", "include=1"}), "Смотри:");
}

TEST_F(AsciiTemplate, LongPictureIsCutTo2047Characters) {
    const std::string html(3000, 'x');
    EXPECT_EQ(AsciiLine("long", {"[long]", "html=" + html}), "Смотри:" + html.substr(0, 2047));
}

TEST_F(AsciiTemplate, CyrillicNamesInBothEncodings) {
    Profile("ascii.asc",
            {"[Ёжик]", "html=<font color=ff0000>ёжик в тумане</font>", "[Кот]", "html=мяу"});
    const std::string profile =
        Profile("p.tfp", {"[Page2]", "ActivePage=3", "OwnText=Смотри:", "ASCIIName=ЁЖИК"});
    const std::string expected = "Смотри:<font color=ff0000>ёжик в тумане</font>";
    const CliResult utf8 = Run({"template", "--profile", profile, "--encoding", "utf-8"});
    EXPECT_EQ(utf8.exitCode, 0) << utf8.err;
    EXPECT_EQ(utf8.out, expected);
    const CliResult cp1251 = Run({"template", "--profile", profile, "--encoding", "windows-1251"});
    EXPECT_EQ(cp1251.exitCode, 0) << cp1251.err;
    EXPECT_EQ(cp1251.out, W(expected));
}

TEST_F(AsciiTemplate, CatalogueBesideTheProfileInAnyCase) {
    fs::create_directory(dir_ / "Profiles");
    WriteAll(dir_ / "Profiles" / "ASCII.Asc", "[pic]\r\nhtml=<p>found</p>\r\n");
    WriteAll(dir_ / "Profiles" / "p.tfp", "[Page2]\r\nActivePage=3\r\nASCIIName=pic\r\n");
    const std::string profile = (dir_ / "Profiles" / "p.tfp").string();
    EXPECT_EQ(Run({"template", "--profile", profile}).out, "<p>found</p>");

    // A profile named without a folder is beside the catalogue of the working folder.
    const fs::path before = fs::current_path();
    fs::current_path(dir_ / "Profiles");
    const CliResult bare = Run({"template", "--profile", "p.tfp"});
    fs::current_path(before);
    EXPECT_EQ(bare.out, "<p>found</p>") << bare.err;
}

TEST_F(AsciiTemplate, CatalogueOptionOverridesTheOneBesideTheProfile) {
    Profile("ascii.asc", {"[pic]", "html=beside"});
    fs::create_directory(dir_ / "elsewhere");
    WriteAll(dir_ / "elsewhere" / "pictures.ini", "[PIC]\r\nhtml=chosen\r\n");
    const std::string profile = Profile("p.tfp", {"[Page2]", "ActivePage=3", "ASCIIName=pic"});
    const std::string catalogue = (dir_ / "elsewhere" / "pictures.ini").string();
    EXPECT_EQ(Run({"template", "--profile", profile}).out, "beside");
    EXPECT_EQ(Run({"template", "--profile", profile, "--catalogue", catalogue}).out, "chosen");
    EXPECT_EQ(Run({"template", "--profile", profile, "--catalogue=" + catalogue}).out, "chosen");
}

TEST_F(AsciiTemplate, NoCatalogueGivesTheKillLine) {
    std::vector<std::string> lines = kKillProfile;
    lines[1] = "ActivePage=3";
    lines.emplace_back("ASCIIName=pic");
    const std::string profile = Profile("kill.tfp", lines);
    EXPECT_EQ(Run({"template", "--profile", profile, "--time", "09:05:03"}).out, KillLine());
    // A folder in the catalogue's place is no catalogue either.
    fs::create_directory(dir_ / "ascii.asc");
    EXPECT_EQ(Run({"template", "--profile", profile, "--time", "09:05:03"}).out, KillLine());
}

TEST_F(TemplateCommand, SolitudeLineFromTheNickList) {
    EXPECT_EQ(Line({"[Page2]", "ActivePage=1", "Nicks=\"Лиса[::]Волк\"",
                    "WhatDo=\"уединяются в привате\""}),
              U(BuildSolitudeLine("", {W("Лиса"), W("Волк")}, W("уединяются в привате"))));
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
    expectUsageError({"template", "--catalogue", (dir_ / "missing.asc").string()},
                     "catalogue file not found");
    fs::create_directory(dir_ / "folder.asc");
    expectUsageError({"template", "--catalogue", (dir_ / "folder.asc").string()},
                     "cannot read catalogue file");
    expectUsageError({"template", "--catalogue"}, "needs a value");
    expectUsageError({"template", "--text", "x"}, "unknown option");
}

TEST_F(TemplateCommand, HelpNamesTheOptionsAndTheTabs) {
    const CliResult result = Run({"template", "--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* text :
         {"--profile", "--catalogue", "--time", "--encoding", "--help", "ActivePage", "kill line",
          "PersErrorType", "ASCIIName", "ascii.asc"}) {
        EXPECT_NE(result.out.find(text), std::string::npos) << text;
    }
    EXPECT_NE(Run({"--help"}).out.find("template"), std::string::npos);
}

}  // namespace
}  // namespace tagforge
