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

#include "gui/app/platform_services.h"
#include "gui/app/text_bridge.h"
#include "gui/app/widget_factory.h"
#include "gui/preview/preview_web_page.h"
#include "core/store/atomic_file.h"
#include "core/store/ini_file.h"
#include "core/templates/ascii_catalog.h"

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

TAsciiForm::TAsciiForm(std::filesystem::path programFolder, int& rememberedIndex,
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

    Panel1 = Panel("Panel1");
    Panel1->setMinimumWidth(kListMinWidth);
    Panel1->setMaximumWidth(kListMaxWidth);
    CheckListBox1 = ui::Named(new QListWidget, "CheckListBox1");
    // Nothing to tick until the catalogue has been read.
    CheckListBox1->setEnabled(false);
    Panel3 = Panel("Panel3");
    SpeedButton1 = ui::FlatButton("SpeedButton1", QStringLiteral("Сбросить все"));
    SpeedButton2 = ui::FlatButton("SpeedButton2", QStringLiteral("Включить все"));
    auto* buttons = new QHBoxLayout(Panel3);
    buttons->setContentsMargins(kButtonIndent, kButtonStripMargin, 0, kButtonStripMargin);
    buttons->setSpacing(kButtonGap);
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    buttons->addStretch();
    auto* list = new QVBoxLayout(Panel1);
    list->setContentsMargins(0, 0, 0, 0);
    list->setSpacing(0);
    list->addWidget(CheckListBox1, 1);
    list->addWidget(Panel3);

    Panel2 = Panel("Panel2");
    wbAscii = ui::Named(new QWebEngineView, "wbAscii");
    wbAscii->setPage(new PreviewWebPage(wbAscii));
    wbAscii->setContextMenuPolicy(Qt::NoContextMenu);
    auto* view = new QVBoxLayout(Panel2);
    view->setContentsMargins(0, 0, 0, 0);
    view->addWidget(wbAscii);

    Splitter1 = ui::Named(new QSplitter(Qt::Horizontal), "Splitter1");
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(Panel2);
    // The list keeps its width when the window is resized; the browser takes the rest.
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({kListWidth, kWidth - kListWidth - Splitter1->handleWidth()});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter1);

    connect(CheckListBox1, &QListWidget::currentRowChanged, this, &TAsciiForm::CheckListBox1Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &TAsciiForm::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TAsciiForm::SpeedButton2Click);
    connect(Splitter1, &QSplitter::splitterMoved, this, &TAsciiForm::Splitter1Moved);
}

void TAsciiForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored by the desktop is not opened anew.
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TAsciiForm::FormShow() {
    Splitter1Moved();
    const IniFile catalogue(AsciiCatalogPath(programFolder_));
    if (!catalogue.exists()) {
        CheckListBox1->setEnabled(false);
        return;
    }
    {
        // The picture is shown once, for the remembered row, below.
        const QSignalBlocker blocker(CheckListBox1);
        CheckListBox1->clear();
        for (const AsciiPicture& picture : ReadAsciiPictures(catalogue)) {
            auto* item = new QListWidgetItem(FromCp1251(picture.name), CheckListBox1);
            item->setData(kNameRole, QByteArray::fromStdString(picture.name));
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(picture.included ? Qt::Checked : Qt::Unchecked);
        }
        CheckListBox1->setEnabled(true);
        // A row beyond the end, the file having lost pictures meanwhile, selects nothing.
        CheckListBox1->setCurrentRow(rememberedIndex_);
    }
    CheckListBox1Click();
}

void TAsciiForm::CheckListBox1Click() {
    const int row = CheckListBox1->currentRow();
    rememberedIndex_ = row;
    const std::filesystem::path page = AsciiManagerPagePath(programFolder_);
    if (row >= 0) {
        try {
            const IniFile catalogue(AsciiCatalogPath(programFolder_));
            const std::string html = AsciiPictureHtml(catalogue, NameOf(CheckListBox1->item(row)));
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
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(page.string()));
    static_cast<PreviewWebPage*>(wbAscii->page())->setAllowedUrl(url);
    wbAscii->load(url);
}

void TAsciiForm::SpeedButton1Click() {
    SetAllTicks(CheckListBox1, Qt::Unchecked);
}

void TAsciiForm::SpeedButton2Click() {
    SetAllTicks(CheckListBox1, Qt::Checked);
}

void TAsciiForm::Splitter1Moved() {
    const int width = Panel3->width() / 2 - kButtonGap;
    SpeedButton1->setFixedWidth(width);
    SpeedButton2->setFixedWidth(width);
    // Placed at once rather than on the next pass of the event loop.
    Panel3->layout()->activate();
}

void TAsciiForm::FormClose() {
    std::vector<AsciiPicture> pictures;
    pictures.reserve(static_cast<std::size_t>(CheckListBox1->count()));
    for (int row = 0; row < CheckListBox1->count(); ++row) {
        const QListWidgetItem* item = CheckListBox1->item(row);
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
