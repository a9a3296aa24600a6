#include "core/store/settings.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "test_text.h"

namespace tagforge {
namespace {

std::vector<std::string> DefaultTexts() {
    std::vector<std::string> texts;
    for (const SettingValue& value : SettingValues()) {
        texts.emplace_back(value.defaultText);
    }
    return texts;
}

std::size_t IndexOf(std::string_view name) {
    for (std::size_t i = 0; i < SettingValues().size(); ++i) {
        if (SettingValues()[i].name == name) {
            return i;
        }
    }
    ADD_FAILURE() << "no setting " << name;
    return 0;
}

// The defaults with one text replaced.
Settings DecodeWith(std::string_view name, const std::string& text) {
    std::vector<std::string> texts = DefaultTexts();
    texts[IndexOf(name)] = text;
    return DecodeSettings(texts);
}

TEST(SettingsValues, NamesInReadingOrder) {
    std::vector<std::string_view> names;
    for (const SettingValue& value : SettingValues()) {
        names.push_back(value.name);
    }
    EXPECT_EQ(names, (std::vector<std::string_view>{"Top",
                                                    "Left",
                                                    "Width",
                                                    "Height",
                                                    "AutoSave",
                                                    "EnableResultLimit",
                                                    "ResultLimit",
                                                    "MinimizeToTray",
                                                    "RestoreMethod",
                                                    "ShowSmilesType",
                                                    "ShowHint",
                                                    "EnableSmileSeparate",
                                                    "SmileSeparate",
                                                    "PreviewBGColor",
                                                    "PreviewWordWrap",
                                                    "SmileFrequentlyUsed",
                                                    "OrbelTagForge",
                                                    "FontName",
                                                    "FontSize",
                                                    "Charset",
                                                    "Bold",
                                                    "Italic",
                                                    "SmileGroup",
                                                    "ShowLivePreview"}));
}

TEST(SettingsValues, OnlyTheRunValueLivesUnderTheUser) {
    for (const SettingValue& value : SettingValues()) {
        if (value.name == "OrbelTagForge") {
            EXPECT_EQ(value.root, RegistryRoot::CurrentUser);
            EXPECT_EQ(value.keyPath, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
        } else {
            EXPECT_EQ(value.root, RegistryRoot::LocalMachine) << value.name;
            EXPECT_EQ(value.keyPath, "\\Software\\Orbel Soft\\TagForge") << value.name;
        }
    }
}

TEST(SettingsValues, DefaultTextsReadAsTheDefaults) {
    EXPECT_EQ(DecodeSettings(DefaultTexts()), Settings{});
}

TEST(SettingsValues, DefaultTexts) {
    EXPECT_EQ(DefaultTexts(), (std::vector<std::string>{
                                  "100", "100",         "0", "0",   "1",  "1",      "900", "1",
                                  "1",   "2",           "1", "1",   "24", "000000", "1",   "1",
                                  "0",   "Courier New", "8", "204", "0",  "0",      "",    "1"}));
}

TEST(SettingsValues, EncodingTheDefaultsGivesTheDefaultTextsButAnEmptyRunValue) {
    std::vector<std::string> expected = DefaultTexts();
    expected[IndexOf("OrbelTagForge")] = "";
    EXPECT_EQ(EncodeSettings(Settings{}, "/opt/tagforge"), expected);
}

TEST(SettingsShowSmiles, StoredNumbersToTheBoxAndThePane) {
    struct Row {
        long stored;
        int entry;
        bool paneShown;
    };
    for (const Row& row :
         {Row{0, kShowSmilesAlways, true}, Row{1, kShowSmilesNever, false},
          Row{2, kShowSmilesRemember, false}, Row{3, kShowSmilesRemember, true},
          Row{7, kShowSmilesRemember, false}, Row{-1, kShowSmilesRemember, false}}) {
        const ShowSmilesChoice choice = DecodeShowSmilesType(row.stored);
        EXPECT_EQ(choice.entry, row.entry) << row.stored;
        EXPECT_EQ(choice.paneShown, row.paneShown) << row.stored;

        const Settings settings = DecodeWith("ShowSmilesType", std::to_string(row.stored));
        EXPECT_EQ(settings.showSmilesEntry, row.entry) << row.stored;
        EXPECT_EQ(settings.smilePaneShown, row.paneShown) << row.stored;
    }
}

TEST(SettingsShowSmiles, TheBoxAndThePaneToStoredNumbers) {
    for (const bool shown : {false, true}) {
        EXPECT_EQ(EncodeShowSmilesType(kShowSmilesAlways, shown), 0) << shown;
        EXPECT_EQ(EncodeShowSmilesType(kShowSmilesNever, shown), 1) << shown;
    }
    EXPECT_EQ(EncodeShowSmilesType(kShowSmilesRemember, false), 2);
    EXPECT_EQ(EncodeShowSmilesType(kShowSmilesRemember, true), 3);

    Settings settings;
    settings.showSmilesEntry = kShowSmilesRemember;
    settings.smilePaneShown = true;
    EXPECT_EQ(EncodeSettings(settings, "/x")[IndexOf("ShowSmilesType")], "3");
}

TEST(SettingsDecode, NumbersReadAsAtolDoes) {
    EXPECT_EQ(DecodeWith("Top", "12abc").top, 12);
    EXPECT_EQ(DecodeWith("Left", "  -5").left, -5);
    EXPECT_EQ(DecodeWith("ResultLimit", "abc").resultLimit, 0);
    EXPECT_EQ(DecodeWith("FontSize", "+14pt").fontSize, 14);
    EXPECT_EQ(DecodeWith("SmileSeparate", "99999999999").smileSeparate, 2147483647);
}

// Stores written before the size was kept have no Width or Height; the window then takes its
// own size, as it did.
TEST(SettingsDecode, WindowSizeIsKeptAndAbsentInOlderStores) {
    struct Row {
        const char* width;
        const char* height;
        long expectedWidth;
        long expectedHeight;
    };
    for (const Row& row : {Row{"0", "0", 0, 0}, Row{"612", "536", 612, 536},
                           Row{"900px", "-3", 900, -3}, Row{"", "", 0, 0}}) {
        std::vector<std::string> texts = DefaultTexts();
        texts[IndexOf("Width")] = row.width;
        texts[IndexOf("Height")] = row.height;
        const Settings settings = DecodeSettings(texts);
        EXPECT_EQ(settings.width, row.expectedWidth) << row.width;
        EXPECT_EQ(settings.height, row.expectedHeight) << row.height;
        EXPECT_EQ(settings.top, 100) << row.width;
        EXPECT_EQ(settings.autoSave, true) << row.width;
    }
    Settings sized;
    sized.width = 612;
    sized.height = 536;
    const std::vector<std::string> texts = EncodeSettings(sized, "/x");
    EXPECT_EQ(texts[IndexOf("Width")], "612");
    EXPECT_EQ(texts[IndexOf("Height")], "536");
    EXPECT_EQ(IndexOf("Width"), IndexOf("Left") + 1);
}

TEST(SettingsDecode, FlagsAreOnUnlessTheyReadZero) {
    EXPECT_FALSE(DecodeWith("AutoSave", "0").autoSave);
    EXPECT_FALSE(DecodeWith("AutoSave", "").autoSave);
    EXPECT_FALSE(DecodeWith("AutoSave", "no").autoSave);
    EXPECT_TRUE(DecodeWith("AutoSave", "2").autoSave);
    EXPECT_TRUE(DecodeWith("Bold", "1").bold);
    EXPECT_TRUE(DecodeWith("Italic", "-1").italic);
}

TEST(SettingsDecode, AutoRunIsOnForAnyCommand) {
    EXPECT_FALSE(DecodeWith("OrbelTagForge", "").autoRun);
    EXPECT_FALSE(DecodeWith("OrbelTagForge", "0").autoRun);
    EXPECT_TRUE(DecodeWith("OrbelTagForge", "\"/x\"").autoRun);
    EXPECT_TRUE(DecodeWith("OrbelTagForge", "/usr/bin/tagforge").autoRun);
}

TEST(SettingsDecode, MissingValuesWithoutDefaultsReadAsNothing) {
    const Settings settings =
        DecodeSettings(std::vector<std::string>(SettingValues().size(), std::string()));
    EXPECT_EQ(settings.top, 0);
    EXPECT_EQ(settings.left, 0);
    EXPECT_EQ(settings.resultLimit, 0);
    EXPECT_EQ(settings.restoreMethod, 0);
    EXPECT_EQ(settings.smileSeparate, 0);
    EXPECT_EQ(settings.fontSize, 0);
    EXPECT_EQ(settings.charset, 0);
    EXPECT_FALSE(settings.autoSave);
    EXPECT_FALSE(settings.enableResultLimit);
    EXPECT_FALSE(settings.minimizeToTray);
    EXPECT_FALSE(settings.showHint);
    EXPECT_FALSE(settings.enableSmileSeparate);
    EXPECT_FALSE(settings.previewWordWrap);
    EXPECT_FALSE(settings.smileFrequentlyUsed);
    EXPECT_FALSE(settings.autoRun);
    EXPECT_FALSE(settings.bold);
    EXPECT_FALSE(settings.italic);
    EXPECT_FALSE(settings.showLivePreview);
    EXPECT_EQ(settings.previewBgColor, kWhite);
    EXPECT_EQ(settings.fontName, "");
    EXPECT_EQ(settings.smileGroup, "");
    // A stored 0 is "always show".
    EXPECT_EQ(settings.showSmilesEntry, kShowSmilesAlways);
    EXPECT_TRUE(settings.smilePaneShown);
}

TEST(SettingsDecode, ColourAndTextsAsStored) {
    EXPECT_EQ(DecodeWith("PreviewBGColor", "FF0000").previewBgColor, MakeColor(255, 0, 0));
    EXPECT_EQ(DecodeWith("PreviewBGColor", "00ff80").previewBgColor, MakeColor(0, 255, 128));
    EXPECT_EQ(DecodeWith("PreviewBGColor", "red").previewBgColor, kWhite);
    EXPECT_EQ(DecodeWith("FontName", test::W("Шрифт ")).fontName, test::W("Шрифт "));
    EXPECT_EQ(DecodeWith("SmileGroup", "Cats").smileGroup, "Cats");
}

TEST(SettingsEncode, AutoRunStoresTheCommandOrNothing) {
    Settings settings;
    settings.autoRun = true;
    EXPECT_EQ(EncodeSettings(settings, "tagforge")[IndexOf("OrbelTagForge")], "tagforge");
    settings.autoRun = false;
    EXPECT_EQ(EncodeSettings(settings, "tagforge")[IndexOf("OrbelTagForge")], "");
}

// The installed program is started by its name, which PATH finds while the package is there; a
// portable copy by its quoted full path.
TEST(SettingsEncode, AutostartCommandOfTheInstalledAndThePortableProgram) {
    struct Case {
        std::string_view path;
        bool installed;
        std::string command;
    };
    const Case cases[] = {
        {"/usr/bin/tagforge", true, "tagforge"},
        {"/usr/local/bin/tagforge-6.1_beta+x", true, "tagforge-6.1_beta+x"},
        {"tagforge", true, "tagforge"},
        {"/usr/bin/tag forge", true, "\"tag forge\""},
        {"/usr/bin/$tag%forge", true, "\"$tag%forge\""},
        {"/usr/bin/tagforge", false, "\"/usr/bin/tagforge\""},
        {"/opt/Tag Forge/tagforge", false, "\"/opt/Tag Forge/tagforge\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AutostartCommand(c.path, c.installed), c.command) << c.path << c.installed;
    }
}

TEST(SettingsEncode, DecodingTheEncodedTextsGivesTheSettingsBack) {
    Settings changed;
    changed.top = -20;
    changed.left = 1600;
    changed.autoSave = false;
    changed.enableResultLimit = false;
    changed.resultLimit = 12345;
    changed.minimizeToTray = false;
    changed.restoreMethod = 2;
    changed.showHint = false;
    changed.enableSmileSeparate = false;
    changed.smileSeparate = 3;
    changed.previewBgColor = MakeColor(18, 52, 86);
    changed.previewWordWrap = false;
    changed.smileFrequentlyUsed = false;
    changed.autoRun = true;
    changed.fontName = test::W("Моноширинный");
    changed.fontSize = 14;
    changed.charset = 0;
    changed.bold = true;
    changed.italic = true;
    changed.smileGroup = test::W("Коты");
    changed.showLivePreview = false;

    struct Smiles {
        int entry;
        bool shown;
    };
    for (const Smiles smiles :
         {Smiles{kShowSmilesAlways, true}, Smiles{kShowSmilesNever, false},
          Smiles{kShowSmilesRemember, false}, Smiles{kShowSmilesRemember, true}}) {
        changed.showSmilesEntry = smiles.entry;
        changed.smilePaneShown = smiles.shown;
        EXPECT_EQ(DecodeSettings(EncodeSettings(changed, "/opt/tagforge")), changed)
            << smiles.entry << " " << smiles.shown;
    }
    EXPECT_EQ(DecodeSettings(EncodeSettings(Settings{}, "/opt/tagforge")), Settings{});
}

}  // namespace
}  // namespace tagforge
