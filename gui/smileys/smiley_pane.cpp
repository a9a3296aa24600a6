#include "gui/smileys/smiley_pane.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <utility>

#include "core/smileys/smile_group.h"
#include "core/smileys/smile_page.h"
#include "core/store/atomic_file.h"
#include "core/store/data_folders.h"
#include "gui/common/text_bridge.h"
#include "gui/common/widget_factory.h"
#include "gui/preview/preview_web_page.h"
#include "gui/smileys/smile_group_maker.h"
#include "gui/smileys/smile_web_page.h"

namespace tagforge {

namespace {

constexpr int kSmilePaneWidth = 210;
constexpr int kSmileButtonSize = 21;
constexpr int kSmileGroupBoxWidth = 163;
constexpr int kSmileBrowserHeight = 395;

// The pane's width and the gap before it.
int PaneExtent(const QWidget& pane) {
    const QLayout* columns =
        pane.parentWidget() != nullptr ? pane.parentWidget()->layout() : nullptr;
    const int spacing = columns != nullptr ? columns->spacing() : 0;
    return pane.maximumWidth() + (spacing > 0 ? spacing : 0);
}

// The window grows by the pane's width when the pane appears and gives the width back when it
// goes, so the message area keeps its size.
void ResizeAroundPane(QMainWindow& window, QWidget& pane, bool show) {
    const int extent = PaneExtent(pane);
    // Taken first: showing the pane may already widen the window to its new minimum.
    const int width = window.width() + (show ? extent : -extent);
    pane.setVisible(show);
    // The minimum width counts the pane until the layouts have seen it go.
    window.centralWidget()->layout()->activate();
    window.layout()->activate();
    window.resize(width, window.height());
}

}  // namespace

SmileyPane::SmileyPane(std::filesystem::path programFolder, PlatformServices services,
                       QWidget* parent)
    : QWidget(parent), programFolder_(std::move(programFolder)), services_(std::move(services)) {
    setObjectName(QStringLiteral("SmilePane"));
    createControls();
    connect(smileButton, &QPushButton::clicked, this, &SmileyPane::smileButtonToggled);
    connect(newSmileGroupButton, &QPushButton::clicked, this, &SmileyPane::newSmileGroupClicked);
    connect(deleteSmileGroupButton, &QPushButton::clicked, this, &SmileyPane::deleteSmileGroup);
    connect(smileGroupBox, &QComboBox::activated, this, &SmileyPane::smileGroupChosen);
}

void SmileyPane::createControls() {
    smileButton =
        ui::FlatButton("SmileButton", QStringLiteral("Смайлы"), QStringLiteral("Показать смайлы"));
    smileButton->setCheckable(true);

    newSmileGroupButton = ui::FlatButton("SpeedButton10", QStringLiteral("+"),
                                         QStringLiteral("Создать новую группу смайлов"));
    newSmileGroupButton->setFixedSize(kSmileButtonSize, kSmileButtonSize);
    smileGroupBox =
        ui::ComboBox("comboSelectSmilesGroup", {}, false, QStringLiteral("Выбирай группу смайлов"));
    smileGroupBox->setFixedWidth(kSmileGroupBoxWidth);
    deleteSmileGroupButton = ui::FlatButton("SpeedButton8", QStringLiteral("−"),
                                            QStringLiteral("Удалить группу смайлов"));
    deleteSmileGroupButton->setFixedSize(kSmileButtonSize, kSmileButtonSize);

    // The browser view comes when the pane is first shown; until then this holds its place.
    browserHolder = new QWidget;
    browserHolder->setMinimumHeight(kSmileBrowserHeight);
    auto* holderLayout = new QVBoxLayout(browserHolder);
    holderLayout->setContentsMargins(0, 0, 0, 0);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 1, 0, 0);
    top->setSpacing(1);
    top->addWidget(newSmileGroupButton);
    top->addWidget(smileGroupBox);
    top->addWidget(deleteSmileGroupButton);
    top->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(browserHolder, 1);
    setFixedWidth(kSmilePaneWidth);
    // Hidden until the start-up brings it in line with smileButton.
    setVisible(false);
}

void SmileyPane::createBrowser() {
    smileBrowser = ui::Named(new QWebEngineView, "CppWebBrowser2");
    auto* smilePage = new SmileWebPage(
        [this](const QUrl& address) { return acceptSmileNavigation(address); }, smileBrowser);
    smilePage->setUrlRequestInterceptor(new SmileImageInterceptor(programFolder_, smilePage));
    smileBrowser->setPage(smilePage);
    smileBrowser->setContextMenuPolicy(Qt::NoContextMenu);
    browserHolder->layout()->addWidget(smileBrowser);
}

QWidget* SmileyPane::toggleButton() const {
    return smileButton;
}

void SmileyPane::setLayoutSource(std::function<SmileLayout()> layout) {
    layout_ = std::move(layout);
}

void SmileyPane::setMarkerSink(std::function<bool(const QString&)> sink) {
    markerSink_ = std::move(sink);
}

bool SmileyPane::isOpen() const {
    return smileButton->isChecked();
}

int SmileyPane::addedWidth() const {
    return isHidden() ? 0 : PaneExtent(*this);
}

void SmileyPane::setOpen(bool open) {
    smileButton->setChecked(open);
}

std::string SmileyPane::groupName() const {
    return ToCp1251(smileGroupBox->currentText());
}

void SmileyPane::listGroups(std::string_view preferred) {
    std::vector<std::string> names = ItemsOf(smileGroupBox);
    const int selected =
        ListDataFiles(names, programFolder_, kSmileGroupsFolder, preferred, kSmileGroupExtension);
    SetItems(smileGroupBox, names);
    smileGroupBox->setCurrentIndex(names.empty() ? -1 : selected);
}

bool SmileyPane::createSmileGroup() {
    SmileGroupMaker maker(programFolder_, services_, window());
    switch (maker.make(ItemsOf(smileGroupBox))) {
        case SmileGroupMaker::Outcome::kMade:
            buildSmilePage(maker.entries(), maker.name());
            return true;
        case SmileGroupMaker::Outcome::kNoFilesChosen:
            smileButton->setChecked(false);
            return false;
        case SmileGroupMaker::Outcome::kNotMade:
            return false;
    }
    return false;
}

void SmileyPane::newSmileGroupClicked() {
    createSmileGroup();
}

void SmileyPane::smileGroupChosen() {
    const QString selected = smileGroupBox->currentText();
    if (selected.isEmpty()) {
        return;
    }
    const std::string group = ToCp1251(selected);
    const std::filesystem::path file = SmileGroupPath(programFolder_, group);
    SmileEntries entries;
    try {
        entries = ReadSmileGroup(file);
    } catch (const SmileGroupReadError& failure) {
        services_.messages.error(window(), ErrorText(failure));
        return;
    }
    OrderSmileEntries(entries, layout_().frequentFirst);
    buildSmilePage(SmileNames(entries), group);
    try {
        WriteSmileGroup(file, entries);
    } catch (const FileWriteError& failure) {
        services_.messages.error(window(), ErrorText(failure));
    }
}

void SmileyPane::deleteSmileGroup() {
    const QString selected = smileGroupBox->currentText();
    if (!services_.messages.confirm(
            window(), QStringLiteral("Удалить группу '") + selected + QStringLiteral("' ?"))) {
        return;
    }
    // The images stay: other groups may show them.
    std::error_code ignored;
    std::filesystem::remove(SmileGroupPath(programFolder_, ToCp1251(selected)), ignored);
    listGroups("");
    if (smileGroupBox->count() > 0) {
        smileGroupChosen();
        return;
    }
    smileButton->setChecked(false);
    showSmilePane(false);
}

void SmileyPane::smileButtonToggled() {
    if (!smileButton->isChecked()) {
        showSmilePane(false);
        return;
    }
    try {
        EnsureDataFolder(programFolder_, kSmilesFolder);
    } catch (const DataFolderError& failure) {
        services_.messages.error(window(), ErrorText(failure));
        return;
    }
    if (smileGroupBox->currentText().isEmpty()) {
        smileButton->setChecked(createSmileGroup());
        showSmilePane(smileButton->isChecked());
        return;
    }
    showSmilePane(true);
}

void SmileyPane::showSmilePane(bool show) {
    smileButton->setToolTip(show ? QStringLiteral("Спрятать смайлы")
                                 : QStringLiteral("Показать смайлы"));
    if (isHidden() == show) {
        if (auto* mainWindow = qobject_cast<QMainWindow*>(window())) {
            ResizeAroundPane(*mainWindow, *this, show);
        } else {
            setVisible(show);
        }
    }
    if (show) {
        if (smileBrowser == nullptr) {
            createBrowser();
        }
        smileGroupChosen();
    }
}

void SmileyPane::buildSmilePage(const std::vector<std::string>& names,
                                const std::string& groupName) {
    try {
        EnsureDataFolder(programFolder_, kSmileGroupsFolder);
    } catch (const DataFolderError& failure) {
        services_.messages.error(window(), ErrorText(failure));
        return;
    }
    const SmileLayout layout = layout_();
    const SmileRuns runs{layout.grouped, layout.groupSize};
    const std::filesystem::path page = SmilePagePath(programFolder_);
    try {
        WriteFileAtomically(page, SmilePageText(SmilePageLines(names, runs)));
    } catch (const FileWriteError&) {
        // The pane keeps the page it shows.
        return;
    }
    listGroups(groupName);
    // A pane never shown has no view yet; its first showing builds the page anew.
    if (smileBrowser == nullptr) {
        return;
    }
    if (auto* pane = qobject_cast<SmileWebPage*>(smileBrowser->page())) {
        pane->showPageFile(FromPath(page));
    }
}

bool SmileyPane::acceptSmileNavigation(const QUrl& address) {
    const std::string link = SmileLinkName(address.toString(QUrl::FullyEncoded).toStdString());
    const std::string name = ToCp1251(QString::fromUtf8(link.data(), std::ssize(link)));
    if (IsSmilePageName(name)) {
        return true;
    }
    if (!markerSink_(FromCp1251(SmileMarker(name)))) {
        return false;
    }
    if (layout_().frequentFirst && countSmileUse(name)) {
        smileGroupChosen();
    }
    return false;
}

bool SmileyPane::countSmileUse(const std::string& name) {
    const std::filesystem::path file =
        SmileGroupPath(programFolder_, ToCp1251(smileGroupBox->currentText()));
    try {
        SmileEntries entries = ReadSmileGroup(file);
        if (AddSmileUse(entries, name)) {
            WriteSmileGroup(file, entries);
        }
    } catch (const SmileGroupReadError& failure) {
        services_.messages.error(window(), ErrorText(failure));
        return false;
    } catch (const FileWriteError& failure) {
        services_.messages.error(window(), ErrorText(failure));
        return false;
    }
    return true;
}

}  // namespace tagforge
