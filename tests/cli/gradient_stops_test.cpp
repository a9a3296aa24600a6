// The gradient through stops (effect 6) as tagforge-cli reads it from a profile.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "../core/test_text.h"
#include "cli_test_fixture.h"

namespace tagforge {
namespace {

using test::CliResult;
using test::TagCodes;

class GradientStops : public test::CliTest {
  protected:
    // A profile with effect 6 and the gradient colours `begin` and `end`; `stops` is the
    // GradientStops line, none when empty.
    std::string StopsProfile(const std::string& name, const std::string& stops,
                             const std::string& begin = "123456",
                             const std::string& end = "ABCDEF") {
        std::vector<std::string> lines = {"[Page1]", "ColorEffectEnabled=1", "ColorEffect=6",
                                          "GradientBeginColor=\"" + begin + "\"",
                                          "GradientEndColor=\"" + end + "\""};
        if (!stops.empty()) {
            lines.push_back(stops);
        }
        return Profile(name, lines);
    }

    std::string Format(const std::string& profile, const std::string& text,
                       const std::vector<std::string>& more = {}) {
        std::vector<std::string> args = {"format", "--profile", profile, "--text", text};
        args.insert(args.end(), more.begin(), more.end());
        const CliResult result = Run(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }
};

TEST_F(GradientStops, TwoStopsGiveTheTwoColourGradientByteForByte) {
    struct Case {
        std::string text;
        std::vector<std::string> more;  // a threshold makes the groups bigger
    };
    const Case cases[] = {
        {"ab", {}},
        {"Привет, мир", {}},
        {"a[::smile::]b\nc[::x::]\n", {}},
        {"😀 ёлка\n\nx&y", {}},
        {std::string(60, 'x'), {"--threshold", "700"}},
        {std::string(60, 'x'), {"--threshold", "500"}},
        {"abc[::smile::]" + std::string(97, 'z'), {"--threshold", "1000"}},
    };
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"FF0000", "0000FF"}, {"000000", "FF0000"}, {"FE01C3", "12ab34"}};
    int index = 0;
    for (const auto& [begin, end] : pairs) {
        const std::string gradient =
            Profile("gradient" + std::to_string(index) + ".tfp",
                    {"[Page1]", "ColorEffectEnabled=1", "ColorEffect=1", "Bold=1",
                     "GradientBeginColor=\"" + begin + "\"", "GradientEndColor=\"" + end + "\""});
        const std::string stops =
            Profile("stops" + std::to_string(index) + ".tfp",
                    {"[Page1]", "ColorEffectEnabled=1", "ColorEffect=6", "Bold=1",
                     "GradientStops=\"" + (begin + ' ').append(end) + "\""});
        ++index;
        for (const Case& c : cases) {
            const std::string expected = Format(gradient, c.text, c.more);
            EXPECT_GT(TagCodes(expected).size(), 1u) << c.text;
            EXPECT_EQ(Format(stops, c.text, c.more), expected) << begin << ' ' << c.text;
        }
    }
}

TEST_F(GradientStops, SpreadOverTheLetters) {
    struct Case {
        std::string stops;
        std::string text;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"FF0000 00FF00 0000FF", "abcde", {"FF0000", "7F7F00", "00FF00", "007F7F", "0000FF"}},
        {"111111 222222 333333 444444 555555 666666 777777 888888",
         "abc",
         {"111111", "666666", "777777"}},
        {"ff0000 00ff00", "abc", {"FF0000", "7F7F00", "00FF00"}},
    };
    for (const Case& c : cases) {
        const std::string profile = StopsProfile("stops.tfp", "GradientStops=\"" + c.stops + "\"");
        EXPECT_EQ(TagCodes(Format(profile, c.text)), c.codes) << c.stops;
    }
    const std::string example =
        StopsProfile("example.tfp", "GradientStops=\"FF0000 00FF00 0000FF\"");
    EXPECT_EQ(Format(example, "abcde"),
              "<font color=FF0000>a</font><font color=7F7F00>b</font><font color=00FF00>c</font>"
              "<font color=007F7F>d</font><font color=0000FF>e</font>");
}

TEST_F(GradientStops, InvalidOrMissingListGivesTheTwoGradientColours) {
    const std::vector<std::string> fallBack = {"123456", "5E80A2", "ABCDEF"};
    for (const std::string& line :
         {std::string(), std::string("GradientStops=\"FF0000\""),
          std::string("GradientStops=\"FF0000  00FF00\""),
          std::string("GradientStops=\"FF0000 00FF00 \""),
          std::string("GradientStops=\"FF00 00FF\""),
          std::string("GradientStops=\"FF0000 00FF00 0000FF 111111 222222 333333 444444 555555 "
                      "666666\""),
          std::string("GradientStops=\"FF0000,00FF00\""), std::string("GradientStops=")}) {
        const std::string profile = StopsProfile("fallback.tfp", line);
        EXPECT_EQ(TagCodes(Format(profile, "abc")), fallBack) << line;
    }
}

TEST_F(GradientStops, PreviewShowsTheSameColours) {
    const std::string profile =
        StopsProfile("preview.tfp", "GradientStops=\"FF0000 00FF00 0000FF\"");
    const std::string page = (dir_ / "preview.htm").string();
    const CliResult result =
        Run({"preview", "--output", page, "--profile", profile, "--text", "abcde"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(TagCodes(test::ReadAll(page)),
              (std::vector<std::string>{"FF0000", "7F7F00", "00FF00", "007F7F", "0000FF"}));
}

}  // namespace
}  // namespace tagforge
