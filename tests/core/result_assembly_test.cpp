#include "core/format/result_assembly.h"

#include <gtest/gtest.h>

#include "test_text.h"

namespace tagforge {
namespace {

using test::ScriptedRandom;
using test::U;
using test::W;

std::string Build(const FormatterOptions& options, std::vector<std::uint32_t> numbers = {}) {
    ScriptedRandom random(std::move(numbers));
    return U(BuildResultText(options, random));
}

FormatterOptions Message(std::string_view utf8) {
    FormatterOptions options;
    options.message = W(utf8);
    return options;
}

TEST(BuildResultText, BoldSolidColourFontSizeAndLink) {
    FormatterOptions options = Message("Привет");
    options.bold = true;
    options.colorEffectEnabled = true;
    options.colorEffect = kEffectSolid;
    options.firstEffectColor = FromColorCode("FF0000");
    options.fontSizeEnabled = true;
    options.fontSize = "3";
    options.linkEnabled = true;
    options.linkText = "Ok?";
    EXPECT_EQ(Build(options),
              "<font size=3><b><font color=FF0000>Привет</font></b></font> "
              "<u><font color=0099FF>Ok?</font></u>");
}

TEST(BuildResultText, OnlyForYouPrefix) {
    FormatterOptions options = Message("Привет");
    options.onlyForYou = true;
    options.onlyForYouWording = W("только для вас, ");
    options.addressee = W("Вася");
    EXPECT_EQ(Build(options),
              "<font color=99FF33>(только для вас, Вася)</font><font color=3399FF>: </font>Привет");
    options.onlyForYouColorEnabled = true;
    options.onlyForYouColor = FromColorCode("ABCDEF");
    EXPECT_EQ(Build(options),
              "<font color=ABCDEF>(только для вас, Вася)</font><font color=3399FF>: </font>Привет");
}

TEST(BuildResultText, OtherNickLine) {
    FormatterOptions options = Message("Привет");
    options.otherNick = true;
    options.otherNickName = W("Петя");
    options.ownText = W("всем привет");
    EXPECT_EQ(Build(options), "всем привет<br><font color=3399FF><u>Петя</u>: </font>Привет");

    options.otherNickColorEnabled = true;
    options.otherNickColor = FromColorCode("FF0000");
    EXPECT_EQ(Build(options),
              "всем привет<br><font color=FF0000><u>Петя</u></font><font color=3399FF>: "
              "</font>Привет");

    // Only-for-you drops the separator after the nick.
    options.otherNickColorEnabled = false;
    options.onlyForYou = true;
    options.onlyForYouWording = "x";
    EXPECT_EQ(Build(options),
              "всем привет<br><font color=3399FF><u>Петя</u></font><font color=99FF33>(x)</font>"
              "<font color=3399FF>: </font>Привет");
}

TEST(BuildResultText, ThirdFaceColoursTheMessageFromTheRandomPick) {
    FormatterOptions options = Message("Привет");
    options.otherNick = true;
    options.otherNickName = W("Петя");
    options.ownText = W("всем привет");
    options.thirdFace = true;
    EXPECT_EQ(Build(options, {5}),
              "всем привет<br><font color=99FF33>**<u>*</u></font> <font color=99CCFF>Петя "
              "</font><font color=44EEFF>Привет</font>");
    EXPECT_EQ(Build(options, {7}),
              "всем привет<br><font color=99FF33>**<u>*</u></font> <font color=99CCFF>Петя "
              "</font><font color=33CCFF>Привет</font>");

    options.otherNickColorEnabled = true;
    options.otherNickColor = FromColorCode("123456");
    EXPECT_EQ(Build(options, {1}),
              "всем привет<br><font color=99FF33>**<u>*</u></font> <font color=123456>Петя "
              "</font><font color=44FF77>Привет</font>");
}

TEST(BuildResultText, ThirdFaceNeedsTheOtherNickAndYieldsToTheColourEffect) {
    FormatterOptions options = Message("a");
    options.thirdFace = true;
    EXPECT_EQ(Build(options, {0}), "a");

    options.otherNick = true;
    options.colorEffectEnabled = true;
    options.colorEffect = kEffectSolid;
    options.firstEffectColor = FromColorCode("00FF00");
    ScriptedRandom random({0});
    const std::string result = BuildResultText(options, random);
    EXPECT_EQ(random.draws(), 0);
    EXPECT_NE(result.find("<font color=00FF00>a</font>"), std::string::npos);
}

TEST(BuildResultText, TwoLinesBecomeBr) {
    EXPECT_EQ(Build(Message("a\r\nb")), "a<br>b");
}

TEST(BuildResultText, StylesNestBoldOutsideItalicOutsideUnderline) {
    FormatterOptions options = Message("x");
    options.underline = options.italic = options.bold = true;
    EXPECT_EQ(Build(options), "<b><i><u>x</u></i></b>");
}

TEST(BuildResultText, FontFaceIsQuotedAndSizeIsNot) {
    FormatterOptions options = Message("x");
    options.fontNameEnabled = true;
    options.fontName = "Arial";
    EXPECT_EQ(Build(options), "<font face=\"Arial\">x</font>");
    options.fontSizeEnabled = true;
    options.fontSize = "5";
    EXPECT_EQ(Build(options), "<font face=\"Arial\" size=5>x</font>");
}

TEST(BuildResultText, EmptyMessageKeepsTheAddedTexts) {
    FormatterOptions options;
    options.colorEffectEnabled = true;
    options.colorEffect = kEffectNone;
    options.firstEffectColor = FromColorCode("FF0000");
    EXPECT_EQ(Build(options), "<font color=FF0000></font>");
    EXPECT_EQ(Build(FormatterOptions{}), "");
}

TEST(BuildResultText, TagGoesInFrontWithABlank) {
    FormatterOptions options = Message("a\r\nb");
    options.tagEnabled = true;
    options.tag = "[tag]";
    EXPECT_EQ(Build(options), "[tag] a<br>b");
}

TEST(BuildResultText, ReversedDancingMessageKeepsItsMarkersAndLines) {
    FormatterOptions options = Message("ab\r\ncd[::Smile::]");
    options.reverseText = true;
    EXPECT_EQ(Build(options), "[::Smile::]dc<br>ba");
    options.danceCase = true;
    options.danceRatioPercent = 0;
    EXPECT_EQ(Build(options), "[::smile::]dc<br>ba");
}

TEST(BuildResultText, ReversedColourEffectSeesTheNormalisedLineBreaks) {
    FormatterOptions options = Message("ab\r\ncd");
    options.reverseText = true;
    options.colorEffectEnabled = true;
    options.colorEffect = kEffectAlternation;
    options.firstEffectColor = FromColorCode("111111");
    options.secondEffectColor = FromColorCode("222222");
    EXPECT_EQ(Build(options),
              "<font color=111111>d</font><font color=222222>c</font>"
              "<font color=111111><br>b</font><font color=222222>a</font>");
}

// Threshold: a gradient over n letters is rebuilt with bigger groups until it fits.
FormatterOptions LongGradient(int letters) {
    FormatterOptions options;
    options.message = std::string(static_cast<std::size_t>(letters), 'x');
    options.colorEffectEnabled = true;
    options.colorEffect = kEffectGradient;
    options.firstEffectColor = FromColorCode("FF0000");
    options.secondEffectColor = FromColorCode("0000FF");
    options.thresholdEnabled = true;
    return options;
}

std::size_t TagCount(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("<font"); at != std::string::npos;
         at = text.find("<font", at + 1)) {
        ++count;
    }
    return count;
}

TEST(Threshold, RebuildsWithBiggerGroupsUntilTheResultFits) {
    FormatterOptions options = LongGradient(40);
    options.threshold = 40 + 20 * 26;  // room for 20 tags
    DefaultRandomSource random;
    const std::string result = BuildResultText(options, random);
    EXPECT_LE(result.size(), 560u);
    EXPECT_EQ(TagCount(result), 20u);  // groups of two letters: the second attempt
}

TEST(Threshold, GradientThroughStopsIsRebuiltLikeTheGradient) {
    for (const int threshold : {0, 400, 700, 2000}) {
        FormatterOptions gradient = LongGradient(60);
        gradient.threshold = threshold;
        gradient.reverseText = true;
        FormatterOptions stops = gradient;
        stops.colorEffect = kEffectGradientStops;
        stops.gradientStops = {FromColorCode("FF0000"), FromColorCode("0000FF")};
        DefaultRandomSource random;
        EXPECT_EQ(BuildResultText(stops, random), BuildResultText(gradient, random)) << threshold;
        stops.gradientStops.insert(stops.gradientStops.begin() + 1, FromColorCode("00FF00"));
        const std::string through = BuildResultText(stops, random);
        EXPECT_EQ(through.size(), BuildResultText(gradient, random).size()) << threshold;
        EXPECT_NE(through.find("<font color=00FF00>"), std::string::npos) << threshold;
    }
}

TEST(Threshold, ReportsTheLettersPerColourOfTheKeptAttempt) {
    struct Case {
        int effect;
        int threshold;
        int letters;
    };
    // 40 letters: 560 leaves room for 20 tags of two letters; 5 is never met, so the twentieth
    // attempt stays. Colours that do not group letters count one whatever the attempt.
    for (const Case c : {Case{kEffectGradient, 0, 1}, Case{kEffectGradient, 2000, 1},
                         Case{kEffectGradient, 40 + 20 * 26, 2}, Case{kEffectSpectrum, 5, 20},
                         Case{kEffectGradientStops, 40 + 20 * 26, 2}, Case{kEffectSolid, 5, 1}}) {
        FormatterOptions options = LongGradient(40);
        options.colorEffect = c.effect;
        options.threshold = c.threshold;
        options.gradientStops = {FromColorCode("FF0000"), FromColorCode("00FF00")};
        DefaultRandomSource random;
        const BuiltResultText built = BuildResultTextWithGroups(options, random);
        EXPECT_EQ(built.lettersPerColor, c.letters) << c.effect << ' ' << c.threshold;
        EXPECT_EQ(built.text, BuildResultText(options, random)) << c.effect << ' ' << c.threshold;
    }
}

TEST(Threshold, OffOrZeroMeansOneBuild) {
    FormatterOptions options = LongGradient(40);
    options.threshold = 10;
    options.thresholdEnabled = false;
    DefaultRandomSource random;
    EXPECT_EQ(TagCount(BuildResultText(options, random)), 40u);
    options.thresholdEnabled = true;
    options.threshold = 0;
    EXPECT_EQ(TagCount(BuildResultText(options, random)), 40u);
}

TEST(Threshold, InForceOnlyWhileTicked) {
    struct Case {
        bool enabled;
        int threshold;
        int inForce;
    };
    for (const Case c : {Case{false, 900, 0}, Case{true, 900, 900}, Case{true, 0, 0}}) {
        FormatterOptions options;
        options.thresholdEnabled = c.enabled;
        options.threshold = c.threshold;
        EXPECT_EQ(ThresholdInForce(options), c.inForce) << c.enabled << ' ' << c.threshold;
    }
}

TEST(Threshold, ResultAtTheThresholdIsAccepted) {
    FormatterOptions options = LongGradient(40);
    options.thresholdEnabled = false;
    DefaultRandomSource random;
    const std::size_t full = BuildResultText(options, random).size();
    options.thresholdEnabled = true;
    options.threshold = static_cast<int>(full);
    EXPECT_EQ(BuildResultText(options, random).size(), full);
    options.threshold = static_cast<int>(full) - 1;
    EXPECT_LT(BuildResultText(options, random).size(), full);
}

TEST(Threshold, UnshortenableResultIsBuiltTwentyTimes) {
    FormatterOptions options = Message("Привет");
    options.otherNick = true;
    options.thirdFace = true;
    options.thresholdEnabled = true;
    options.threshold = 5;
    ScriptedRandom random({0, 1, 2, 3, 4});
    const std::string result = BuildResultText(options, random);
    // One "***" colour is drawn per build; the last (twentieth) build's pick stays.
    EXPECT_EQ(random.draws(), kMaxBuildAttempts);
    EXPECT_NE(result.find("<font color=66FFBB>"), std::string::npos);
}

TEST(Threshold, ComparesTheLengthBeforeLineBreaksAndTag) {
    FormatterOptions options = Message("a\r\nb");
    options.thresholdEnabled = true;
    options.threshold = 4;
    options.tagEnabled = true;
    options.tag = "tag";
    ScriptedRandom random({});
    EXPECT_EQ(BuildResultText(options, random), "tag a<br>b");  // 10 bytes, still accepted
}

// One build, three ways out: the Windows-1251 text, and a stream in either encoding.
struct Outputs {
    std::string text;
    int draws = 0;
};

Outputs BuiltAs(const FormatterOptions& options, int way) {
    ScriptedRandom random({5, 300, 7, 4000, 12, 99, 6});
    std::string text;
    if (way == 0) {
        text = U(BuildResultText(options, random));
    } else {
        const auto encoding = way == 1 ? TextEncoding::Utf8 : TextEncoding::Windows1251;
        std::string written;
        const std::size_t length = WriteResultText(options, random, encoding, AppendTo(written));
        text = way == 1 ? written : U(written);
        EXPECT_EQ(length, W(text).size());
    }
    return {text, random.draws()};
}

// Options whose pieces meet at line breaks, coloured groups and the threshold.
std::vector<FormatterOptions> OptionTable() {
    std::vector<FormatterOptions> table;
    const auto add = [&table](std::string_view message, auto change) {
        FormatterOptions options = Message(message);
        change(options);
        table.push_back(options);
    };
    add("Привет\r\nмир", [](FormatterOptions&) {});
    add("a\rb 😀", [](FormatterOptions& o) {
        o.colorEffectEnabled = true;
        o.colorEffect = kEffectGradient;
    });
    add("ёлка\r\n[::x::]\r\n", [](FormatterOptions& o) {
        o.colorEffectEnabled = true;
        o.colorEffect = kEffectRandomPerLetter;
        o.thresholdEnabled = true;
        o.threshold = 60;
    });
    add("x", [](FormatterOptions& o) {
        o.otherNick = o.thirdFace = o.onlyForYou = o.linkEnabled = o.tagEnabled = true;
        o.ownText = W("свой\r");
        o.addressee = W("Вася\r\n");
        o.linkText = "\r";
        o.tag = W("тег\r\n");
        o.thresholdEnabled = true;
        o.threshold = 1;
    });
    add(std::string(3000, 'z') + "Щ\r\n", [](FormatterOptions& o) {
        o.colorEffectEnabled = true;
        o.colorEffect = kEffectSpectrum;
        o.bold = o.fontNameEnabled = true;
        o.fontName = W("Шрифт\r");
    });
    return table;
}

TEST(WriteResultText, EveryWayOutGivesTheSameTextAndDrawsTheSameNumbers) {
    for (const FormatterOptions& options : OptionTable()) {
        const Outputs expected = BuiltAs(options, 0);
        for (int way = 1; way <= 2; ++way) {
            const Outputs built = BuiltAs(options, way);
            EXPECT_EQ(built.text, expected.text) << "way " << way;
            EXPECT_EQ(built.draws, expected.draws) << "way " << way;
        }
    }
}

TEST(WriteResultText, ALoneCrSwallowsTheFirstByteOfWhatFollowsItButTheTagKeepsItsOwn) {
    FormatterOptions options = Message("a\rb");
    options.colorEffectEnabled = true;
    options.colorEffect = kEffectAlternation;
    options.firstEffectColor = FromColorCode("111111");
    options.secondEffectColor = FromColorCode("222222");
    options.otherNick = true;
    options.ownText = "own\r";
    options.otherNickName = "n";
    options.tagEnabled = true;
    options.tag = "t\r";
    ScriptedRandom random({});
    std::string text;
    WriteResultText(options, random, TextEncoding::Utf8, AppendTo(text));
    EXPECT_EQ(text,
              "t\r own<br>br><font color=3399FF><u>n</u>: </font>"
              "<font color=111111>a</font><font color=222222><br>/font>"
              "<font color=111111>b</font>");
}

TEST(WriteResultText, ThresholdCountsWindows1251BytesWhateverTheOutput) {
    FormatterOptions options = LongGradient(40);
    options.message = W("жжжжжжжжжжжжжжжжжжжж");
    options.threshold = 20 + 10 * 26;  // the second attempt in Windows-1251, not in UTF-8
    DefaultRandomSource random;
    std::string text;
    const std::size_t length = WriteResultText(options, random, TextEncoding::Utf8, AppendTo(text));
    EXPECT_EQ(TagCount(text), 10u);
    EXPECT_EQ(length, 20u + 10 * 26);
}

}  // namespace
}  // namespace tagforge
