#include "gui/templates/ascii_manager.h"

#include <QByteArray>
#include <QHBoxLayout>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <string>
#include <utility>
#include <vector>

#include "core/store/atomic_file.h"
#include "core/store/ini_file.h"
#include "core/templates/ascii_catalog.h"
#include "gui/common/text_bridge.h"
#include "gui/common/widget_factory.h"
#include "gui/platform/platform_services.h"
#include "gui/preview/preview_web_page.h"

namespace tagforge {

namespace {

constexpr int kWidth = 756;
constexpr int kHeight = 506;
constexpr int kMinWidth = 500;
constexpr int kMinHeight = 200;
constexpr int kListWidth = 300;
constexpr int kListMinWidth = 200;
constexpr int kListMaxWidth = 500;
constexpr int kButtonIndent = 3;
constexpr int kButtonGap = 6;
constexpr int kButtonStripMargin = 3;

// The picture's section name travels with its item, so the bytes never pass through Unicode.
constexpr int kNameRole = Qt::UserRole;

std::string NameOf(const QListWidgetItem* item) {
    const QByteArray name = item->data(kNameRole).toByteArray();
    return {name.constData(), static_cast<std::size_t>(name.size())};
}

void SetAllTicks(QListWidget* list, Qt::CheckState state) {
    for (int row = 0; row < list->count(); ++row) {
        list->item(row)->setCheckState(state);
    }
}

QWidget* Panel(const char* name) {
    return ui::Named(new QWidget, name);
}

}  // namespace

AsciiManagerDialog::AsciiManagerDialog(std::filesystem::path programFolder, int& rememberedIndex,
                                       MessageBoxes& messages, QWidget* parent)
    : QDialog(parent),
      programFolder_(std::move(programFolder)),
      rememberedIndex_(rememberedIndex),
      messages_(messages) {
    setObjectName(QStringLiteral("AsciiForm"));
    setWindowTitle(QStringLiteral("Ascii - Менеджер"));
    setWindowFlags((windowFlags() | Qt::WindowMaximizeButtonHint) &
                   ~Qt::WindowContextHelpButtonHint);
    setMinimumSize(kMinWidth, kMinHeight);
    resize(kWidth, kHeight);

    listPanel = Panel("Panel1");
    listPanel->setMinimumWidth(kListMinWidth);
    listPanel->setMaximumWidth(kListMaxWidth);
    pictureList = ui::Named(new QListWidget, "CheckListBox1");
    // Nothing to tick until the catalogue has been read.
    pictureList->setEnabled(false);
    buttonPanel = Panel("Panel3");
    clearAllButton = ui::FlatButton("SpeedButton1", QStringLiteral("Сбросить все"));
    includeAllButton = ui::FlatButton("SpeedButton2", QStringLiteral("Включить все"));
    auto* buttons = new QHBoxLayout(buttonPanel);
    buttons->setContentsMargins(kButtonIndent, kButtonStripMargin, 0, kButtonStripMargin);
    buttons->setSpacing(kButtonGap);
    buttons->addWidget(clearAllButton);
    buttons->addWidget(includeAllButton);
    buttons->addStretch();
    auto* list = new QVBoxLayout(listPanel);
    list->setContentsMargins(0, 0, 0, 0);
    list->setSpacing(0);
    list->addWidget(pictureList, 1);
    list->addWidget(buttonPanel);

    browserPanel = Panel("Panel2");
    pictureBrowser = ui::Named(new QWebEngineView, "wbAscii");
    pictureBrowser->setPage(new PreviewWebPage(pictureBrowser));
    pictureBrowser->setContextMenuPolicy(Qt::NoContextMenu);
    auto* view = new QVBoxLayout(browserPanel);
    view->setContentsMargins(0, 0, 0, 0);
    view->addWidget(pictureBrowser);

    splitter = ui::Named(new QSplitter(Qt::Horizontal), "Splitter1");
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(listPanel);
    splitter->addWidget(browserPanel);
    // The list keeps its width when the window is resized; the browser takes the rest.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kListWidth, kWidth - kListWidth - splitter->handleWidth()});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(pictureList, &QListWidget::currentRowChanged, this,
            &AsciiManagerDialog::pictureHighlighted);
    connect(clearAllButton, &QPushButton::clicked, this, &AsciiManagerDialog::clearAll);
    connect(includeAllButton, &QPushButton::clicked, this, &AsciiManagerDialog::includeAll);
    connect(splitter, &QSplitter::splitterMoved, this, &AsciiManagerDialog::splitterMoved);
}

void AsciiManagerDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored by the desktop is not opened anew.
    if (!event->spontaneous()) {
        fillOnShow();
    }
}

void AsciiManagerDialog::fillOnShow() {
    splitterMoved();
    const IniFile catalogue(AsciiCatalogPath(programFolder_));
    if (!catalogue.exists()) {
        pictureList->setEnabled(false);
        return;
    }
    {
        // The picture is shown once, for the remembered row, below.
        const QSignalBlocker blocker(pictureList);
        pictureList->clear();
        for (const AsciiPicture& picture : ReadAsciiPictures(catalogue)) {
            auto* item = new QListWidgetItem(FromCp1251(picture.name), pictureList);
            item->setData(kNameRole, QByteArray::fromStdString(picture.name));
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(picture.included ? Qt::Checked : Qt::Unchecked);
        }
        pictureList->setEnabled(true);
        // A row beyond the end, the file having lost pictures meanwhile, selects nothing.
        pictureList->setCurrentRow(rememberedIndex_);
    }
    pictureHighlighted();
}

void AsciiManagerDialog::pictureHighlighted() {
    const int row = pictureList->currentRow();
    rememberedIndex_ = row;
    const std::filesystem::path page = AsciiManagerPagePath(programFolder_);
    if (row >= 0) {
        try {
            const IniFile catalogue(AsciiCatalogPath(programFolder_));
            const std::string html = AsciiPictureHtml(catalogue, NameOf(pictureList->item(row)));
            WriteFileAtomically(page, BuildAsciiManagerPage(html));
        } catch (const FileWriteError&) {
            // Only a look at the picture is lost; the browser keeps the page it had.
        }
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(page, error)) {
        // Nothing written yet: the browser stays blank rather than showing an error page.
        return;
    }
    const QUrl url = QUrl::fromLocalFile(FromPath(page));
    static_cast<PreviewWebPage*>(pictureBrowser->page())->setAllowedUrl(url);
    pictureBrowser->load(url);
}

void AsciiManagerDialog::clearAll() {
    SetAllTicks(pictureList, Qt::Unchecked);
}

void AsciiManagerDialog::includeAll() {
    SetAllTicks(pictureList, Qt::Checked);
}

void AsciiManagerDialog::splitterMoved() {
    const int width = buttonPanel->width() / 2 - kButtonGap;
    clearAllButton->setFixedWidth(width);
    includeAllButton->setFixedWidth(width);
    // Placed at once rather than on the next pass of the event loop.
    buttonPanel->layout()->activate();
}

void AsciiManagerDialog::writeTicks() {
    std::vector<AsciiPicture> pictures;
    pictures.reserve(static_cast<std::size_t>(pictureList->count()));
    for (int row = 0; row < pictureList->count(); ++row) {
        const QListWidgetItem* item = pictureList->item(row);
        pictures.push_back({NameOf(item), item->checkState() == Qt::Checked});
    }
    if (pictures.empty()) {
        return;
    }
    IniFile catalogue(AsciiCatalogPath(programFolder_));
    try {
        // The catalogue is prepared by hand; one removed meanwhile is not made anew.
        if (!catalogue.exists()) {
            throw FileWriteError(catalogue.path());
        }
        WriteAsciiIncludeFlags(catalogue, pictures);
    } catch (const FileWriteError& failure) {
        messages_.error(parentWidget(), QString::fromStdString(failure.what()));
    }
}

}  // namespace tagforge
