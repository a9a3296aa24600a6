#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "core/store/ini_file.h"
#include "core/store/tag_list.h"
#include "core/templates/ascii_catalog.h"
#include "gui/templates/ascii_manager.h"

namespace tagforge {

void TForm1::ConnectAsciiPage() {
    // The picture is read when the line is built, never on picking it.
    connect(SpeedButton11, &QPushButton::clicked, this, &TForm1::SpeedButton11Click);
}

void TForm1::comboASCIIartChange() {
    std::string html;
    if (comboASCIIart->isEnabled()) {
        const IniFile catalogue(AsciiCatalogPath());
        html = AsciiPictureHtml(catalogue, ToCp1251(comboASCIIart->currentText()));
    }
    templateText_ = BuildAsciiTemplate(ToCp1251(Edit5->text()), html);
}

bool TForm1::LoadAsciiList(const std::string& name) {
    const IniFile catalogue(AsciiCatalogPath());
    if (catalogue.exists()) {
        const std::vector<std::string> names = IncludedAsciiPictures(catalogue);
        SetItems(comboASCIIart, names);
        comboASCIIart->setCurrentIndex(PickEntry(names, name));
        comboASCIIart->setEnabled(!names.empty());
    } else if (PageControl3->currentWidget() == AsciiPage) {
        PageControl3->setCurrentWidget(KillPage);
    }
    PageControl3->setTabVisible(PageControl3->indexOf(AsciiPage), catalogue.exists());
    return catalogue.exists();
}

void TForm1::SpeedButton11Click() {
    TAsciiForm form(programFolder_, asciiManagerIndex_, services_.messages, this);
    services_.dialogs.exec(form);
    // However the manager was dismissed, its ticks are kept.
    form.FormClose();
    LoadAsciiList(ToCp1251(comboASCIIart->currentText()));
}

std::filesystem::path TForm1::AsciiCatalogPath() const {
    return tagforge::AsciiCatalogPath(programFolder_);
}

}  // namespace tagforge
