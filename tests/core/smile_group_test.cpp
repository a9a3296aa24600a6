#include "core/smileys/smile_group.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/store/atomic_file.h"
#include "temp_folder.h"
#include "test_text.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::W;

std::vector<int> Counts(const SmileEntries& entries) {
    std::vector<int> counts;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        counts.push_back(GetSmileUseCount(entries, i));
    }
    return counts;
}

TEST(SmileEntry, NameIsTheTextBeforeTheFirstBar) {
    EXPECT_EQ(SmileEntryName("wink.gif|3"), "wink.gif");
    EXPECT_EQ(SmileEntryName("wink.gif"), "wink.gif");
    EXPECT_EQ(SmileEntryName("a|b|4"), "a");
    EXPECT_EQ(SmileEntryName("|2"), "");
    EXPECT_EQ(SmileNames({"b.gif|2", "a.gif", W("смех.gif|1")}),
              (std::vector<std::string>{"b.gif", "a.gif", W("смех.gif")}));
}

TEST(SmileEntry, CountsReadLikeAtolAndAreNeverNegative) {
    EXPECT_EQ(Counts({"a.gif|7", "b.gif", "c.gif|x", "d.gif|-3"}), (std::vector<int>{7, 0, 0, 0}));
    EXPECT_EQ(Counts({"a.gif| +12abc", "b.gif|", "c.gif|0x10", "d.gif|3|9"}),
              (std::vector<int>{12, 0, 0, 3}));
    // Beyond 32 bits the count stays at the largest one.
    EXPECT_EQ(Counts({"a.gif|99999999999"}), (std::vector<int>{2147483647}));
}

TEST(SmileOrder, CompareSmileUsePutsTheHigherCountFirstThenTheBytes) {
    const SmileEntries entries = {"b.gif|2", "a.gif|2", "c.gif|5", "d.gif", "d.gif|0", "d.gif"};
    EXPECT_EQ(CompareSmileUse(entries, 0, 2), 3);
    EXPECT_EQ(CompareSmileUse(entries, 2, 0), -3);
    EXPECT_EQ(CompareSmileUse(entries, 1, 0), -1);
    EXPECT_EQ(CompareSmileUse(entries, 0, 1), 1);
    // Same count, one line a prefix of the other: the shorter first.
    EXPECT_EQ(CompareSmileUse(entries, 3, 4), -1);
    EXPECT_EQ(CompareSmileUse(entries, 3, 5), 0);
    // Bytes compare unsigned: a Cyrillic letter comes after every Latin one.
    const SmileEntries mixed = {W("я.gif"), "z.gif"};
    EXPECT_EQ(CompareSmileUse(mixed, 0, 1), 1);
}

TEST(SmileOrder, FrequencyOrderingOnAndOff) {
    const SmileEntries stored = {"b.gif|2", "a.gif|2", "c.gif|5", "d.gif"};
    SmileEntries byUse = stored;
    OrderSmileEntries(byUse, true);
    EXPECT_EQ(byUse, (SmileEntries{"c.gif|5", "a.gif|2", "b.gif|2", "d.gif"}));
    SmileEntries alphabetical = stored;
    OrderSmileEntries(alphabetical, false);
    EXPECT_EQ(alphabetical, (SmileEntries{"a.gif|2", "b.gif|2", "c.gif|5", "d.gif"}));
}

TEST(SmileOrder, AlphabeticalOrderIgnoresCase) {
    SmileEntries entries = {"b.gif", "C.gif", "a.gif", W("Б.gif"), W("а.gif")};
    OrderSmileEntries(entries, false);
    EXPECT_EQ(entries, (SmileEntries{"a.gif", "b.gif", "C.gif", W("а.gif"), W("Б.gif")}));
    // By use, equal counts fall back to the bytes, so upper case comes first.
    OrderSmileEntries(entries, true);
    EXPECT_EQ(entries, (SmileEntries{"C.gif", "a.gif", "b.gif", W("Б.gif"), W("а.gif")}));
}

TEST(SmileUse, FirstUseAddsACount) {
    SmileEntries entries = {"a.gif|2", "d.gif", "d.gif"};
    EXPECT_TRUE(AddSmileUse(entries, "d"));
    EXPECT_EQ(entries, (SmileEntries{"a.gif|2", "d.gif|1", "d.gif"}));
    EXPECT_TRUE(AddSmileUse(entries, "a"));
    EXPECT_EQ(entries, (SmileEntries{"a.gif|3", "d.gif|1", "d.gif"}));
}

TEST(SmileUse, BadOrNegativeCountsStartAgainFromOne) {
    SmileEntries entries = {"c.gif|x", "n.gif|-3", "m.gif|2147483647"};
    EXPECT_TRUE(AddSmileUse(entries, "c"));
    EXPECT_TRUE(AddSmileUse(entries, "n"));
    EXPECT_TRUE(AddSmileUse(entries, "m"));
    EXPECT_EQ(entries, (SmileEntries{"c.gif|1", "n.gif|1", "m.gif|2147483648"}));
    EXPECT_EQ(Counts(entries), (std::vector<int>{1, 1, 2147483647}));
}

TEST(SmileUse, OnlyALowerCaseGifOfTheExactNameCounts) {
    const SmileEntries stored = {"X.GIF", "Wink.gif", "my.smile.gif|4"};
    SmileEntries entries = stored;
    EXPECT_FALSE(AddSmileUse(entries, "X"));
    EXPECT_FALSE(AddSmileUse(entries, "wink"));
    EXPECT_FALSE(AddSmileUse(entries, "my"));
    EXPECT_EQ(entries, stored);
    EXPECT_TRUE(AddSmileUse(entries, "my.smile"));
    EXPECT_EQ(entries[2], "my.smile.gif|5");
}

class SmileGroupFile : public test::TempFolderTest {};

TEST_F(SmileGroupFile, WritesEveryEntryWithCrLf) {
    const fs::path file = folder() / "Fun.sgr";
    WriteSmileGroup(file, {"b.gif", W("смех.gif|3"), "a.gif"});
    EXPECT_EQ(OnDisk(file), W("b.gif\r\nсмех.gif|3\r\na.gif\r\n"));
    // The file is replaced whole.
    WriteSmileGroup(file, {"c.gif"});
    EXPECT_EQ(OnDisk(file), "c.gif\r\n");
    WriteSmileGroup(file, {});
    EXPECT_EQ(OnDisk(file), "");
}

TEST_F(SmileGroupFile, ReadsOneEntryPerLine) {
    EXPECT_EQ(ReadSmileGroup(Put("a.sgr", "a.gif|7\r\nb.gif\nc.gif|x\r\n")),
              (SmileEntries{"a.gif|7", "b.gif", "c.gif|x"}));
    EXPECT_EQ(ReadSmileGroup(Put("b.sgr", "a.gif")), (SmileEntries{"a.gif"}));
    EXPECT_EQ(ReadSmileGroup(Put("c.sgr", "")), SmileEntries{});
}

TEST_F(SmileGroupFile, MissingFileOrFolderInItsPlaceCannotBeRead) {
    EXPECT_THROW(ReadSmileGroup(folder() / "none.sgr"), SmileGroupReadError);
    fs::create_directory(folder() / "dir.sgr");
    try {
        ReadSmileGroup(folder() / "dir.sgr");
        FAIL() << "a folder is no group file";
    } catch (const SmileGroupReadError& error) {
        EXPECT_NE(std::string(error.what()).find("dir.sgr"), std::string::npos);
    }
}

TEST_F(SmileGroupFile, UnwritableFileThrows) {
    Put("plain", "x");
    EXPECT_THROW(WriteSmileGroup(folder() / "plain" / "Fun.sgr", {"a.gif"}), FileWriteError);
}

TEST_F(SmileGroupFile, PathFindsTheGroupInAnyCase) {
    fs::create_directory(folder() / "SmileGroups");
    Put("SmileGroups/Fun.sgr", "a.gif\r\n");
    EXPECT_EQ(SmileGroupPath(folder(), "fun"), folder() / "SmileGroups" / "Fun.sgr");
    EXPECT_EQ(SmileGroupPath(folder(), "New"), folder() / "SmileGroups" / "New.sgr");
    EXPECT_EQ(SmileGroupPath(folder(), W("Смех")),
              folder() / "SmileGroups" / PathFromUtf8("Смех.sgr"));
}

}  // namespace
}  // namespace tagforge
