#pragma once

#include <filesystem>
#include <optional>

#include "core/store/autostart_entries.h"
#include "core/store/registry.h"
#include "core/store/registry_file.h"

namespace tagforge {

struct DesktopRegistryPaths {
    std::filesystem::path machineFile;      // beside the executable
    std::filesystem::path userFile;         // in the user's configuration folder
    std::filesystem::path autostartFolder;  // the XDG autostart folder
};

// The settings store on a desktop without a registry: the machine-wide root is one file, the
// per-user root another, and the per-user Run key is the XDG autostart folder.
class DesktopRegistry final : public Registry {
  public:
    explicit DesktopRegistry(const DesktopRegistryPaths& paths);

    bool KeyExists(RegistryRoot root, std::string_view path) const override;
    bool CreateKey(RegistryRoot root, std::string_view path) override;
    std::optional<std::string> ReadValue(RegistryRoot root, std::string_view path,
                                         std::string_view name) const override;
    bool WriteValue(RegistryRoot root, std::string_view path, std::string_view name,
                    std::string_view data) override;
    bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) override;
    bool DeleteKey(RegistryRoot root, std::string_view path) override;
    std::optional<std::vector<std::string>> ValueNames(RegistryRoot root,
                                                       std::string_view path) const override;
    // The changes to each file go in one replacement of it; the Run key's one by one.
    std::vector<bool> Apply(const std::vector<RegistryChange>& changes) override;

  private:
    static bool IsRunKey(RegistryRoot root, std::string_view path);
    RegistryFile& FileOf(RegistryRoot root);
    const RegistryFile& FileOf(RegistryRoot root) const;

    RegistryFile machine_;
    RegistryFile user_;
    AutostartEntries autostart_;
};

// The standard places: the machine file "TagForge.registry" in the program folder; the user file
// and the autostart folder under the configuration home ($XDG_CONFIG_HOME, else ~/.config, see
// ConfigHome). Without a configuration home both stay empty: nothing is read there and every
// write to them fails, so the store reports it as for any other value it cannot keep.
DesktopRegistryPaths StandardDesktopRegistryPaths(
    const std::filesystem::path& programFolder,
    const std::optional<std::filesystem::path>& configHome);

}  // namespace tagforge
