#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/format/cp1251.h"
#include "core/store/atomic_file.h"
#include "core/store/data_folders.h"
#include "core/store/ini_file.h"
#include "core/store/profile.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"

namespace tagforge {

namespace {

constexpr char kProfileExtension[] = ".tfp";

void InsertSorted(QComboBox* combo, const std::string& name) {
    int index = 0;
    while (index < combo->count() &&
           CompareNoCaseCp1251(ToCp1251(combo->itemText(index)), name) <= 0) {
        ++index;
    }
    combo->insertItem(index, FromCp1251(name));
}

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
    fillFromDataFiles(profileBox, kProfilesFolder, preferred, kProfileExtension);
}

void MainWindow::connectProfileBar() {
    connect(saveProfileButton, &QPushButton::clicked, this, &MainWindow::saveProfileClicked);
    connect(deleteProfileButton, &QPushButton::clicked, this, &MainWindow::deleteProfileClicked);
    // Picking an entry loads it; typing a name loads nothing.
    connect(profileBox, &QComboBox::activated, this, &MainWindow::profileChosen);
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
    if (closing && !autoSaveCheck->isChecked()) {
        return true;
    }
    IniFile profileFile(file);
    WriteProfile(profileFile, currentProfile());
    return true;
}

void MainWindow::saveProfileClicked() {
    const ValidatedName checked = IsValidDataName(ToCp1251(profileBox->currentText()));
    if (!checked.valid) {
        services_.messages.error(this,
                                 QStringLiteral("Имя профиля не должно содержать \\/:*?\"<>|"));
        return;
    }
    if (checked.name.empty()) {
        return;
    }
    try {
        saveProfile(checked.name, true, false);
    } catch (const FileWriteError& failure) {
        services_.messages.error(this, ErrorText(failure));
        return;
    }
    if (FindIgnoringCase(profileBox, checked.name) < 0) {
        InsertSorted(profileBox, checked.name);
        profileBox->setEditText(FromCp1251(checked.name));
    }
}

void MainWindow::profileChosen() {
    loadProfile(ToCp1251(profileBox->currentText()));
}

void MainWindow::deleteProfileClicked() {
    const QString typed = profileBox->currentText();
    const int listed = FindIgnoringCase(profileBox, ToCp1251(typed));
    if (listed < 0) {
        return;
    }
    if (!services_.messages.confirm(
            this, QStringLiteral("Удалить профиль '") + typed + QStringLiteral("' ?"))) {
        return;
    }
    // The listed spelling names the file, whatever case was typed.
    std::error_code ignored;
    std::filesystem::remove(profilePath(ToCp1251(profileBox->itemText(listed))), ignored);
    fillProfileList("");
    profileBox->setEditText(QString());
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
    nicks_.clear();
    event->accept();
}

}  // namespace tagforge
