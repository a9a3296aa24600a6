// The settings store in the real Windows registry; runs in the Windows build (under Wine here).
#if defined(_WIN32)
#include "core/store/windows_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/store/settings.h"
#include "core/store/settings_batch.h"
#include "test_text.h"

namespace tagforge {
namespace {

using test::W;

// The registry lists values in an order of its own; the tests compare the names as sets.
std::optional<std::vector<std::string>> Sorted(std::optional<std::vector<std::string>> names) {
    if (names) {
        std::sort(names->begin(), names->end());
    }
    return names;
}

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

// Stands in for HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE: two keys of the test's own below
// HKEY_CURRENT_USER, removed afterwards, so no real setting is touched.
class WindowsRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        base_ = L"Software\\TagForge Tests\\" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                std::wstring(info->name(), info->name() + std::string(info->name()).size());
        ASSERT_EQ(Create(base_ + L"\\User", user_), ERROR_SUCCESS);
        ASSERT_EQ(Create(base_ + L"\\Machine", machine_), ERROR_SUCCESS);
    }
    void TearDown() override {
        ::RegCloseKey(user_);
        ::RegCloseKey(machine_);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
        ::RegDeleteKeyW(HKEY_CURRENT_USER, base_.c_str());
    }

    static LONG Create(const std::wstring& path, HKEY& key) {
        return ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                 nullptr, &key, nullptr);
    }

    // The wide string the registry holds, read past the store.
    std::wstring RawValue(const std::wstring& path, const std::wstring& name) const {
        wchar_t data[256] = {};
        DWORD size = sizeof data;
        ::RegGetValueW(user_, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size);
        return data;
    }

    WindowsRegistry Store() const { return WindowsRegistry({user_, machine_}); }

    std::wstring base_;
    HKEY user_ = nullptr;
    HKEY machine_ = nullptr;
};

TEST_F(WindowsRegistryTest, ValuesWriteReadListAndDelete) {
    WindowsRegistry store = Store();
    struct Case {
        const char* what;
        RegistryRoot root;
        std::string path;
        std::string name;
        std::string data;
    };
    const std::vector<Case> cases = {
        {"plain", kMachine, std::string(kSettingsKey), "Top", "100"},
        {"empty data", kMachine, std::string(kSettingsKey), "SmileGroup", ""},
        {"Cyrillic data", kMachine, std::string(kSettingsKey), "FontName", W("Шрифт Ёлки")},
        {"Cyrillic name", kUser, "Software\\Test", W("Имя"), W("значение")},
        {"outside the code page", kUser, "Software\\Test", "emoji", "&#128512;"},
        {"every high byte", kUser, "Software\\Test", "bytes",
         [] {
             std::string all;
             for (int c = 0x80; c <= 0xFF; ++c) {
                 all += static_cast<char>(c);
             }
             return all;
         }()},
        {"outer backslashes", kUser, "\\Software\\\\Test\\", "slashes", "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(store.WriteValue(c.root, c.path, c.name, c.data));
        EXPECT_TRUE(store.KeyExists(c.root, c.path));
        EXPECT_EQ(store.ReadValue(c.root, c.path, c.name), c.data);
        // A fresh store reads what the registry keeps, not what this one remembers.
        EXPECT_EQ(Store().ReadValue(c.root, c.path, c.name), c.data);
    }
    EXPECT_EQ(RawValue(L"Software\\Orbel Soft\\TagForge", L"FontName"), L"Шрифт Ёлки");
    EXPECT_EQ(RawValue(L"Software\\Test", L"Имя"), L"значение");
    // Letter case does not matter, in Cyrillic either.
    EXPECT_EQ(store.ReadValue(kUser, "SOFTWARE\\test", W("иМЯ")), W("значение"));

    EXPECT_EQ(Sorted(store.ValueNames(kUser, "Software\\Test")),
              Sorted(std::vector<std::string>{W("Имя"), "emoji", "bytes", "slashes"}));
    EXPECT_TRUE(store.DeleteValue(kUser, "Software\\Test", W("Имя")));
    EXPECT_TRUE(store.DeleteValue(kUser, "Software\\Test", W("Имя")));
    EXPECT_TRUE(store.DeleteValue(kUser, "Software\\Missing", "x"));
    EXPECT_EQ(store.ReadValue(kUser, "Software\\Test", W("Имя")), std::nullopt);
    EXPECT_EQ(Sorted(store.ValueNames(kUser, "Software\\Test")),
              Sorted(std::vector<std::string>{"emoji", "bytes", "slashes"}));
    EXPECT_EQ(store.ValueNames(kUser, "Software\\Missing"), std::nullopt);
    EXPECT_FALSE(store.WriteValue(kUser, "Software\\Test", std::string("nul\0name", 8), "x"));
}

TEST_F(WindowsRegistryTest, KeysAreCreatedWithParentsAndDeletedWithEverythingBelow) {
    WindowsRegistry store = Store();
    ASSERT_TRUE(store.CreateKey(kMachine, "Software\\A\\B\\C"));
    EXPECT_TRUE(store.KeyExists(kMachine, "Software\\A\\B"));
    ASSERT_TRUE(store.WriteValue(kMachine, "Software\\A\\B\\C", "v", "1"));
    ASSERT_TRUE(store.WriteValue(kMachine, "Software\\A", "kept", "1"));
    EXPECT_TRUE(store.DeleteKey(kMachine, "Software\\A\\B"));
    EXPECT_FALSE(store.KeyExists(kMachine, "Software\\A\\B"));
    EXPECT_FALSE(store.KeyExists(kMachine, "Software\\A\\B\\C"));
    EXPECT_EQ(store.ReadValue(kMachine, "Software\\A", "kept"), "1");
    EXPECT_TRUE(store.DeleteKey(kMachine, "Software\\A\\B"));
    EXPECT_FALSE(store.DeleteKey(kMachine, "\\"));
    EXPECT_TRUE(store.KeyExists(kMachine, "Software\\A"));
}

TEST_F(WindowsRegistryTest, NickAndFontListsKeepTheirNamesUnderTheirKeys) {
    WindowsRegistry store = Store();
    const std::vector<std::string> nicks = {W("Вася"), "Alice", W("Петя Ёж"), "bob"};
    const std::vector<std::string> fonts = {"Arial", "Courier New", W("Шрифт")};
    for (int save = 0; save < 2; ++save) {
        SettingsBatch batch;
        batch.AddNameList(kNicksKey, save == 0 ? nicks : std::vector<std::string>{"Zed"});
        batch.AddNameList(kFontNamesKey, fonts);
        const std::vector<bool> stored = store.Apply(batch.changes());
        EXPECT_TRUE(batch.FailedKeys(stored).empty());
        if (save == 0) {
            EXPECT_EQ(Sorted(store.ValueNames(kMachine, kNicksKey)), Sorted(nicks));
        }
    }
    EXPECT_EQ(store.ValueNames(kMachine, kNicksKey), std::vector<std::string>{"Zed"});
    EXPECT_EQ(Sorted(store.ValueNames(kMachine, kFontNamesKey)), Sorted(fonts));
    EXPECT_EQ(store.ReadValue(kMachine, kFontNamesKey, W("шрифт")), "");
    EXPECT_EQ(RawValue(L"Software\\Orbel Soft\\TagForge\\Nicks", L"Zed"), L"");
}

TEST_F(WindowsRegistryTest, TheMachineRootLivesWithTheUser) {
    WindowsRegistry store = Store();
    ASSERT_TRUE(store.WriteValue(kMachine, kSettingsKey, "Top", "5"));
    EXPECT_EQ(RawValue(L"Software\\Orbel Soft\\TagForge", L"Top"), L"5");
    HKEY machineKey = nullptr;
    EXPECT_NE(
        ::RegOpenKeyExW(machine_, L"Software\\Orbel Soft\\TagForge", 0, KEY_READ, &machineKey),
        ERROR_SUCCESS);
}

TEST_F(WindowsRegistryTest, MachineSettingsAreTakenOverOnceWhenTheUserHasNone) {
    HKEY old = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(machine_, L"Software\\Orbel Soft\\TagForge\\Nicks", 0, nullptr, 0,
                                KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &old, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(old, L"Вася", 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), 2);
    ::RegCloseKey(old);
    ::RegSetKeyValueW(machine_, L"Software\\Orbel Soft\\TagForge", L"Top", REG_SZ, L"77", 6);

    WindowsRegistry store = Store();
    EXPECT_TRUE(store.ImportMachineKey(kSettingsKey));
    EXPECT_EQ(store.ReadValue(kMachine, kSettingsKey, "Top"), "77");
    EXPECT_EQ(store.ValueNames(kMachine, kNicksKey), std::vector<std::string>{W("Вася")});
    // The user's own settings win from then on.
    ASSERT_TRUE(store.WriteValue(kMachine, kSettingsKey, "Top", "1"));
    EXPECT_FALSE(store.ImportMachineKey(kSettingsKey));
    EXPECT_EQ(store.ReadValue(kMachine, kSettingsKey, "Top"), "1");
}

TEST_F(WindowsRegistryTest, TheRunValueIsSetAndRemoved) {
    WindowsRegistry store = Store();
    const std::string command = "\"" + W("C:\\Программы\\TagForge\\tagforge.exe") + "\"";
    ASSERT_TRUE(store.WriteValue(kUser, kRunKey, kRunValue, command));
    EXPECT_EQ(RawValue(L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"OrbelTagForge"),
              L"\"C:\\Программы\\TagForge\\tagforge.exe\"");
    EXPECT_EQ(store.ReadValue(kUser, kRunKey, kRunValue), command);
    ASSERT_TRUE(store.DeleteValue(kUser, kRunKey, kRunValue));
    EXPECT_EQ(store.ReadValue(kUser, kRunKey, kRunValue), std::nullopt);
    EXPECT_TRUE(store.KeyExists(kUser, kRunKey));
}

}  // namespace
}  // namespace tagforge
#endif
