#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

#include "core/options/list_entry.h"
#include "core/options/option_table.h"
#include "core/store/ini_file.h"
#include "core/store/profile.h"
#include "core/store/tag_list.h"
#include "core/templates/ascii_catalog.h"
#include "core/templates/template_lines.h"
#include "gui/common/text_bridge.h"
#include "gui/formatting/option_controls.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/panel_color_choice.h"
#include "gui/platform/platform_services.h"
#include "gui/templates/ascii_manager.h"
#include "gui/templates/template_page.h"

namespace tagforge {

namespace {

std::string ClockTime(const Clock& clock) {
    const QTime time = clock.now().time();
    return FormatClockTime(time.hour(), time.minute(), time.second());
}

std::string TextOf(const QLineEdit* edit) {
    return ToCp1251(edit->text());
}

std::string TextOf(const QComboBox* combo) {
    return ToCp1251(combo->currentText());
}

}  // namespace

void TemplatePage::setLine(std::string line) {
    line_ = std::move(line);
    emit lineChanged();
}

void TemplatePage::buildLine() {
    QWidget* tab = templateTabs->currentWidget();
    if (tab == killPage) {
        buildKillLine();
    } else if (tab == solitudePage) {
        buildSolitudeLine();
    } else if (tab == notificationPage) {
        buildNotificationLine();
    } else {
        buildAsciiLine();
    }
}

void TemplatePage::rebuildLines() {
    buildNotificationLine();
    buildSolitudeLine();
    buildKillLine();
    buildAsciiLine();
}

void TemplatePage::buildKillLine() {
    KillLineFields fields;
    fields.ownText = TextOf(templateOwnTextEdit);
    fields.where = TextOf(killWhereBox);
    fields.action = TextOf(killActionBox);
    fields.period = TextOf(killPeriodBox);
    fields.killer = TextOf(killerEdit);
    fields.victim = TextOf(victimEdit);
    fields.reason = TextOf(killReasonBox);
    setLine(BuildKillLine(fields, ClockTime(clock_)));
}

void TemplatePage::buildSolitudeLine() {
    std::vector<std::string> nicks;
    nicks.reserve(static_cast<std::size_t>(solitudeNickList->count()));
    for (int i = 0; i < solitudeNickList->count(); ++i) {
        nicks.push_back(ToCp1251(solitudeNickList->item(i)->text()));
    }
    setLine(BuildSolitudeLine(TextOf(templateOwnTextEdit), nicks, TextOf(solitudeActionEdit)));
}

void TemplatePage::buildNotificationLine() {
    NotificationFields fields;
    fields.ownText = TextOf(templateOwnTextEdit);
    fields.kind = notificationKindBox->currentIndex();
    fields.nick = TextOf(notificationNickEdit);
    fields.comeColorEnabled = comeColorCheck->isChecked();
    fields.comeColor = comeColorPanel->color();
    setLine(BuildNotificationLine(fields, ClockTime(clock_)));
}

void TemplatePage::buildAsciiLine() {
    std::string html;
    if (asciiPictureBox->isEnabled()) {
        const IniFile catalogue(AsciiCatalogPath(programFolder_));
        html = AsciiPictureHtml(catalogue, TextOf(asciiPictureBox));
    }
    setLine(BuildAsciiTemplate(TextOf(templateOwnTextEdit), html));
}

void TemplatePage::addSolitudeNick() {
    if (!solitudeNickEdit->text().isEmpty()) {
        solitudeNickList->addItem(solitudeNickEdit->text());
    }
}

void TemplatePage::deleteSolitudeNicks() {
    // From the bottom up, so the rows still to remove keep their numbers.
    for (int row = solitudeNickList->count() - 1; row >= 0; --row) {
        if (solitudeNickList->item(row)->isSelected()) {
            std::unique_ptr<QListWidgetItem>(solitudeNickList->takeItem(row));
        }
    }
}

void TemplatePage::clearSolitudeNicks() {
    solitudeNickList->clear();
}

bool TemplatePage::loadAsciiList(const std::string& name) {
    const IniFile catalogue(AsciiCatalogPath(programFolder_));
    if (catalogue.exists()) {
        const std::vector<std::string> names = IncludedAsciiPictures(catalogue);
        SetItems(asciiPictureBox, names);
        asciiPictureBox->setCurrentIndex(PickEntry(names, name));
        asciiPictureBox->setEnabled(!names.empty());
    } else if (templateTabs->currentWidget() == asciiPage) {
        templateTabs->setCurrentWidget(killPage);
    }
    templateTabs->setTabVisible(templateTabs->indexOf(asciiPage), catalogue.exists());
    return catalogue.exists();
}

void TemplatePage::openAsciiManager() {
    AsciiManagerDialog form(programFolder_, asciiManagerIndex_, messages_, window());
    dialogs_.exec(form);
    // However the manager was dismissed, its ticks are kept.
    form.writeTicks();
    loadAsciiList(TextOf(asciiPictureBox));
}

void TemplatePage::applyProfile(const Profile& profile, bool showTab) {
    const bool haveAsciiCatalogue = loadAsciiList(profile.asciiName);
    if (showTab) {
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
    for (const auto& [option, control] : boundOptions_) {
        const OptionValue value = ProfileValue(profile, option->profileField);
        const auto* text = std::get_if<std::string>(&value);
        if (text == nullptr || !text->empty()) {
            SetControlValue(control, option->control, value);
        }
    }
    if (!profile.nicks.empty()) {
        solitudeNickList->clear();
        for (const std::string& nick : profile.nicks) {
            solitudeNickList->addItem(FromStoredCp1251(nick));
        }
    }
    notificationKindBox->setCurrentIndex(
        ListEntry(profile.persErrorType, notificationKindBox->count()));
}

void TemplatePage::fillProfile(Profile& profile) const {
    const QWidget* shown = templateTabs->currentWidget();
    profile.page2ActivePage = 0;
    long index = 0;
    for (const QWidget* tab : {killPage, solitudePage, notificationPage, asciiPage}) {
        if (shown == tab) {
            profile.page2ActivePage = index;
            break;
        }
        ++index;
    }
    for (const auto& [option, control] : boundOptions_) {
        SetProfileValue(profile, option->profileField, ControlValue(control, option->control));
    }
    profile.nicks.clear();
    for (int i = 0; i < solitudeNickList->count(); ++i) {
        profile.nicks.push_back(ToCp1251(solitudeNickList->item(i)->text()));
    }
    profile.persErrorType = notificationKindBox->currentIndex();
    profile.asciiName = TextOf(asciiPictureBox);
}

}  // namespace tagforge
