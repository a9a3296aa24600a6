#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/store/settings.h"
#include "gui/platform/platform_services.h"

class QWidget;

namespace tagforge {

class EditMenu;
class FormattingPage;
class SettingsPage;
class SmileyPane;
class WindowPlacement;

// Settings that a save could not store, named by their key paths.
class SettingsStoreError : public std::runtime_error {
  public:
    explicit SettingsStoreError(std::vector<std::string> keyPaths)
        : std::runtime_error("settings not stored"), keyPaths_(std::move(keyPaths)) {}
    const std::vector<std::string>& keyPaths() const { return keyPaths_; }

  private:
    std::vector<std::string> keyPaths_;
};

// Binds the settings store to the controls that show the settings: the window's place and size,
// the settings page, the smiley pane, the offered fonts and the nick list.
class SettingsController {
  public:
    struct Controls {
        QWidget* window;
        SettingsPage* settingsPage;
        SmileyPane* smileyPane;
        FormattingPage* formattingPage;
        EditMenu* editMenu;
    };

    // `autostartCommand` is what the start-with-the-system entry runs (see AutostartCommand).
    SettingsController(Registry& registry, MessageBoxes& messages, Controls controls,
                       std::string autostartCommand);

    // Creates the key when it is missing; a key that cannot be created is reported and reads
    // as empty.
    std::string readSettingText(std::string_view name, std::string_view defaultText,
                                RegistryRoot root, std::string_view keyPath);
    void writeSettingText(std::string_view name, std::string_view text, RegistryRoot root,
                          std::string_view keyPath);

    // Everything saveSettings writes; equal snapshots leave the store the same.
    struct Snapshot {
        Settings settings;
        std::vector<std::string> fonts;
        std::vector<std::string> nicks;
        bool operator==(const Snapshot&) const = default;
    };

    // Reads every setting; a store that cannot be read is reported once.
    void loadSettings();
    // Writes every setting in one batch. Returns the key paths whose values could not be stored,
    // none when all were; telling the user is the caller's (reportUnsaved).
    std::vector<std::string> saveSettings();
    // One message for a save whose settings under `keyPaths` were not stored.
    void reportUnsaved(const std::vector<std::string>& keyPaths);
    Snapshot snapshot() const;
    Settings currentSettings() const;
    void applySettings(const Settings& settings);

    // The stored nicks; the edit menu works on them.
    const std::vector<std::string>& nicks() const;
    void setNicks(std::vector<std::string> nicks);

  private:
    // The stored text, or nothing when the key can neither be opened nor made.
    std::optional<std::string> tryReadSettingText(std::string_view name,
                                                  std::string_view defaultText, RegistryRoot root,
                                                  std::string_view keyPath);
    void loadFontList();
    void loadNickList();

    Registry& registry_;
    MessageBoxes& messages_;
    Controls controls_;
    std::string autostartCommand_;
    WindowPlacement* placement_;  // owned by the window
};

}  // namespace tagforge
