#include "gui/menus/font_manager.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/font_choice.h"
#include "core/store/ini_file.h"
#include "gui/common/text_bridge.h"
#include "gui/menus/font_name_delegate.h"
#include "gui/platform/platform_services.h"

namespace tagforge {

namespace {

constexpr std::string_view kSizeValue = "Size";
constexpr std::string_view kDemoTextValue = "DemoText";
constexpr std::string_view kDefaultSize = "12";

constexpr int kStartWidth = 317;
constexpr int kStartHeight = 342;
constexpr int kMinimumSide = 150;
constexpr int kSmallestSize = 8;
constexpr int kLargestSize = 24;
constexpr int kMemoMaximumHeight = 80;
constexpr int kTrackBarHeight = 13;

const QString kFontsHint = QStringLiteral("Отметьте шрифты, которые планируется использовать");
const QString kSizeHint = QStringLiteral("Изменение размера шрифта");
const QString kMemoHint = QStringLiteral("Поле для проверки шрифта");

std::vector<std::string> NamesOf(const QListWidget* list) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i) {
        names.push_back(ToCp1251(list->item(i)->text()));
    }
    return names;
}

std::vector<bool> ChecksOf(const QListWidget* list) {
    std::vector<bool> checks;
    checks.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i) {
        checks.push_back(list->item(i)->checkState() == Qt::Checked);
    }
    return checks;
}

}  // namespace

FontManagerDialog::FontManagerDialog(FontManagerSetup setup, const FontCatalog& installedFonts,
                                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      setup_(std::move(setup)),
      installedFonts_(installedFonts) {
    setObjectName(QStringLiteral("FontForm"));
    setWindowTitle(QStringLiteral("Менеджер шрифтов"));
    resize(kStartWidth, kStartHeight);
    setMinimumSize(kMinimumSide, kMinimumSide);

    fontList = new QListWidget(this);
    fontList->setObjectName(QStringLiteral("clbFonts"));
    fontList->setItemDelegate(new FontNameDelegate(fontList));
    fontList->setUniformItemSizes(true);

    sizeSlider = new QSlider(Qt::Horizontal, this);
    sizeSlider->setObjectName(QStringLiteral("tbFontSize"));
    sizeSlider->setRange(kSmallestSize, kLargestSize);
    sizeSlider->setSingleStep(1);
    sizeSlider->setPageStep(1);
    sizeSlider->setValue(kSmallestSize);
    sizeSlider->setTickPosition(QSlider::TicksBelow);
    sizeSlider->setTickInterval(1);
    sizeSlider->setFixedHeight(kTrackBarHeight);

    testMemo = new QPlainTextEdit(this);
    testMemo->setObjectName(QStringLiteral("Memo1"));
    testMemo->setMaximumHeight(kMemoMaximumHeight);
    testMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The test field starts at the track bar's first position.
    QFont memoFont = testMemo->font();
    memoFont.setPointSize(kSmallestSize);
    testMemo->setFont(memoFont);
    setup_.attachEditMenu(testMemo);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(fontList, 1);
    layout->addWidget(sizeSlider);
    layout->addWidget(testMemo);

    connect(fontList, &QListWidget::currentRowChanged, this, &FontManagerDialog::fontHighlighted);
    connect(sizeSlider, &QSlider::valueChanged, this, &FontManagerDialog::sizeChanged);
}

void FontManagerDialog::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        fillOnShow();
    }
    QDialog::showEvent(event);
}

void FontManagerDialog::done(int result) {
    handBackChoice();
    QDialog::done(result);
}

void FontManagerDialog::fillOnShow() {
    const bool hints = setup_.hintsShown;
    fontList->setToolTip(hints ? kFontsHint : QString());
    sizeSlider->setToolTip(hints ? kSizeHint : QString());
    testMemo->setToolTip(hints ? kMemoHint : QString());

    const long size = AtolWin32(setup_.readSetting(kSizeValue, kDefaultSize));
    sizeSlider->setValue(static_cast<int>(std::clamp<long>(size, kSmallestSize, kLargestSize)));
    testMemo->setPlainText(FromCp1251Lines(
        setup_.readSetting(kDemoTextValue, ToCp1251(QString::fromUtf8(kDefaultDemoText)))));

    const QStringList installed = installedFonts_.families();
    {
        const QSignalBlocker blocker(fontList);
        fontList->clear();
        fontList->addItems(installed);
        const FontMarks marks =
            MarkChosenFonts(NamesOf(fontList), setup_.offeredFonts, setup_.shownFont);
        for (int i = 0; i < fontList->count(); ++i) {
            QListWidgetItem* item = fontList->item(i);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(marks.checked[static_cast<std::size_t>(i)] ? Qt::Checked
                                                                           : Qt::Unchecked);
        }
        if (marks.current) {
            fontList->setCurrentRow(static_cast<int>(*marks.current));
        }
    }
    fontHighlighted();
}

// The handlers change the window's own controls, so they are not const however they reach them.
// NOLINTBEGIN(readability-make-member-function-const)
void FontManagerDialog::fontHighlighted() {
    if (fontList->count() == 0) {
        return;
    }
    if (fontList->currentRow() < 0) {
        const QSignalBlocker blocker(fontList);
        fontList->setCurrentRow(0);
    }
    QFont font = testMemo->font();
    font.setFamily(fontList->currentItem()->text());
    testMemo->setFont(font);
}

void FontManagerDialog::sizeChanged() {
    QFont font = testMemo->font();
    font.setPointSize(sizeSlider->value());
    testMemo->setFont(font);
}

// NOLINTEND(readability-make-member-function-const)

void FontManagerDialog::handBackChoice() {
    // Runs once, and only for a window that was shown: an unshown one holds no choice.
    if (!shown_ || closed_) {
        return;
    }
    closed_ = true;

    const std::string& previous = setup_.shownFont;
    const int highlighted = fontList->currentRow();
    const ChosenFonts chosen = CollectChosenFonts(
        NamesOf(fontList), ChecksOf(fontList),
        highlighted >= 0 ? std::optional<std::size_t>(highlighted) : std::nullopt, previous);
    setup_.offerFonts(chosen.names, chosen.current);

    setup_.writeSetting(kSizeValue, std::to_string(sizeSlider->value()));
    setup_.writeSetting(kDemoTextValue, ToCp1251Lines(PlainTextOf(testMemo)));
}

}  // namespace tagforge
