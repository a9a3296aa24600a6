#include "gui/menus/font_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "core/lists/font_choice.h"
#include "gui/menus/font_name_delegate.h"
#include "core/store/ini_file.h"

namespace tagforge {

namespace {

constexpr std::string_view kFontsKey = "\\Software\\Orbel Soft\\TagForge\\Fonts";
constexpr std::string_view kSizeValue = "Size";
constexpr std::string_view kDemoTextValue = "DemoText";
constexpr std::string_view kDefaultSize = "12";
constexpr RegistryRoot kFontsRoot = RegistryRoot::LocalMachine;

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

std::string CurrentItemOf(const QComboBox* box) {
    const int index = box->currentIndex();
    return index >= 0 ? ToCp1251(box->itemText(index)) : std::string();
}

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

TFontForm::TFontForm(TForm1& mainWindow, const FontCatalog& installedFonts)
    : QDialog(&mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow),
      installedFonts_(installedFonts) {
    setObjectName(QStringLiteral("FontForm"));
    setWindowTitle(QStringLiteral("Менеджер шрифтов"));
    resize(kStartWidth, kStartHeight);
    setMinimumSize(kMinimumSide, kMinimumSide);

    clbFonts = new QListWidget(this);
    clbFonts->setObjectName(QStringLiteral("clbFonts"));
    clbFonts->setItemDelegate(new FontNameDelegate(clbFonts));
    clbFonts->setUniformItemSizes(true);

    tbFontSize = new QSlider(Qt::Horizontal, this);
    tbFontSize->setObjectName(QStringLiteral("tbFontSize"));
    tbFontSize->setRange(kSmallestSize, kLargestSize);
    tbFontSize->setSingleStep(1);
    tbFontSize->setPageStep(1);
    tbFontSize->setValue(kSmallestSize);
    tbFontSize->setTickPosition(QSlider::TicksBelow);
    tbFontSize->setTickInterval(1);
    tbFontSize->setFixedHeight(kTrackBarHeight);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMaximumHeight(kMemoMaximumHeight);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The test field starts at the track bar's first position.
    QFont memoFont = Memo1->font();
    memoFont.setPointSize(kSmallestSize);
    Memo1->setFont(memoFont);
    mainWindow_.AttachNickMenu(Memo1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(clbFonts, 1);
    layout->addWidget(tbFontSize);
    layout->addWidget(Memo1);

    connect(clbFonts, &QListWidget::currentRowChanged, this, &TFontForm::clbFontsClick);
    connect(tbFontSize, &QSlider::valueChanged, this, &TFontForm::tbFontSizeChange);
}

void TFontForm::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TFontForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TFontForm::FormShow() {
    const bool hints = mainWindow_.cbShowHint->isChecked();
    clbFonts->setToolTip(hints ? kFontsHint : QString());
    tbFontSize->setToolTip(hints ? kSizeHint : QString());
    Memo1->setToolTip(hints ? kMemoHint : QString());

    const long size =
        AtolWin32(mainWindow_.ReadSettingText(kSizeValue, kDefaultSize, kFontsRoot, kFontsKey));
    tbFontSize->setValue(static_cast<int>(std::clamp<long>(size, kSmallestSize, kLargestSize)));
    Memo1->setPlainText(FromCp1251Lines(mainWindow_.ReadSettingText(
        kDemoTextValue, ToCp1251(QString::fromUtf8(kDefaultDemoText)), kFontsRoot, kFontsKey)));

    const QStringList installed = installedFonts_.families();
    {
        const QSignalBlocker blocker(clbFonts);
        clbFonts->clear();
        clbFonts->addItems(installed);
        const FontMarks marks =
            MarkChosenFonts(NamesOf(clbFonts), ItemsOf(mainWindow_.comboboxFontName),
                            CurrentItemOf(mainWindow_.comboboxFontName));
        for (int i = 0; i < clbFonts->count(); ++i) {
            QListWidgetItem* item = clbFonts->item(i);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(marks.checked[static_cast<std::size_t>(i)] ? Qt::Checked
                                                                           : Qt::Unchecked);
        }
        if (marks.current) {
            clbFonts->setCurrentRow(static_cast<int>(*marks.current));
        }
    }
    clbFontsClick();
}

// The handlers change the window's own controls, so they are not const however they reach them.
// NOLINTBEGIN(readability-make-member-function-const)
void TFontForm::clbFontsClick() {
    if (clbFonts->count() == 0) {
        return;
    }
    if (clbFonts->currentRow() < 0) {
        const QSignalBlocker blocker(clbFonts);
        clbFonts->setCurrentRow(0);
    }
    QFont font = Memo1->font();
    font.setFamily(clbFonts->currentItem()->text());
    Memo1->setFont(font);
}

void TFontForm::tbFontSizeChange() {
    QFont font = Memo1->font();
    font.setPointSize(tbFontSize->value());
    Memo1->setFont(font);
}

// NOLINTEND(readability-make-member-function-const)

void TFontForm::FormClose() {
    // Runs once, and only for a window that was shown: an unshown one holds no choice.
    if (!shown_ || closed_) {
        return;
    }
    closed_ = true;

    QComboBox* fontList = mainWindow_.comboboxFontName;
    const std::string previous = CurrentItemOf(fontList);
    const int highlighted = clbFonts->currentRow();
    const ChosenFonts chosen = CollectChosenFonts(
        NamesOf(clbFonts), ChecksOf(clbFonts),
        highlighted >= 0 ? std::optional<std::size_t>(highlighted) : std::nullopt, previous);
    SetItems(fontList, chosen.names);
    const bool haveFonts = !chosen.names.empty();
    fontList->setEnabled(haveFonts);
    mainWindow_.cbFontName->setEnabled(haveFonts);
    if (!haveFonts) {
        mainWindow_.cbFontName->setChecked(false);
    }
    fontList->setCurrentIndex(chosen.current);

    mainWindow_.WriteSettingText(kSizeValue, std::to_string(tbFontSize->value()), kFontsRoot,
                                 kFontsKey);
    mainWindow_.WriteSettingText(kDemoTextValue, ToCp1251Lines(PlainTextOf(Memo1)), kFontsRoot,
                                 kFontsKey);
}

}  // namespace tagforge
