#include "core/store/ini_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "test_text.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::FileSizeCap;
using test::TempFolderTest;
using test::W;

// Tests that read and write one INI file of their folder.
class IniFileTest : public TempFolderTest {
  protected:
    IniFile Load(std::string_view bytes) const { return IniFile(Put("test.ini", bytes)); }
};

class IniRead : public IniFileTest {};
class IniInteger : public IniFileTest {};
class IniSections : public IniFileTest {};
class IniWrite : public IniFileTest {};

// --- reading one value ---------------------------------------------------------------------

TEST_F(IniRead, FindsSectionAndKeyWithoutRegardToCase) {
    const IniFile ini = Load("[Main]\r\nColor=red\r\n");
    EXPECT_EQ(ini.ReadString("MAIN", "color", "none"), "red");
    EXPECT_EQ(ini.ReadString("main", "COLOR", "none"), "red");
}

TEST_F(IniRead, ComparesCyrillicNamesWithoutRegardToCase) {
    const IniFile ini = Load(W("[Раздел]\r\nКлюч=значение\r\nЁж=1\r\n"));
    EXPECT_EQ(ini.ReadString(W("РАЗДЕЛ"), W("ключ"), "none"), W("значение"));
    EXPECT_EQ(ini.ReadString(W("раздел"), W("КЛЮЧ"), "none"), W("значение"));
    EXPECT_EQ(ini.ReadString(W("раздел"), W("ёЖ"), "none"), "1");
    EXPECT_EQ(ini.ReadString(W("раздел"), W("ключи"), "none"), "none");
}

TEST_F(IniRead, TrimsSpacesTabsAndVerticalTabs) {
    const IniFile ini = Load(" \t[ Main \v]\r\n \t Key \v=\t value here \v \r\n");
    EXPECT_EQ(ini.ReadString("Main", "Key", "none"), "value here");
}

TEST_F(IniRead, RemovesOneMatchingPairOfQuotes) {
    const IniFile ini = Load(
        "[S]\r\nDouble=\"quoted\"\r\nSingle='single'\r\nTwice=\"\"x\"\"\r\n"
        "Padded=  \"  keep blanks  \"  \r\nEmpty=\"\"\r\nLone=\"\r\n");
    EXPECT_EQ(ini.ReadString("S", "Double", "none"), "quoted");
    EXPECT_EQ(ini.ReadString("S", "Single", "none"), "single");
    EXPECT_EQ(ini.ReadString("S", "Twice", "none"), "\"x\"");
    EXPECT_EQ(ini.ReadString("S", "Padded", "none"), "  keep blanks  ");
    EXPECT_EQ(ini.ReadString("S", "Empty", "none"), "");
    // One character is both first and last, but a pair needs two.
    EXPECT_EQ(ini.ReadString("S", "Lone", "none"), "\"");
}

TEST_F(IniRead, KeepsMismatchedQuotes) {
    const IniFile ini =
        Load("[S]\r\nMixed=\"abc'\r\nOpen=\"abc\r\nClose=abc\"\r\nInner=a\"b\"c\r\n");
    EXPECT_EQ(ini.ReadString("S", "Mixed", "none"), "\"abc'");
    EXPECT_EQ(ini.ReadString("S", "Open", "none"), "\"abc");
    EXPECT_EQ(ini.ReadString("S", "Close", "none"), "abc\"");
    EXPECT_EQ(ini.ReadString("S", "Inner", "none"), "a\"b\"c");
}

TEST_F(IniRead, KeepsEqualsSemicolonAndHashInValue) {
    const IniFile ini = Load("[S]\r\nK = a=b ; c # d\r\n");
    EXPECT_EQ(ini.ReadString("S", "K", "none"), "a=b ; c # d");
}

TEST_F(IniRead, SkipsCommentLines) {
    const IniFile ini = Load("[S]\r\n;K=comment\r\n \t; K=indented\r\nK=real\r\n;Only=1\r\n");
    EXPECT_EQ(ini.ReadString("S", "K", "none"), "real");
    EXPECT_EQ(ini.ReadString("S", "Only", "none"), "none");
    EXPECT_EQ(ini.ReadString("S", ";Only", "none"), "none");
}

TEST_F(IniRead, HashStartsNoComment) {
    const IniFile ini = Load("[S]\r\n#K=1\r\n");
    EXPECT_EQ(ini.ReadString("S", "#K", "none"), "1");
}

TEST_F(IniRead, LinesBeforeFirstSectionCannotBeRead) {
    const IniFile ini = Load("K=top\r\n[S]\r\nOther=1\r\n");
    EXPECT_EQ(ini.ReadString("S", "K", "none"), "none");
    EXPECT_EQ(ini.ReadString("", "K", "none"), "none");
}

TEST_F(IniRead, EmptyBracketsNameAnEmptySection) {
    const IniFile ini = Load("K=top\r\n[]\r\nK=inside\r\n");
    EXPECT_EQ(ini.ReadString("", "K", "none"), "inside");
}

TEST_F(IniRead, IgnoresTextAfterClosingBracket) {
    const IniFile ini = Load("[S] tail ] more\r\nK=v\r\n");
    EXPECT_EQ(ini.ReadString("S", "K", "none"), "v");
}

TEST_F(IniRead, UnclosedBracketIsNoHeader) {
    const IniFile ini = Load("[S]\r\n[T\r\nK=v\r\n");
    EXPECT_EQ(ini.ReadString("S", "K", "none"), "v");
    EXPECT_EQ(ini.ReadString("T", "K", "none"), "none");
}

TEST_F(IniRead, FirstDuplicateSectionWins) {
    const IniFile ini = Load("[S]\r\nA=1\r\n[T]\r\nX=0\r\n[s]\r\nA=2\r\nB=3\r\n");
    EXPECT_EQ(ini.ReadString("S", "A", "none"), "1");
    EXPECT_EQ(ini.ReadString("S", "B", "none"), "none");
}

TEST_F(IniRead, FirstDuplicateKeyWins) {
    const IniFile ini = Load("[S]\r\nA=1\r\na=2\r\n");
    EXPECT_EQ(ini.ReadString("S", "A", "none"), "1");
}

TEST_F(IniRead, KeysEndAtTheNextSection) {
    const IniFile ini = Load("[A]\r\n[B]\r\nK=1\r\n");
    EXPECT_EQ(ini.ReadString("A", "K", "none"), "none");
    EXPECT_EQ(ini.ReadString("B", "K", "none"), "1");
}

TEST_F(IniRead, LineWithoutEqualsNeverMatches) {
    const IniFile ini = Load("[S]\r\nA\r\nA=2\r\nB\r\n");
    EXPECT_EQ(ini.ReadString("S", "A", "none"), "2");
    EXPECT_EQ(ini.ReadString("S", "B", "none"), "none");
}

TEST_F(IniRead, UnderstandsEveryLineEnding) {
    const IniFile crOnly = Load("[S]\rA=1\rB=2\r[T]\rC=3");
    EXPECT_EQ(crOnly.ReadString("S", "A", "none"), "1");
    EXPECT_EQ(crOnly.ReadString("S", "B", "none"), "2");
    EXPECT_EQ(crOnly.ReadString("T", "C", "none"), "3");

    const IniFile lfOnly = Load("[S]\nA=1\nB=2\n[T]\nC=3\n");
    EXPECT_EQ(lfOnly.ReadString("S", "B", "none"), "2");
    EXPECT_EQ(lfOnly.ReadString("T", "C", "none"), "3");

    const IniFile mixed = Load("[S]\r\n\n\rA=1\n\rB=2\r\n");
    EXPECT_EQ(mixed.ReadString("S", "A", "none"), "1");
    EXPECT_EQ(mixed.ReadString("S", "B", "none"), "2");
}

TEST_F(IniRead, CutsLongValues) {
    const std::string longValue(3000, 'x');
    const IniFile ini = Load("[S]\r\nPlain=" + longValue + "\r\nQuoted=\"" + longValue + "\"\r\n");
    EXPECT_EQ(ini.ReadString("S", "Plain", ""), std::string(IniFile::kMaxValueLength, 'x'));
    EXPECT_EQ(ini.ReadString("S", "Quoted", ""), std::string(IniFile::kMaxValueLength, 'x'));
}

TEST_F(IniRead, MissingFileSectionOrKeyGiveTheDefault) {
    const IniFile missing(folder() / "missing.ini");
    EXPECT_FALSE(missing.exists());
    EXPECT_EQ(missing.ReadString("S", "K", " fall back "), " fall back ");

    const IniFile ini = Load("[S]\r\nK=v\r\n");
    EXPECT_TRUE(ini.exists());
    EXPECT_EQ(ini.ReadString("T", "K", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("S", "X", "dflt"), "dflt");
}

TEST_F(IniRead, PresentEmptyValueIsNotTheDefault) {
    const IniFile ini = Load("[S]\r\nK=\r\n");
    EXPECT_EQ(ini.ReadString("S", "K", "dflt"), "");
}

TEST_F(IniRead, FindsKeyInLastOfManySections) {
    std::string text;
    for (int index = 0; index < 5000; ++index) {
        const std::string number = std::to_string(index);
        text.append("[Item").append(number).append("]\r\nName=n").append(number);
        text.append("\r\nPrice=").append(number).append("\r\n");
    }
    const IniFile ini = Load(text);
    EXPECT_EQ(ini.ReadString("item4999", "name", ""), "n4999");
    EXPECT_EQ(ini.ReadInteger("Item2500", "Price", -1), 2500);
}

// --- reading integers ----------------------------------------------------------------------

TEST_F(IniInteger, ReadsSignedDecimals) {
    EXPECT_EQ(ParseProfileInteger("-7", 0), -7);
    EXPECT_EQ(ParseProfileInteger("+7", 0), 7);
    EXPECT_EQ(ParseProfileInteger("42", 0), 42);
    EXPECT_EQ(ParseProfileInteger("007", 0), 7);
    EXPECT_EQ(ParseProfileInteger("0", 9), 0);
}

TEST_F(IniInteger, ReadsHexadecimalAfter0x) {
    EXPECT_EQ(ParseProfileInteger("0x5", 0), 5);
    EXPECT_EQ(ParseProfileInteger("0X1f", 0), 31);
    EXPECT_EQ(ParseProfileInteger("0xFF", 0), 255);
    EXPECT_EQ(ParseProfileInteger("0x7FFFFFFF", 0), 2147483647);
}

TEST_F(IniInteger, MalformedTextGivesTheDefault) {
    for (const char* bad : {"", "0x", "0X", "12abc", "abc", "+", "-", "+-5", "0x1g", "-0x5", " 5",
                            "5 ", "1 2", "5.0", "0x 5"}) {
        EXPECT_EQ(ParseProfileInteger(bad, -99), -99) << '"' << bad << '"';
    }
}

TEST_F(IniInteger, NumbersBeyond32BitsGiveTheDefault) {
    EXPECT_EQ(ParseProfileInteger("2147483647", 0), 2147483647);
    EXPECT_EQ(ParseProfileInteger("-2147483648", 0), -2147483648L);
    EXPECT_EQ(ParseProfileInteger("2147483648", -1), -1);
    EXPECT_EQ(ParseProfileInteger("-2147483649", -1), -1);
    EXPECT_EQ(ParseProfileInteger("0x80000000", -1), -1);
    EXPECT_EQ(ParseProfileInteger("99999999999999999999999", -1), -1);
    EXPECT_EQ(ParseProfileInteger("0x10000000000000000", -1), -1);
}

TEST_F(IniInteger, ReadsTheTrimmedUnquotedValue) {
    const IniFile ini =
        Load("[S]\r\nQuoted = \"12\" \r\nHex=0x10\r\nBad=12abc\r\nEmpty=\r\nBlank=\" 3\"\r\n");
    EXPECT_EQ(ini.ReadInteger("s", "quoted", -1), 12);
    EXPECT_EQ(ini.ReadInteger("S", "Hex", -1), 16);
    EXPECT_EQ(ini.ReadInteger("S", "Bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("S", "Empty", -1), -1);
    EXPECT_EQ(ini.ReadInteger("S", "Blank", -1), -1);
    EXPECT_EQ(ini.ReadInteger("S", "Missing", 77), 77);
    EXPECT_EQ(ini.ReadInteger("T", "Hex", 77), 77);
}

TEST(AtolWin32, SkipsWhiteSpaceAndStopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(AtolWin32("  42abc"), 42);
    EXPECT_EQ(AtolWin32("\t\r\n\v\f+13x"), 13);
    EXPECT_EQ(AtolWin32("7 8"), 7);
    EXPECT_EQ(AtolWin32("0x1F"), 0);
}

TEST(AtolWin32, ReadsOneSign) {
    EXPECT_EQ(AtolWin32("-5"), -5);
    EXPECT_EQ(AtolWin32("+5"), 5);
    EXPECT_EQ(AtolWin32("+-5"), 0);
    EXPECT_EQ(AtolWin32("- 5"), 0);
}

TEST(AtolWin32, NoDigitsGiveZero) {
    EXPECT_EQ(AtolWin32("abc"), 0);
    EXPECT_EQ(AtolWin32(""), 0);
    EXPECT_EQ(AtolWin32("   "), 0);
    EXPECT_EQ(AtolWin32("-"), 0);
}

TEST(AtolWin32, SaturatesAt32Bits) {
    EXPECT_EQ(AtolWin32("99999999999"), 2147483647);
    EXPECT_EQ(AtolWin32("-99999999999"), -2147483648L);
    EXPECT_EQ(AtolWin32("2147483647"), 2147483647);
    EXPECT_EQ(AtolWin32("-2147483648"), -2147483648L);
    EXPECT_EQ(AtolWin32("2147483648"), 2147483647);
    EXPECT_EQ(AtolWin32(std::string(200, '9') + "x"), 2147483647);
}

// --- listing sections ----------------------------------------------------------------------

TEST_F(IniSections, ListsNamesInFileOrderTrimmedWithDuplicates) {
    const IniFile ini = Load("x=1\r\n[ B ]\r\nk=v\r\n[a]\r\n;[c]\r\n[B]\n[\tlast one\v]");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"B", "a", "B", "last one"}));
}

TEST_F(IniSections, EmptySectionNameEndsTheList) {
    const IniFile ini = Load("[a]\r\n[]\r\n[b]\r\n");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"a"}));
}

TEST_F(IniSections, NoSectionsGiveAnEmptyList) {
    EXPECT_TRUE(IniFile(folder() / "missing.ini").ReadSections().empty());
    EXPECT_TRUE(Load("k=v\r\n; [x]\r\n").ReadSections().empty());
}

TEST_F(IniSections, NameThatDoesNotFitIsCutAndLaterNamesAreLost) {
    const IniFile ini = Load("[alpha]\r\n[beta]\r\n[gamma]\r\n[delta]\r\n");
    // "alpha\0beta\0" takes 11 of the 13 bytes a 14-byte buffer leaves for names, so "gamma"
    // keeps one letter before the two closing NULs; "delta" never reaches the buffer.
    EXPECT_EQ(ini.ReadSections(14), (std::vector<std::string>{"alpha", "beta", "g"}));
    EXPECT_EQ(ini.ReadSections(16), (std::vector<std::string>{"alpha", "beta", "gam"}));
}

TEST_F(IniSections, NameCutToNothingIsNotListed) {
    const IniFile ini = Load("[alpha]\r\n[beta]\r\n[gamma]\r\n");
    // With 12 bytes of room, "alpha\0beta\0" leaves one byte: only the NUL of an empty name.
    EXPECT_EQ(ini.ReadSections(13), (std::vector<std::string>{"alpha", "beta"}));
}

TEST_F(IniSections, ListFitsWhenTheFinalNulFitsInBudgetLessOne) {
    const IniFile ini = Load("[alpha]\r\n[beta]\r\n[gamma]\r\n[delta]\r\n");
    // All four names and the closing NUL take 6 + 5 + 6 + 6 + 1 = 24 bytes.
    EXPECT_EQ(ini.ReadSections(25), (std::vector<std::string>{"alpha", "beta", "gamma", "delta"}));
    // One byte less: "delta" is the name that does not fit and loses its last letter.
    EXPECT_EQ(ini.ReadSections(23), (std::vector<std::string>{"alpha", "beta", "gamma", "delt"}));
}

TEST_F(IniSections, NameReachingTheLastByteStillClosesTheList) {
    const IniFile ini = Load("[alpha]\r\n[beta]\r\n[gamma]\r\n[delta]\r\n[eps]\r\n");
    // A 24-byte buffer leaves 23 bytes for names; "delta" and its NUL take the last 6 of them,
    // which leaves no byte for the closing NUL, so "delta" counts as cut and "eps" is lost.
    EXPECT_EQ(ini.ReadSections(24), (std::vector<std::string>{"alpha", "beta", "gamma", "delta"}));
}

TEST_F(IniSections, TinyBudgetsGiveNothing) {
    const IniFile ini = Load("[alpha]\r\n");
    EXPECT_TRUE(ini.ReadSections(0).empty());
    EXPECT_TRUE(ini.ReadSections(1).empty());
    EXPECT_TRUE(ini.ReadSections(2).empty());
    EXPECT_EQ(ini.ReadSections(3), (std::vector<std::string>{"a"}));
}

TEST_F(IniSections, DefaultBudgetHolds16384Bytes) {
    std::string text;
    for (int index = 1000; index < 3000; ++index) {
        text += "[section" + std::to_string(index) + "]\r\n";
    }
    const std::vector<std::string> names = Load(text).ReadSections();
    // Each name takes 11 bytes and a NUL: 1365 * 12 = 16380 of the 16383 bytes of room, and
    // the 1366th name keeps the two letters that still fit.
    ASSERT_EQ(names.size(), 1366u);
    EXPECT_EQ(names[0], "section1000");
    EXPECT_EQ(names[1364], "section2364");
    EXPECT_EQ(names[1365], "se");
}

// --- writing -------------------------------------------------------------------------------

TEST_F(IniWrite, ReplacesValueInPlaceKeepingKeySpellingAndLineEnding) {
    IniFile ini = Load("; head\n[Main]\n  FontSize = 4 \nOther=1\n");
    ini.WriteString("main", "fontsize", "12");
    const std::string expected = "; head\n[Main]\nFontSize=12\nOther=1\n";
    EXPECT_EQ(ini.contents(), expected);
    EXPECT_EQ(OnDisk(ini.path()), expected);
}

TEST_F(IniWrite, ReplacesTheKeyOfTheFirstSectionOnly) {
    IniFile ini = Load("[S]\r\nA=1\r\na=2\r\n[s]\r\nA=3\r\n");
    ini.WriteString("S", "A", "9");
    EXPECT_EQ(OnDisk(ini.path()), "[S]\r\nA=9\r\na=2\r\n[s]\r\nA=3\r\n");
}

TEST_F(IniWrite, ReplacesALastLineThatHasNoLineBreak) {
    IniFile ini = Load("[S]\r\nA=1");
    ini.WriteString("S", "A", "22");
    EXPECT_EQ(OnDisk(ini.path()), "[S]\r\nA=22");
}

TEST_F(IniWrite, AddsKeyAfterTheLastKeyLineOfItsSection) {
    IniFile ini = Load("[S]\r\nA=1\r\nstray\r\n; note=x\r\n\r\n[T]\r\nX=1\r\n");
    ini.WriteString("s", "B", "2");
    EXPECT_EQ(OnDisk(ini.path()), "[S]\r\nA=1\r\nB=2\r\nstray\r\n; note=x\r\n\r\n[T]\r\nX=1\r\n");
}

TEST_F(IniWrite, AddsKeyAfterTheHeaderOfASectionWithoutKeys) {
    IniFile ini = Load("[S]\n; c\n[T]\n");
    ini.WriteString("S", "B", "2");
    EXPECT_EQ(OnDisk(ini.path()), "[S]\nB=2\r\n; c\n[T]\n");
}

TEST_F(IniWrite, AddsKeyToTheFirstOfDuplicateSections) {
    IniFile ini = Load("[S]\r\nA=1\r\n[S]\r\nB=1\r\n");
    ini.WriteString("S", "B", "2");
    EXPECT_EQ(OnDisk(ini.path()), "[S]\r\nA=1\r\nB=2\r\n[S]\r\nB=1\r\n");
    EXPECT_EQ(ini.ReadString("S", "B", ""), "2");
}

TEST_F(IniWrite, BreaksAnUnendedLastLineBeforeAddingAKey) {
    IniFile keyLast = Load("[S]\r\nA=1");
    keyLast.WriteString("S", "B", "2");
    EXPECT_EQ(OnDisk(keyLast.path()), "[S]\r\nA=1\r\nB=2\r\n");

    IniFile headerLast = Load("[S]");
    headerLast.WriteString("S", "B", "2");
    EXPECT_EQ(OnDisk(headerLast.path()), "[S]\r\nB=2\r\n");
}

TEST_F(IniWrite, AppendsAMissingSectionAtTheEnd) {
    IniFile ended = Load("[S]\r\nA=1\r\n");
    ended.WriteString("T", "K", "v");
    EXPECT_EQ(OnDisk(ended.path()), "[S]\r\nA=1\r\n[T]\r\nK=v\r\n");

    IniFile lfEnded = Load("[S]\nA=1\n\n");
    lfEnded.WriteString("T", "K", "v");
    EXPECT_EQ(OnDisk(lfEnded.path()), "[S]\nA=1\n\n[T]\r\nK=v\r\n");
}

TEST_F(IniWrite, AppendsALineBreakBeforeANewSectionWhenTheFileLacksOne) {
    IniFile ini = Load("[S]\r\nA=1");
    ini.WriteString("T", "K", "v");
    EXPECT_EQ(OnDisk(ini.path()), "[S]\r\nA=1\r\n[T]\r\nK=v\r\n");
}

TEST_F(IniWrite, WritesIntoAnEmptyFileWithoutALeadingBreak) {
    IniFile ini = Load("");
    ini.WriteString("T", "K", "v");
    EXPECT_EQ(OnDisk(ini.path()), "[T]\r\nK=v\r\n");
}

TEST_F(IniWrite, CreatesAMissingFile) {
    const fs::path file = folder() / "new.ini";
    IniFile ini(file);
    ASSERT_FALSE(ini.exists());
    ini.WriteString("Form", "ActivePage", "0");
    EXPECT_TRUE(ini.exists());
    EXPECT_EQ(OnDisk(file), "[Form]\r\nActivePage=0\r\n");
    EXPECT_EQ(ini.contents(), OnDisk(file));
    EXPECT_EQ(IniFile(file).ReadString("form", "activepage", ""), "0");
}

TEST_F(IniWrite, WritesTheValueAsGiven) {
    IniFile ini = Load("[S]\r\n");
    ini.WriteString("S", "K", "  a \"b\" ; c  ");
    EXPECT_EQ(OnDisk(ini.path()), "[S]\r\nK=  a \"b\" ; c  \r\n");
    EXPECT_EQ(ini.ReadString("S", "K", ""), "a \"b\" ; c");
}

TEST_F(IniWrite, LeavesEveryOtherByteAlone) {
    const std::string before =
        "top text\r\nloose=1\n[ Main ]  ; note\r\n\tKey = old \r; comment\n\nNoEquals\r\n"
        "[Other]\nKey=other\n\v\r\n[Main]\r\nKey=late";
    IniFile ini = Load(before);
    ini.WriteString("MAIN", "key", "new");
    const std::string after =
        "top text\r\nloose=1\n[ Main ]  ; note\r\nKey=new\r; comment\n\nNoEquals\r\n"
        "[Other]\nKey=other\n\v\r\n[Main]\r\nKey=late";
    EXPECT_EQ(OnDisk(ini.path()), after);
    EXPECT_EQ(ini.contents(), after);
}

TEST_F(IniWrite, ConsecutiveWritesKeepMemoryAndDiskInStep) {
    IniFile ini(folder() / "steps.ini");
    ini.WriteString("A", "x", "1");
    ini.WriteString("B", "y", "2");
    ini.WriteString("A", "z", "3");
    ini.WriteString("a", "X", "4");
    const std::string expected = "[A]\r\nx=4\r\nz=3\r\n[B]\r\ny=2\r\n";
    EXPECT_EQ(ini.contents(), expected);
    EXPECT_EQ(OnDisk(ini.path()), expected);
}

TEST_F(IniWrite, LeavesNoTemporaryFileBehind) {
    IniFile ini(folder() / "only.ini");
    for (int index = 0; index < 5; ++index) {
        ini.WriteString("S", "K" + std::to_string(index), "v");
    }
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"only.ini"}));
}

TEST(IniFileWriteError, NamesThePath) {
    const FileWriteError error(fs::path("/some/where/a.ini"));
    EXPECT_STREQ(error.what(), "Unable to write to /some/where/a.ini");
    EXPECT_EQ(error.path(), fs::path("/some/where/a.ini"));
}

TEST_F(IniWrite, FailsWhenTheParentIsARegularFile) {
    Put("file.txt", "plain");
    const fs::path target = folder() / "file.txt" / "sub" / "x.ini";
    IniFile ini(target);
    try {
        ini.WriteString("S", "K", "v");
        FAIL() << "the write should have failed";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + target.string());
        EXPECT_EQ(error.path(), target);
    }
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.contents(), "");
    EXPECT_EQ(OnDisk(folder() / "file.txt"), "plain");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"file.txt"}));
}

TEST_F(IniWrite, FailsWhenTheTargetIsADirectory) {
    const fs::path target = folder() / "target.ini";
    fs::create_directory(target);
    IniFile ini(target);
    try {
        ini.WriteString("S", "K", "v");
        FAIL() << "the write should have failed";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + target.string());
    }
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.contents(), "");
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_TRUE(fs::is_empty(target));
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"target.ini"}));
}

TEST_F(IniWrite, FailedWriteOfALoadedFileChangesNothing) {
    const std::string before = "[S]\r\nA=1\r\n";
    IniFile ini = Load(before);
    // The file turns into a folder behind the reader's back, so the rename cannot land.
    fs::remove(ini.path());
    fs::create_directory(ini.path());
    EXPECT_THROW(ini.WriteString("S", "A", "2"), FileWriteError);
    EXPECT_EQ(ini.contents(), before);
    EXPECT_EQ(ini.ReadString("S", "A", ""), "1");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"test.ini"}));
}

TEST_F(IniWrite, DoesNotCreateAMissingFolder) {
    const fs::path target = folder() / "missing" / "x.ini";
    IniFile ini(target);
    EXPECT_THROW(ini.WriteString("S", "K", "v"), FileWriteError);
    EXPECT_FALSE(fs::exists(folder() / "missing"));
}

#if defined(__unix__)
TEST_F(IniWrite, FullDiskChangesNeitherFileNorMemory) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
    const std::string before = "[S]\r\nA=1\r\n";
    IniFile ini = Load(before);
    bool failed = false;
    {
        const FileSizeCap cap(before.size());
        try {
            ini.WriteString("S", "Longer", "this no longer fits");
        } catch (const FileWriteError&) {
            failed = true;
        }
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(ini.contents(), before);
    EXPECT_EQ(OnDisk(ini.path()), before);
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"test.ini"}));
}
#endif

}  // namespace
}  // namespace tagforge
