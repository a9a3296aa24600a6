#include "core/store/profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/store/ini_file.h"
#include "temp_folder.h"
#include "test_text.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::FileSizeCap;
using test::TempFolderTest;
using test::W;

class ProfileRead : public TempFolderTest {};
class ProfileWrite : public TempFolderTest {};

const ProfileKey& KeyOf(std::string_view section, std::string_view name) {
    const auto& keys = ProfileKeys();
    const auto found = std::find_if(keys.begin(), keys.end(), [&](const ProfileKey& key) {
        return key.section == section && key.name == name;
    });
    if (found == keys.end()) {
        throw std::invalid_argument("no such profile key");
    }
    return *found;
}

// A profile in which every field differs from its default.
Profile EveryFieldChanged() {
    Profile p;
    p.formActivePage = 1;
    p.otherNameEnabled = true;
    p.otherNameColorEnabled = true;
    p.otherName = W("  Вася Пупкин  ");
    p.otherNickColor = FromColorCode("123456");
    p.other3rdFaceEnabled = true;
    p.page1OwnText = W("своё");
    p.tagEnabled = true;
    p.tag = "<b>";
    p.fontNameEnabled = true;
    p.fontName = "Times New Roman";
    p.fontSizeEnabled = true;
    p.fontSize = -2;
    p.solidColor = FromColorCode("010203");
    p.gradientBeginColor = FromColorCode("A0B0C0");
    p.gradientEndColor = FromColorCode("ABCDEF");
    p.alternationFirstColor = FromColorCode("000000");
    p.alternationSecondColor = FromColorCode("FEDCBA");
    p.onlyForYouColor = FromColorCode("777777");
    p.onlyForYouColorEnable = true;
    p.reciever = W("Получатель");
    p.text = W("первая\r\nвторая = ; #\r\n  третья ");
    p.onlyForYouEnabled = true;
    p.onlyForYouModificator = "for you: ";
    p.okEnabled = true;
    p.okType = "'ok'";
    p.okColor = FromColorCode("FFFFFF");
    p.okColorEnabled = true;
    p.jumpFontEnabled = true;
    p.reverseTextEnabled = true;
    p.jumpFontValue = 75;
    p.colorEffectEnabled = true;
    p.colorEffect = 3;
    p.gradientStops = "FF0000 00ff00 0000FF";
    p.underLine = true;
    p.italic = true;
    p.bold = true;
    p.page2ActivePage = 2;
    p.where = W("в лесу");
    p.action = "kicked";
    p.period = "5 min";
    p.killerName = "Killer";
    p.victimName = "Victim";
    p.reasonName = "\"flood\"";
    p.page2OwnText = " own ";
    p.whatDo = "dance";
    p.nick = "Nick";
    p.nicks = {"alpha", "", W("бета")};
    p.personallyErrorMessage = "Sorry";
    p.persErrorType = 1;
    p.comeColorEnabled = true;
    p.comeColor = FromColorCode("C0FFEE");
    p.asciiName = "(o_O)";
    return p;
}

// --- the Lines encoding --------------------------------------------------------------------

TEST(LinesEncoding, TextTurnsEachCarriageReturnAndTheNextCharacterIntoAMarker) {
    EXPECT_EQ(EncodeLinesText("a\r\nb\r\nc"), "a[::]b[::]c");
    EXPECT_EQ(EncodeLinesText("a\rb"), "a[::]");
    EXPECT_EQ(EncodeLinesText("a\r"), "a[::]");
    EXPECT_EQ(EncodeLinesText("a\nb"), "a\nb");
    EXPECT_EQ(EncodeLinesText("\r\n\r\n"), "[::][::]");
    EXPECT_EQ(EncodeLinesText(""), "");
}

TEST(LinesEncoding, TextDecodesEveryMarkerToALineBreak) {
    EXPECT_EQ(DecodeLinesText("a[::]b[::]"), "a\r\nb\r\n");
    EXPECT_EQ(DecodeLinesText("[::][::]"), "\r\n\r\n");
    EXPECT_EQ(DecodeLinesText("[:][::"), "[:][::");
    EXPECT_EQ(DecodeLinesText("[[::]]"), "[\r\n]");
    EXPECT_EQ(DecodeLinesText(""), "");
}

TEST(LinesEncoding, ListJoinsItemsWithMarkersBetweenThem) {
    EXPECT_EQ(EncodeLinesList({"a", "", "b"}), "a[::][::]b");
    EXPECT_EQ(EncodeLinesList({"x"}), "x");
    EXPECT_EQ(EncodeLinesList({}), "");
    EXPECT_EQ(EncodeLinesList({"a", ""}), "a[::]");
}

TEST(LinesEncoding, ListKeepsEmptyItemsExceptAfterTheLastMarker) {
    using Items = std::vector<std::string>;
    EXPECT_EQ(DecodeLinesList(""), Items{});
    EXPECT_EQ(DecodeLinesList("a"), Items{"a"});
    EXPECT_EQ(DecodeLinesList("a[::]"), Items{"a"});
    EXPECT_EQ(DecodeLinesList("[::]"), Items{""});
    EXPECT_EQ(DecodeLinesList("a[::][::]b"), (Items{"a", "", "b"}));
    EXPECT_EQ(DecodeLinesList("a[::][::]"), (Items{"a", ""}));
}

// --- the key table -------------------------------------------------------------------------

TEST(ProfileTable, ListsEveryKeyOnceInWritingOrder) {
    const auto& keys = ProfileKeys();
    ASSERT_EQ(keys.size(), 53u);  // 1 in Form, 36 in Page1, 16 in Page2
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (const ProfileKey& key : keys) {
        EXPECT_TRUE(seen.emplace(key.section, key.name).second) << key.section << "." << key.name;
    }
    EXPECT_EQ(keys.front().section, "Form");
    EXPECT_EQ(keys.front().name, "ActivePage");
    EXPECT_EQ(keys[1].name, "OtherNameEnabled");
    EXPECT_EQ(keys[32].name, "ColorEffect");
    EXPECT_EQ(keys[33].name, "GradientStops");
    EXPECT_EQ(keys[36].name, "Bold");
    EXPECT_EQ(keys[37].section, "Page2");
    EXPECT_EQ(keys[37].name, "ActivePage");
    EXPECT_EQ(keys.back().name, "ASCIIName");
    // Sections come in one run each, so a new file holds each header once.
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end(),
                               [](const auto& a, const auto& b) { return a.section < b.section; }));
}

TEST(ProfileTable, GivesEachKeyItsKind) {
    EXPECT_EQ(KeyOf("Page1", "Text").kind, ProfileValueKind::LinesText);
    EXPECT_EQ(KeyOf("Page2", "Nicks").kind, ProfileValueKind::LinesList);
    EXPECT_EQ(KeyOf("Page2", "ComeColor").kind, ProfileValueKind::BareColour);
    EXPECT_EQ(KeyOf("Page1", "OkColor").kind, ProfileValueKind::Colour);
    EXPECT_EQ(KeyOf("Page1", "FontSize").kind, ProfileValueKind::Integer);
    EXPECT_EQ(KeyOf("Page1", "Bold").kind, ProfileValueKind::Flag);
    EXPECT_EQ(KeyOf("Page1", "OkType").kind, ProfileValueKind::Text);
}

// --- written forms -------------------------------------------------------------------------

TEST(ProfileValues, AreWrittenInTheFormOfTheirKind) {
    Profile p;
    p.bold = true;
    p.fontSize = -12;
    p.otherName = " spaced ";
    p.text = "one\r\ntwo";
    p.nicks = {"a", "", "b"};
    p.solidColor = FromColorCode("3399ff");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page1", "Bold")), "1");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page1", "Italic")), "0");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page1", "FontSize")), "-12");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page1", "OtherName")), "\" spaced \"");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page1", "Text")), "\"one[::]two\"");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page2", "Nicks")), "\"a[::][::]b\"");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page1", "SolidColor")), "\"3399FF\"");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page2", "ComeColor")), "3399FF");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page1", "OnlyForYouModificator")),
              "\"" + W("только для вас, ") + "\"");
}

TEST(ProfileValues, SameNameInTwoSectionsNamesTwoFields) {
    Profile p;
    p.formActivePage = 1;
    p.page2ActivePage = 2;
    p.page1OwnText = "first";
    p.page2OwnText = "second";
    EXPECT_EQ(WrittenValue(p, KeyOf("Form", "ActivePage")), "1");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page2", "ActivePage")), "2");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page1", "OwnText")), "\"first\"");
    EXPECT_EQ(WrittenValue(p, KeyOf("Page2", "OwnText")), "\"second\"");
}

TEST(ProfileValues, TestProfileChangesEveryKey) {
    const Profile changed = EveryFieldChanged();
    const Profile defaults;
    for (const ProfileKey& key : ProfileKeys()) {
        EXPECT_NE(WrittenValue(changed, key), WrittenValue(defaults, key))
            << key.section << "." << key.name;
    }
}

// --- reading -------------------------------------------------------------------------------

TEST_F(ProfileRead, MissingFileGivesTheDefaults) {
    const Profile read = ReadProfile(IniFile(folder() / "missing.ini"));
    EXPECT_EQ(read, Profile{});
    EXPECT_EQ(read.fontSize, 4);
    EXPECT_EQ(read.okType, "Ok?");
    EXPECT_EQ(ToColorCode(read.otherNickColor), "3399FF");
    EXPECT_EQ(read.onlyForYouModificator, W("только для вас, "));
}

TEST_F(ProfileRead, MissingKeysGiveTheirDefaults) {
    const fs::path file = Put("p.ini", "[Form]\r\n[Page1]\r\nBold=1\r\n[Other]\r\nFontSize=9\r\n");
    Profile expected;
    expected.bold = true;
    EXPECT_EQ(ReadProfile(IniFile(file)), expected);
}

TEST_F(ProfileRead, FlagIsOnForAnyNumberButZero) {
    const fs::path file = Put(
        "p.ini",
        "[Page1]\r\nBold=-1\r\nItalic=0x1\r\nUnderLine=abc\r\nTagEnabled=0\r\nOkEnabled=\"2\"\r\n");
    const Profile read = ReadProfile(IniFile(file));
    EXPECT_TRUE(read.bold);
    EXPECT_TRUE(read.italic);
    EXPECT_FALSE(read.underLine);
    EXPECT_FALSE(read.tagEnabled);
    EXPECT_TRUE(read.okEnabled);
}

TEST_F(ProfileRead, IntegerAcceptsHexadecimalAndFallsBackOnGarbage) {
    const fs::path file =
        Put("p.ini", "[Page1]\r\nFontSize=0x5\r\nJumpFontValue=12abc\r\nColorEffect=\r\n");
    const Profile read = ReadProfile(IniFile(file));
    EXPECT_EQ(read.fontSize, 5);
    EXPECT_EQ(read.jumpFontValue, 50);
    EXPECT_EQ(read.colorEffect, 0);
}

TEST_F(ProfileRead, StopListIsKeptAsWrittenAndMissingGivesTheGradientColours) {
    struct Case {
        const char* page1;
        const char* stops;
    };
    const Case cases[] = {
        {"GradientBeginColor=\"123456\"\r\nGradientEndColor=\"abcdef\"\r\n", "123456 ABCDEF"},
        {"", "00FF00 0000FF"},
        {"GradientStops=\"FF0000 00ff00 0000FF\"\r\nGradientBeginColor=\"123456\"\r\n",
         "FF0000 00ff00 0000FF"},
        // An invalid list stays as it is; the effect falls back when it uses the list.
        {"GradientStops=\"FF0000  00FF00\"\r\n", "FF0000  00FF00"},
        {"GradientStops=\r\n", ""},
    };
    for (const Case& c : cases) {
        const fs::path file = Put("p.ini", std::string("[Page1]\r\n") + c.page1);
        EXPECT_EQ(ReadProfile(IniFile(file)).gradientStops, c.stops) << c.page1;
    }
}

TEST_F(ProfileRead, MalformedColourReadsWhite) {
    const fs::path file = Put("p.ini",
                              "[Page1]\r\nSolidColor=\"12345\"\r\nOkColor=zzzzzz\r\n"
                              "[Page2]\r\nComeColor=\"abcdef\"\r\n");
    const Profile read = ReadProfile(IniFile(file));
    EXPECT_EQ(read.solidColor, kWhite);
    EXPECT_EQ(read.okColor, kWhite);
    EXPECT_EQ(read.comeColor, FromColorCode("ABCDEF"));
    EXPECT_EQ(read.gradientBeginColor, Profile{}.gradientBeginColor);
}

TEST_F(ProfileRead, MarkerInsideAMessageReadsAsALineBreak) {
    const fs::path file = Put("p.ini", "[Page1]\r\nText=\"x[::]y\"\r\n");
    EXPECT_EQ(ReadProfile(IniFile(file)).text, "x\r\ny");
}

TEST_F(ProfileRead, MessageIsReadWholeWhileOtherTextsAreCut) {
    // 2045 letters, then a marker where the 2047-character cut of other values would fall.
    const std::string letters(2045, 'x');
    const std::string tail(3000, 'y');
    const fs::path file = Put("p.ini", "[Page1]\r\nOtherName=\"" + letters + "[::]yy\"\r\nText=\"" +
                                           letters + "[::]" + tail + "\"\r\n");
    const Profile read = ReadProfile(IniFile(file));
    EXPECT_EQ(read.text, letters + "\r\n" + tail);
    EXPECT_EQ(read.otherName, letters + "[:");
}

// --- writing -------------------------------------------------------------------------------

TEST_F(ProfileWrite, DefaultProfileFileBeginsWithFormThenPage1) {
    IniFile ini(folder() / "default.ini");
    WriteProfile(ini, Profile{});
    const std::string disk = OnDisk(ini.path());
    const std::string beginning =
        "[Form]\r\nActivePage=0\r\n[Page1]\r\nOtherNameEnabled=0\r\nOtherNameColorEnabled=0\r\n"
        "OtherName=\"\"\r\nOtherNickColor=\"3399FF\"\r\n";
    EXPECT_EQ(disk.substr(0, beginning.size()), beginning);
    EXPECT_NE(disk.find("\r\nFontSize=4\r\nSolidColor=\"FF0000\"\r\n"), std::string::npos);
    EXPECT_NE(disk.find("\r\nOnlyForYouModificator=\"" + W("только для вас, ") + "\"\r\n"),
              std::string::npos);
    EXPECT_NE(disk.find("\r\nBold=0\r\n[Page2]\r\nActivePage=0\r\nWhere=\"\"\r\n"),
              std::string::npos);
    EXPECT_NE(disk.find("\r\nNicks=\"\"\r\n"), std::string::npos);
    const std::string ending = "\r\nComeColor=3399FF\r\nASCIIName=\"\"\r\n";
    EXPECT_EQ(disk.substr(disk.size() - ending.size()), ending);
    // Three headers and one line per key, all ended by CR LF.
    EXPECT_EQ(std::count(disk.begin(), disk.end(), '\n'), 56);
    EXPECT_EQ(std::count(disk.begin(), disk.end(), '\r'), 56);
}

TEST_F(ProfileWrite, EveryFieldSurvivesARoundTrip) {
    const Profile original = EveryFieldChanged();
    const fs::path file = folder() / "round.ini";
    IniFile ini(file);
    WriteProfile(ini, original);
    EXPECT_EQ(ini.contents(), OnDisk(file));
    EXPECT_EQ(ReadProfile(IniFile(file)), original);
    EXPECT_EQ(ReadProfile(ini), original);
}

TEST_F(ProfileWrite, LineBreaksInsideValuesBecomeSpaces) {
    struct Case {
        const char* what;
        void (*set)(Profile&);
        std::string line;
    };
    const Case cases[] = {
        {"text, CR LF", [](Profile& p) { p.otherName = "line1\r\nline2"; },
         "\r\nOtherName=\"line1 line2\"\r\n"},
        {"text, lone CR and LF", [](Profile& p) { p.whatDo = "a\rb\nc"; },
         "\r\nWhatDo=\"a b c\"\r\n"},
        {"message, lone LF", [](Profile& p) { p.text = "x\ny\r\nz"; }, "\r\nText=\"x y[::]z\"\r\n"},
        {"list item",
         [](Profile& p) {
             p.nicks = {"a\r\nb", "c"};
         },
         "\r\nNicks=\"a b[::]c\"\r\n"},
    };
    for (const Case& c : cases) {
        Profile profile;
        c.set(profile);
        IniFile ini(folder() / "breaks.ini");
        // Saved twice: a stray line would grow with every save.
        WriteProfile(ini, profile);
        WriteProfile(ini, profile);
        const std::string disk = OnDisk(ini.path());
        EXPECT_NE(disk.find(c.line), std::string::npos) << c.what;
        EXPECT_EQ(std::count(disk.begin(), disk.end(), '\n'), 56) << c.what;
        EXPECT_EQ(std::count(disk.begin(), disk.end(), '\r'), 56) << c.what;
        fs::remove(ini.path());
    }
}

TEST_F(ProfileWrite, ColoursAreQuotedExceptComeColor) {
    const fs::path file = folder() / "colours.ini";
    IniFile ini(file);
    WriteProfile(ini, EveryFieldChanged());
    const std::string disk = OnDisk(file);
    EXPECT_NE(disk.find("\r\nComeColor=C0FFEE\r\n"), std::string::npos);
    EXPECT_NE(disk.find("\r\nSolidColor=\"010203\"\r\n"), std::string::npos);
    EXPECT_NE(disk.find("\r\nOkColor=\"FFFFFF\"\r\n"), std::string::npos);
}

TEST_F(ProfileWrite, MarkerWrittenInsideAMessageComesBackAsALineBreak) {
    Profile original;
    original.text = "a[::]b";
    IniFile ini(folder() / "marker.ini");
    WriteProfile(ini, original);
    EXPECT_EQ(ReadProfile(IniFile(ini.path())).text, "a\r\nb");
}

TEST_F(ProfileWrite, ListEndingWithAnEmptyItemLosesIt) {
    Profile original;
    original.nicks = {"a", "b", ""};
    IniFile ini(folder() / "list.ini");
    WriteProfile(ini, original);
    EXPECT_NE(ini.contents().find("\r\nNicks=\"a[::]b[::]\"\r\n"), std::string::npos);
    EXPECT_EQ(ReadProfile(IniFile(ini.path())).nicks, (std::vector<std::string>{"a", "b"}));
}

TEST_F(ProfileWrite, RewritingReplacesValuesInPlace) {
    const fs::path fresh = folder() / "fresh.ini";
    IniFile freshIni(fresh);
    WriteProfile(freshIni, EveryFieldChanged());

    const fs::path reused = folder() / "reused.ini";
    IniFile reusedIni(reused);
    WriteProfile(reusedIni, Profile{});
    WriteProfile(reusedIni, EveryFieldChanged());
    EXPECT_EQ(OnDisk(reused), OnDisk(fresh));
}

TEST_F(ProfileWrite, AFileFromBeforeTheStopListOnlyGainsItsKey) {
    Profile profile = EveryFieldChanged();
    profile.gradientStops = "A0B0C0 ABCDEF";
    IniFile written(folder() / "new.ini");
    WriteProfile(written, profile);
    const std::string line = "GradientStops=\"A0B0C0 ABCDEF\"\r\n";
    const std::string now = OnDisk(written.path());
    ASSERT_NE(now.find("\r\nColorEffect=3\r\n" + line + "UnderLine=1\r\n"), std::string::npos);
    // The same file as written before the key was there.
    std::string old = now;
    old.erase(old.find(line), line.size());

    const fs::path file = Put("old.ini", old);
    IniFile ini(file);
    const Profile read = ReadProfile(ini);
    EXPECT_EQ(read, profile);
    WriteProfile(ini, read);
    // A key new to a section goes to its end, as private-profile writes put it.
    std::string expected = old;
    expected.insert(expected.find("[Page2]"), line);
    EXPECT_EQ(OnDisk(file), expected);
    WriteProfile(ini, read);
    EXPECT_EQ(OnDisk(file), expected);
}

TEST_F(ProfileWrite, KeysAndSectionsAddedByHandSurvive) {
    const fs::path file = Put("hand.ini",
                              "; my notes\r\n[Page1]\r\nMyKey=keep\r\nBold=1\r\n"
                              "[Custom]\r\nx = y\r\n");
    IniFile ini(file);
    WriteProfile(ini, Profile{});
    const std::string disk = OnDisk(file);
    EXPECT_EQ(
        disk.rfind("; my notes\r\n[Page1]\r\nMyKey=keep\r\nBold=0\r\nOtherNameEnabled=0\r\n", 0),
        0u);
    EXPECT_NE(disk.find("\r\n[Custom]\r\nx = y\r\n[Form]\r\nActivePage=0\r\n[Page2]\r\n"),
              std::string::npos);
    const IniFile reread(file);
    EXPECT_EQ(ReadProfile(reread), Profile{});
    EXPECT_EQ(reread.ReadString("Page1", "MyKey", ""), "keep");
    EXPECT_EQ(reread.ReadString("Custom", "x", ""), "y");
    EXPECT_EQ(reread.ReadSections(),
              (std::vector<std::string>{"Page1", "Custom", "Form", "Page2"}));
}

TEST_F(ProfileWrite, UnwritablePathFailsAtTheFirstKey) {
    const fs::path target = folder() / "profile.ini";
    fs::create_directory(target);
    IniFile ini(target);
    try {
        WriteProfile(ini, Profile{});
        FAIL() << "the write should have failed";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + target.string());
        EXPECT_EQ(error.path(), target);
    }
    EXPECT_EQ(ini.contents(), "");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"profile.ini"}));
}

#if defined(__unix__)
TEST_F(ProfileWrite, AFailedSaveLeavesTheOldFileWhole) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
    const fs::path target = Put("partial.ini", "[Form]\r\nActivePage=1\r\n");
    IniFile ini(target);
    const std::string before = OnDisk(target);
    constexpr std::size_t kCap = 300;
    std::string message;
    {
        const FileSizeCap cap(kCap);
        try {
            WriteProfile(ini, Profile{});
        } catch (const FileWriteError& error) {
            message = error.what();
        }
    }
    EXPECT_EQ(message, "Unable to write to " + target.string());
    // Every key goes in one replacement of the file, so nothing of the save is there.
    EXPECT_EQ(OnDisk(target), before);
    EXPECT_EQ(ini.contents(), before);
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"partial.ini"}));
    WriteProfile(ini, Profile{});
    EXPECT_EQ(ReadProfile(IniFile(target)), Profile{});
}
#endif

}  // namespace
}  // namespace tagforge
