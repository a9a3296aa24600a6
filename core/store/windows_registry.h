#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/registry.h"

namespace tagforge {

// The keys the store works in: HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE for the program, keys of
// their own for tests. Both are borrowed: the caller keeps them open while the store lives.
struct WindowsRegistryRoots {
    HKEY currentUser = HKEY_CURRENT_USER;
    HKEY localMachine = HKEY_LOCAL_MACHINE;
};

// The settings store in the Windows registry. Names and data travel through the wide API: the
// store's Windows-1251 bytes become UTF-16 on the way in and the same bytes on the way out.
//
// The machine-wide root is kept under HKEY_CURRENT_USER, at the same paths: writing below
// HKEY_LOCAL_MACHINE needs administrator rights on every current Windows, so the program would
// lose its settings or ask to run elevated. Settings an older installation left in
// HKEY_LOCAL_MACHINE are taken over once: see ImportMachineKey.
//
// Values are listed in the order the registry gives them, which its API leaves open (Wine gives
// them sorted by name), not in the order they were written: the nick list is sorted where it is
// shown anyway, and the font list comes out in the registry's order. A value name cannot hold a NUL
// character here, and only string values are read (other types read as missing).
class WindowsRegistry final : public Registry {
  public:
    explicit WindowsRegistry(WindowsRegistryRoots roots = {});

    // Copies the key `path` with its values and sub-keys from HKEY_LOCAL_MACHINE (the 32-bit
    // view an older program wrote to first, else the native one) to the per-user place, when the
    // per-user key does not exist yet. Returns whether anything was copied.
    bool ImportMachineKey(std::string_view path);

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

  private:
    HKEY RootKey(RegistryRoot root) const;

    WindowsRegistryRoots roots_;
};

}  // namespace tagforge
