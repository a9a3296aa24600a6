#include "core/options/option_table.h"

#include "core/options/list_entry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tagforge {
namespace {

TEST(OptionTable, EveryControlNameOnceAndFoundByName) {
    std::set<std::string_view> names;
    for (const FormatterOptionRow& option : FormatterOptionTable()) {
        EXPECT_TRUE(names.insert(option.controlName).second) << option.controlName;
        EXPECT_EQ(FindFormatterOptionRow(option.controlName), &option);
    }
    EXPECT_EQ(FindFormatterOptionRow("NoSuchControl"), nullptr);
}

TEST(OptionTable, TemplateFieldsEachHaveOneControl) {
    // Setting every template option from a value unlike its default changes each field the
    // template page keeps through the table, so no field is missed or bound twice.
    std::set<std::string_view> names;
    Profile profile;
    for (const TemplateOption& option : TemplateOptions()) {
        EXPECT_TRUE(names.insert(option.controlName).second) << option.controlName;
        EXPECT_EQ(FindFormatterOptionRow(option.controlName), nullptr) << option.controlName;
        const OptionValue value = option.control == ControlKind::Check ? OptionValue(true)
                                  : option.control == ControlKind::ColourPanel
                                      ? OptionValue(ColorValue{0x123456})
                                      : OptionValue(std::string(option.controlName));
        SetProfileValue(profile, option.profileField, value);
    }
    const Profile defaults;
    for (auto field : {&Profile::where, &Profile::action, &Profile::period, &Profile::killerName,
                       &Profile::victimName, &Profile::reasonName, &Profile::page2OwnText,
                       &Profile::whatDo, &Profile::nick, &Profile::personallyErrorMessage}) {
        EXPECT_NE(profile.*field, defaults.*field);
    }
    EXPECT_EQ(profile.where, "cbKillWhere");
    EXPECT_EQ(profile.page2OwnText, "Edit5");
    EXPECT_TRUE(profile.comeColorEnabled);
    EXPECT_EQ(profile.comeColor, 0x123456U);
}

TEST(OptionTable, EveryFormatterOptionHasOneControl) {
    // Each formatter field is set from exactly one control: setting all of them from values
    // unlike the defaults changes every field of the options.
    FormatterOptions options;
    for (const FormatterOptionRow& option : FormatterOptionTable()) {
        switch (option.control) {
            case ControlKind::Check:
                SetFormatterValue(options, option, true);
                break;
            case ControlKind::Text:
            case ControlKind::Message:
                SetFormatterValue(options, option, std::string(option.controlName));
                break;
            case ControlKind::ColourPanel:
                SetFormatterValue(options, option, ColorValue{0x123456});
                break;
            case ControlKind::Slider:
            case ControlKind::ListIndex:
                SetFormatterValue(options, option, 7L);
                break;
        }
    }
    const FormatterOptions defaults;
    EXPECT_EQ(options.message, "MainText");
    EXPECT_EQ(options.addressee, "OnlyForYouName");
    EXPECT_EQ(options.linkText, "ComboBox2");
    EXPECT_EQ(options.fontSize, "ComboBoxFontSize");
    EXPECT_EQ(options.danceRatioPercent, 7);
    EXPECT_EQ(options.colorEffect, 7);
    EXPECT_EQ(options.threshold, 7);
    EXPECT_EQ(options.firstEffectColor, 0x123456U);
    EXPECT_EQ(options.secondEffectColor, 0x123456U);
    EXPECT_EQ(options.otherNickColor, 0x123456U);
    EXPECT_TRUE(options.thresholdEnabled && options.tagEnabled && options.bold &&
                options.onlyForYouColorEnabled && options.otherNickColorEnabled);
    EXPECT_NE(options.tag, defaults.tag);
}

TEST(OptionTable, ProfileValuesMoveBothWays) {
    Profile profile;
    struct Case {
        const char* control;
        OptionValue value;
    };
    const Case cases[] = {
        {"cbOk", true},
        {"ComboBox2", std::string("Yes!")},
        {"ImOkColor", ColorValue{0xABCDEF}},
        {"tbDanceFontRatio", 80L},
        {"comboboxColorMark", 5L},
        {"MainText", std::string("a\r\nb")},
    };
    for (const Case& c : cases) {
        const FormatterOptionRow& option = *FindFormatterOptionRow(c.control);
        SetProfileValue(profile, option.profileField, c.value);
        EXPECT_EQ(ProfileValue(profile, option.profileField), c.value) << c.control;
    }
    EXPECT_TRUE(profile.okEnabled);
    EXPECT_EQ(profile.okType, "Yes!");
    EXPECT_EQ(profile.okColor, 0xABCDEFU);
    EXPECT_EQ(profile.jumpFontValue, 80);
    EXPECT_EQ(profile.colorEffect, 5);
    EXPECT_EQ(profile.text, "a\r\nb");
    // The threshold lives in the settings store, not in the profile.
    EXPECT_EQ(ProfileValue(profile, FindFormatterOptionRow("UpDown2")->profileField),
              OptionValue(false));
}

TEST(OptionTable, PlainOptionsFollowTheProfileAndOwnRulesAreLeftAlone) {
    Profile profile;
    profile.okEnabled = true;
    profile.okType = "Cancel";
    profile.bold = true;
    profile.onlyForYouColor = 0x010203;
    profile.otherName = "Vasya";
    profile.jumpFontValue = 70;
    const FormatterOptions options = PlainFormatterOptions(profile);
    EXPECT_TRUE(options.linkEnabled);
    EXPECT_EQ(options.linkText, "Cancel");
    EXPECT_TRUE(options.bold);
    EXPECT_EQ(options.onlyForYouColor, 0x010203U);
    // Options with rules of their own keep the formatter defaults until their users apply them.
    EXPECT_EQ(options.otherNickName, "");
    EXPECT_EQ(options.danceRatioPercent, FormatterOptions{}.danceRatioPercent);
}

TEST(OptionTable, NumbersAreBroughtIntoTheirControlsRange) {
    struct Case {
        const char* control;
        OptionValue stored;
        OptionValue shown;
    };
    const Case cases[] = {
        {"ComboBoxFontSize", 1L, 1L},
        {"ComboBoxFontSize", 7L, 7L},
        {"ComboBoxFontSize", 8L, 0L},
        {"ComboBoxFontSize", 0L, 0L},
        {"ComboBoxFontSize", -2L, 0L},
        {"tbDanceFontRatio", -5L, 0L},
        {"tbDanceFontRatio", 40L, 40L},
        {"tbDanceFontRatio", 150L, 100L},
        {"comboboxColorMark", 0L, 0L},
        {"comboboxColorMark", 6L, 6L},
        {"comboboxColorMark", 7L, -1L},
        {"comboboxColorMark", -4L, -1L},
        {"cbOk", true, true},
        {"ComboBox2", std::string("9"), std::string("9")},
        {"OtherNameColor", ColorValue{1}, ColorValue{1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NormalisedValue(*FindFormatterOptionRow(c.control), c.stored), c.shown)
            << c.control;
    }
}

TEST(OptionTable, DefaultsAreAFreshProfilesValues) {
    EXPECT_EQ(DefaultValue(*FindFormatterOptionRow("ComboBoxFontSize")), OptionValue(4L));
    EXPECT_EQ(DefaultValue(*FindFormatterOptionRow("tbDanceFontRatio")), OptionValue(50L));
    EXPECT_EQ(DefaultValue(*FindFormatterOptionRow("cbOk")), OptionValue(false));
    // Options the profile does not keep have no default of their own.
    EXPECT_EQ(DefaultValue(*FindFormatterOptionRow("UpDown2")), OptionValue(false));
    // Every default is one its control can show.
    for (const FormatterOptionRow& option : FormatterOptionTable()) {
        EXPECT_EQ(NormalisedValue(option, DefaultValue(option)), DefaultValue(option))
            << option.controlName;
    }
}

TEST(OptionTable, FontSizeEntriesAndListEntries) {
    struct Case {
        long value;
        int fontSizeEntry;
        int entryOfThree;
    };
    const Case cases[] = {{-1, -1, -1}, {0, -1, 0}, {1, 0, 1},  {2, 1, 2},
                          {3, 2, -1},   {7, 6, -1}, {8, -1, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(FontSizeEntry(c.value), c.fontSizeEntry) << c.value;
        EXPECT_EQ(ListEntry(c.value, 3), c.entryOfThree) << c.value;
    }
}

}  // namespace
}  // namespace tagforge
