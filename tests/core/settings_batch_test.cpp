#include "core/store/settings_batch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/store/desktop_registry.h"
#include "core/store/registry_file.h"
#include "forwarding_registry.h"
#include "temp_folder.h"

#if defined(__unix__)
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;

class SettingsBatchStore : public test::TempFolderTest {
  protected:
    void SetUp() override {
        test::TempFolderTest::SetUp();
        fs::create_directories(folder() / "program");
        paths_ = StandardDesktopRegistryPaths(folder() / "program", folder() / "config");
    }
    const DesktopRegistryPaths& paths() const { return paths_; }

    // A whole save as the window makes it: every setting, then the two lists.
    static SettingsBatch Save(const Names& fonts, const Names& nicks) {
        SettingsBatch batch;
        const std::vector<std::string> texts = EncodeSettings(Settings{}, "/opt/tagforge");
        for (std::size_t i = 0; i < SettingValues().size(); ++i) {
            batch.AddText(SettingValues()[i], texts[i]);
        }
        batch.AddNameList(kFontNamesKey, fonts);
        batch.AddNameList(kNicksKey, nicks);
        return batch;
    }

    static Names ManyNicks(std::size_t count) {
        Names nicks;
        for (std::size_t i = 0; i < count; ++i) {
            nicks.push_back("nick" + std::to_string(i) + "=[%]");
        }
        return nicks;
    }

  private:
    DesktopRegistryPaths paths_;
};

// A plain registry: every change on its own, through the single-change calls.
class OneByOne final : public test::ForwardingRegistry {
  public:
    using ForwardingRegistry::ForwardingRegistry;
};

TEST_F(SettingsBatchStore, OneSaveLeavesTheFileAsChangesOneByOneWould) {
    const std::string hand = "[Software\\Orbel Soft\\TagForge\\Nicks]\nold=\n[Mine]\nkeep=1\n";
    test::TempFolderTest::Put("program/TagForge.registry", hand);
    const SettingsBatch batch = Save({"Arial", "Verdana"}, ManyNicks(50));
    DesktopRegistry batched(paths());
    const std::vector<bool> stored = batched.Apply(batch.changes());
    EXPECT_EQ(stored, std::vector<bool>(batch.changes().size(), true));
    EXPECT_TRUE(batch.FailedKeys(stored).empty());
    const std::string afterBatch = OnDisk(paths().machineFile);

    test::TempFolderTest::Put("program/TagForge.registry", hand);
    DesktopRegistry plain(paths());
    OneByOne single(plain);
    single.Apply(batch.changes());
    EXPECT_EQ(afterBatch, OnDisk(paths().machineFile));
    EXPECT_EQ(RegistryFile(paths().machineFile).ValueNames(kNicksKey), ManyNicks(50));
}

#if defined(__unix__)
// A list is saved in one step: a save that cannot be finished leaves the old list whole.
TEST_F(SettingsBatchStore, AFailedSaveLeavesTheOldListWhole) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
    {
        DesktopRegistry registry(paths());
        registry.Apply(Save({}, ManyNicks(100)).changes());
    }
    const std::string before = OnDisk(paths().machineFile);
    DesktopRegistry registry(paths());
    const SettingsBatch batch = Save({"Arial"}, ManyNicks(3000));
    std::vector<bool> stored;
    {
        const test::FileSizeCap cap(before.size() + 1000);
        stored = registry.Apply(batch.changes());
    }
    EXPECT_EQ(OnDisk(paths().machineFile), before);
    EXPECT_EQ(registry.ValueNames(kMachine, kNicksKey), ManyNicks(100));
    // Every value and list of the machine file reports; the Run value, elsewhere, was stored.
    std::vector<std::string_view> expected;
    for (const SettingValue& value : SettingValues()) {
        if (value.root == kMachine) {
            expected.push_back(value.keyPath);
        }
    }
    expected.push_back(kFontNamesKey);
    expected.push_back(kNicksKey);
    EXPECT_EQ(batch.FailedKeys(stored), expected);
}
#endif

// Two copies of the program side by side, or a hand edit: a save replaces only what it names.
TEST_F(SettingsBatchStore, ASaveKeepsWhatOthersWroteMeanwhile) {
    DesktopRegistry first(paths());
    ASSERT_TRUE(first.WriteValue(kMachine, kSettingsKey, "Top", "1"));
    ASSERT_TRUE(first.WriteValue(kMachine, kSettingsKey, "Gone", "x"));
    {
        DesktopRegistry second(paths());
        ASSERT_TRUE(second.WriteValue(kMachine, kSettingsKey, "Left", "77"));
        ASSERT_TRUE(second.WriteValue(kMachine, "Software\\Other", "theirs", "2"));
        ASSERT_TRUE(second.DeleteValue(kMachine, kSettingsKey, "Gone"));
    }
    const auto theirs = [&] {
        return RegistryFile(paths().machineFile).ReadValue("Software\\Other", "theirs");
    };
    EXPECT_TRUE(first.WriteValue(kMachine, kSettingsKey, "Top", "2"));
    EXPECT_EQ(theirs(), "2");
    EXPECT_EQ(RegistryFile(paths().machineFile).ReadValue(kSettingsKey, "Left"), "77");
    EXPECT_EQ(first.Apply(Save({"Arial"}, {"me"}).changes()).back(), true);
    EXPECT_EQ(theirs(), "2");
    const RegistryFile onDisk(paths().machineFile);
    EXPECT_EQ(onDisk.ReadValue(kSettingsKey, "Top"), "100");
    // The save wrote Left itself; the value deleted by the other copy stays deleted.
    EXPECT_EQ(onDisk.ReadValue(kSettingsKey, "Left"), "100");
    EXPECT_EQ(onDisk.ReadValue(kSettingsKey, "Gone"), std::nullopt);
    EXPECT_EQ(onDisk.ValueNames(kNicksKey), Names{"me"});
    EXPECT_EQ(first.ReadValue(kMachine, "Software\\Other", "theirs"), "2");
}

#if defined(__unix__)
// Two copies saving at the same moment take turns: every value either of them wrote is there.
TEST_F(SettingsBatchStore, TwoCopiesSavingAtOnceLoseNothing) {
    const fs::path file = paths().machineFile;
    ASSERT_TRUE(RegistryFile(file).WriteValue(kSettingsKey, "start", "1"));
    constexpr int kWrites = 40;
    std::vector<pid_t> children;
    for (const std::string copy : {"a", "b"}) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            RegistryFile store(file);
            for (int i = 0; i < kWrites; ++i) {
                if (!store.WriteValue(kSettingsKey, copy + std::to_string(i), "x")) {
                    _exit(1);
                }
            }
            _exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto names = RegistryFile(file).ValueNames(kSettingsKey);
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(names->size(), 2U * kWrites + 1);
}
#endif

}  // namespace
}  // namespace tagforge
