#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/store/atomic_file.h"
#include "core/store/data_folders.h"
#include "core/store/ini_file.h"
#include "core/store/profile.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/app/transient_note.h"
#include "gui/menus/edit_menu.h"
#include "gui/profiles/profile_bar.h"
#include "gui/settings/settings_page.h"

namespace tagforge {

namespace {

constexpr char kProfileExtension[] = ".tfp";

}  // namespace

std::filesystem::path MainWindow::profilePath(const std::string& name) const {
    return DataFilePath(programFolder_, kProfilesFolder, name + kProfileExtension);
}

void MainWindow::fillFromDataFiles(QComboBox* box, std::string_view folder,
                                   std::string_view preferred, std::string_view extension) {
    std::vector<std::string> names = ItemsOf(box);
    const int selected = ListDataFiles(names, programFolder_, folder, preferred, extension);
    SetItems(box, names);
    box->setCurrentIndex(names.empty() ? -1 : selected);
}

void MainWindow::fillProfileList(std::string_view preferred) {
    std::vector<std::string> names = profileBar->listedNames();
    const int selected =
        ListDataFiles(names, programFolder_, kProfilesFolder, preferred, kProfileExtension);
    profileBar->setListedNames(names, names.empty() ? -1 : selected);
}

void MainWindow::connectProfileBar() {
    connect(profileBar, &ProfileBar::saveClicked, this, &MainWindow::saveProfileClicked);
    connect(profileBar, &ProfileBar::deleteClicked, this, &MainWindow::deleteProfileClicked);
    connect(profileBar, &ProfileBar::profilePicked, this, &MainWindow::profileChosen);
}

bool MainWindow::saveProfile(const std::string& name, bool askOverwrite, bool closing) {
    const std::filesystem::path file = profilePath(name);
    std::error_code error;
    if (askOverwrite && std::filesystem::exists(file, error)) {
        const QString question = QStringLiteral("Профиль с именем '") + FromCp1251(name) +
                                 QStringLiteral("' уже существует. Перезаписать?");
        if (!services_.messages.confirm(this, question)) {
            return false;
        }
    }
    saveSettings();
    if (closing && !settingsPage->autoSave()) {
        return true;
    }
    try {
        // The folder may have been removed while the program runs; without it every save fails.
        EnsureDataFolder(programFolder_, kProfilesFolder);
    } catch (const DataFolderError&) {
        // Writing the file below reports the failure.
    }
    IniFile profileFile(file);
    WriteProfile(profileFile, currentProfile());
    return true;
}

void MainWindow::saveProfileClicked() {
    const ValidatedName checked = IsValidDataName(profileBar->typedName());
    if (!checked.valid) {
        services_.messages.error(this,
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
        services_.messages.error(this, ErrorText(failure));
        return;
    }
    if (saved) {
        confirmationNote->show(
            QStringLiteral("Профиль «%1» сохранён").arg(FromCp1251(checked.name)));
    }
    if (profileBar->listedSpelling(checked.name).empty()) {
        profileBar->addName(checked.name);
    }
}

void MainWindow::profileChosen() {
    loadProfile(profileBar->typedName());
}

void MainWindow::deleteProfileClicked() {
    const std::string typed = profileBar->typedName();
    // The listed spelling names the file, whatever case was typed.
    const std::string listed = profileBar->listedSpelling(typed);
    if (listed.empty()) {
        return;
    }
    if (!services_.messages.confirm(this, QStringLiteral("Удалить профиль '") + FromCp1251(typed) +
                                              QStringLiteral("' ?"))) {
        return;
    }
    std::error_code ignored;
    std::filesystem::remove(profilePath(listed), ignored);
    fillProfileList("");
    profileBar->clearTypedName();
}

void MainWindow::saveOnClose(QCloseEvent* event) {
    try {
        saveProfile(kDefaultProfile, false, true);
    } catch (const FileWriteError& failure) {
        // Closing now would lose the options; the window stays so the user can act.
        services_.messages.error(this, ErrorText(failure));
        event->ignore();
        return;
    }
    editMenu->setNicks({});
    event->accept();
}

}  // namespace tagforge
