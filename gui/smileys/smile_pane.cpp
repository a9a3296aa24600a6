#include <QCheckBox>
#include <QComboBox>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextCursor>
#include <QUrl>
#include <QWebEngineView>

#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "core/smileys/smile_group.h"
#include "core/smileys/smile_page.h"
#include "gui/smileys/smile_web_page.h"
#include "core/store/atomic_file.h"
#include "core/store/data_folders.h"

namespace tagforge {

namespace {

// The window grows by the pane's width when the pane appears and gives the width back when it
// goes, so the message area keeps its size.
void ResizeAroundPane(QMainWindow& window, QWidget& pane, bool show) {
    const int spacing = window.centralWidget()->layout()->spacing();
    const int extent = pane.maximumWidth() + (spacing > 0 ? spacing : 0);
    // Taken first: showing the pane may already widen the window to its new minimum.
    const int width = window.width() + (show ? extent : -extent);
    pane.setVisible(show);
    // The minimum width counts the pane until the layouts have seen it go.
    window.centralWidget()->layout()->activate();
    window.layout()->activate();
    window.resize(width, window.height());
}

}  // namespace

// Connecting changes what the window does, though no member is written.
// NOLINTNEXTLINE(readability-make-member-function-const)
void TForm1::ConnectSmilePane() {
    connect(SmileButton, &QPushButton::clicked, this, &TForm1::bShowSmilesClick);
    connect(SpeedButton10, &QPushButton::clicked, this, &TForm1::bNewSmilesClick);
    connect(SpeedButton8, &QPushButton::clicked, this, &TForm1::SpeedButton8Click);
    connect(comboSelectSmilesGroup, &QComboBox::activated, this,
            &TForm1::comboSelectSmilesGroupClick);
}

void TForm1::bShowSmilesClick() {
    if (!SmileButton->isChecked()) {
        ShowSmilePane(false);
        return;
    }
    try {
        EnsureDataFolder(programFolder_, kSmilesFolder);
    } catch (const DataFolderError& failure) {
        services_.messages.error(this, ErrorText(failure));
        return;
    }
    if (comboSelectSmilesGroup->currentText().isEmpty()) {
        SmileButton->setChecked(CreateSmileGroup());
        ShowSmilePane(SmileButton->isChecked());
        return;
    }
    ShowSmilePane(true);
}

void TForm1::ShowSmilePane(bool show) {
    SmileButton->setToolTip(show ? QStringLiteral("Спрятать смайлы")
                                 : QStringLiteral("Показать смайлы"));
    if (SmilePane->isHidden() == show) {
        ResizeAroundPane(*this, *SmilePane, show);
    }
    if (show) {
        comboSelectSmilesGroupClick();
    }
}

void TForm1::BuildSmilePage(const std::vector<std::string>& names, const std::string& groupName) {
    try {
        EnsureDataFolder(programFolder_, kSmileGroupsFolder);
    } catch (const DataFolderError& failure) {
        services_.messages.error(this, ErrorText(failure));
        return;
    }
    const SmileRuns runs{cbNumOfSmiles->isChecked(), UpDown1->value()};
    const std::filesystem::path page = SmilePagePath(programFolder_);
    try {
        WriteFileAtomically(page, SmilePageText(SmilePageLines(names, runs)));
    } catch (const FileWriteError&) {
        // The pane keeps the page it shows.
        return;
    }
    FillFromDataFiles(comboSelectSmilesGroup, kSmileGroupsFolder, groupName, kSmileGroupExtension);
    if (auto* pane = qobject_cast<SmileWebPage*>(CppWebBrowser2->page())) {
        pane->showPageFile(QString::fromStdString(page.string()));
    }
}

bool TForm1::CppWebBrowser2BeforeNavigate2(const QUrl& address) {
    const std::string link = SmileLinkName(address.toString(QUrl::FullyEncoded).toStdString());
    const std::string name = ToCp1251(QString::fromUtf8(link.data(), std::ssize(link)));
    if (IsSmilePageName(name)) {
        return true;
    }
    if (PageControl1->currentWidget() != FormatPage || !HandMadePageActive()) {
        return false;
    }
    QTextCursor cursor = MainText->textCursor();
    cursor.insertText(FromCp1251(SmileMarker(name)));
    MainText->setTextCursor(cursor);
    MainText->setFocus();
    if (cbFrequentlyUsed->isChecked() && CountSmileUse(name)) {
        comboSelectSmilesGroupClick();
    }
    return false;
}

bool TForm1::CountSmileUse(const std::string& name) {
    const std::filesystem::path file =
        SmileGroupPath(programFolder_, ToCp1251(comboSelectSmilesGroup->currentText()));
    try {
        SmileEntries entries = ReadSmileGroup(file);
        if (AddSmileUse(entries, name)) {
            WriteSmileGroup(file, entries);
        }
    } catch (const SmileGroupReadError& failure) {
        services_.messages.error(this, ErrorText(failure));
        return false;
    } catch (const FileWriteError& failure) {
        services_.messages.error(this, ErrorText(failure));
        return false;
    }
    return true;
}

}  // namespace tagforge
