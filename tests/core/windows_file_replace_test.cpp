// Replacing files and locking the settings store on Windows.
#if defined(_WIN32)
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "core/platform/path_text.h"
#include "core/store/atomic_file.h"
#include "core/store/registry_file.h"
#include "temp_folder.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;

class WindowsFiles : public test::TempFolderTest {};

TEST_F(WindowsFiles, AReplaceThatFailsKeepsTheOldFileAndLeavesNoTemporary) {
    const fs::path file = Put("profile.tfp", "old");
    // Another program holds the file open without letting it be replaced.
    HANDLE held = ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_THROW(WriteFileAtomically(file, "new"), FileWriteError);
    ::CloseHandle(held);
    EXPECT_EQ(OnDisk(file), "old");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"profile.tfp"});

    WriteFileAtomically(file, "new");
    EXPECT_EQ(OnDisk(file), "new");
    WriteFileAtomically(folder() / PathFromUtf8("Новый.tfp"), "fresh");
    EXPECT_EQ(OnDisk(folder() / PathFromUtf8("Новый.tfp")), "fresh");
}

TEST_F(WindowsFiles, TwoStoresSavingAtOnceTakeTurns) {
    const fs::path file = folder() / "TagForge.registry";
    constexpr int kValues = 40;
    auto save = [&file](const std::string& prefix) {
        RegistryFile store(file);
        for (int i = 0; i < kValues; ++i) {
            store.WriteValue("Software\\Test", prefix + std::to_string(i), "x");
        }
    };
    std::thread first(save, "a");
    std::thread second(save, "b");
    first.join();
    second.join();
    const auto names = RegistryFile(file).ValueNames("Software\\Test");
    ASSERT_TRUE(names);
    EXPECT_EQ(names->size(), 2U * kValues);
    // The lock lives beside the store and stays there.
    EXPECT_TRUE(fs::exists(folder() / "TagForge.registry.lock"));
}

}  // namespace
}  // namespace tagforge
#endif
