#include "gui/settings/settings_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "core/format/result_limit.h"
#include "core/options/list_entry.h"
#include "core/store/settings.h"
#include "gui/common/text_bridge.h"
#include "gui/common/widget_factory.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/panel_color_choice.h"

namespace tagforge {

namespace {

constexpr int kThresholdMax = 9999;
constexpr int kThresholdDigits = 4;
constexpr int kSmilesPerGroupMax = 999;
constexpr int kSmilesPerGroupDigits = 3;
constexpr int kPreviewPanelWidth = 240;
constexpr int kPreviewPanelHeight = 21;
constexpr int kArrowsWidth = 18;
constexpr int kCaptionMargin = 10;

QLineEdit* NumberField(const char* name, int digits, int value) {
    auto* field = ui::LineEdit(name);
    field->setMaxLength(digits);
    field->setText(QString::number(value));
    field->setMaximumWidth(
        field->fontMetrics().horizontalAdvance(QString(digits + 1, QLatin1Char('9'))) + 12);
    return field;
}

// Only the arrows of the up-down show; the number lives in its buddy field, and each follows the
// other so that a typed number counts at once.
QSpinBox* UpDownFor(QLineEdit* field, const char* name, int maximum, int value) {
    auto* upDown = ui::Named(new QSpinBox, name);
    upDown->setRange(0, maximum);
    upDown->setValue(value);
    upDown->setWrapping(false);
    upDown->setFixedWidth(kArrowsWidth);
    QObject::connect(upDown, &QSpinBox::valueChanged, field,
                     [field](int number) { field->setText(QString::number(number)); });
    QObject::connect(field, &QLineEdit::textEdited, upDown, [upDown](const QString& text) {
        bool isNumber = false;
        const int number = text.toInt(&isNumber);
        if (isNumber) {
            const QSignalBlocker blocker(upDown);
            upDown->setValue(number);
        }
    });
    return upDown;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    row->addStretch();
    return row;
}

// Keys that edit or move rather than type. Some carry a control character as their text (on X11
// Delete brings 0x7F), which the character filter must not judge.
bool IsEditingKey(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

// False when the typed character is to be discarded.
bool AcceptsNumberKey(const QString& typed) {
    if (typed.isEmpty()) {
        return true;  // keys without a character: arrows, Delete, Home
    }
    const QChar ch = typed.front();
    return typed.size() == 1 &&
           ((ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || ch == QLatin1Char('\b'));
}

}  // namespace

SettingsPage::SettingsPage(MessageBoxes& messages, FontPicker& fonts, QWidget* parent)
    : QWidget(parent), messages_(messages), fonts_(fonts) {
    setObjectName(QStringLiteral("SettingsPage"));

    autoSaveCheck =
        ui::CheckBox("cbAutoSave", QStringLiteral("Автосохранение профиля по умолчанию"));
    thresholdCheck = ui::CheckBox("cbThreshold", QStringLiteral("Порог длины результата (симв.)"));
    thresholdEdit = NumberField("Edit1", kThresholdDigits, kDefaultResultLimit);
    thresholdUpDown = UpDownFor(thresholdEdit, "UpDown2", kThresholdMax, kDefaultResultLimit);
    toTrayCheck = ui::CheckBox("cbToTray", QStringLiteral("Минимизировать программу в трей"));
    restoreGestureBox = ui::ComboBox(
        "ComboHowToRestore", {QStringLiteral("Кликом"), QStringLiteral("Двойным кликом")}, false);
    showSmilesBox = ui::ComboBox(
        "comboShowSmiles",
        {QStringLiteral("Всегда"), QStringLiteral("Никогда"), QStringLiteral("Помнить")}, false);
    showHintsCheck = ui::CheckBox("cbShowHint", QStringLiteral("Показывать подсказки"));
    smileGroupSizeCheck =
        ui::CheckBox("cbNumOfSmiles", QStringLiteral("Разбивать смайлы в группы по"));
    smileGroupSizeEdit = NumberField("eNumOfSmiles", kSmilesPerGroupDigits, 0);
    smileGroupSizeUpDown = UpDownFor(smileGroupSizeEdit, "UpDown1", kSmilesPerGroupMax, 0);

    previewBackgroundPanel = ui::Named(new ColorPanel, "Image2");
    previewBackgroundPanel->setCaption(QStringLiteral("Цвет фона предварительного просмотра"));
    const int captionWidth =
        previewBackgroundPanel->fontMetrics().horizontalAdvance(previewBackgroundPanel->caption());
    previewBackgroundPanel->setFixedSize(
        std::max(kPreviewPanelWidth, captionWidth + 2 * kCaptionMargin), kPreviewPanelHeight);
    SetPanelColor(previewBackgroundPanel, FromColorCode("000000"));
    previewWordWrapCheck =
        ui::CheckBox("cbWordWrap", QStringLiteral("Перенос по словам при пред.осмотре"));
    previewWordWrapCheck->setChecked(true);
    frequentSmilesFirstCheck =
        ui::CheckBox("cbFrequentlyUsed", QStringLiteral("Перемещать популярные смайлы вверх"));
    autoRunCheck =
        ui::CheckBox("cbAutoRun", QStringLiteral("Запускать программу вместе с системой"));
    inputFontButton = ui::FlatButton("SpeedButton7", QStringLiteral("Настроить шрифт ввода текста"),
                                     QStringLiteral("Настроить шрифт ввода текста"));
    baseSettingsButton = ui::FlatButton("SpeedButton9", QStringLiteral("Базовые настройки"),
                                        QStringLiteral("Применить базовые настройки"));

    singleInstanceCheck = ui::CheckBox(
        "cbMultiLoad", QStringLiteral("Запрет одновременого запуска нескольких копий программы"));
    singleInstanceCheck->setVisible(false);

    auto* choices = new QGridLayout;
    choices->addWidget(ui::Caption(QStringLiteral("Восстановка из трея"), restoreGestureBox), 0, 0);
    choices->addWidget(restoreGestureBox, 0, 1);
    choices->addWidget(
        ui::Caption(QStringLiteral("Показывать окно смайлов при загрузке"), showSmilesBox), 1, 0);
    choices->addWidget(showSmilesBox, 1, 1);
    choices->setColumnStretch(2, 1);

    auto* threshold = Row({thresholdCheck, thresholdEdit, thresholdUpDown});
    threshold->insertSpacing(1, 6);
    auto* smiles = Row({smileGroupSizeCheck, smileGroupSizeEdit, smileGroupSizeUpDown});
    smiles->insertSpacing(1, 6);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(autoSaveCheck);
    layout->addLayout(threshold);
    layout->addWidget(toTrayCheck);
    layout->addLayout(choices);
    layout->addWidget(showHintsCheck);
    layout->addLayout(smiles);
    layout->addWidget(previewBackgroundPanel);
    layout->addWidget(previewWordWrapCheck);
    layout->addWidget(frequentSmilesFirstCheck);
    layout->addWidget(autoRunCheck);
    layout->addLayout(Row({inputFontButton}));
    layout->addWidget(singleInstanceCheck);
    layout->addStretch();
    layout->addLayout(Row({baseSettingsButton}));

    // Setting these boxes from code reports them just as a click does.
    connect(toTrayCheck, &QCheckBox::toggled, this, &SettingsPage::toTrayChanged);
    connect(showHintsCheck, &QCheckBox::toggled, this, &SettingsPage::hintsShownChanged);
    connect(singleInstanceCheck, &QCheckBox::toggled, this, &SettingsPage::singleInstanceChanged);
    connect(inputFontButton, &QPushButton::clicked, this, &SettingsPage::chooseInputFont);
    connect(baseSettingsButton, &QPushButton::clicked, this, &SettingsPage::applyBaseSettings);
    for (QLineEdit* field : {thresholdEdit, smileGroupSizeEdit}) {
        field->installEventFilter(this);
    }
}

void SettingsPage::setInputField(QWidget* field) {
    inputField_ = field;
}

void SettingsPage::fillSettings(Settings& settings) const {
    settings.autoSave = autoSaveCheck->isChecked();
    settings.enableResultLimit = thresholdCheck->isChecked();
    settings.resultLimit = thresholdUpDown->value();
    settings.minimizeToTray = toTrayCheck->isChecked();
    settings.restoreMethod = restoreGestureBox->currentIndex();
    settings.showSmilesEntry = showSmilesBox->currentIndex();
    settings.showHint = showHintsCheck->isChecked();
    settings.enableSmileSeparate = smileGroupSizeCheck->isChecked();
    settings.smileSeparate = smileGroupSizeUpDown->value();
    settings.previewBgColor = previewBackgroundPanel->color();
    settings.previewWordWrap = previewWordWrapCheck->isChecked();
    settings.smileFrequentlyUsed = frequentSmilesFirstCheck->isChecked();
    settings.autoRun = autoRunCheck->isChecked();
    const QFont font = inputField_->font();
    settings.fontName = ToCp1251(font.family());
    // A font given in pixels has no point size; the stored size must stay a usable number.
    settings.fontSize = font.pointSize() > 0 ? font.pointSize() : Settings{}.fontSize;
    settings.charset = mainTextCharset_;
    settings.bold = font.bold();
    settings.italic = font.italic();
}

void SettingsPage::applySettings(const Settings& settings) {
    autoSaveCheck->setChecked(settings.autoSave);
    thresholdCheck->setChecked(settings.enableResultLimit);
    thresholdUpDown->setValue(static_cast<int>(settings.resultLimit));
    thresholdEdit->setText(QString::number(thresholdUpDown->value()));
    toTrayCheck->setChecked(settings.minimizeToTray);
    restoreGestureBox->setCurrentIndex(
        ListEntry(settings.restoreMethod, restoreGestureBox->count()));
    showSmilesBox->setCurrentIndex(settings.showSmilesEntry);
    showHintsCheck->setChecked(settings.showHint);
    // Told even when the box kept its state, so that hints stored as off are off from the start.
    emit hintsShownChanged(settings.showHint);
    smileGroupSizeCheck->setChecked(settings.enableSmileSeparate);
    smileGroupSizeUpDown->setValue(static_cast<int>(settings.smileSeparate));
    smileGroupSizeEdit->setText(QString::number(smileGroupSizeUpDown->value()));
    SetPanelColor(previewBackgroundPanel, settings.previewBgColor);
    previewWordWrapCheck->setChecked(settings.previewWordWrap);
    frequentSmilesFirstCheck->setChecked(settings.smileFrequentlyUsed);
    autoRunCheck->setChecked(settings.autoRun);

    QFont font(FromCp1251(settings.fontName));
    font.setPointSize(settings.fontSize > 0 ? static_cast<int>(settings.fontSize) : 1);
    // The style changes only when a flag is on; otherwise the font has none.
    if (settings.bold) {
        font.setBold(true);
    }
    if (settings.italic) {
        font.setItalic(true);
    }
    setInputFont(font);
    mainTextCharset_ = settings.charset;
}

void SettingsPage::applyBaseSettings() {
    if (!messages_.confirm(window(), QStringLiteral("Применить базовые настройки ?"))) {
        return;
    }
    applySettings(Settings{});
}

bool SettingsPage::autoSave() const {
    return autoSaveCheck->isChecked();
}

int SettingsPage::threshold() const {
    return thresholdCheck->isChecked() ? thresholdUpDown->value() : 0;
}

bool SettingsPage::minimizesToTray() const {
    return toTrayCheck->isChecked();
}

bool SettingsPage::restoresOn(TrayGesture gesture) const {
    switch (restoreGestureBox->currentIndex()) {
        case 0:
            return gesture == TrayGesture::LeftClick;
        case 1:
            return gesture == TrayGesture::DoubleClick;
        default:
            // A stored method the list does not hold: any click restores.
            return true;
    }
}

bool SettingsPage::hintsShown() const {
    return showHintsCheck->isChecked();
}

bool SettingsPage::splitsSmileGroups() const {
    return smileGroupSizeCheck->isChecked();
}

int SettingsPage::smileGroupSize() const {
    return smileGroupSizeUpDown->value();
}

bool SettingsPage::frequentSmilesFirst() const {
    return frequentSmilesFirstCheck->isChecked();
}

ColorValue SettingsPage::previewBackground() const {
    return previewBackgroundPanel->color();
}

bool SettingsPage::previewWordWrap() const {
    return previewWordWrapCheck->isChecked();
}

void SettingsPage::chooseInputFont() {
    const std::optional<QFont> chosen = fonts_.pick(window(), inputField_->font());
    if (chosen) {
        setInputFont(*chosen);
    }
}

void SettingsPage::setInputFont(const QFont& font) {
    inputField_->setFont(font);
}

void SettingsPage::clampNumberField(QLineEdit* field, QSpinBox* upDown) {
    const QString text = field->text();
    if (text.isEmpty()) {
        upDown->setValue(upDown->minimum());
    } else {
        bool isNumber = false;
        const int number = text.toInt(&isNumber);
        if (!isNumber) {
            // Only pasting gets here; the field keeps the text so the user can mend it.
            messages_.error(window(),
                            QStringLiteral("'%1' is not a valid integer value").arg(text));
            return;
        }
        upDown->setValue(std::min(number, upDown->maximum()));
    }
    field->setText(QString::number(upDown->value()));
}

bool SettingsPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == thresholdEdit || watched == smileGroupSizeEdit) {
        if (event->type() == QEvent::KeyPress) {
            // Editing keys, focus moves and dialog keys never reach a field as characters, nor
            // does Ctrl+A, which selects the number so that typing replaces it.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!IsEditingKey(key->key()) && !key->matches(QKeySequence::SelectAll) &&
                !AcceptsNumberKey(key->text())) {
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            if (watched == thresholdEdit) {
                clampNumberField(thresholdEdit, thresholdUpDown);
            } else {
                clampNumberField(smileGroupSizeEdit, smileGroupSizeUpDown);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SettingsPage::attachColorPanels(const std::function<void(ColorPanel*)>& attach) const {
    attach(previewBackgroundPanel);
}

}  // namespace tagforge
