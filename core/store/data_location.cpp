#include "core/store/data_location.h"

#include <cstdlib>
#include <system_error>

namespace tagforge {

namespace fs = std::filesystem;

namespace {

constexpr char kApplicationFolder[] = "TagForge";
constexpr char kDataHome[] = "XDG_DATA_HOME";
constexpr char kConfigHome[] = "XDG_CONFIG_HOME";

std::optional<fs::path> AbsoluteVariable(const EnvironmentLookup& environment,
                                         std::string_view variable) {
    if (const auto value = environment(variable); value && fs::path(*value).is_absolute()) {
        return fs::path(*value);
    }
    return std::nullopt;
}

// The installed program's folder below one base folder; without one nothing could be kept.
fs::path ApplicationFolder(const EnvironmentLookup& environment, std::string_view variable,
                           const fs::path& homeFallback) {
    const auto base = XdgBaseFolder(environment, variable, homeFallback);
    if (!base) {
        throw DataLocationError("Cannot find the home folder: neither HOME nor " +
                                std::string(variable) + " is set to an absolute path.");
    }
    return *base / kApplicationFolder;
}

}  // namespace

std::optional<fs::path> XdgBaseFolder(const EnvironmentLookup& environment,
                                      std::string_view variable, const fs::path& homeFallback) {
    if (auto value = AbsoluteVariable(environment, variable)) {
        return value;
    }
    if (const auto home = AbsoluteVariable(environment, "HOME")) {
        return *home / homeFallback;
    }
    return std::nullopt;
}

std::optional<fs::path> ConfigHome(const EnvironmentLookup& environment) {
    return XdgBaseFolder(environment, kConfigHome, ".config");
}

DataLocation LocateData(const fs::path& executableFolder, const EnvironmentLookup& environment) {
    const fs::path shared = executableFolder.parent_path() / "share" / "tagforge";
    std::error_code error;
    if (!fs::is_directory(shared, error)) {
        return {false, executableFolder, executableFolder, executableFolder / "starter",
                ConfigHome(environment)};
    }
    return {true, ApplicationFolder(environment, kDataHome, fs::path(".local") / "share"),
            ApplicationFolder(environment, kConfigHome, ".config"), shared,
            ConfigHome(environment)};
}

std::optional<std::string> ProcessEnvironment(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace tagforge
