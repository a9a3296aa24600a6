// Where the Windows build keeps its data: beside the executable, or in %APPDATA% when installed
// under Program Files.
#if defined(_WIN32)
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/path_text.h"
#include "core/store/data_location.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;

EnvironmentLookup Environment(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](std::string_view name) -> std::optional<std::string> {
        const auto found = variables.find(std::string(name));
        if (found == variables.end()) {
            return std::nullopt;
        }
        return found->second;
    };
}

TEST(WindowsDataLocation, PortableUnlessUnderProgramFiles) {
    const std::map<std::string, std::string> standard = {
        {"ProgramFiles", "C:\\Program Files"},
        {"ProgramFiles(x86)", "C:\\Program Files (x86)"},
        {"ProgramW6432", "C:\\Program Files"},
        {"APPDATA", "C:\\Users\\Вася\\AppData\\Roaming"},
    };
    const fs::path appData = PathFromUtf8("C:\\Users\\Вася\\AppData\\Roaming\\TagForge");
    struct Case {
        const char* what;
        std::string executableFolder;
        std::map<std::string, std::string> environment;
        bool installed;
    };
    const std::vector<Case> cases = {
        {"installed", "C:\\Program Files\\TagForge", standard, true},
        {"32-bit folder", "C:\\Program Files (x86)\\Orbel Soft\\TagForge", standard, true},
        {"other letter case", "c:\\PROGRAM FILES\\TagForge", standard, true},
        {"trailing separator in the variable",
         "D:\\Apps\\TagForge",
         {{"ProgramFiles", "D:\\Apps\\"}, {"APPDATA", standard.at("APPDATA")}},
         true},
        {"portable on the desktop", "C:\\Users\\Вася\\Desktop\\TagForge", standard, false},
        {"a name that only starts the same", "C:\\Program Files Portable\\TagForge", standard,
         false},
        {"a USB stick", "E:\\TagForge", standard, false},
        {"no Program Files variables",
         "C:\\Program Files\\TagForge",
         {{"APPDATA", standard.at("APPDATA")}},
         false},
        {"a relative variable",
         "C:\\Program Files\\TagForge",
         {{"ProgramFiles", "Program Files"}, {"APPDATA", standard.at("APPDATA")}},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path executable = PathFromUtf8(c.executableFolder);
        const DataLocation found = LocateData(executable, Environment(c.environment));
        EXPECT_EQ(found.installed, c.installed);
        EXPECT_EQ(found.dataFolder, c.installed ? appData : executable);
        EXPECT_EQ(found.configFolder, c.installed ? appData : executable);
        EXPECT_EQ(found.starterFolder, executable / "starter");
        EXPECT_EQ(found.configHome, std::nullopt);
    }
}

TEST(WindowsDataLocation, InstalledWithoutAppDataCannotStart) {
    for (const char* appData : {"", "relative\\folder"}) {
        std::map<std::string, std::string> environment = {{"ProgramFiles", "C:\\Program Files"}};
        if (*appData != '\0') {
            environment["APPDATA"] = appData;
        }
        EXPECT_THROW(LocateData("C:\\Program Files\\TagForge", Environment(environment)),
                     DataLocationError)
            << appData;
    }
}

TEST(WindowsDataLocation, TheProcessEnvironmentIsReadInUnicode) {
    ASSERT_NE(::_wputenv(L"TAGFORGE_TEST_FOLDER=C:\\Профили\\Вечер"), -1);
    EXPECT_EQ(ProcessEnvironment("TAGFORGE_TEST_FOLDER"), "C:\\Профили\\Вечер");
    EXPECT_EQ(ProcessEnvironment("TAGFORGE_TEST_MISSING"), std::nullopt);
}

}  // namespace
}  // namespace tagforge
#endif
