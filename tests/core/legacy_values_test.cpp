#include "core/preview/legacy_values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/format/color_code.h"

namespace tagforge {
namespace {

TEST(LegacyColor, ReadsWhatBrowsersRead) {
    struct Case {
        const char* value;
        const char* code;  // nullptr: the attribute is ignored
    };
    const Case cases[] = {
        {"FF0000", "FF0000"},
        {"ff8000", "FF8000"},
        {"#0099FF", "0099FF"},
        {" #FF0000 ", "FF0000"},
        {"#f80", "FF8800"},
        {"F80", "0F0800"},  // three digits without '#' are three channels of one digit
        {"red", "FF0000"},
        {"LightGoldenrodYellow", "FAFAD2"},
        {"RebeccaPurple", "663399"},
        {"chucknorris", "C00000"},
        {"GG0000", "000000"},
        {"#", "000000"},
        {"   ", "000000"},
        {"#FF000080", "FF0080"},
        {"#FFF000FFF", "FF00FF"},
        {"#00A00B00C", "0A0B0C"},
        {"#123456789ABC", "12569A"},
        {"#AAAAAAAAABCCCCCCCCCDEEEEEEEEEF", "AACCEE"},
        {"", nullptr},
        {"transparent", nullptr},
        {" Transparent ", nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<ColorValue> color = ParseLegacyColor(c.value);
        if (c.code == nullptr) {
            EXPECT_FALSE(color) << c.value;
        } else {
            ASSERT_TRUE(color) << c.value;
            EXPECT_EQ(ToColorCode(*color), c.code) << c.value;
        }
    }
}

TEST(LegacyFontSize, CountsRelativeSizesFromThreeAndClamps) {
    const std::vector<std::pair<const char*, std::optional<int>>> cases = {
        {"1", 1},
        {"7", 7},
        {"0", 1},
        {"8", 7},
        {"+1", 4},
        {"-1", 2},
        {"+4", 7},
        {"-3", 1},
        {"3abc", 3},
        {" 5", 5},
        {"+0", 3},
        {"99999999999999", 7},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"x", std::nullopt},
        {"- 1", std::nullopt},
    };
    for (const auto& [value, size] : cases) {
        EXPECT_EQ(ParseLegacyFontSize(value), size) << value;
    }
}

TEST(LegacyFontSize, PixelsScaleWithThePlainTextHeight) {
    std::vector<int> atSixteen;
    std::vector<int> atTwelve;
    for (int size = 1; size <= 7; ++size) {
        atSixteen.push_back(LegacyFontSizePixels(size, 16));
        atTwelve.push_back(LegacyFontSizePixels(size, 12));
    }
    EXPECT_EQ(atSixteen, (std::vector<int>{10, 13, 16, 18, 24, 32, 48}));
    EXPECT_EQ(atTwelve, (std::vector<int>{8, 10, 12, 14, 18, 24, 36}));
}

TEST(FaceList, TrimsUnquotesAndSkipsEmptyNames) {
    EXPECT_EQ(ParseFaceList("Arial, Verdana"), (std::vector<std::string>{"Arial", "Verdana"}));
    EXPECT_EQ(ParseFaceList(" 'Times New Roman' , ,\"Comic Sans MS\","),
              (std::vector<std::string>{"Times New Roman", "Comic Sans MS"}));
    EXPECT_TRUE(ParseFaceList(" ").empty());
}

}  // namespace
}  // namespace tagforge
