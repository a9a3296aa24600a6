#include "core/store/starter_set.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/store/data_location.h"
#include "temp_folder.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;

// The file that says the set is complete.
constexpr char kMarker[] = "starter-set.done";

class StarterSet : public test::TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        for (const char* name : {"starter/Profiles/tags.asc", "starter/Profiles/ascii.asc",
                                 "starter/Smiles/smile.gif", "starter/SmileGroups/Main.sgr"}) {
            fs::create_directories((folder() / name).parent_path());
            Put(name, std::string("starter ") + name);
        }
        fs::create_directories(folder() / "data");
    }
    fs::path starter() const { return folder() / "starter"; }
    fs::path data() const { return folder() / "data"; }

    // What the data folder holds apart from the marker: relative path to content.
    std::map<std::string, std::string> DataFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(data())) {
            // "/" between the parts on every system, as the expectations write them.
            const std::u8string generic =
                entry.path().lexically_relative(data()).generic_u8string();
            const std::string relative(generic.begin(), generic.end());
            if (entry.is_regular_file() && relative != kMarker) {
                files[relative] = OnDisk(entry.path());
            }
        }
        return files;
    }
};

TEST_F(StarterSet, FillsAnEmptyDataFolder) {
    EXPECT_EQ(InstallStarterSet(starter(), data()), 4);
    EXPECT_EQ(OnDisk(data() / "Smiles/smile.gif"), "starter starter/Smiles/smile.gif");
    EXPECT_EQ(OnDisk(data() / "SmileGroups/Main.sgr"), "starter starter/SmileGroups/Main.sgr");
}

TEST_F(StarterSet, NeverReplacesWhatTheUserHas) {
    struct Case {
        const char* userFile;
        const char* notAdded;
    };
    for (const Case& c : std::vector<Case>{{"Profiles/Tags.ASC", "Profiles/tags.asc"},
                                           {"Smiles/smile.gif", nullptr},
                                           {"SmileGroups/Mine.SGR", "SmileGroups/Main.sgr"}}) {
        fs::remove_all(data());
        fs::create_directories((data() / c.userFile).parent_path());
        Put(std::string("data/") + c.userFile, "mine");
        EXPECT_EQ(InstallStarterSet(starter(), data()), 3) << c.userFile;
        EXPECT_EQ(OnDisk(data() / c.userFile), "mine") << c.userFile;
        // Listed by name: on a file system that ignores letter case the user's file would
        // answer for the starter file's name too.
        if (c.notAdded != nullptr) {
            EXPECT_FALSE(DataFiles().contains(c.notAdded)) << c.userFile;
        }
    }
}

TEST_F(StarterSet, AMissingStarterFolderCopiesNothing) {
    EXPECT_EQ(InstallStarterSet(folder() / "none", data()), 0);
    EXPECT_TRUE(fs::is_empty(data()));
}

TEST_F(StarterSet, AFinishedSetIsNotedAndAnUnfinishedOneIsFinished) {
    const std::string tags = "starter starter/Profiles/tags.asc";
    const std::string ascii = "starter starter/Profiles/ascii.asc";
    const std::string smile = "starter starter/Smiles/smile.gif";
    const std::string group = "starter starter/SmileGroups/Main.sgr";
    struct Case {
        const char* what;
        bool markedComplete;
        std::map<std::string, std::string> before;
        int copied;
        std::map<std::string, std::string> after;
    };
    const std::vector<Case> cases{
        {"first start",
         false,
         {},
         4,
         {{"Profiles/tags.asc", tags},
          {"Profiles/ascii.asc", ascii},
          {"Smiles/smile.gif", smile},
          {"SmileGroups/Main.sgr", group}}},
        {"unfinished: the rest is added",
         false,
         {{"Profiles/ascii.asc", ascii}, {"Profiles/tags.asc", tags}},
         2,
         {{"Profiles/tags.asc", tags},
          {"Profiles/ascii.asc", ascii},
          {"Smiles/smile.gif", smile},
          {"SmileGroups/Main.sgr", group}}},
        {"unfinished: the user's files stay",
         false,
         {{"Profiles/Tags.ASC", "mine"}, {"Smiles/smile.gif", "my smile"}},
         2,
         {{"Profiles/Tags.ASC", "mine"},
          {"Profiles/ascii.asc", ascii},
          {"Smiles/smile.gif", "my smile"},
          {"SmileGroups/Main.sgr", group}}},
        {"complete: deleted files stay deleted",
         true,
         {{"Profiles/tags.asc", tags}},
         0,
         {{"Profiles/tags.asc", tags}}},
        {"complete: an emptied folder stays empty", true, {}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(data());
        fs::create_directories(data());
        if (c.markedComplete) {
            Put("data/" + std::string(kMarker), "");
        }
        for (const auto& [name, content] : c.before) {
            fs::create_directories((data() / name).parent_path());
            Put("data/" + name, content);
        }
        EXPECT_EQ(InstallStarterSet(starter(), data()), c.copied);
        EXPECT_EQ(DataFiles(), c.after);
        EXPECT_TRUE(fs::exists(data() / kMarker));
    }
}

TEST_F(StarterSet, FilesDeletedAfterTheSetIsCompleteStayDeleted) {
    ASSERT_EQ(InstallStarterSet(starter(), data()), 4);
    fs::remove(data() / "Smiles/smile.gif");
    fs::remove(data() / "Profiles/tags.asc");
    EXPECT_EQ(InstallStarterSet(starter(), data()), 0);
    EXPECT_FALSE(fs::exists(data() / "Smiles/smile.gif"));
    EXPECT_FALSE(fs::exists(data() / "Profiles/tags.asc"));
    // Deleting the note asks for the missing files again.
    fs::remove(data() / kMarker);
    EXPECT_EQ(InstallStarterSet(starter(), data()), 2);
    EXPECT_TRUE(fs::exists(data() / "Smiles/smile.gif"));
}

#if defined(__unix__)
// A disk that fills up in the middle of the set: what was copied is whole, the file that did not
// fit is not there at all, and the next start finishes the set.
TEST_F(StarterSet, AFullDiskLeavesNoPartOfAFileAndTheNextStartFinishes) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
    const std::string big(64 * 1024, 'G');
    Put("starter/Smiles/big.gif", big);
    Put("starter/Smiles/z.gif", "last");
    {
        const test::FileSizeCap full(4096);
        EXPECT_ANY_THROW(InstallStarterSet(starter(), data()));
    }
    const std::map<std::string, std::string> partial = DataFiles();
    for (const auto& [name, content] : partial) {
        EXPECT_EQ(content, OnDisk(starter() / name)) << name;
    }
    EXPECT_EQ(partial.count("Smiles/big.gif"), 0U);
    EXPECT_FALSE(fs::exists(data() / kMarker));
    for (const auto& entry : fs::recursive_directory_iterator(data())) {
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
    }

    Put("data/Profiles/tags.asc", "edited by the user in between");
    EXPECT_GT(InstallStarterSet(starter(), data()), 0);
    EXPECT_EQ(OnDisk(data() / "Smiles/big.gif"), big);
    EXPECT_EQ(OnDisk(data() / "Smiles/z.gif"), "last");
    EXPECT_EQ(OnDisk(data() / "Profiles/tags.asc"), "edited by the user in between");
    EXPECT_TRUE(fs::exists(data() / kMarker));
}
#endif

#if !defined(_WIN32)
// The XDG layout; Windows has its own rule (windows_data_location_test.cpp).
TEST(DataLocation, PortableBesideTheExecutableInstalledInTheXdgFolders) {
    const fs::path root = fs::temp_directory_path() / "tagforge-location-test";
    fs::remove_all(root);
    fs::create_directories(root / "portable");
    fs::create_directories(root / "usr/bin");
    fs::create_directories(root / "usr/share/tagforge");
    struct Case {
        fs::path executableFolder;
        std::optional<std::string> dataHome, configHome;
        DataLocation expected;
    };
    const fs::path bin = root / "usr/bin";
    const std::vector<Case> cases{
        {root / "portable",
         "/x/data",
         "/x/config",
         {false, root / "portable", root / "portable", root / "portable/starter", "/x/config"}},
        {bin,
         "/x/data",
         "/x/config",
         {true, "/x/data/TagForge", "/x/config/TagForge", bin / "../share/tagforge", "/x/config"}},
        {bin,
         std::nullopt,
         "relative/is/ignored",
         {true, "/home/u/.local/share/TagForge", "/home/u/.config/TagForge",
          bin / "../share/tagforge", "/home/u/.config"}},
    };
    for (const Case& c : cases) {
        const DataLocation found = LocateData(c.executableFolder, [&c](std::string_view name) {
            if (name == "XDG_DATA_HOME")
                return c.dataHome;
            if (name == "XDG_CONFIG_HOME")
                return c.configHome;
            if (name == "HOME")
                return std::optional<std::string>("/home/u");
            return std::optional<std::string>();
        });
        EXPECT_EQ(found.installed, c.expected.installed) << c.executableFolder;
        EXPECT_EQ(found.dataFolder.lexically_normal(), c.expected.dataFolder.lexically_normal());
        EXPECT_EQ(found.configFolder.lexically_normal(),
                  c.expected.configFolder.lexically_normal());
        EXPECT_EQ(found.starterFolder.lexically_normal(),
                  c.expected.starterFolder.lexically_normal());
        EXPECT_EQ(found.configHome, c.expected.configHome);
    }
    fs::remove_all(root);
}
#endif

}  // namespace
}  // namespace tagforge
