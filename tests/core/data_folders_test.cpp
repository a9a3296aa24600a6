#include "core/store/data_folders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"
#include "test_text.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::W;

class EnsureFolder : public test::TempFolderTest {};

TEST_F(EnsureFolder, CreatesTheMissingFolder) {
    EnsureDataFolder(folder(), "Profiles");
    EXPECT_TRUE(fs::is_directory(folder() / "Profiles"));
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"Profiles"}));
}

TEST_F(EnsureFolder, LeavesAnExistingFolderAlone) {
    fs::create_directory(folder() / "Smiles");
    Put("Smiles/smile.gif", "GIF89a");
    EnsureDataFolder(folder(), "Smiles");
    EXPECT_EQ(OnDisk(folder() / "Smiles" / "smile.gif"), "GIF89a");
}

TEST_F(EnsureFolder, NeverCreatesTheProgramFolder) {
    const fs::path program = folder() / "missing";
    try {
        EnsureDataFolder(program, "Profiles");
        FAIL() << "the folder should not have been made";
    } catch (const DataFolderError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create " + program.string() + "/Profiles directory.");
    }
    EXPECT_FALSE(fs::exists(program));
}

TEST_F(EnsureFolder, AFileInTheWayFails) {
    Put("SmileGroups", "not a folder");
    EXPECT_THROW(EnsureDataFolder(folder(), "SmileGroups"), DataFolderError);
    EXPECT_EQ(OnDisk(folder() / "SmileGroups"), "not a folder");
}

TEST_F(EnsureFolder, MessageHasOneSeparatorBeforeTheName) {
    const fs::path program = folder() / "gone";
    const std::string expected = "Cannot create " + program.string() + "/Smiles directory.";
    for (const fs::path& given : {program, program / ""}) {
        try {
            EnsureDataFolder(given, "Smiles");
            ADD_FAILURE() << "no error for " << given;
        } catch (const DataFolderError& error) {
            EXPECT_EQ(std::string(error.what()), expected) << given;
        }
    }
}

class ListFiles : public test::TempFolderTest {
  protected:
    void SetUp() override {
        test::TempFolderTest::SetUp();
        fs::create_directory(folder() / "Profiles");
    }
    void PutProfile(const std::string& name) const { Put("Profiles/" + name, "[Form]\r\n"); }

    int List(std::string_view preferred, std::string_view extension = ".tfp") {
        return ListDataFiles(list_, folder(), "Profiles", preferred, extension);
    }

    std::vector<std::string> list_ = {"stale"};
};

TEST_F(ListFiles, NamesWithTheExtensionCutOff) {
    PutProfile("Work.TFP");
    PutProfile("notes.txt");
    PutProfile("my.old.tfp");
    PutProfile("tfp");
    PutProfile("x.tfp.bak");
    fs::create_directory(folder() / "Profiles" / "x.tfp");
    PutProfile(".tfp");
    PutProfile(".hidden.tfp");
    EXPECT_EQ(List(""), 0);
    EXPECT_EQ(list_, (std::vector<std::string>{"", ".hidden", "my.old", "Work", "x"}));
}

TEST_F(ListFiles, SortedWithoutRegardToCase) {
    for (const char* name : {"b.tfp", "C.tfp", "a.tfp", "B2.tfp", "A1.tfp"}) {
        PutProfile(name);
    }
    PutProfile(Cp1251ToUtf8(W("Яхта.tfp")));
    PutProfile(Cp1251ToUtf8(W("арбуз.tfp")));
    List("");
    EXPECT_EQ(list_, (std::vector<std::string>{"a", "A1", "b", "B2", "C", W("арбуз"), W("Яхта")}));
}

TEST_F(ListFiles, PicksThePreferredNameIgnoringCase) {
    for (const char* name : {"Default.tfp", "Alpha.tfp", "Zeta.tfp"}) {
        PutProfile(name);
    }
    EXPECT_EQ(List("default"), 1);
    EXPECT_EQ(List("ZETA"), 2);
    EXPECT_EQ(List("missing"), 0);
    PutProfile(Cp1251ToUtf8(W("Мой.tfp")));
    EXPECT_EQ(List(W("мой")), 3);
}

TEST_F(ListFiles, OtherExtensionsToo) {
    PutProfile("Happy.sgf");
    PutProfile("Work.tfp");
    EXPECT_EQ(List("", ".SGF"), 0);
    EXPECT_EQ(list_, std::vector<std::string>{"Happy"});
    PutProfile("README");
    EXPECT_EQ(List("", ""), 0);
    EXPECT_EQ(list_, std::vector<std::string>{"README"});
}

TEST_F(ListFiles, NamesThatAreNotUtf8AreSkipped) {
    PutProfile("\xFF\xFE.tfp");
    PutProfile("good.tfp");
    List("");
    EXPECT_EQ(list_, std::vector<std::string>{"good"});
}

TEST_F(ListFiles, MissingFolderLeavesTheListAlone) {
    list_ = {"one", "two"};
    EXPECT_EQ(ListDataFiles(list_, folder(), "SmileGroups", "two", ".sgf"), 0);
    EXPECT_EQ(list_, (std::vector<std::string>{"one", "two"}));
    Put("Plain", "a file, not a folder");
    EXPECT_EQ(ListDataFiles(list_, folder(), "Plain", "", ".sgf"), 0);
    EXPECT_EQ(list_, (std::vector<std::string>{"one", "two"}));
}

TEST_F(ListFiles, EmptyOrUnmatchedFolderEmptiesTheList) {
    EXPECT_EQ(List("stale"), 0);
    EXPECT_TRUE(list_.empty());
    list_ = {"stale"};
    PutProfile("notes.txt");
    EXPECT_EQ(List("stale"), 0);
    EXPECT_TRUE(list_.empty());
}

TEST_F(ListFiles, DataFilePathFindsTheFileInAnyCase) {
    PutProfile("Default.tfp");
    PutProfile(Cp1251ToUtf8(W("Вечер.tfp")));
    EXPECT_EQ(DataFilePath(folder(), "Profiles", "default.TFP"),
              folder() / "Profiles" / "Default.tfp");
    EXPECT_EQ(DataFilePath(folder(), "Profiles", W("ВЕЧЕР.tfp")),
              folder() / "Profiles" / Cp1251ToUtf8(W("Вечер.tfp")));
}

TEST_F(ListFiles, DataFilePathKeepsANewNameAsItStands) {
    PutProfile("Default.tfp");
    EXPECT_EQ(DataFilePath(folder(), "Profiles", W("Новый.tfp")),
              folder() / "Profiles" / Cp1251ToUtf8(W("Новый.tfp")));
    EXPECT_EQ(DataFilePath(folder(), "Missing", "a.tfp"), folder() / "Missing" / "a.tfp");
}

TEST(DataName, TrimmedOfSpacesAndControls) {
    const ValidatedName name = IsValidDataName(" \t My profile\r\n\x01 ");
    EXPECT_EQ(name.name, "My profile");
    EXPECT_TRUE(name.valid);
    EXPECT_EQ(IsValidDataName(W("  Работа ")).name, W("Работа"));
    EXPECT_TRUE(IsValidDataName(W("Работа")).valid);
    const ValidatedName empty = IsValidDataName(" \t ");
    EXPECT_EQ(empty.name, "");
    EXPECT_TRUE(empty.valid);
    EXPECT_TRUE(IsValidDataName("").valid);
}

TEST(DataName, CharactersFileNamesCannotHold) {
    for (const char bad : std::string("\\/:*?\"<>|")) {
        const std::string text = std::string("a") + bad + "b";
        const ValidatedName name = IsValidDataName(" " + text + " ");
        EXPECT_FALSE(name.valid) << text;
        EXPECT_EQ(name.name, text);
    }
    EXPECT_TRUE(IsValidDataName("a.b-c_d (1) [x] {y} 'z' & %").valid);
}

}  // namespace
}  // namespace tagforge
