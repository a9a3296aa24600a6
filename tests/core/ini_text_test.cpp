#include "core/store/ini_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/store/ini_file.h"
#include "temp_folder.h"

namespace tagforge {
namespace {

using namespace std::string_literals;
using test::FileSizeCap;
using test::TempFolderTest;

// The writes one at a time, each over the text the one before left.
std::string OneByOne(std::string text, const std::vector<IniEntry>& writes) {
    for (const IniEntry& write : writes) {
        text = WithIniValue(text, write.section, write.key, write.value);
    }
    return text;
}

TEST(IniBatch, LeavesExactlyWhatWritesOneByOneLeave) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<IniEntry> writes;
    };
    const std::string mixed =
        "top\r\n[ Main ] ; c\r\n\tKey = old \r\n; note\r\nOther=1\n\n[Empty]\r\n[main]\r\nKey=late";
    const std::vector<Case> cases = {
        {"new file", "", {{"A", "x", "1"}, {"B", "y", "2"}, {"a", "z", "3"}, {"A", "X", "4"}}},
        {"in place and added",
         mixed,
         {{"MAIN", "key", "new"},
          {"main", "added", "1"},
          {"Main", "ADDED", "2"},
          {"Empty", "k", "v"},
          {"Fresh", "k", "v"},
          {"empty", "k2", "v2"}}},
        {"unended last key line", "[S]\r\na=1", {{"S", "a", "2"}, {"S", "b", "3"}}},
        {"unended header", "[S]", {{"S", "a", "1"}, {"T", "b", "2"}}},
        {"unended other line", "[S]\r\nnote", {{"T", "a", "1"}, {"S", "b", "2"}}},
        {"lone CR and LF breaks", "[S]\ra=1\n[T]\rb=2\r", {{"T", "c", "3"}, {"S", "a", "0"}}},
        // Names that do not read back as themselves go the slow way, still in order.
        {"awkward names",
         "[S]\r\n[x=1\r\n",
         {{"S", "[x", "2]"},
          {"S", "[x", "3"},
          {" pad ", "k", "v"},
          {"pad", "k", "w"},
          {"S", "a=b", "c"},
          {"S", "a", "d"},
          {"S", ";c", "1"},
          {"S", "line\r\nbreak", "v"},
          {"S", "k", "v\nw"},
          {"[S]", "k", "v"},
          {"S", "e", ""}}},
        {"NUL in names and values",
         "[S]\r\nk=1\0tail\r\n"s,
         {{"S\0x"s, "k", "2"}, {"S", "n\0y"s, "v\0z"s}, {"T\0"s, "k", "v"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WithIniValues(c.text, IniIndex(c.text), c.writes), OneByOne(c.text, c.writes));
    }
}

// What the private-profile functions see of a line ends at a NUL byte, for reading and writing
// alike, so a name never splits in two and a save adds no section of its own.
TEST(IniNul, LinesEndAtTheNulForReadingAndWriting) {
    const std::string text =
        "[pic\0ture]\r\nhtml=<b>x\0</b>\r\n[c]\r\nin\0clude=0\r\nhtml=\"q\0\"\r\n"s;
    const IniIndex index(text);
    std::vector<std::string> names;
    for (const IniIndex::Span& name : index.SectionNames()) {
        names.emplace_back(name.In(text));
    }
    EXPECT_EQ(names, std::vector<std::string>{"c"});
    EXPECT_EQ(index.FindSection("pic"), nullptr);
    ASSERT_NE(index.FindKey("c", "html"), nullptr);
    EXPECT_EQ(index.FindKey("c", "html")->value.In(text), "\"q");
    EXPECT_EQ(index.FindKey("c", "in"), nullptr);
    // Writing the flag of the listed picture touches its section only.
    const std::string written = WithIniValues(text, index, {{"c", "include", "1"}});
    EXPECT_EQ(written, text + "include=1\r\n");
}

class IniBatchFile : public TempFolderTest {};

#if defined(__unix__)
// A save that fails halfway leaves the old file: all values are in one replacement.
TEST_F(IniBatchFile, AFailedSaveLeavesTheWholeOldFile) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
    const std::string old = "[S]\r\na=old\r\n";
    IniFile ini(Put("batch.ini", old));
    std::vector<IniEntry> writes;
    for (int index = 0; index < 200; ++index) {
        writes.push_back({"S", "key" + std::to_string(index), std::string(20, 'v')});
    }
    {
        const FileSizeCap cap(1000);
        EXPECT_THROW(ini.WriteStrings(writes), FileWriteError);
    }
    EXPECT_EQ(OnDisk(ini.path()), old);
    EXPECT_EQ(ini.contents(), old);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"batch.ini"});
    ini.WriteStrings(writes);
    EXPECT_EQ(OnDisk(ini.path()), OneByOne(old, writes));
    EXPECT_EQ(IniFile(ini.path()).ReadString("s", "KEY199", ""), std::string(20, 'v'));
}
#endif

}  // namespace
}  // namespace tagforge
