#include "core/store/data_folders.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/store/data_location.h"

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

// The message for a data folder that cannot be made; the separator is the system's own.
std::string CannotCreate(const fs::path& program, const std::string& name) {
    return "Cannot create " + PathUtf8(program) + static_cast<char>(fs::path::preferred_separator) +
           name + " directory.";
}

TEST_F(EnsureFolder, NeverCreatesTheProgramFolder) {
    const fs::path program = folder() / "missing";
    try {
        EnsureDataFolder(program, "Profiles");
        FAIL() << "the folder should not have been made";
    } catch (const DataFolderError& error) {
        EXPECT_EQ(std::string(error.what()), CannotCreate(program, "Profiles"));
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
    const std::string expected = CannotCreate(program, "Smiles");
    for (const fs::path& given : {program, program / ""}) {
        try {
            EnsureDataFolder(given, "Smiles");
            ADD_FAILURE() << "no error for " << given;
        } catch (const DataFolderError& error) {
            EXPECT_EQ(std::string(error.what()), expected) << given;
        }
    }
}

#if !defined(_WIN32)
// The XDG layout; Windows has its own rule (windows_data_location_test.cpp).

// The environment of one case: a variable missing from the map is not set.
EnvironmentLookup Environment(const std::map<std::string, std::string>& variables) {
    return [variables](std::string_view name) -> std::optional<std::string> {
        const auto found = variables.find(std::string(name));
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
}

class InstalledLayout : public test::TempFolderTest {
  protected:
    void SetUp() override {
        test::TempFolderTest::SetUp();
        fs::create_directories(bin());
        fs::create_directories(folder() / "usr/share/tagforge");
    }
    fs::path bin() const { return folder() / "usr/bin"; }
};

TEST_F(InstalledLayout, FoldersFollowTheXdgRuleOrTheStartEndsWithOneLine) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> environment;
        const char* dataFolder;  // nullptr: the start ends with `error`
        const char* configFolder;
        const char* error;
    };
    const std::vector<Case> cases{
        {"home only",
         {{"HOME", "/home/u"}},
         "/home/u/.local/share/TagForge",
         "/home/u/.config/TagForge",
         nullptr},
        {"absolute variables win",
         {{"HOME", "/home/u"}, {"XDG_DATA_HOME", "/x/data"}, {"XDG_CONFIG_HOME", "/x/cfg"}},
         "/x/data/TagForge",
         "/x/cfg/TagForge",
         nullptr},
        {"relative variables are ignored",
         {{"HOME", "/home/u"}, {"XDG_DATA_HOME", "data"}, {"XDG_CONFIG_HOME", "./cfg"}},
         "/home/u/.local/share/TagForge",
         "/home/u/.config/TagForge",
         nullptr},
        {"no home needed with both variables",
         {{"XDG_DATA_HOME", "/x/data"}, {"XDG_CONFIG_HOME", "/x/cfg"}},
         "/x/data/TagForge",
         "/x/cfg/TagForge",
         nullptr},
        {"home unset",
         {},
         nullptr,
         nullptr,
         "Cannot find the home folder: neither HOME nor XDG_DATA_HOME is set to an absolute "
         "path."},
        {"home empty",
         {{"HOME", ""}, {"XDG_DATA_HOME", ""}},
         nullptr,
         nullptr,
         "Cannot find the home folder: neither HOME nor XDG_DATA_HOME is set to an absolute "
         "path."},
        {"home relative",
         {{"HOME", "home/u"}, {"XDG_CONFIG_HOME", "/x/cfg"}},
         nullptr,
         nullptr,
         "Cannot find the home folder: neither HOME nor XDG_DATA_HOME is set to an absolute "
         "path."},
        {"only the data variable",
         {{"XDG_DATA_HOME", "/x/data"}},
         nullptr,
         nullptr,
         "Cannot find the home folder: neither HOME nor XDG_CONFIG_HOME is set to an absolute "
         "path."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            const DataLocation found = LocateData(bin(), Environment(c.environment));
            ASSERT_NE(c.dataFolder, nullptr) << "no error, data in " << found.dataFolder;
            EXPECT_TRUE(found.installed);
            EXPECT_EQ(found.dataFolder, fs::path(c.dataFolder));
            EXPECT_EQ(found.configFolder, fs::path(c.configFolder));
        } catch (const std::runtime_error& error) {
            ASSERT_NE(c.error, nullptr) << error.what();
            EXPECT_EQ(std::string(error.what()), c.error);
        }
    }
}

TEST_F(InstalledLayout, TheAutostartFolderFollowsTheSameRuleInBothLayouts) {
    fs::create_directories(folder() / "portable");
    struct Case {
        const char* what;
        std::map<std::string, std::string> environment;
        std::optional<fs::path> configHome;
    };
    const std::vector<Case> cases{
        {"home", {{"HOME", "/home/u"}}, fs::path("/home/u/.config")},
        {"absolute variable",
         {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/x/cfg"}},
         fs::path("/x/cfg")},
        {"relative variable",
         {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "cfg"}},
         fs::path("/home/u/.config")},
        {"no home", {{"XDG_CONFIG_HOME", "cfg"}}, std::nullopt},
        {"relative home", {{"HOME", "."}}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ConfigHome(Environment(c.environment)), c.configHome);
        EXPECT_EQ(LocateData(folder() / "portable", Environment(c.environment)).configHome,
                  c.configHome);
        if (c.configHome) {
            EXPECT_EQ(LocateData(bin(), Environment(c.environment)).configHome, c.configHome);
        }
    }
}

#endif

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

#if !defined(_WIN32)
// Windows file names are always Unicode.
TEST_F(ListFiles, NamesThatAreNotUtf8AreSkipped) {
    PutProfile("\xFF\xFE.tfp");
    PutProfile("good.tfp");
    List("");
    EXPECT_EQ(list_, std::vector<std::string>{"good"});
}
#endif

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
              folder() / "Profiles" / PathFromUtf8(Cp1251ToUtf8(W("Вечер.tfp"))));
}

TEST_F(ListFiles, DataFilePathKeepsANewNameAsItStands) {
    PutProfile("Default.tfp");
    EXPECT_EQ(DataFilePath(folder(), "Profiles", W("Новый.tfp")),
              folder() / "Profiles" / PathFromUtf8(Cp1251ToUtf8(W("Новый.tfp"))));
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
