// Runs the real tagforge-cli binary on profile files written here.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli_test_fixture.h"
#include "core/format/cp1251.h"
#include "core/format/effect_selection.h"
#include "core/format/random_source.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;

using test::CliResult;
using test::ReadAll;
using test::WriteAll;

std::string Cp1251(const std::string& utf8) {
    return *Utf8ToCp1251(utf8);
}

class FormatCommand : public test::CliTest {
  protected:
    std::string Format(const std::vector<std::string>& args, const std::string& input = "") {
        const CliResult result = Run(args, input);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        return result.out;
    }
};

TEST_F(FormatCommand, WorkedResultsFromProfiles) {
    const std::string bold =
        Profile("bold.tfp", {"[Page1]", "Bold=1", "ColorEffectEnabled=1", "ColorEffect=0",
                             "SolidColor=\"FF0000\"", "FontSizeEnabled=1", "FontSize=3",
                             "OkEnabled=1", "Text=\"Привет\""});
    EXPECT_EQ(Format({"format", "--profile", bold}),
              "<font size=3><b><font color=FF0000>Привет</font></b></font> "
              "<u><font color=0099FF>Ok?</font></u>");

    const std::string onlyForYou = Profile(
        "only.tfp", {"[Page1]", "OnlyForYouEnabled=1", "Reciever=\"Вася\"", "Text=\"Привет\""});
    EXPECT_EQ(Format({"format", "--profile", onlyForYou}),
              "<font color=99FF33>(только для вас, Вася)</font><font color=3399FF>: </font>Привет");

    const std::string other =
        Profile("other.tfp", {"[Page1]", "OtherNameEnabled=1", "OtherName=\"Петя\"",
                              "OwnText=\"всем привет\"", "Text=\"Привет\""});
    EXPECT_EQ(Format({"format", "--profile", other}),
              "всем привет<br><font color=3399FF><u>Петя</u>: </font>Привет");

    const std::string third = Profile(
        "third.tfp", {"[Page1]", "OtherNameEnabled=1", "OtherName=\"Петя\"",
                      "OwnText=\"всем привет\"", "Other3rdFaceEnabled=1", "Text=\"Привет\""});
    const std::string thirdResult = Format({"format", "--profile", third});
    const std::string prefix =
        "всем привет<br><font color=99FF33>**<u>*</u></font> <font color=99CCFF>Петя "
        "</font><font color=";
    ASSERT_EQ(thirdResult.substr(0, prefix.size()), prefix);
    // With the start seed of 1 the colour is the first draw of a fresh generator.
    DefaultRandomSource fresh;
    const char* const colors[] = {"44EEFF", "44FF77", "33CCFF", "44CCFF", "66FFBB"};
    EXPECT_EQ(thirdResult.substr(prefix.size()),
              std::string(colors[fresh.Next() % 5]) + ">Привет</font>");

    const std::string lines = Profile("lines.tfp", {"[Page1]", "Text=\"a[::]b\""});
    EXPECT_EQ(Format({"format", "--profile", lines}), "a<br>b");
}

TEST_F(FormatCommand, TextOptionReplacesTheProfileText) {
    const std::string bold = Profile("bold.tfp", {"[Page1]", "Bold=1", "Text=\"Привет\""});
    EXPECT_EQ(Format({"format", "--profile", bold, "--text", "Пока"}), "<b>Пока</b>");
    EXPECT_EQ(Format({"format", "--text", "plain"}), "plain");
}

TEST_F(FormatCommand, LineBreaksMayBeLfOrCrLf) {
    EXPECT_EQ(Format({"format", "--text", "a\nb\r\nc"}), "a<br>b<br>c");
    WriteAll(dir_ / "message.txt", "x\ny\r\n");
    EXPECT_EQ(Format({"format", "--text-file", (dir_ / "message.txt").string()}), "x<br>y<br>");
    EXPECT_EQ(Format({"format", "--text-file", "-"}, "from\nstdin"), "from<br>stdin");
}

TEST_F(FormatCommand, CharactersOutsideTheCodePageBecomeReferences) {
    const std::string gradient =
        Profile("gradient.tfp", {"[Page1]", "ColorEffectEnabled=1", "ColorEffect=1",
                                 "GradientBeginColor=\"FF0000\"", "GradientEndColor=\"0000FF\""});
    EXPECT_EQ(Format({"format", "--profile", gradient, "--text", "😀b"}),
              "<font color=FF0000>&#128512;</font><font color=0000FF>b</font>");
}

TEST_F(FormatCommand, Windows1251Encoding) {
    const std::string input = Cp1251("Привет");
    EXPECT_EQ(Format({"format", "--encoding", "windows-1251", "--text", input}), input);
}

TEST_F(FormatCommand, LongResultsComeOutWholeInEitherEncoding) {
    // Far longer than the slices the output is written in, with line breaks and references.
    std::string utf8;
    for (int i = 0; utf8.size() < 200000; ++i) {
        utf8 += i % 7 == 0 ? "😀 ёлка\n" : "Привет, all! ";
    }
    WriteAll(dir_ / "utf8.txt", utf8);
    WriteAll(dir_ / "cp1251.txt", Cp1251(utf8));
    const std::string gradient =
        Profile("gradient.tfp", {"[Page1]", "ColorEffectEnabled=1", "ColorEffect=1", "Bold=1"});
    const std::string fromUtf8 =
        Format({"format", "--profile", gradient, "--text-file", (dir_ / "utf8.txt").string()});
    const std::string fromCp1251 =
        Format({"format", "--profile", gradient, "--encoding", "windows-1251", "--text-file",
                (dir_ / "cp1251.txt").string()});
    EXPECT_GT(fromCp1251.size(), 26 * 100000u);
    EXPECT_EQ(fromUtf8, Cp1251ToUtf8(fromCp1251));
    EXPECT_EQ(fromUtf8.substr(0, 22), "<b><font color=00FF00>");
    EXPECT_EQ(fromUtf8.substr(fromUtf8.size() - 4), "</b>");
}

TEST_F(FormatCommand, TagListBesideTheProfile) {
    WriteAll(dir_ / "tags.asc", "[zeta]\r\n[Alpha]\r\n[beta]\r\n");
    const std::string tagged =
        Profile("tagged.tfp", {"[Page1]", "TagEnabled=1", "Tag=\"[BETA]\"", "Text=\"x\""});
    EXPECT_EQ(Format({"format", "--profile", tagged}), "[beta] x");
    const std::string unknown =
        Profile("unknown.tfp", {"[Page1]", "TagEnabled=1", "Tag=\"nope\"", "Text=\"x\""});
    EXPECT_EQ(Format({"format", "--profile", unknown}), "[Alpha] x");
    fs::remove(dir_ / "tags.asc");
    EXPECT_EQ(Format({"format", "--profile", tagged}), "x");
}

TEST_F(FormatCommand, ThresholdCoarsensTheColouring) {
    const std::string spectrum =
        Profile("spectrum.tfp", {"[Page1]", "ColorEffectEnabled=1", "ColorEffect=2"});
    const std::string text(40, 'x');
    const std::string full = Format({"format", "--profile", spectrum, "--text", text});
    const std::string limited =
        Format({"format", "--profile", spectrum, "--text", text, "--threshold", "600"});
    EXPECT_GT(full.size(), 600u);
    EXPECT_LE(limited.size(), 600u);
    EXPECT_EQ(Format({"format", "--profile", spectrum, "--text", text, "--threshold", "0"}), full);
}

TEST_F(FormatCommand, SeedMakesTheRandomSolidColourReproducible) {
    const std::string random =
        Profile("random.tfp", {"[Page1]", "ColorEffectEnabled=1", "ColorEffect=3"});
    const std::string first =
        Format({"format", "--profile", random, "--seed", "77", "--text", "x"});
    EXPECT_EQ(first, Format({"format", "--profile", random, "--seed", "77", "--text", "x"}));
    DefaultRandomSource generator;
    const EffectPanels panels = SelectEffectPanels(3, {}, {}, generator, 77);
    EXPECT_EQ(first, "<font color=" + ToColorCode(panels.first) + ">x</font>");
}

TEST_F(FormatCommand, SeedReplacesTheStartSeed) {
    const std::string third = Profile(
        "third.tfp", {"[Page1]", "OtherNameEnabled=1", "Other3rdFaceEnabled=1", "Text=\"x\""});
    const char* const colors[] = {"44EEFF", "44FF77", "33CCFF", "44CCFF", "66FFBB"};
    for (const std::uint32_t seed : {5U, 6U, 7U}) {
        DefaultRandomSource generator;
        generator.Seed(seed);
        const std::string expected =
            std::string("<font color=") + colors[generator.Next() % 5] + ">x</font>";
        const std::string result =
            Format({"format", "--profile", third, "--seed", std::to_string(seed)});
        EXPECT_EQ(result.substr(result.size() - expected.size()), expected) << seed;
    }
}

TEST_F(FormatCommand, BadInputGivesOneLineErrorAndNonZeroExit) {
    const auto expectError = [this](const std::vector<std::string>& args, const std::string& what,
                                    const std::string& input = "") {
        const CliResult result = Run(args, input);
        EXPECT_NE(result.exitCode, 0) << what;
        EXPECT_EQ(result.out, "") << what;
        EXPECT_NE(result.err.find(what), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    };
    expectError({"format", "--bogus"}, "unknown option: --bogus");
    expectError({"format", "--profile", (dir_ / "missing.tfp").string()}, "not found");
    expectError({"format", "--profile", dir_.string()}, "cannot read profile file");
    expectError({"format", "--threshold", "abc"}, "--threshold");
    expectError({"format", "--threshold", "10000"}, "--threshold");
    expectError({"format", "--threshold", "-1"}, "--threshold");
    expectError({"format", "--text", "\xFF\xFE"}, "not valid UTF-8");
    expectError({"format", "--text-file", "-"}, "not valid UTF-8", "ok \xC3");
    expectError({"format", "--text-file", (dir_ / "none.txt").string()}, "cannot read");
    expectError({"format", "--encoding", "koi8-r"}, "unknown encoding");
    expectError({"frobnicate"}, "unknown command");
}

TEST_F(FormatCommand, HelpDescribesEveryOption) {
    const CliResult result = Run({"format", "--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* option :
         {"--profile", "--text", "--text-file", "--threshold", "--seed", "--encoding", "--help"}) {
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    }
    EXPECT_NE(Run({"--help"}).out.find("format"), std::string::npos);
}

}  // namespace
}  // namespace tagforge
