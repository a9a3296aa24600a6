#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tagforge {

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
};

// Looks up an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view)>;

DataLocation LocateData(const std::filesystem::path& executableFolder,
                        const EnvironmentLookup& environment);

// The process environment, for LocateData.
std::optional<std::string> ProcessEnvironment(std::string_view name);

}  // namespace tagforge
