// Runs the real tagforge-cli binary's preview command and reads the pages it writes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../core/test_text.h"
#include "cli_test_fixture.h"
#include "core/templates/template_lines.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::W;

using test::CliResult;
using test::ReadAll;
using test::WriteAll;

const std::string kHead =
    "<HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></HEAD>";

class PreviewCommand : public test::CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        page_ = (dir_ / "preview.htm").string();
    }

    // Runs a preview into page_ and gives the lines of the page written.
    std::vector<std::string> Preview(std::vector<std::string> args) {
        args.insert(args.begin(), {"preview", "--output", page_});
        const CliResult result = Run(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");
        return test::CrLfLines(ReadAll(page_));
    }

    std::string page_;
};

TEST_F(PreviewCommand, BlackBackgroundWithoutWordWrap) {
    const std::vector<std::string> expected = {"<HTML>",
                                               kHead,
                                               "<BODY BGCOLOR=000000>",
                                               "<NOBR>",
                                               "<FONT COLOR=FFFFFF>",
                                               W("Привет <IMAGE SRC=\"Smiles\\smile.GIF\">"),
                                               "</FONT>",
                                               "</BODY>",
                                               "</HTML>"};
    EXPECT_EQ(Preview({"--text", "Привет [::smile::]", "--no-word-wrap"}), expected);
    EXPECT_EQ(Preview({"--text", "Привет [::smile::]", "--no-word-wrap", "--background", "000000"}),
              expected);
}

TEST_F(PreviewCommand, YellowBackgroundWithWordWrap) {
    const std::vector<std::string> expected = {
        "<HTML>",  kHead,    "<BODY BGCOLOR=FFFF00>", "<FONT COLOR=000000>", "x", "</FONT>",
        "</BODY>", "</HTML>"};
    EXPECT_EQ(Preview({"--text", "x", "--background", "FFFF00"}), expected);
    EXPECT_EQ(Preview({"--text", "x", "--background", "ffff00", "--word-wrap"}), expected);
}

TEST_F(PreviewCommand, TextColourFollowsTheBackground) {
    EXPECT_EQ(Preview({"--text", "x", "--background", "FF7F00"})[3], "<FONT COLOR=FFFFFF>");
    EXPECT_EQ(Preview({"--text", "x", "--background", "008000"})[3], "<FONT COLOR=000000>");
    EXPECT_EQ(Preview({"--text", "x", "--background", "a1b2c3"})[2], "<BODY BGCOLOR=A1B2C3>");
}

TEST_F(PreviewCommand, FormattedResultOfTheProfile) {
    const std::string bold = Profile("bold.tfp", {"[Page1]", "Bold=1", "Text=\"Привет[::]мир\""});
    EXPECT_EQ(Preview({"--profile", bold})[4], W("<b>Привет<br>мир</b>"));
    EXPECT_EQ(Preview({"--profile", bold, "--text", "Пока"})[4], W("<b>Пока</b>"));
    EXPECT_EQ(Preview({"--profile", bold, "--encoding", "windows-1251", "--text", W("Пока")})[4],
              W("<b>Пока</b>"));
}

TEST_F(PreviewCommand, SameResultAsTheFormatCommand) {
    const std::string random = Profile(
        "random.tfp",
        {"[Page1]", "ColorEffectEnabled=1", "ColorEffect=4", "Text=\"разноцветный текст\""});
    const CliResult formatted =
        Run({"format", "--profile", random, "--seed", "12345", "--encoding", "windows-1251"});
    ASSERT_EQ(formatted.exitCode, 0) << formatted.err;
    EXPECT_EQ(Preview({"--profile", random, "--seed", "12345"})[4], formatted.out);
}

TEST_F(PreviewCommand, TemplateLineInsteadOfTheMessage) {
    const std::string kill =
        Profile("kill.tfp", {"[Page1]", "Text=\"не то\"", "[Page2]", "Where=\"В Москве сейчас\"",
                             "Action=удаляет", "Period=\"на 5 минут\"", "KillerName=Модер",
                             "VictimName=Гость", "ReasonName=Флуд", "OwnText=Привет"});
    const std::vector<std::string> lines =
        Preview({"--profile", kill, "--template", "--time", "09:05:03"});
    ASSERT_EQ(lines.size(), 8u);
    KillLineFields fields;
    fields.ownText = W("Привет");
    fields.where = W("В Москве сейчас");
    fields.action = W("удаляет");
    fields.period = W("на 5 минут");
    fields.killer = W("Модер");
    fields.victim = W("Гость");
    fields.reason = W("Флуд");
    EXPECT_EQ(lines[4], BuildKillLine(fields, "09:05:03"));

    const std::string solitude = Profile(
        "solitude.tfp", {"[Page2]", "ActivePage=1", "Nicks=\"Лиса[::]Волк\"", "WhatDo=гуляют"});
    EXPECT_EQ(Preview({"--profile", solitude, "--template"})[4],
              BuildSolitudeLine("", {W("Лиса"), W("Волк")}, W("гуляют")));
}

TEST_F(PreviewCommand, AsciiArtTemplateLine) {
    Profile("Ascii.ASC", {"[Кот]", "html=\"<pre>мяу</pre>\"", "[Ёж]", "html=фыр", "include=0",
                          "[Пёс]", "html=гав"});
    const std::string named =
        Profile("named.tfp", {"[Page1]", "Text=\"не то\"", "[Page2]", "ActivePage=3",
                              "OwnText=Смотри:", "ASCIIName=кот"});
    EXPECT_EQ(Preview({"--profile", named, "--template"})[4], W("Смотри:<pre>мяу</pre>"));
    // An excluded picture gives way to the first one offered.
    const std::string excluded =
        Profile("excluded.tfp", {"[Page2]", "ActivePage=3", "ASCIIName=Ёж"});
    EXPECT_EQ(Preview({"--profile", excluded, "--template"})[4], W("<pre>мяу</pre>"));

    fs::create_directory(dir_ / "other");
    const std::string catalogue = Profile("other/pictures.asc", {"[КОТ]", "html=мур"});
    EXPECT_EQ(Preview({"--profile", named, "--template", "--catalogue", catalogue})[4],
              W("Смотри:мур"));
    EXPECT_EQ(Preview({"--profile", excluded, "--template", "--catalogue", catalogue})[4],
              W("мур"));
    // Without --template the catalogue plays no part.
    EXPECT_EQ(Preview({"--profile", named, "--catalogue", catalogue})[4], W("не то"));
}

TEST_F(PreviewCommand, AsciiTabWithoutCatalogueShowsTheKillLine) {
    const std::string profile =
        Profile("p.tfp", {"[Page2]", "ActivePage=3", "ASCIIName=pic", "KillerName=Модер"});
    const std::vector<std::string> lines =
        Preview({"--profile", profile, "--template", "--time", "12:34:56"});
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_NE(lines[4].find(W("12:34:56 и <font color=ffff33>Модер</font>")), std::string::npos)
        << lines[4];
}

TEST_F(PreviewCommand, ReplacesAnOldPage) {
    WriteAll(page_, "an old and much longer page than the new one will be, by far");
    Preview({"--text", "new"});
    EXPECT_EQ(test::CrLfLines(ReadAll(page_))[4], "new");
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(dir_)) {
        entries.push_back(entry.path().filename().string());
    }
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"preview.htm", "stderr", "stdin", "stdout"}));
}

// A page written to standard output, a device or a pipe goes there in place; only a regular
// file is replaced by a new one.
TEST_F(PreviewCommand, OutputThatIsNoRegularFileIsWrittenInPlace) {
    const std::vector<std::string> reference = Preview({"--text", "x"});
    const std::string page = ReadAll(page_);
    ASSERT_EQ(reference.size(), 8U);
    struct Case {
        const char* what;
        const char* script;  // sh; "$CLI" is tagforge-cli, run in the test's folder
        int exitCode;
        std::string err;
        std::string pageAfter;  // the content of preview.htm afterwards
        bool sameFile;          // preview.htm is the file it was before
    };
    const std::vector<Case> cases{
        {"a regular file", "\"$CLI\" preview --text x --output preview.htm 2>err", 0, "", page,
         false},
        {"standard output into a file",
         "{ echo before; \"$CLI\" preview --text x --output /dev/stdout 2>err; s=$?; "
         "echo after; exit $s; } >preview.htm",
         0, "", "before\n" + page + "after\n", true},
        {"standard output appended to a file",
         "\"$CLI\" preview --text x --output /dev/fd/1 2>err >>preview.htm", 0, "", "old\n" + page,
         true},
        {"standard output into a pipe",
         "{ \"$CLI\" preview --text x --output /dev/stdout 2>err; echo $? >status; } | cat "
         ">preview.htm; exit $(cat status)",
         0, "", page, true},
        {"a named pipe",
         "rm -f preview.htm; mkfifo fifo; timeout 10 cat fifo >preview.htm & "
         "\"$CLI\" preview --text x --output fifo 2>err; s=$?; wait; exit $s",
         0, "", page, false},
        {"/dev/null", "\"$CLI\" preview --text x --output /dev/null 2>err", 0, "", "old\n", true},
        {"/dev/full", "\"$CLI\" preview --text x --output /dev/full 2>err", 2,
         "tagforge-cli: Unable to write to /dev/full\n", "old\n", true},
        {"standard output into /dev/full",
         "\"$CLI\" preview --text x --output /dev/stdout 2>err >/dev/full", 2,
         "tagforge-cli: Unable to write to /dev/stdout\n", "old\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* leftover : {"err", "fifo", "status"}) {
            fs::remove(dir_ / leftover);
        }
        WriteAll(page_, "old\n");
        struct stat oldFile {};
        ASSERT_EQ(::stat(page_.c_str(), &oldFile), 0);
        const std::string command = "CLI=" + test::ShellQuote(TAGFORGE_CLI_PATH) + "; cd " +
                                    test::ShellQuote(dir_.string()) + " && " + c.script;
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), c.exitCode);
        EXPECT_EQ(ReadAll(dir_ / "err"), c.err);
        EXPECT_EQ(ReadAll(page_), c.pageAfter);
        struct stat newFile {};
        ASSERT_EQ(::stat(page_.c_str(), &newFile), 0);
        if (c.sameFile) {
            EXPECT_EQ(newFile.st_ino, oldFile.st_ino);
        }
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(PreviewCommand, UnwritablePageFailsWithTheMessage) {
    WriteAll(dir_ / "plain", "a regular file");
    const std::string below = (dir_ / "plain" / "preview.htm").string();
    const CliResult result = Run({"preview", "--text", "x", "--output", below});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "tagforge-cli: Unable to write to " + below + "\n");
    EXPECT_EQ(ReadAll(dir_ / "plain"), "a regular file");

    // A folder where the page should be: the folder stays as it was.
    fs::create_directory(dir_ / "folder");
    const std::string folder = (dir_ / "folder").string();
    const CliResult onFolder = Run({"preview", "--text", "x", "--output", folder});
    EXPECT_EQ(onFolder.exitCode, 2);
    EXPECT_EQ(onFolder.err, "tagforge-cli: Unable to write to " + folder + "\n");
    EXPECT_TRUE(fs::is_empty(dir_ / "folder"));
}

TEST_F(PreviewCommand, BadInputGivesAUsageError) {
    const auto expectUsageError = [this](const std::vector<std::string>& args,
                                         const std::string& what) {
        const CliResult result = Run(args);
        EXPECT_EQ(result.exitCode, 2) << what;
        EXPECT_EQ(result.out, "") << what;
        EXPECT_EQ(result.err.rfind("tagforge-cli: ", 0), 0u) << result.err;
        EXPECT_NE(result.err.find(what), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_FALSE(fs::exists(page_)) << what;
    };
    expectUsageError({"preview", "--text", "x"}, "--output");
    for (const char* color : {"00000", "0000000", "GG0000", "#00000", "", "00 000"}) {
        expectUsageError({"preview", "--output", page_, "--background", color}, "--background");
    }
    expectUsageError({"preview", "--output", page_, "--word-wrap", "--no-word-wrap"},
                     "--word-wrap");
    expectUsageError({"preview", "--output", page_, "--template", "--text", "x"}, "--template");
    expectUsageError({"preview", "--output", page_, "--template", "--time", "25:00:00"}, "--time");
    expectUsageError({"preview", "--output", page_, "--seed", "-1"}, "--seed");
    expectUsageError({"preview", "--output", page_, "--text", "\xFF"}, "not valid UTF-8");
    expectUsageError({"preview", "--output", page_, "--profile", (dir_ / "none.tfp").string()},
                     "not found");
    expectUsageError(
        {"preview", "--output", page_, "--template", "--catalogue", (dir_ / "none.asc").string()},
        "catalogue file not found");
}

TEST_F(PreviewCommand, HelpNamesEveryOption) {
    const CliResult result = Run({"preview", "--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* option :
         {"--output", "--profile", "--text", "--template", "--catalogue", "--time", "--background",
          "--word-wrap", "--no-word-wrap", "--seed", "--encoding", "--help", "exit status is 2"}) {
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    }
    EXPECT_NE(Run({"--help"}).out.find("preview"), std::string::npos);
}

}  // namespace
}  // namespace tagforge
