#include "core/store/data_location.h"

#include <cstdlib>
#include <system_error>

namespace tagforge {

namespace {

namespace fs = std::filesystem;

constexpr char kApplicationFolder[] = "TagForge";

// An XDG base folder: the variable when it holds an absolute path (relative ones are invalid
// and ignored), else the fallback below the home folder.
fs::path BaseFolder(const EnvironmentLookup& environment, std::string_view variable,
                    const fs::path& homeFallback) {
    if (const auto value = environment(variable); value && fs::path(*value).is_absolute()) {
        return *value;
    }
    const auto home = environment("HOME");
    return fs::path(home && !home->empty() ? *home : "/") / homeFallback;
}

}  // namespace

DataLocation LocateData(const fs::path& executableFolder, const EnvironmentLookup& environment) {
    const fs::path shared = executableFolder.parent_path() / "share" / "tagforge";
    std::error_code error;
    if (!fs::is_directory(shared, error)) {
        return {false, executableFolder, executableFolder, executableFolder / "starter"};
    }
    return {
        true,
        BaseFolder(environment, "XDG_DATA_HOME", fs::path(".local") / "share") / kApplicationFolder,
        BaseFolder(environment, "XDG_CONFIG_HOME", ".config") / kApplicationFolder, shared};
}

std::optional<std::string> ProcessEnvironment(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace tagforge
