#include "core/format/color_code.h"

#include <gtest/gtest.h>

namespace tagforge {
namespace {

TEST(ColorCode, ReadsRedFirstAndWritesItBack) {
    const ColorValue color = FromColorCode("ABC123");
    EXPECT_EQ(RedOf(color), 171);
    EXPECT_EQ(GreenOf(color), 193);
    EXPECT_EQ(BlueOf(color), 35);
    EXPECT_EQ(ToColorCode(color), "ABC123");
}

TEST(ColorCode, ReadsEitherCaseAndWritesCapitals) {
    EXPECT_EQ(FromColorCode("ff00ff"), FromColorCode("FF00FF"));
    EXPECT_EQ(ToColorCode(FromColorCode("ff00ff")), "FF00FF");
    EXPECT_EQ(ToColorCode(FromColorCode("a1b2c3")), "A1B2C3");
}

TEST(ColorCode, MalformedTextGivesWhite) {
    for (const char* bad :
         {"FFF", "#FF00FF", "GG0000", "", " FF00FF", "FF00F ", "12345G", "1234567"}) {
        EXPECT_EQ(FromColorCode(bad), kWhite) << bad;
    }
}

TEST(ColorCode, ValueKeepsRedInTheLowestByte) {
    EXPECT_EQ(ToColorCode(255), "FF0000");
    EXPECT_EQ(ToColorCode(65280), "00FF00");
    EXPECT_EQ(ToColorCode(16711680), "0000FF");
    EXPECT_EQ(ToColorCode(0), "000000");
    EXPECT_EQ(MakeColor(1, 2, 3), 3u * 65536u + 2u * 256u + 1u);
    EXPECT_EQ(FromColorCode("FFFFFF"), 16777215u);
}

TEST(ColorCode, SystemColoursResolveToOrdinaryOnes) {
    const ColorValue buttonFace = 0x8000000Fu;
    EXPECT_EQ(ToColorCode(buttonFace), "F0F0F0");
    EXPECT_EQ(ResolveColor(0x123456u), 0x123456u);
    EXPECT_EQ(ToColorCode(0x800000FFu), "000000");  // no such system colour
}

TEST(ContrastTextColor, LooksAtGreenOnly) {
    EXPECT_EQ(ContrastTextColor(FromColorCode("ABC123")), kBlack);
    EXPECT_EQ(ContrastTextColor(FromColorCode("007F00")), kWhite);
    EXPECT_EQ(ContrastTextColor(FromColorCode("FF7FFF")), kWhite);
    EXPECT_EQ(ContrastTextColor(FromColorCode("008000")), kBlack);
    EXPECT_EQ(ContrastTextColor(FromColorCode("000000")), kWhite);
}

}  // namespace
}  // namespace tagforge
