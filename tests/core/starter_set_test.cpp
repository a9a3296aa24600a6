#include "core/store/starter_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/store/data_location.h"
#include "temp_folder.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;

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
        if (c.notAdded != nullptr) {
            EXPECT_FALSE(fs::exists(data() / c.notAdded)) << c.userFile;
        }
    }
}

TEST_F(StarterSet, AMissingStarterFolderCopiesNothing) {
    EXPECT_EQ(InstallStarterSet(folder() / "none", data()), 0);
    EXPECT_TRUE(fs::is_empty(data()));
}

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

}  // namespace
}  // namespace tagforge
