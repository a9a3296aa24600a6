#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/format/result_limit.h"
#include "gui/common/widget_factory.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/panel_color_choice.h"
#include "gui/settings/settings_page.h"

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

void SettingsPage::attachColorPanels(const std::function<void(ColorPanel*)>& attach) const {
    attach(previewBackgroundPanel);
}

}  // namespace tagforge
