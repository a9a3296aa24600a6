#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "core/store/ini_file.h"
#include "core/store/tag_list.h"
#include "core/templates/ascii_catalog.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/templates/ascii_manager.h"

namespace tagforge {

void MainWindow::connectAsciiPage() {
    // The picture is read when the line is built, never on picking it.
    connect(asciiManagerButton, &QPushButton::clicked, this, &MainWindow::openAsciiManager);
}

void MainWindow::buildAsciiLine() {
    std::string html;
    if (asciiPictureBox->isEnabled()) {
        const IniFile catalogue(asciiCataloguePath());
        html = AsciiPictureHtml(catalogue, ToCp1251(asciiPictureBox->currentText()));
    }
    templateText_ = BuildAsciiTemplate(ToCp1251(templateOwnTextEdit->text()), html);
}

bool MainWindow::loadAsciiList(const std::string& name) {
    const IniFile catalogue(asciiCataloguePath());
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

void MainWindow::openAsciiManager() {
    AsciiManagerDialog form(programFolder_, asciiManagerIndex_, services_.messages, this);
    services_.dialogs.exec(form);
    // However the manager was dismissed, its ticks are kept.
    form.writeTicks();
    loadAsciiList(ToCp1251(asciiPictureBox->currentText()));
}

std::filesystem::path MainWindow::asciiCataloguePath() const {
    return tagforge::AsciiCatalogPath(programFolder_);
}

}  // namespace tagforge
