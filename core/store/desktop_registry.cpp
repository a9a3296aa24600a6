#include "core/store/desktop_registry.h"

#include <cstddef>

#include "core/format/cp1251.h"

namespace tagforge {

namespace {

constexpr std::string_view kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace

DesktopRegistry::DesktopRegistry(const DesktopRegistryPaths& paths)
    : machine_(paths.machineFile), user_(paths.userFile), autostart_(paths.autostartFolder) {}

bool DesktopRegistry::IsRunKey(RegistryRoot root, std::string_view path) {
    return root == RegistryRoot::CurrentUser &&
           EqualsNoCaseCp1251(JoinedKeyPath(path), kRunKeyPath);
}

RegistryFile& DesktopRegistry::FileOf(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? machine_ : user_;
}

const RegistryFile& DesktopRegistry::FileOf(RegistryRoot root) const {
    return root == RegistryRoot::LocalMachine ? machine_ : user_;
}

// The Run key is part of every Windows profile, so here it always exists, even before the
// autostart folder does.
bool DesktopRegistry::KeyExists(RegistryRoot root, std::string_view path) const {
    return IsRunKey(root, path) || FileOf(root).KeyExists(path);
}

bool DesktopRegistry::CreateKey(RegistryRoot root, std::string_view path) {
    return IsRunKey(root, path) || FileOf(root).CreateKey(path);
}

std::optional<std::string> DesktopRegistry::ReadValue(RegistryRoot root, std::string_view path,
                                                      std::string_view name) const {
    if (IsRunKey(root, path)) {
        return autostart_.ReadValue(name);
    }
    return FileOf(root).ReadValue(path, name);
}

bool DesktopRegistry::WriteValue(RegistryRoot root, std::string_view path, std::string_view name,
                                 std::string_view data) {
    if (IsRunKey(root, path)) {
        return autostart_.WriteValue(name, data);
    }
    return FileOf(root).WriteValue(path, name, data);
}

bool DesktopRegistry::DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) {
    if (IsRunKey(root, path)) {
        return autostart_.DeleteValue(name);
    }
    return FileOf(root).DeleteValue(path, name);
}

// The autostart folder is shared with every other program of the session, so the Run key itself
// is never deleted; deleting a key above it leaves the folder alone too.
bool DesktopRegistry::DeleteKey(RegistryRoot root, std::string_view path) {
    if (IsRunKey(root, path)) {
        return false;
    }
    return FileOf(root).DeleteKey(path);
}

std::optional<std::vector<std::string>> DesktopRegistry::ValueNames(RegistryRoot root,
                                                                    std::string_view path) const {
    if (IsRunKey(root, path)) {
        return autostart_.ValueNames().value_or(std::vector<std::string>{});
    }
    return FileOf(root).ValueNames(path);
}

std::vector<bool> DesktopRegistry::Apply(const std::vector<RegistryChange>& changes) {
    std::vector<bool> stored(changes.size(), false);
    std::vector<RegistryChange> machineChanges;
    std::vector<RegistryChange> userChanges;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const RegistryChange& change = changes[i];
        if (IsRunKey(change.root, change.path)) {
            stored[i] = ApplyOne(change);
        } else {
            (change.root == RegistryRoot::LocalMachine ? machineChanges : userChanges)
                .push_back(change);
        }
    }
    const bool machineStored = machineChanges.empty() || machine_.Apply(machineChanges);
    const bool userStored = userChanges.empty() || user_.Apply(userChanges);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (!IsRunKey(changes[i].root, changes[i].path)) {
            stored[i] = changes[i].root == RegistryRoot::LocalMachine ? machineStored : userStored;
        }
    }
    return stored;
}

DesktopRegistryPaths StandardDesktopRegistryPaths(
    const std::filesystem::path& programFolder,
    const std::optional<std::filesystem::path>& configHome) {
    const std::filesystem::path machineFile = programFolder / "TagForge.registry";
    if (!configHome) {
        return {.machineFile = machineFile, .userFile = {}, .autostartFolder = {}};
    }
    return {
        .machineFile = machineFile,
        .userFile = *configHome / "OrbelTagForge" / "user.registry",
        .autostartFolder = *configHome / "autostart",
    };
}

}  // namespace tagforge
