#include <QTabWidget>

#include "core/options/option_table.h"
#include "core/store/data_folders.h"
#include "core/store/ini_file.h"
#include "core/store/profile.h"
#include "core/store/tag_list.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/formatting/formatting_page.h"
#include "gui/templates/template_page.h"

namespace tagforge {

bool MainWindow::loadProfile(const std::string& name) {
    // A missing file is no error: every key then takes its default.
    const IniFile file(profilePath(name));
    applyProfile(ReadProfile(file));
    return true;
}

void MainWindow::applyProfile(const Profile& profile) {
    const bool showTemplates =
        profile.formActivePage == static_cast<long>(FormattingTab::Templates);
    formattingTabs->setCurrentWidget(showTemplates ? static_cast<QWidget*>(templatePage)
                                                   : static_cast<QWidget*>(handMadePage));
    handMadePage->applyProfile(
        profile, ReadSortedLines(DataFilePath(programFolder_, kProfilesFolder, "tags.asc")));
    templatePage->applyProfile(profile, formattingTabs->currentWidget() == templatePage);
}

namespace {

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
    templatePage->fillProfile(profile);
    return profile;
}

}  // namespace tagforge
