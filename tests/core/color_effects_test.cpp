#include "core/format/color_effects.h"

#include <gtest/gtest.h>

#include <regex>

#include "test_text.h"

namespace tagforge {
namespace {

using test::ScriptedRandom;
using test::TagCodes;

std::string Effect(const std::string& text, EffectMode mode, int groupSize = 1,
                   const char* first = "FF0000", const char* second = "0000FF") {
    ScriptedRandom random({});
    return ApplyColorEffect(text, ParseMarkers(text), groupSize, mode, FromColorCode(first),
                            FromColorCode(second), random);
}

TEST(ApplySolidColor, OneTagAroundEverythingEvenEmpty) {
    EXPECT_EQ(ApplySolidColor("a[::x::]\r\nb", FromColorCode("FF0000")),
              "<font color=FF0000>a[::x::]\r\nb</font>");
    EXPECT_EQ(ApplySolidColor("", FromColorCode("00ff00")), "<font color=00FF00></font>");
}

TEST(VisibleLength, SkipsLineBreakPairsAndMarkers) {
    EXPECT_EQ(VisibleLength("ab\r\ncd"), 4u);
    EXPECT_EQ(VisibleLength("a[::smile::]b"), 2u);
    EXPECT_EQ(VisibleLength("[::smile::]"), 0u);
    EXPECT_EQ(VisibleLength("a\rb\nc"), 5u);  // lone CR and LF are letters
    EXPECT_EQ(VisibleLength("a b!"), 4u);
    EXPECT_EQ(VisibleLength("&#128512;x&amp;"), 3u);
}

TEST(Gradient, WorkedResults) {
    EXPECT_EQ(Effect("abc", EffectMode::Gradient),
              "<font color=FF0000>a</font><font color=7F007F>b</font><font color=0000FF>c</font>");
    // A marker joins the group of the letter after it.
    EXPECT_EQ(Effect("a[::x::]b", EffectMode::Gradient),
              "<font color=FF0000>a</font><font color=0000FF>[::x::]b</font>");
}

TEST(Gradient, LineBreakSitsInsideTheNextGroup) {
    EXPECT_EQ(Effect("ab\r\ncd", EffectMode::Gradient, 2),
              "<font color=FF0000>ab</font><font color=0000FF>\r\ncd</font>");
}

TEST(Gradient, InexactDeltaEndsOneBelowTheEndColour) {
    const auto codes = TagCodes(Effect("abcdefgh", EffectMode::Gradient, 1, "000000", "FF0000"));
    ASSERT_EQ(codes.size(), 8u);
    EXPECT_EQ(codes.front(), "000000");
    EXPECT_EQ(codes[1], "240000");  // 36.43 truncated
    EXPECT_EQ(codes.back(), "FE0000");
}

std::string ThroughStops(const std::string& text, const std::vector<const char*>& stops,
                         int groupSize = 1) {
    std::vector<ColorValue> values;
    values.reserve(stops.size());
    for (const char* stop : stops) {
        values.push_back(FromColorCode(stop));
    }
    ScriptedRandom random({});
    return ApplyColorEffect(text, ParseMarkers(text), groupSize, EffectMode::GradientStops, kBlack,
                            kWhite, random, values);
}

TEST(GradientStops, TwoStopsAreTheTwoColourGradientByteForByte) {
    const std::vector<std::string> texts = {
        "ab",
        "abc",
        "abcdefgh",
        "a[::x::]b\r\ncd[::y::]",
        "x\r\n\r\ny z",
        std::string(300, 'q'),
        "&#128512;b&amp;c",
        std::string(1000, 'w') + "!",
    };
    const std::vector<std::pair<const char*, const char*>> pairs = {
        {"FF0000", "0000FF"}, {"000000", "FF0000"}, {"FFFFFF", "000000"}, {"12AB34", "FE01C3"}};
    for (const std::string& text : texts) {
        for (const auto& [first, second] : pairs) {
            for (const int groupSize : {1, 2, 3, 7}) {
                EXPECT_EQ(ThroughStops(text, {first, second}, groupSize),
                          Effect(text, EffectMode::Gradient, groupSize, first, second))
                    << text << ' ' << first << ' ' << second << ' ' << groupSize;
            }
        }
    }
}

TEST(GradientStops, SpreadOverTheGroups) {
    struct Case {
        std::string text;
        std::vector<const char*> stops;
        int groupSize;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"abcde",
         {"FF0000", "00FF00", "0000FF"},
         1,
         {"FF0000", "7F7F00", "00FF00", "007F7F", "0000FF"}},
        // Groups of two letters: eight groups, the middle stop on the fifth.
        {"abcdefghijklmnop",
         {"000000", "FFFFFF", "FF0000"},
         2,
         {"000000", "3F3F3F", "7F7F7F", "BFBFBF", "FFFFFF", "FFAAAA", "FF5555", "FF0000"}},
        // Seven steps of 255 / 7 kept as a float: a stop in the middle shows as it is, the
        // last group ends one below, as the two-colour gradient does.
        {"abcdefghijklmno",
         {"FF0000", "000000", "FF0000"},
         1,
         {"FF0000", "DA0000", "B60000", "910000", "6D0000", "480000", "240000", "000000", "240000",
          "480000", "6D0000", "910000", "B60000", "DA0000", "FE0000"}},
        {"abcdefgh",
         {"000000", "FF0000"},
         1,
         {"000000", "240000", "480000", "6D0000", "910000", "B60000", "DA0000", "FE0000"}},
        // More stops than groups: the first group has the first stop, a group with several
        // stops the last of them, the last group where the last segment ends.
        {"abc",
         {"111111", "222222", "333333", "444444", "555555", "666666", "777777", "888888"},
         1,
         {"111111", "666666", "777777"}},
        {"ab", {"111111", "222222", "333333", "444444"}, 1, {"111111", "333333"}},
        // A marker and a line break join the group after them, as in every effect.
        {"a[::x::]b\r\nc", {"FF0000", "00FF00", "0000FF"}, 1, {"FF0000", "00FF00", "0000FF"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TagCodes(ThroughStops(c.text, c.stops, c.groupSize)), c.codes) << c.text;
    }
}

TEST(GradientStops, FewerThanTwoStopsStandForTheTwoColours) {
    ScriptedRandom random({});
    const std::vector<ColorValue> one = {FromColorCode("00FF00")};
    EXPECT_EQ(ApplyColorEffect("abc", {}, 1, EffectMode::GradientStops, FromColorCode("FF0000"),
                               FromColorCode("0000FF"), random, one),
              Effect("abc", EffectMode::Gradient));
    EXPECT_EQ(ThroughStops("a", {"FF0000", "00FF00"}), "a");
}

TEST(Gradient, GroupSizeCountsGroupsWithARemainder) {
    // Five letters in groups of two: three groups, the last holding one letter.
    EXPECT_EQ(Effect("abcde", EffectMode::Gradient, 2),
              "<font color=FF0000>ab</font><font color=7F007F>cd</font>"
              "<font color=0000FF>e</font>");
}

TEST(Spectrum, TwelveLettersRunRoundTheWheel) {
    const auto codes = TagCodes(Effect("abcdefghijkl", EffectMode::Spectrum));
    const std::vector<std::string> expected = {"FF0000", "FF7F00", "FFFF00", "80FF00",
                                               "00FF00", "00FF7F", "00FFFF", "0080FF",
                                               "0000FF", "7F00FF", "FF00FF", "FF0080"};
    EXPECT_EQ(codes, expected);
}

TEST(Spectrum, FiveLettersClampAnOversizedStep) {
    const auto codes = TagCodes(Effect("abcde", EffectMode::Spectrum));
    const std::vector<std::string> expected = {"FF0000", "00FF00", "00FFFF", "0000FF", "FF00FF"};
    EXPECT_EQ(codes, expected);
}

TEST(Spectrum, GroupsStartAtTheIndexOfTheirFirstLetter) {
    // 24 letters in pairs: the same wheel as twelve single letters.
    const auto codes = TagCodes(Effect(std::string(24, 'x'), EffectMode::Spectrum, 2));
    ASSERT_EQ(codes.size(), 12u);
    EXPECT_EQ(codes[0], "FF0000");
    EXPECT_EQ(codes[1], "FF7F00");
    EXPECT_EQ(codes[2], "FFFF00");
}

TEST(SpectrumStep, SetsFixedChannelsAndClamps) {
    RunningColor color;
    EXPECT_EQ(SpectrumStep(color, 1, 127, 2.0F, 1), "FF0000");
    EXPECT_EQ(SpectrumStep(color, 1, 127, 2.0F, 2), "FF7F00");
    EXPECT_EQ(SpectrumStep(color, 1, 200, 2.0F, 2), "FFFF00");
    EXPECT_EQ(color.green, 255);  // the clamped value stays
    EXPECT_EQ(SpectrumStep(color, 0, 127, 2.0F, 5), "FFFF00");
    EXPECT_EQ(SpectrumStep(color, 9, 127, 2.0F, 5), "FFFF00");
}

TEST(Alternation, FlipsBetweenTwoColours) {
    EXPECT_EQ(Effect("abc", EffectMode::Alternation, 1, "FF00FF", "00FF00"),
              "<font color=FF00FF>a</font><font color=00FF00>b</font><font color=FF00FF>c</font>");
    EXPECT_EQ(TagCodes(Effect("abc", EffectMode::Alternation, 1, "123456", "123456")),
              (std::vector<std::string>{"123456", "123456", "123456"}));
}

TEST(ColorEffect, TooFewLettersLeaveTheTextUntouched) {
    EXPECT_EQ(Effect("a", EffectMode::Gradient), "a");
    EXPECT_EQ(Effect("abc", EffectMode::Spectrum, 2), "abc");
    EXPECT_EQ(Effect("[::smile::]", EffectMode::Alternation), "[::smile::]");
    EXPECT_EQ(Effect("", EffectMode::Spectrum), "");
}

TEST(ColorEffect, BlanksAreColouredAndTrailingBreaksStayBare) {
    EXPECT_EQ(Effect("a b\r\n", EffectMode::Alternation, 1, "111111", "222222"),
              "<font color=111111>a</font><font color=222222> </font>"
              "<font color=111111>b</font>\r\n");
    EXPECT_EQ(Effect("ab[::x::]", EffectMode::Alternation, 1, "111111", "222222"),
              "<font color=111111>a</font><font color=222222>b</font>[::x::]");
}

TEST(RandomPerLetter, DrawsFourNumbersForEveryGroupIncludingABareOne) {
    ScriptedRandom random({10, 20, 30, 0, 10, 20, 30, 1, 1, 2, 3, 4});
    const std::string text = "ab\r\n";
    const std::string result =
        ApplyColorEffect(text, ParseMarkers(text), 1, EffectMode::RandomPerLetter, 0, 0, random);
    // Segment 0 keeps the random channels; segment 1 fixes red and blue at the first letter.
    EXPECT_EQ(result, "<font color=0A141E>a</font><font color=FF1400>b</font>\r\n");
    EXPECT_EQ(random.draws(), 12);
}

TEST(RandomPerLetter, LaterSegmentsMoveOneChannelByTheStep) {
    // Twelve letters: step 127, S = 2, so segment 2 moves red down by 127.
    ScriptedRandom random({200, 10, 10, 2});
    const std::string text(12, 'x');
    const auto codes =
        TagCodes(ApplyColorEffect(text, {}, 1, EffectMode::RandomPerLetter, 0, 0, random));
    ASSERT_EQ(codes.size(), 12u);
    EXPECT_EQ(codes[0], "49FF00");  // 200 - 127 = 73
}

TEST(ColorEffect, CharacterReferencesAreNeverSplit) {
    EXPECT_EQ(Effect("&#128512;b", EffectMode::Gradient),
              "<font color=FF0000>&#128512;</font><font color=0000FF>b</font>");
    // A family emoji joined by ZWJ stays inside one tag.
    const std::string family = "&#128104;&#8205;&#128105;&#8205;&#128103;";
    EXPECT_EQ(Effect(family + "x", EffectMode::Gradient),
              "<font color=FF0000>" + family + "</font><font color=0000FF>x</font>");
    EXPECT_EQ(Effect("a&amp;", EffectMode::Gradient),
              "<font color=FF0000>a</font><font color=0000FF>&amp;</font>");
}

}  // namespace
}  // namespace tagforge
