#include "core/store/atomic_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "temp_folder.h"

#if defined(__unix__)
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

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

// Bytes handed over in pieces make the same file, whichever way the old one gives way.
TEST_F(AtomicFile, WritesPiecesInOrderEitherWay) {
    const fs::path file = folder() / "page.htm";
    for (const OldFile oldFile : {OldFile::RenamedOver, OldFile::RemovedFirst}) {
        WriteFileAtomically(file, "an old file that is longer");
        WriteFileAtomically(
            file,
            [](const ByteSink& sink) {
                sink("one ");
                sink("");
                sink(std::string_view("t\0o ", 4));
                sink("three");
            },
            oldFile);
        EXPECT_EQ(OnDisk(file), std::string("one t\0o three", 13));
        EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"page.htm"}));
    }
}

#if defined(__unix__)
TEST_F(AtomicFile, OldFileRemovedFirstStaysWhenTheNewOneCannotBeWritten) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
    const fs::path file = Put("page.htm", "old");
    {
        const test::FileSizeCap cap(2);
        EXPECT_THROW(WriteFileAtomically(
                         file, [](const ByteSink& sink) { sink("longer"); }, OldFile::RemovedFirst),
                     FileWriteError);
    }
    EXPECT_EQ(OnDisk(file), "old");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"page.htm"}));
}

TEST_F(AtomicFile, KeepsThePermissionsOfTheFileItReplaces) {
    const fs::path file = Put("script.sh", "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec);
    WriteFileAtomically(file, "new");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec);
}

TEST_F(AtomicFile, FullDiskLeavesTheOldFileAndNoTemporary) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
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

TEST_F(AtomicFile, WritesThroughLinksIntoTheFileTheyPointTo) {
    fs::create_directory(folder() / "real");
    const fs::path data = Put("real/Default.tfp", "old");
    struct Case {
        const char* link;
        fs::path pointsTo;
    };
    const Case cases[] = {
        {"absolute.tfp", data},
        {"relative.tfp", fs::path("real") / "Default.tfp"},
        {"chain.tfp", folder() / "absolute.tfp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        const fs::path link = folder() / c.link;
        fs::create_symlink(c.pointsTo, link);
        WriteFileAtomically(link, std::string("new through ") + c.link);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(OnDisk(data), std::string("new through ") + c.link);
    }
    // A link to a file not made yet makes it where the link points.
    fs::create_symlink("real/later.tfp", folder() / "dangling.tfp");
    WriteFileAtomically(folder() / "dangling.tfp", "made");
    EXPECT_EQ(OnDisk(folder() / "real" / "later.tfp"), "made");
    std::vector<std::string> realEntries;
    for (const auto& entry : fs::directory_iterator(folder() / "real")) {
        realEntries.push_back(entry.path().filename().string());
    }
    std::sort(realEntries.begin(), realEntries.end());
    EXPECT_EQ(realEntries, (std::vector<std::string>{"Default.tfp", "later.tfp"}));
}

TEST_F(AtomicFile, RefusesToReplaceWhatIsNotARegularFile) {
    const fs::path fifo = folder() / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(folder() / "dir");
    fs::create_symlink(fifo, folder() / "link-to-pipe");
    fs::create_symlink("loop-b", folder() / "loop-a");
    fs::create_symlink("loop-a", folder() / "loop-b");
    for (const char* name : {"pipe", "dir", "link-to-pipe", "loop-a"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(WriteFileAtomically(folder() / name, "data"), FileWriteError);
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_directory(folder() / "dir"));
    EXPECT_TRUE(fs::is_symlink(folder() / "link-to-pipe"));
    EXPECT_EQ(FolderEntries(),
              (std::vector<std::string>{"dir", "link-to-pipe", "loop-a", "loop-b", "pipe"}));
    // A device of its own, so that a faulty save could only ever replace that one.
    const fs::path device = folder() / "device";
    if (mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0) {
        EXPECT_THROW(WriteFileAtomically(device, "data"), FileWriteError);
        EXPECT_TRUE(fs::is_character_file(device));
    }
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
