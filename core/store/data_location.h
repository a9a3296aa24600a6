#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tagforge {

// Looks up an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view)>;

// An XDG base folder: `variable` when it holds an absolute path (a relative one is invalid and
// ignored), else `homeFallback` below HOME when HOME is an absolute path; nothing when neither
// is there, rather than a folder below "/" or the current folder.
std::optional<std::filesystem::path> XdgBaseFolder(const EnvironmentLookup& environment,
                                                   std::string_view variable,
                                                   const std::filesystem::path& homeFallback);

// $XDG_CONFIG_HOME, else ~/.config: home of the autostart folder and of the per-user settings.
std::optional<std::filesystem::path> ConfigHome(const EnvironmentLookup& environment);

// Raised when the installed program cannot tell where the user's folders are.
class DataLocationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Where the program keeps what it writes and where its starter set comes from.
//
// Portable (run from its build folder or a folder of its own): everything lives beside the
// executable and the starter set is the folder `starter` there. Installed (the executable's
// folder has a sibling `share/tagforge`, as /usr/bin has /usr/share/tagforge): per-user data in
// $XDG_DATA_HOME/TagForge, the settings store in $XDG_CONFIG_HOME/TagForge, and the starter set
// is share/tagforge; nothing is written beside the executable.
struct DataLocation {
    bool installed = false;
    std::filesystem::path dataFolder;    // Profiles, Smiles, SmileGroups, generated pages
    std::filesystem::path configFolder;  // TagForge.registry
    std::filesystem::path starterFolder;
    // ConfigHome: the autostart entry's home, in both layouts. Nothing when the environment
    // names none, so the entry can be neither read nor written.
    std::optional<std::filesystem::path> configHome;
};

// On Windows the program is installed when its folder lies under Program Files ($ProgramFiles,
// $ProgramFiles(x86) or $ProgramW6432): then everything it writes goes to %APPDATA%\TagForge and
// the starter set is the folder `starter` beside the executable; elsewhere it is portable as
// above. There is no autostart folder (configHome stays empty): the Run key is the registry's.
//
// Throws DataLocationError for an installed program whose base folders are unknown (no
// absolute XDG variable and no absolute HOME); the message says which variables to set.
DataLocation LocateData(const std::filesystem::path& executableFolder,
                        const EnvironmentLookup& environment);

// The process environment, for LocateData.
std::optional<std::string> ProcessEnvironment(std::string_view name);

}  // namespace tagforge
