#include "gui/profiles/profile_controller.h"

#include <QTabWidget>
#include <initializer_list>

#include "core/options/option_table.h"
#include "core/store/atomic_file.h"
#include "core/store/data_folders.h"
#include "core/store/ini_file.h"
#include "core/store/profile.h"
#include "core/store/tag_list.h"
#include "gui/common/text_bridge.h"
#include "gui/common/transient_note.h"
#include "gui/formatting/formatting_page.h"
#include "gui/profiles/profile_bar.h"
#include "gui/settings/settings_page.h"
#include "gui/store/settings_controller.h"
#include "gui/templates/template_page.h"

namespace tagforge {

namespace {

constexpr char kProfileExtension[] = ".tfp";

long PageIndex(const QTabWidget* pages, std::initializer_list<const QWidget*> order) {
    long index = 0;
    for (const QWidget* page : order) {
        if (pages->currentWidget() == page) {
            return index;
        }
        ++index;
    }
    return 0;
}

}  // namespace

ProfileController::ProfileController(std::filesystem::path programFolder, MessageBoxes& messages,
                                     SettingsController& settings, Controls controls,
                                     QObject* parent)
    : QObject(parent),
      programFolder_(std::move(programFolder)),
      messages_(messages),
      settings_(settings),
      controls_(controls) {
    connect(controls_.profileBar, &ProfileBar::saveClicked, this,
            &ProfileController::saveProfileClicked);
    connect(controls_.profileBar, &ProfileBar::deleteClicked, this,
            &ProfileController::deleteProfileClicked);
    connect(controls_.profileBar, &ProfileBar::profilePicked, this,
            &ProfileController::profileChosen);
    connect(controls_.formattingPage, &FormattingPage::resetClicked, this,
            &ProfileController::resetAll);
}

std::filesystem::path ProfileController::profilesFolder() const {
    return programFolder_ / kProfilesFolder;
}

std::filesystem::path ProfileController::profilePath(const std::string& name) const {
    return DataFilePath(programFolder_, kProfilesFolder, name + kProfileExtension);
}

void ProfileController::fillProfileList(std::string_view preferred) {
    std::vector<std::string> names = controls_.profileBar->listedNames();
    const int selected =
        ListDataFiles(names, programFolder_, kProfilesFolder, preferred, kProfileExtension);
    controls_.profileBar->setListedNames(names, names.empty() ? -1 : selected);
}

bool ProfileController::loadProfile(const std::string& name) {
    // A missing file is no error: every key then takes its default.
    const IniFile file(profilePath(name));
    applyProfile(ReadProfile(file));
    return file.exists();
}

void ProfileController::applyProfile(const Profile& profile) {
    QTabWidget* tabs = controls_.formattingTabs;
    const bool showTemplates =
        profile.formActivePage == static_cast<long>(FormattingTab::Templates);
    tabs->setCurrentWidget(showTemplates ? static_cast<QWidget*>(controls_.templatePage)
                                         : static_cast<QWidget*>(controls_.formattingPage));
    controls_.formattingPage->applyProfile(
        profile, ReadSortedLines(DataFilePath(programFolder_, kProfilesFolder, "tags.asc")));
    controls_.templatePage->applyProfile(profile, tabs->currentWidget() == controls_.templatePage);
}

Profile ProfileController::currentProfile() const {
    Profile profile;
    profile.formActivePage =
        PageIndex(controls_.formattingTabs, {controls_.formattingPage, controls_.templatePage});
    controls_.formattingPage->storeProfile(profile);
    controls_.templatePage->fillProfile(profile);
    return profile;
}

bool ProfileController::saveProfile(const std::string& name, bool askOverwrite, bool closing) {
    const std::filesystem::path file = profilePath(name);
    std::error_code error;
    if (askOverwrite && std::filesystem::exists(file, error)) {
        const QString question = QStringLiteral("Профиль с именем '") + FromCp1251(name) +
                                 QStringLiteral("' уже существует. Перезаписать?");
        if (!messages_.confirm(controls_.window, question)) {
            return false;
        }
    }
    const std::vector<std::string> unsaved = settings_.saveSettings();
    if (!closing || controls_.settingsPage->autoSave()) {
        try {
            // The folder may have been removed while the program runs; without it every save
            // fails.
            EnsureDataFolder(programFolder_, kProfilesFolder);
        } catch (const DataFolderError&) {
            // Writing the file below reports the failure.
        }
        IniFile profileFile(file);
        WriteProfile(profileFile, currentProfile());
    }
    // Reported after the profile, so a full disk gives one message rather than two.
    if (!unsaved.empty()) {
        throw SettingsStoreError(unsaved);
    }
    return true;
}

ProfileController::ClosingState ProfileController::closingState() const {
    ClosingState state{settings_.snapshot(), std::nullopt};
    if (controls_.settingsPage->autoSave()) {
        state.profile = currentProfile();
    }
    return state;
}

ClosingSave ProfileController::saveOnClose(const std::function<bool()>& mayTellUser) {
    // The desktop's logout saves before it ends the program; the end itself then adds nothing.
    ClosingState state = closingState();
    if (lastClosingSave_ == state) {
        return ClosingSave::kStored;
    }
    try {
        saveProfile(kDefaultProfile, false, true);
    } catch (const FileWriteError& failure) {
        if (mayTellUser()) {
            messages_.error(controls_.window, ErrorText(failure));
        }
        return ClosingSave::kOptionsLost;
    } catch (const SettingsStoreError& failure) {
        if (mayTellUser()) {
            settings_.reportUnsaved(failure.keyPaths());
        }
        return ClosingSave::kSettingsLost;
    }
    lastClosingSave_ = std::move(state);
    return ClosingSave::kStored;
}

void ProfileController::resetAll() {
    loadProfile(kResetProfile);
    controls_.formattingPage->rebuildResult();
}

void ProfileController::saveProfileClicked() {
    ProfileBar* bar = controls_.profileBar;
    const ValidatedName checked = IsValidDataName(bar->typedName());
    if (!checked.valid) {
        messages_.error(controls_.window,
                        QStringLiteral("Имя профиля не должно содержать \\/:*?\"<>|"));
        return;
    }
    if (checked.name.empty()) {
        return;
    }
    bool saved = false;
    try {
        saved = saveProfile(checked.name, true, false);
    } catch (const FileWriteError& failure) {
        messages_.error(controls_.window, ErrorText(failure));
        return;
    } catch (const SettingsStoreError& failure) {
        // The profile itself was written.
        settings_.reportUnsaved(failure.keyPaths());
        saved = true;
    }
    if (saved) {
        controls_.confirmationNote->show(
            QStringLiteral("Профиль «%1» сохранён").arg(FromCp1251(checked.name)));
    }
    if (bar->listedSpelling(checked.name).empty()) {
        bar->addName(checked.name);
    }
}

void ProfileController::profileChosen() {
    loadProfile(controls_.profileBar->typedName());
}

void ProfileController::deleteProfileClicked() {
    ProfileBar* bar = controls_.profileBar;
    const std::string typed = bar->typedName();
    // The listed spelling names the file, whatever case was typed.
    const std::string listed = bar->listedSpelling(typed);
    if (listed.empty()) {
        return;
    }
    if (!messages_.confirm(controls_.window, QStringLiteral("Удалить профиль '") +
                                                 FromCp1251(typed) + QStringLiteral("' ?"))) {
        return;
    }
    std::error_code ignored;
    std::filesystem::remove(profilePath(listed), ignored);
    // Deleting "Default" means the next save at the end must write it again.
    lastClosingSave_.reset();
    fillProfileList("");
    bar->clearTypedName();
}

}  // namespace tagforge
