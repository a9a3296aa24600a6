#include "core/store/data_location.h"

#include <cstdlib>
#include <system_error>

#include "core/platform/path_text.h"

#if defined(_WIN32)
#include <cwchar>

#include "core/platform/wide_string.h"
#endif

namespace tagforge {

namespace fs = std::filesystem;

namespace {

constexpr char kApplicationFolder[] = "TagForge";
[[maybe_unused]] constexpr char kDataHome[] = "XDG_DATA_HOME";
constexpr char kConfigHome[] = "XDG_CONFIG_HOME";

std::optional<fs::path> AbsoluteVariable(const EnvironmentLookup& environment,
                                         std::string_view variable) {
    if (const auto value = environment(variable); value && PathFromUtf8(*value).is_absolute()) {
        return PathFromUtf8(*value);
    }
    return std::nullopt;
}

#if !defined(_WIN32)
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
#endif

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

#if defined(_WIN32)
namespace {

bool SameComponent(const fs::path& a, const fs::path& b) {
    return ::_wcsicmp(a.c_str(), b.c_str()) == 0;
}

// Whether `folder` is `base` or lies below it; Windows paths compare without regard to case.
bool LiesUnder(const fs::path& folder, const fs::path& base) {
    const fs::path normalFolder = folder.lexically_normal();
    const fs::path normalBase = base.lexically_normal();
    auto inFolder = normalFolder.begin();
    for (const fs::path& part : normalBase) {
        if (part.empty()) {
            continue;  // the trailing separator of "C:\Program Files\"
        }
        if (inFolder == normalFolder.end() || !SameComponent(*inFolder, part)) {
            return false;
        }
        ++inFolder;
    }
    return true;
}

}  // namespace

DataLocation LocateData(const fs::path& executableFolder, const EnvironmentLookup& environment) {
    // Under Program Files the program may not write beside itself; anywhere else it is portable.
    bool installed = false;
    for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
        if (const auto value = environment(variable); value && !value->empty()) {
            const fs::path base = PathFromUtf8(*value);
            installed = installed || (base.is_absolute() && LiesUnder(executableFolder, base));
        }
    }
    const fs::path starter = executableFolder / "starter";
    if (!installed) {
        return {false, executableFolder, executableFolder, starter, std::nullopt};
    }
    const auto appData = environment("APPDATA");
    if (!appData || !PathFromUtf8(*appData).is_absolute()) {
        throw DataLocationError(
            "Cannot find the folder for application data: APPDATA is not set to an absolute "
            "path.");
    }
    const fs::path folder = PathFromUtf8(*appData) / kApplicationFolder;
    return {true, folder, folder, starter, std::nullopt};
}

std::optional<std::string> ProcessEnvironment(std::string_view name) {
    // The narrow environment is in the ANSI code page; the wide one holds every character.
    const std::optional<std::wstring> wideName = WideFromUtf8(name);
    const wchar_t* value = wideName ? ::_wgetenv(wideName->c_str()) : nullptr;
    if (value == nullptr) {
        return std::nullopt;
    }
    return Utf16ToUtf8(FromWide(value));
}
#else
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
#endif

}  // namespace tagforge
