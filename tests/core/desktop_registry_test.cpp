#include "core/store/desktop_registry.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/store/settings.h"
#include "temp_folder.h"
#include "test_text.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr std::string_view kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kTagForgeKey = "Software\\Orbel Soft\\TagForge";
constexpr std::string_view kCommand = "\"/opt/Tag Forge/tagforge\"";

class DesktopRegistryRouting : public test::TempFolderTest {
  protected:
    void SetUp() override {
        test::TempFolderTest::SetUp();
        fs::create_directories(folder() / "program");
        paths_ = StandardDesktopRegistryPaths(folder() / "program", folder() / "config");
    }

    const DesktopRegistryPaths& paths() const { return paths_; }

  private:
    DesktopRegistryPaths paths_;
};

TEST_F(DesktopRegistryRouting, StandardPaths) {
    EXPECT_EQ(paths().machineFile, folder() / "program" / "TagForge.registry");
    EXPECT_EQ(paths().userFile, folder() / "config" / "OrbelTagForge" / "user.registry");
    EXPECT_EQ(paths().autostartFolder, folder() / "config" / "autostart");
}

TEST_F(DesktopRegistryRouting, TheUserRunKeyIsTheAutostartFolder) {
    DesktopRegistry registry(paths());
    ASSERT_TRUE(registry.WriteValue(kUser, "\\sOFTWARE\\microsoft\\WINDOWS\\CurrentVersion\\rUN",
                                    "OrbelTagForge", kCommand));
    const fs::path entry = paths().autostartFolder / "OrbelTagForge.desktop";
    ASSERT_TRUE(fs::exists(entry));
    EXPECT_NE(OnDisk(entry).find("\nExec=\"/opt/Tag Forge/tagforge\"\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(paths().userFile));
    EXPECT_FALSE(fs::exists(paths().machineFile));

    for (const std::string_view path :
         {kRun, std::string_view("\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\"),
          kRunKey}) {
        EXPECT_EQ(registry.ReadValue(kUser, path, "OrbelTagForge"), kCommand) << path;
        EXPECT_EQ(registry.ValueNames(kUser, path), Names{"OrbelTagForge"}) << path;
    }
    EXPECT_EQ(DesktopRegistry(paths()).ReadValue(kUser, kRun, "OrbelTagForge"), kCommand);

    ASSERT_TRUE(registry.DeleteValue(kUser, kRunKey, "OrbelTagForge"));
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_EQ(registry.ReadValue(kUser, kRun, "OrbelTagForge"), std::nullopt);
}

TEST_F(DesktopRegistryRouting, MachineKeysGoToTheMachineFile) {
    DesktopRegistry registry(paths());
    ASSERT_TRUE(registry.WriteValue(kMachine, kSettingsKey, "Top", "5"));
    EXPECT_EQ(RegistryFile(paths().machineFile).ReadValue(kTagForgeKey, "Top"), "5");
    EXPECT_FALSE(fs::exists(paths().userFile));
    EXPECT_FALSE(fs::exists(paths().autostartFolder));
    EXPECT_EQ(registry.ReadValue(kMachine, kTagForgeKey, "TOP"), "5");
    EXPECT_EQ(registry.ReadValue(kUser, kTagForgeKey, "Top"), std::nullopt);
    EXPECT_FALSE(registry.KeyExists(kUser, kTagForgeKey));
    EXPECT_TRUE(registry.KeyExists(kMachine, "software\\orbel soft"));
}

TEST_F(DesktopRegistryRouting, OtherUserKeysGoToTheUserFile) {
    DesktopRegistry registry(paths());
    ASSERT_TRUE(registry.WriteValue(kUser, kNicksKey, "1", "nick"));
    ASSERT_TRUE(registry.WriteValue(kUser, std::string(kRun) + "\\Sub", "x", "y"));
    const RegistryFile userFile(paths().userFile);
    EXPECT_EQ(userFile.ReadValue(kNicksKey, "1"), "nick");
    EXPECT_EQ(userFile.ReadValue(std::string(kRun) + "\\Sub", "x"), "y");
    EXPECT_FALSE(fs::exists(paths().machineFile));
    EXPECT_FALSE(fs::exists(paths().autostartFolder));
    EXPECT_EQ(registry.ReadValue(kMachine, kNicksKey, "1"), std::nullopt);
    EXPECT_EQ(registry.ValueNames(kUser, kNicksKey), Names{"1"});
}

TEST_F(DesktopRegistryRouting, TheRunPathUnderTheMachineRootIsAnOrdinaryKey) {
    DesktopRegistry registry(paths());
    ASSERT_TRUE(registry.WriteValue(kUser, kRunKey, "OrbelTagForge", kCommand));
    EXPECT_EQ(registry.ReadValue(kMachine, kRunKey, "OrbelTagForge"), std::nullopt);
    EXPECT_FALSE(registry.KeyExists(kMachine, kRunKey));
    EXPECT_EQ(registry.ValueNames(kMachine, kRunKey), std::nullopt);

    ASSERT_TRUE(registry.WriteValue(kMachine, kRunKey, "Machine", "\"/m\""));
    EXPECT_EQ(RegistryFile(paths().machineFile).ReadValue(kRun, "Machine"), "\"/m\"");
    EXPECT_EQ(registry.ValueNames(kUser, kRunKey), Names{"OrbelTagForge"});
    EXPECT_EQ(registry.ReadValue(kUser, kRunKey, "Machine"), std::nullopt);
}

// The Run key exists in every Windows profile, and its folder is shared with other programs.
TEST_F(DesktopRegistryRouting, TheRunKeyAlwaysExistsAndIsNeverDeleted) {
    DesktopRegistry registry(paths());
    EXPECT_TRUE(registry.KeyExists(kUser, kRunKey));
    EXPECT_TRUE(registry.CreateKey(kUser, kRunKey));
    EXPECT_EQ(registry.ValueNames(kUser, kRunKey), Names{});
    EXPECT_FALSE(fs::exists(paths().autostartFolder));

    ASSERT_TRUE(registry.WriteValue(kUser, kRunKey, "OrbelTagForge", kCommand));
    EXPECT_FALSE(registry.DeleteKey(kUser, kRunKey));
    EXPECT_TRUE(registry.DeleteKey(kUser, "Software\\Microsoft"));
    EXPECT_EQ(registry.ReadValue(kUser, kRunKey, "OrbelTagForge"), kCommand);
}

TEST_F(DesktopRegistryRouting, KeysOfBothFilesAreCreatedAndDeletedApart) {
    DesktopRegistry registry(paths());
    ASSERT_TRUE(registry.CreateKey(kMachine, kFontNamesKey));
    ASSERT_TRUE(registry.CreateKey(kUser, kNicksKey));
    EXPECT_TRUE(registry.KeyExists(kMachine, kFontNamesKey));
    EXPECT_FALSE(registry.KeyExists(kUser, kFontNamesKey));
    EXPECT_TRUE(registry.KeyExists(kUser, kNicksKey));
    EXPECT_FALSE(registry.KeyExists(kMachine, kNicksKey));

    ASSERT_TRUE(registry.DeleteKey(kMachine, kSettingsKey));
    EXPECT_FALSE(registry.KeyExists(kMachine, kFontNamesKey));
    EXPECT_TRUE(registry.KeyExists(kUser, kNicksKey));
    EXPECT_TRUE(DesktopRegistry(paths()).KeyExists(kUser, kNicksKey));
}

TEST_F(DesktopRegistryRouting, UnwritablePlacesFailTheWrite) {
    test::TempFolderTest::Put("config", "a file where the folder should be");
    DesktopRegistry registry(paths());
    EXPECT_FALSE(registry.WriteValue(kUser, kRunKey, "OrbelTagForge", kCommand));
    EXPECT_FALSE(registry.WriteValue(kUser, kNicksKey, "1", "nick"));
    EXPECT_EQ(registry.ReadValue(kUser, kNicksKey, "1"), std::nullopt);
    EXPECT_TRUE(registry.WriteValue(kMachine, kSettingsKey, "Top", "1"));
}

// Without a home folder there is no autostart folder: nothing is read there and a write fails,
// so the settings report it; nothing lands in the current folder instead.
TEST_F(DesktopRegistryRouting, WithoutAConfigHomeTheUserRootKeepsNothing) {
    const fs::path work = folder() / "work";
    fs::create_directories(work);
    const fs::path before = fs::current_path();
    fs::current_path(work);
    {
        DesktopRegistry registry(StandardDesktopRegistryPaths(folder() / "program", std::nullopt));
        EXPECT_TRUE(registry.KeyExists(kUser, kRunKey));
        EXPECT_FALSE(registry.WriteValue(kUser, kRunKey, "OrbelTagForge", kCommand));
        EXPECT_EQ(registry.ReadValue(kUser, kRunKey, "OrbelTagForge"), std::nullopt);
        EXPECT_EQ(registry.ValueNames(kUser, kRunKey), Names{});
        EXPECT_TRUE(registry.DeleteValue(kUser, kRunKey, "OrbelTagForge"));
        EXPECT_FALSE(registry.WriteValue(kUser, kNicksKey, "1", "nick"));
        EXPECT_TRUE(registry.WriteValue(kMachine, kSettingsKey, "Top", "1"));
    }
    fs::current_path(before);
    EXPECT_TRUE(fs::is_empty(work));
    EXPECT_TRUE(fs::exists(folder() / "program" / "TagForge.registry"));
}

// Settings written through the store the way the program saves them: an empty text deletes.
TEST_F(DesktopRegistryRouting, SettingsSurviveAFreshStore) {
    Settings settings;
    settings.top = 321;
    settings.autoRun = true;
    settings.fontName = test::W("Лучший шрифт");
    settings.showSmilesEntry = kShowSmilesRemember;
    settings.smilePaneShown = true;
    settings.smileGroup = "";
    {
        DesktopRegistry registry(paths());
        const std::vector<std::string> texts =
            EncodeSettings(settings, AutostartCommand("/opt/Tag Forge/tagforge", false));
        for (std::size_t i = 0; i < SettingValues().size(); ++i) {
            const SettingValue& value = SettingValues()[i];
            const bool stored =
                texts[i].empty()
                    ? registry.DeleteValue(value.root, value.keyPath, value.name)
                    : registry.WriteValue(value.root, value.keyPath, value.name, texts[i]);
            ASSERT_TRUE(stored) << value.name;
        }
    }
    EXPECT_TRUE(fs::exists(paths().autostartFolder / "OrbelTagForge.desktop"));
    const DesktopRegistry fresh(paths());
    std::vector<std::string> texts;
    for (const SettingValue& value : SettingValues()) {
        texts.push_back(fresh.ReadValue(value.root, value.keyPath, value.name)
                            .value_or(std::string(value.defaultText)));
        if (value.name == kRunValue) {
            EXPECT_EQ(texts.back(), "\"/opt/Tag Forge/tagforge\"");
        }
    }
    EXPECT_EQ(DecodeSettings(texts), settings);
}

// An entry from the time the installed program was started by its full path still reads as
// ticked; the next save makes it start the program by name.
TEST_F(DesktopRegistryRouting, EntryWithTheFullPathReadsTickedAndIsRewrittenByName) {
    const fs::path entry = paths().autostartFolder / "OrbelTagForge.desktop";
    fs::create_directories(paths().autostartFolder);
    std::ofstream(entry, std::ios::binary) << "[Desktop Entry]\nType=Application\n"
                                              "Name=OrbelTagForge\nExec=\"/usr/bin/tagforge\"\n"
                                              "X-GNOME-Autostart-enabled=true\n";
    DesktopRegistry registry(paths());
    std::vector<std::string> texts;
    std::size_t runIndex = 0;
    for (const SettingValue& value : SettingValues()) {
        if (value.name == kRunValue) {
            runIndex = texts.size();
        }
        texts.push_back(registry.ReadValue(value.root, value.keyPath, value.name)
                            .value_or(std::string(value.defaultText)));
    }
    const Settings settings = DecodeSettings(texts);
    EXPECT_TRUE(settings.autoRun);

    const std::string command =
        EncodeSettings(settings, AutostartCommand("/usr/bin/tagforge", true)).at(runIndex);
    ASSERT_TRUE(registry.WriteValue(kUser, kRunKey, kRunValue, command));
    EXPECT_EQ(OnDisk(entry),
              "[Desktop Entry]\nType=Application\nName=OrbelTagForge\nExec=tagforge\n"
              "TryExec=tagforge\nX-GNOME-Autostart-enabled=true\n");
}

}  // namespace
}  // namespace tagforge
