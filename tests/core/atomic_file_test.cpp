#include "core/store/atomic_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public test::TempFolderTest {};

TEST_F(AtomicFile, CreatesAndReplacesWholeFiles) {
    const fs::path file = folder() / "a.bin";
    WriteFileAtomically(file, "a longer first version");
    EXPECT_EQ(OnDisk(file), "a longer first version");
    const std::string binary("x\0\r\n\xFF", 5);
    WriteFileAtomically(file, binary);
    EXPECT_EQ(OnDisk(file), binary);
    WriteFileAtomically(file, "");
    EXPECT_EQ(OnDisk(file), "");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"a.bin"}));
}

#if defined(__unix__)
TEST_F(AtomicFile, KeepsThePermissionsOfTheFileItReplaces) {
    const fs::path file = Put("script.sh", "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec);
    WriteFileAtomically(file, "new");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec);
}

TEST_F(AtomicFile, FullDiskLeavesTheOldFileAndNoTemporary) {
    const fs::path file = Put("keep.txt", "old");
    bool failed = false;
    {
        const test::FileSizeCap cap(3);
        try {
            WriteFileAtomically(file, "much longer than the cap");
        } catch (const FileWriteError& error) {
            failed = true;
            EXPECT_EQ(error.path(), file);
        }
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(OnDisk(file), "old");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"keep.txt"}));
}
#endif

TEST_F(AtomicFile, FailuresNameThePath) {
    Put("plain", "x");
    const fs::path belowAFile = folder() / "plain" / "x.txt";
    try {
        WriteFileAtomically(belowAFile, "data");
        FAIL() << "the write should have failed";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + belowAFile.string());
        EXPECT_EQ(error.path(), belowAFile);
    }

    const fs::path aFolder = folder() / "folder";
    fs::create_directory(aFolder);
    EXPECT_THROW(WriteFileAtomically(aFolder, "data"), FileWriteError);
    EXPECT_TRUE(fs::is_empty(aFolder));

    EXPECT_THROW(WriteFileAtomically(folder() / "missing" / "x.txt", "data"), FileWriteError);
    EXPECT_FALSE(fs::exists(folder() / "missing"));
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"folder", "plain"}));
}

}  // namespace
}  // namespace tagforge
