#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/store/profile.h"
#include "gui/common/closing_save.h"
#include "gui/platform/platform_services.h"
#include "gui/store/settings_controller.h"

class QTabWidget;
class QWidget;

namespace tagforge {

class FormattingPage;
class ProfileBar;
class SettingsPage;
class TemplatePage;
class TransientNote;

inline constexpr char kProfilesFolder[] = "Profiles";
inline constexpr char kDefaultProfile[] = "Default";
// No profile is ever saved under this name, so loading it gives every option its default.
inline constexpr char kResetProfile[] = "0";

// Profiles: loads them into the formatting pages, saves what the pages show, and carries out
// the profile bar's commands and the reset button.
class ProfileController final : public QObject {
    Q_OBJECT

  public:
    struct Controls {
        // The parent of the questions and messages.
        QWidget* window;
        ProfileBar* profileBar;
        QTabWidget* formattingTabs;
        FormattingPage* formattingPage;
        TemplatePage* templatePage;
        SettingsPage* settingsPage;
        TransientNote* confirmationNote;
    };

    ProfileController(std::filesystem::path programFolder, MessageBoxes& messages,
                      SettingsController& settings, Controls controls, QObject* parent = nullptr);

    std::filesystem::path profilesFolder() const;
    // Refills the profile bar's list from the profile files and selects the preferred one.
    void fillProfileList(std::string_view preferred);

    // A missing file is no error: every option then takes its default. True when the options
    // came from the profile's file, false when there was no file to read.
    bool loadProfile(const std::string& name);
    void applyProfile(const Profile& profile);
    Profile currentProfile() const;
    // Saves the settings too; while closing, the profile only when the settings ask for it.
    // Throws FileWriteError when the profile file cannot be written, else SettingsStoreError
    // when some settings could not be stored.
    bool saveProfile(const std::string& name, bool askOverwrite, bool closing);
    // Saves the settings and "Default" as the program ends, and tells the user of a failure in
    // one message when `mayTellUser` (asked only then) allows. Writes nothing when both would
    // come out as the last save at the end left them.
    ClosingSave saveOnClose(const std::function<bool()>& mayTellUser);
    void resetAll();

  private:
    // What the save at the end writes.
    struct ClosingState {
        SettingsController::Snapshot settings;
        std::optional<Profile> profile;
        bool operator==(const ClosingState&) const = default;
    };
    ClosingState closingState() const;

    void saveProfileClicked();
    void deleteProfileClicked();
    void profileChosen();
    std::filesystem::path profilePath(const std::string& name) const;

    std::filesystem::path programFolder_;
    MessageBoxes& messages_;
    SettingsController& settings_;
    Controls controls_;
    std::optional<ClosingState> lastClosingSave_;
};

}  // namespace tagforge
