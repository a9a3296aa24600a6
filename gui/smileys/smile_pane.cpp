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

#include "core/smileys/smile_group.h"
#include "core/smileys/smile_page.h"
#include "core/store/atomic_file.h"
#include "core/store/data_folders.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/settings/settings_page.h"
#include "gui/smileys/smile_web_page.h"

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
void MainWindow::connectSmilePane() {
    connect(smileButton, &QPushButton::clicked, this, &MainWindow::smileButtonToggled);
    connect(newSmileGroupButton, &QPushButton::clicked, this, &MainWindow::newSmileGroupClicked);
    connect(deleteSmileGroupButton, &QPushButton::clicked, this, &MainWindow::deleteSmileGroup);
    connect(smileGroupBox, &QComboBox::activated, this, &MainWindow::smileGroupChosen);
}

void MainWindow::smileButtonToggled() {
    if (!smileButton->isChecked()) {
        showSmilePane(false);
        return;
    }
    try {
        EnsureDataFolder(programFolder_, kSmilesFolder);
    } catch (const DataFolderError& failure) {
        services_.messages.error(this, ErrorText(failure));
        return;
    }
    if (smileGroupBox->currentText().isEmpty()) {
        smileButton->setChecked(createSmileGroup());
        showSmilePane(smileButton->isChecked());
        return;
    }
    showSmilePane(true);
}

void MainWindow::showSmilePane(bool show) {
    smileButton->setToolTip(show ? QStringLiteral("Спрятать смайлы")
                                 : QStringLiteral("Показать смайлы"));
    if (smilePane->isHidden() == show) {
        ResizeAroundPane(*this, *smilePane, show);
    }
    if (show) {
        smileGroupChosen();
    }
}

void MainWindow::buildSmilePage(const std::vector<std::string>& names,
                                const std::string& groupName) {
    try {
        EnsureDataFolder(programFolder_, kSmileGroupsFolder);
    } catch (const DataFolderError& failure) {
        services_.messages.error(this, ErrorText(failure));
        return;
    }
    const SmileRuns runs{settingsPage->splitsSmileGroups(), settingsPage->smileGroupSize()};
    const std::filesystem::path page = SmilePagePath(programFolder_);
    try {
        WriteFileAtomically(page, SmilePageText(SmilePageLines(names, runs)));
    } catch (const FileWriteError&) {
        // The pane keeps the page it shows.
        return;
    }
    fillFromDataFiles(smileGroupBox, kSmileGroupsFolder, groupName, kSmileGroupExtension);
    if (auto* pane = qobject_cast<SmileWebPage*>(smileBrowser->page())) {
        pane->showPageFile(QString::fromStdString(page.string()));
    }
}

bool MainWindow::acceptSmileNavigation(const QUrl& address) {
    const std::string link = SmileLinkName(address.toString(QUrl::FullyEncoded).toStdString());
    const std::string name = ToCp1251(QString::fromUtf8(link.data(), std::ssize(link)));
    if (IsSmilePageName(name)) {
        return true;
    }
    if (pageTabs->currentWidget() != formattingPage || !handMadePageActive()) {
        return false;
    }
    QTextCursor cursor = messageEdit->textCursor();
    cursor.insertText(FromCp1251(SmileMarker(name)));
    messageEdit->setTextCursor(cursor);
    messageEdit->setFocus();
    if (settingsPage->frequentSmilesFirst() && countSmileUse(name)) {
        smileGroupChosen();
    }
    return false;
}

bool MainWindow::countSmileUse(const std::string& name) {
    const std::filesystem::path file =
        SmileGroupPath(programFolder_, ToCp1251(smileGroupBox->currentText()));
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
