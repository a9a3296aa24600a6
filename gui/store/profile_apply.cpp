#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>

#include "core/options/option_table.h"
#include "core/store/data_folders.h"
#include "core/store/ini_file.h"
#include "core/store/profile.h"
#include "core/store/tag_list.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/formatting/formatting_page.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/panel_color_choice.h"

namespace tagforge {

namespace {

void SetWhenNotEmpty(QLineEdit* edit, const std::string& value) {
    if (!value.empty()) {
        edit->setText(FromCp1251(value));
    }
}

void SetWhenNotEmpty(QComboBox* combo, const std::string& value) {
    if (!value.empty()) {
        combo->setEditText(FromCp1251(value));
    }
}

// Indexes outside the list select nothing.
int ListIndex(long stored, int count) {
    return stored >= 0 && stored < count ? static_cast<int>(stored) : -1;
}

}  // namespace

bool MainWindow::loadProfile(const std::string& name) {
    // A missing file is no error: every key then takes its default.
    const IniFile file(profilePath(name));
    applyProfile(ReadProfile(file));
    return true;
}

void MainWindow::applyProfile(const Profile& profile) {
    formattingTabs->setCurrentWidget(
        profile.formActivePage == static_cast<long>(FormattingTab::Templates) ? templatePage
                                                                              : handMadePage);
    handMadePage->applyProfile(
        profile, ReadSortedLines(DataFilePath(programFolder_, kProfilesFolder, "tags.asc")));

    const bool haveAsciiCatalogue = loadAsciiList(profile.asciiName);
    if (formattingTabs->currentWidget() == templatePage) {
        switch (static_cast<TemplateTab>(profile.page2ActivePage)) {
            case TemplateTab::Solitude:
                templateTabs->setCurrentWidget(solitudePage);
                break;
            case TemplateTab::Notification:
                templateTabs->setCurrentWidget(notificationPage);
                break;
            case TemplateTab::AsciiArt:
                templateTabs->setCurrentWidget(haveAsciiCatalogue ? asciiPage : killPage);
                break;
            default:
                templateTabs->setCurrentWidget(killPage);
                break;
        }
    }
    SetWhenNotEmpty(killWhereBox, profile.where);
    SetWhenNotEmpty(killActionBox, profile.action);
    SetWhenNotEmpty(killPeriodBox, profile.period);
    SetWhenNotEmpty(killerEdit, profile.killerName);
    SetWhenNotEmpty(victimEdit, profile.victimName);
    SetWhenNotEmpty(killReasonBox, profile.reasonName);
    SetWhenNotEmpty(templateOwnTextEdit, profile.page2OwnText);
    SetWhenNotEmpty(solitudeActionEdit, profile.whatDo);
    SetWhenNotEmpty(solitudeNickEdit, profile.nick);
    if (!profile.nicks.empty()) {
        solitudeNickList->clear();
        for (const std::string& nick : profile.nicks) {
            solitudeNickList->addItem(FromCp1251(nick));
        }
    }
    SetWhenNotEmpty(notificationNickEdit, profile.personallyErrorMessage);
    notificationKindBox->setCurrentIndex(
        ListIndex(profile.persErrorType, notificationKindBox->count()));
    comeColorCheck->setChecked(profile.comeColorEnabled);
    SetPanelColor(comeColorPanel, profile.comeColor);
}

namespace {

std::string TextOf(const QLineEdit* edit) {
    return ToCp1251(edit->text());
}

std::string TextOf(const QComboBox* combo) {
    return ToCp1251(combo->currentText());
}

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

Profile MainWindow::currentProfile() const {
    Profile profile;
    profile.formActivePage = PageIndex(formattingTabs, {handMadePage, templatePage});
    handMadePage->storeProfile(profile);

    profile.page2ActivePage =
        PageIndex(templateTabs, {killPage, solitudePage, notificationPage, asciiPage});
    profile.where = TextOf(killWhereBox);
    profile.action = TextOf(killActionBox);
    profile.period = TextOf(killPeriodBox);
    profile.killerName = TextOf(killerEdit);
    profile.victimName = TextOf(victimEdit);
    profile.reasonName = TextOf(killReasonBox);
    profile.page2OwnText = TextOf(templateOwnTextEdit);
    profile.whatDo = TextOf(solitudeActionEdit);
    profile.nick = TextOf(solitudeNickEdit);
    profile.nicks.clear();
    for (int i = 0; i < solitudeNickList->count(); ++i) {
        profile.nicks.push_back(ToCp1251(solitudeNickList->item(i)->text()));
    }
    profile.personallyErrorMessage = TextOf(notificationNickEdit);
    profile.persErrorType = notificationKindBox->currentIndex();
    profile.comeColorEnabled = comeColorCheck->isChecked();
    profile.comeColor = comeColorPanel->color();
    profile.asciiName = TextOf(asciiPictureBox);
    return profile;
}

}  // namespace tagforge
