#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tagforge {

// The per-user "start with the system" key on a freedesktop desktop: each value is a desktop
// entry "<name>.desktop" in the XDG autostart folder whose Exec line is the value's data (a
// command line such as "\"/opt/tagforge/tagforge\"" or "tagforge"). Deleting the value deletes
// the entry.
// An empty folder stands for an autostart folder that cannot be located (no home folder): it
// holds no entries and takes none.
class AutostartEntries {
  public:
    explicit AutostartEntries(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return folder_; }

    std::optional<std::string> ReadValue(std::string_view name) const;
    // Creates the folder when missing; false when the entry cannot be written.
    bool WriteValue(std::string_view name, std::string_view command);
    // An entry the desktop has turned off already reads as missing and is left as it is.
    bool DeleteValue(std::string_view name);
    // Entries in name order; nothing when the folder is missing.
    std::optional<std::vector<std::string>> ValueNames() const;

  private:
    std::filesystem::path EntryPath(std::string_view name) const;

    std::filesystem::path folder_;
};

// The desktop entry that starts `command` (a command line in Windows-1251). Its TryExec names the
// command's program, so the desktop passes over the entry once that program is gone.
std::string DesktopEntryText(std::string_view name, std::string_view command);
// The command line of a desktop entry's Exec key, or nothing when the entry has none or is turned
// off (Hidden=true or X-GNOME-Autostart-enabled=false): such an entry starts nothing.
std::optional<std::string> DesktopEntryCommand(std::string_view entryText);

}  // namespace tagforge
