#include "core/format/letter_units.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace tagforge {
namespace {

std::vector<std::string> SplitUnits(std::string_view text) {
    std::vector<std::string> units;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = LetterUnitLength(text, pos);
        if (length == 0) {
            ADD_FAILURE() << "empty unit at " << pos;
            break;
        }
        units.emplace_back(text.substr(pos, length));
        pos += length;
    }
    return units;
}

using Units = std::vector<std::string>;

TEST(CharRefLength, DecimalReferences) {
    EXPECT_EQ(CharRefLength("&#12;", 0), 5U);
    EXPECT_EQ(CharRefLength("&#1;", 0), 4U);
    EXPECT_EQ(CharRefLength("&#128512;", 0), 9U);
    EXPECT_EQ(CharRefLength("&#1234567;", 0), 10U);
}

TEST(CharRefLength, HexReferences) {
    EXPECT_EQ(CharRefLength("&#x1F600;", 0), 9U);
    EXPECT_EQ(CharRefLength("&#X1f600;", 0), 9U);
    EXPECT_EQ(CharRefLength("&#xa;", 0), 5U);
    EXPECT_EQ(CharRefLength("&#x10FFFF;", 0), 10U);
}

TEST(CharRefLength, NamedReferences) {
    EXPECT_EQ(CharRefLength("&amp;", 0), 5U);
    EXPECT_EQ(CharRefLength("&a;", 0), 3U);
    EXPECT_EQ(CharRefLength("&frac12;", 0), 8U);
    EXPECT_EQ(CharRefLength("&Aacute;", 0), 8U);
    const std::string longest = "&" + std::string(31, 'n') + ";";
    EXPECT_EQ(CharRefLength(longest, 0), 33U);
}

TEST(CharRefLength, ReferenceInsideText) {
    const std::string_view text = "ab&lt;c&#65;";
    EXPECT_EQ(CharRefLength(text, 2), 4U);
    EXPECT_EQ(CharRefLength(text, 7), 5U);
    EXPECT_EQ(CharRefLength(text, 0), 0U);
    EXPECT_EQ(CharRefLength(text, 3), 0U);
}

TEST(CharRefLength, RejectsMalformed) {
    const std::array<std::string_view, 24> cases = {
        "&",           "&#",          "&#x",           "&#;",    "&#x;",   "&#X;",
        "&#12",        "&#12 ;",      "&#1a;",         "&#-1;",  "&#xG;",  "&#x1F600",
        "&amp",        "&;",          "&1a;",          "& amp;", "&am p;", "&a-b;",
        "&#12345678;", "&#x1234567;", "&#0001234567;", "&#x;;",  "&##1;",  "x&#1;",
    };
    for (const std::string_view text : cases) {
        EXPECT_EQ(CharRefLength(text, 0), 0U) << text;
    }
    const std::string too_long_name = "&" + std::string(32, 'n') + ";";
    EXPECT_EQ(CharRefLength(too_long_name, 0), 0U);
}

TEST(CharRefLength, PositionAtOrPastTheEnd) {
    EXPECT_EQ(CharRefLength("&amp;", 5), 0U);
    EXPECT_EQ(CharRefLength("&amp;", 100), 0U);
    EXPECT_EQ(CharRefLength("", 0), 0U);
}

TEST(CharRefLength, NeverLooksPastTheView) {
    const std::string buffer = "x&#12;&amp;&#x41;";
    const std::string_view whole(buffer);
    EXPECT_EQ(CharRefLength(whole.substr(0, 5), 1), 0U);
    EXPECT_EQ(CharRefLength(whole.substr(0, 6), 1), 5U);
    EXPECT_EQ(CharRefLength(whole.substr(0, 10), 6), 0U);
    EXPECT_EQ(CharRefLength(whole.substr(0, 16), 11), 0U);
    EXPECT_EQ(CharRefLength(whole, 11), 6U);
}

TEST(LetterUnitLength, PlainBytes) {
    EXPECT_EQ(SplitUnits("ab\xE0"), (Units{"a", "b", "\xE0"}));
    EXPECT_EQ(SplitUnits("& x"), (Units{"&", " ", "x"}));
}

TEST(LetterUnitLength, SingleReferences) {
    EXPECT_EQ(LetterUnitLength("&#12;", 0), 5U);
    EXPECT_EQ(SplitUnits("&amp;x"), (Units{"&amp;", "x"}));
    EXPECT_EQ(SplitUnits("a&#128512;b"), (Units{"a", "&#128512;", "b"}));
}

TEST(LetterUnitLength, SkinToneStaysWithItsEmoji) {
    EXPECT_EQ(SplitUnits("&#128077;&#127997;"), (Units{"&#128077;&#127997;"}));
    EXPECT_EQ(SplitUnits("&#x1F44D;&#x1F3FD;!"), (Units{"&#x1F44D;&#x1F3FD;", "!"}));
}

TEST(LetterUnitLength, ZwjSequenceIsOneUnit) {
    const std::string family = "&#128104;&#8205;&#128105;&#8205;&#128103;";
    EXPECT_EQ(SplitUnits(family), (Units{family}));
    const std::string woman_technologist = "&#128105;&#127997;&#8205;&#128187;";
    EXPECT_EQ(SplitUnits(woman_technologist + "x"), (Units{woman_technologist, "x"}));
    const std::string rainbow_flag = "&#127987;&#65039;&#8205;&#127752;";
    EXPECT_EQ(SplitUnits(rainbow_flag), (Units{rainbow_flag}));
}

TEST(LetterUnitLength, ZwjAtTheEndStaysWithThePrecedingLetter) {
    EXPECT_EQ(SplitUnits("&#128104;&#8205;"), (Units{"&#128104;&#8205;"}));
    EXPECT_EQ(SplitUnits("a&#8205;"), (Units{"a&#8205;"}));
}

TEST(LetterUnitLength, ZwjBeforeAPlainByteDoesNotJoinIt) {
    EXPECT_EQ(SplitUnits("&#128104;&#8205;x"), (Units{"&#128104;&#8205;", "x"}));
}

TEST(LetterUnitLength, ZwjJoinsAnyFollowingReference) {
    EXPECT_EQ(SplitUnits("&#128104;&#8205;&amp;"), (Units{"&#128104;&#8205;&amp;"}));
}

TEST(LetterUnitLength, FlagsArePairs) {
    EXPECT_EQ(SplitUnits("&#127482;&#127462;&#127465;&#127466;"),
              (Units{"&#127482;&#127462;", "&#127465;&#127466;"}));
}

TEST(LetterUnitLength, LoneRegionalIndicator) {
    EXPECT_EQ(SplitUnits("&#127482;"), (Units{"&#127482;"}));
    EXPECT_EQ(SplitUnits("&#127482;a"), (Units{"&#127482;", "a"}));
}

TEST(LetterUnitLength, ThreeRegionalIndicators) {
    EXPECT_EQ(SplitUnits("&#127482;&#127462;&#127465;"),
              (Units{"&#127482;&#127462;", "&#127465;"}));
}

TEST(LetterUnitLength, RegionalIndicatorDoesNotPairWithOtherEmoji) {
    EXPECT_EQ(SplitUnits("&#127482;&#128512;"), (Units{"&#127482;", "&#128512;"}));
}

TEST(LetterUnitLength, SubdivisionFlagWithTags) {
    const std::string england = "&#127988;&#917607;&#917602;&#917605;&#917614;&#917607;&#917631;";
    EXPECT_EQ(SplitUnits(england + "!"), (Units{england, "!"}));
}

TEST(LetterUnitLength, VariationSelector) {
    EXPECT_EQ(SplitUnits("&#10084;&#65039;"), (Units{"&#10084;&#65039;"}));
    EXPECT_EQ(SplitUnits("&#x8FBB;&#xE0100;"), (Units{"&#x8FBB;&#xE0100;"}));
}

TEST(LetterUnitLength, Keycap) {
    EXPECT_EQ(SplitUnits("1&#65039;&#8419;2"), (Units{"1&#65039;&#8419;", "2"}));
}

TEST(LetterUnitLength, CombiningMarkAfterPlainByte) {
    EXPECT_EQ(SplitUnits("e&#769;x"), (Units{"e&#769;", "x"}));
    EXPECT_EQ(SplitUnits("\xE0&#x301;&#x0308;"), (Units{"\xE0&#x301;&#x0308;"}));
    EXPECT_EQ(SplitUnits("&&#769;"), (Units{"&&#769;"}));
}

TEST(LetterUnitLength, CombiningMarkRanges) {
    const std::array<std::string_view, 10> extenders = {
        "&#x300;",  "&#x36F;",  "&#x1AB0;", "&#x1DFF;",  "&#x20D0;",
        "&#x20FF;", "&#xFE20;", "&#xFE2F;", "&#x1F3FF;", "&#xE007F;",
    };
    for (const std::string_view mark : extenders) {
        const std::string text = "a" + std::string(mark);
        EXPECT_EQ(LetterUnitLength(text, 0), text.size()) << mark;
    }
    const std::array<std::string_view, 6> others = {
        "&#x2FF;", "&#x370;", "&#x1F3FA;", "&#x1F400;", "&#xE0080;", "&#x200C;",
    };
    for (const std::string_view other : others) {
        const std::string text = "a" + std::string(other);
        EXPECT_EQ(LetterUnitLength(text, 0), 1U) << other;
    }
}

TEST(LetterUnitLength, NamedReferenceNeverExtends) {
    EXPECT_EQ(SplitUnits("a&amp;"), (Units{"a", "&amp;"}));
    EXPECT_EQ(SplitUnits("&#128104;&zwj;&#128105;"), (Units{"&#128104;", "&zwj;", "&#128105;"}));
}

TEST(LetterUnitLength, LineBreaksAreNeverExtended) {
    EXPECT_EQ(SplitUnits("\r&#769;"), (Units{"\r", "&#769;"}));
    EXPECT_EQ(SplitUnits("\n&#65039;"), (Units{"\n", "&#65039;"}));
    EXPECT_EQ(SplitUnits("\r\n"), (Units{"\r", "\n"}));
    EXPECT_EQ(SplitUnits("\n&#8205;&#128512;"), (Units{"\n", "&#8205;", "&#128512;"}));
}

TEST(LetterUnitLength, PositionAtTheLastByte) {
    const std::string_view text = "ab&#128512;c";
    EXPECT_EQ(LetterUnitLength(text, text.size() - 1), 1U);
    EXPECT_EQ(LetterUnitLength("&#128077;&#127997;", 17), 1U);
    EXPECT_EQ(LetterUnitLength("&#128077;&#127997;", 9), 9U);
}

TEST(LetterUnitLength, PositionPastTheEnd) {
    EXPECT_EQ(LetterUnitLength("abc", 3), 0U);
    EXPECT_EQ(LetterUnitLength("", 0), 0U);
}

TEST(LetterUnitLength, ExtensionStopsAtTheEndOfTheView) {
    const std::string buffer = "e&#769;&#769;";
    const std::string_view view = std::string_view(buffer).substr(0, 10);
    EXPECT_EQ(LetterUnitLength(view, 0), 7U);
}

}  // namespace
}  // namespace tagforge
