#include "gui/templates/ascii_picture_tab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "core/store/ini_file.h"
#include "core/store/tag_list.h"
#include "core/templates/ascii_catalog.h"
#include "gui/common/text_bridge.h"
#include "gui/common/widget_factory.h"
#include "gui/platform/platform_services.h"
#include "gui/templates/ascii_manager.h"

namespace tagforge {

AsciiPictureTab::AsciiPictureTab(std::filesystem::path programFolder, MessageBoxes& messages,
                                 DialogRunner& dialogs, QWidget* parent)
    : QWidget(parent),
      programFolder_(std::move(programFolder)),
      messages_(messages),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("AsciiPage"));
    pictureBox = ui::ComboBox("comboASCIIart", {}, false);
    pictureBox->setEnabled(false);
    managerButton = ui::FlatButton("SpeedButton11", QStringLiteral("Ascii - Менеджер"),
                                   QStringLiteral("Открыть ASCII менеджер"));

    auto* picture = new QHBoxLayout;
    picture->addWidget(pictureBox, 1);
    picture->addWidget(managerButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(picture);
    layout->addStretch();
    // The picture is read when the line is built, never on picking it.
    connect(managerButton, &QPushButton::clicked, this, &AsciiPictureTab::openManager);
}

bool AsciiPictureTab::listPictures(const std::string& name) {
    const IniFile catalogue(AsciiCatalogPath(programFolder_));
    if (!catalogue.exists()) {
        return false;
    }
    const std::vector<std::string> names = IncludedAsciiPictures(catalogue);
    SetItems(pictureBox, names);
    pictureBox->setCurrentIndex(PickEntry(names, name));
    pictureBox->setEnabled(!names.empty());
    return true;
}

std::string AsciiPictureTab::pictureName() const {
    return ToCp1251(pictureBox->currentText());
}

std::string AsciiPictureTab::pictureHtml() const {
    if (!pictureBox->isEnabled()) {
        return {};
    }
    const IniFile catalogue(AsciiCatalogPath(programFolder_));
    return AsciiPictureHtml(catalogue, pictureName());
}

void AsciiPictureTab::openManager() {
    AsciiManagerDialog form(programFolder_, managerIndex_, messages_, window());
    dialogs_.exec(form);
    // However the manager was dismissed, its ticks are kept.
    form.writeTicks();
    emit managerClosed();
}

}  // namespace tagforge
