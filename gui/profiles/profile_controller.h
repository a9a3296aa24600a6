#pragma once

#include <QObject>
#include <filesystem>
#include <string>
#include <string_view>

#include "gui/app/platform_services.h"

class QTabWidget;
class QWidget;

namespace tagforge {

class FormattingPage;
class ProfileBar;
class SettingsController;
class SettingsPage;
class TemplatePage;
class TransientNote;
struct Profile;

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

    // A missing file is no error: every option then takes its default.
    bool loadProfile(const std::string& name);
    void applyProfile(const Profile& profile);
    Profile currentProfile() const;
    // Saves the settings too; while closing, the profile only when the settings ask for it.
    // Throws FileWriteError when the profile file cannot be written.
    bool saveProfile(const std::string& name, bool askOverwrite, bool closing);
    // Saves "Default" as the window closes; false, after telling the user, when it failed.
    bool saveOnClose();
    void resetAll();

  private:
    void saveProfileClicked();
    void deleteProfileClicked();
    void profileChosen();
    std::filesystem::path profilePath(const std::string& name) const;

    std::filesystem::path programFolder_;
    MessageBoxes& messages_;
    SettingsController& settings_;
    Controls controls_;
};

}  // namespace tagforge
