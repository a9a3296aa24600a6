#include "core/store/tag_list.h"

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "test_text.h"

namespace tagforge {
namespace {

using test::TempFolderTest;
using test::W;
using Lines = std::vector<std::string>;

TEST(SplitLines, AcceptsEveryLineEndingAndKeepsEmptyMiddleLines) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("only"), Lines{"only"});
}

TEST(PickEntry, MatchesWithoutRegardToCaseElseTakesTheFirst) {
    const Lines entries = {W("[Админ]"), "[beta]", "[Gamma]"};
    EXPECT_EQ(PickEntry(entries, W("[АДМИН]")), 0);
    EXPECT_EQ(PickEntry(entries, "[GAMMA]"), 2);
    EXPECT_EQ(PickEntry(entries, "[delta]"), 0);
    EXPECT_EQ(PickEntry({}, "[beta]"), -1);
}

class ReadSortedLinesTest : public TempFolderTest {};

TEST_F(ReadSortedLinesTest, SortsWithoutRegardToCase) {
    const auto lines =
        ReadSortedLines(Put("tags.asc", W("zeta\r\nАльфа\r\nalpha\r\nБета\r\nBeta\r\n")));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (Lines{"alpha", "Beta", "zeta", W("Альфа"), W("Бета")}));
}

TEST_F(ReadSortedLinesTest, EqualNamesKeepTheirFileOrder) {
    const auto lines = ReadSortedLines(Put("tags.asc", "b\r\nB\r\na\r\n"));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (Lines{"a", "b", "B"}));
}

TEST_F(ReadSortedLinesTest, MissingFileOrFolderGivesNothing) {
    EXPECT_FALSE(ReadSortedLines(folder() / "tags.asc").has_value());
    EXPECT_FALSE(ReadSortedLines(folder()).has_value());
    const auto empty = ReadSortedLines(Put("empty.asc", ""));
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->empty());
}

}  // namespace
}  // namespace tagforge
