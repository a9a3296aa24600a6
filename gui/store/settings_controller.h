#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gui/app/platform_services.h"

class QWidget;

namespace tagforge {

class EditMenu;
class FormattingPage;
class SettingsBatch;
class SettingsPage;
class SmileyPane;
struct Settings;

// Binds the settings store to the controls that show the settings: the window's place, the
// settings page, the smiley pane, the offered fonts and the nick list.
class SettingsController {
  public:
    struct Controls {
        QWidget* window;
        SettingsPage* settingsPage;
        SmileyPane* smileyPane;
        FormattingPage* formattingPage;
        EditMenu* editMenu;
    };

    SettingsController(Registry& registry, MessageBoxes& messages, Controls controls);

    // Creates the key when it is missing; a key that cannot be created is reported and reads
    // as empty.
    std::string readSettingText(std::string_view name, std::string_view defaultText,
                                RegistryRoot root, std::string_view keyPath);
    void writeSettingText(std::string_view name, std::string_view text, RegistryRoot root,
                          std::string_view keyPath);

    void loadSettings();
    void saveSettings();
    Settings currentSettings() const;
    void applySettings(const Settings& settings);

    // The stored nicks; the edit menu works on them.
    const std::vector<std::string>& nicks() const;
    void setNicks(std::vector<std::string> nicks);

  private:
    // One replace of the store for all the batch's values; a key that failed is reported.
    void storeBatch(const SettingsBatch& batch);
    void loadFontList();
    void loadNickList();

    Registry& registry_;
    MessageBoxes& messages_;
    Controls controls_;
};

}  // namespace tagforge
