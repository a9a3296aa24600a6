#include "core/options/profile_formatter_options.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tagforge {
namespace {

using TagList = std::optional<std::vector<std::string>>;

TEST(ProfileFormatterOptions, ProfileFieldsBecomeWhatFreshControlsShow) {
    struct Row {
        const char* what;
        long fontSize;
        long danceRatio;
        long colorEffect;
        std::string fontName;
        std::string tag;
        TagList tagList;
        // What the formatter gets.
        std::string shownFontSize;
        int shownDanceRatio;
        int shownEffect;
        bool fontNameEnabled;
        bool tagEnabled;
        std::string shownTag;
    };
    const Row rows[] = {
        {"defaults", 4, 50, 0, "Arial", "<b>", std::nullopt, "4", 50, kEffectSolid, true, false,
         ""},
        {"largest size", 7, 100, 6, "Arial", "<b>", std::nullopt, "7", 100, kEffectGradientStops,
         true, false, ""},
        {"out of range", 8, 101, 7, "Arial", "<b>", std::nullopt, "", 100, kEffectNone, true, false,
         ""},
        {"below range", 0, -1, -1, "", "<b>", std::nullopt, "", 0, kEffectNone, false, false, ""},
        {"tag found without regard to case", 4, 50, 0, "Arial", "<I>",
         std::vector<std::string>{"<b>", "<i>"}, "4", 50, kEffectSolid, true, true, "<i>"},
        {"unknown tag picks the first", 4, 50, 0, "Arial", "<u>",
         std::vector<std::string>{"<b>", "<i>"}, "4", 50, kEffectSolid, true, true, "<b>"},
        {"empty tag list", 4, 50, 0, "Arial", "<b>", std::vector<std::string>{}, "4", 50,
         kEffectSolid, true, true, ""},
    };
    for (const Row& row : rows) {
        Profile profile;
        profile.fontSize = row.fontSize;
        profile.jumpFontValue = row.danceRatio;
        profile.colorEffect = row.colorEffect;
        profile.fontName = row.fontName;
        profile.fontNameEnabled = true;
        profile.tag = row.tag;
        profile.tagEnabled = true;
        DefaultRandomSource random;
        const FormatterOptions options =
            FormatterOptionsFromProfile(profile, row.tagList, random, 1);
        EXPECT_EQ(options.fontSize, row.shownFontSize) << row.what;
        EXPECT_EQ(options.danceRatioPercent, row.shownDanceRatio) << row.what;
        EXPECT_EQ(options.colorEffect, row.shownEffect) << row.what;
        EXPECT_EQ(options.fontNameEnabled, row.fontNameEnabled) << row.what;
        EXPECT_EQ(options.tagEnabled, row.tagEnabled) << row.what;
        EXPECT_EQ(options.tag, row.shownTag) << row.what;
    }
}

TEST(ProfileFormatterOptions, TextsPlainOptionsAndEffectColoursComeFromTheProfile) {
    Profile profile;
    profile.text = "a\r\nb";
    profile.otherName = "Vasya";
    profile.page1OwnText = "own";
    profile.reciever = "Petya";
    profile.okEnabled = true;
    profile.okType = "Cancel";
    profile.colorEffect = kEffectGradient;
    profile.gradientBeginColor = 0x112233;
    profile.gradientEndColor = 0x445566;
    profile.gradientStops = "not a list";
    DefaultRandomSource random;
    const FormatterOptions options = FormatterOptionsFromProfile(profile, std::nullopt, random, 1);
    EXPECT_EQ(options.message, "a\r\nb");
    EXPECT_EQ(options.otherNickName, "Vasya");
    EXPECT_EQ(options.ownText, "own");
    EXPECT_EQ(options.addressee, "Petya");
    EXPECT_TRUE(options.linkEnabled);
    EXPECT_EQ(options.linkText, "Cancel");
    EXPECT_EQ(options.firstEffectColor, 0x112233U);
    EXPECT_EQ(options.secondEffectColor, 0x445566U);
    EXPECT_EQ(options.gradientStops, (std::vector<ColorValue>{0x112233, 0x445566}));
}

}  // namespace
}  // namespace tagforge
