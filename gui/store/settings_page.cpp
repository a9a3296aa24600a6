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

#include "gui/app/tform1.h"
#include "gui/app/widget_factory.h"
#include "gui/pickers/color_panel.h"

namespace tagforge {

namespace {

constexpr int kThresholdMax = 9999;
constexpr int kThresholdDigits = 4;
constexpr int kDefaultThreshold = 900;
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

QWidget* TForm1::CreateSettingsPage() {
    auto* page = ui::Named(new QWidget, "SettingsPage");

    cbAutoSave = ui::CheckBox("cbAutoSave", QStringLiteral("Автосохранение профиля по умолчанию"));
    cbThreshold = ui::CheckBox("cbThreshold", QStringLiteral("Порог длины результата (симв.)"));
    Edit1 = NumberField("Edit1", kThresholdDigits, kDefaultThreshold);
    UpDown2 = UpDownFor(Edit1, "UpDown2", kThresholdMax, kDefaultThreshold);
    cbToTray = ui::CheckBox("cbToTray", QStringLiteral("Минимизировать программу в трей"));
    ComboHowToRestore = ui::ComboBox(
        "ComboHowToRestore", {QStringLiteral("Кликом"), QStringLiteral("Двойным кликом")}, false);
    comboShowSmiles = ui::ComboBox(
        "comboShowSmiles",
        {QStringLiteral("Всегда"), QStringLiteral("Никогда"), QStringLiteral("Помнить")}, false);
    cbShowHint = ui::CheckBox("cbShowHint", QStringLiteral("Показывать подсказки"));
    cbNumOfSmiles = ui::CheckBox("cbNumOfSmiles", QStringLiteral("Разбивать смайлы в группы по"));
    eNumOfSmiles = NumberField("eNumOfSmiles", kSmilesPerGroupDigits, 0);
    UpDown1 = UpDownFor(eNumOfSmiles, "UpDown1", kSmilesPerGroupMax, 0);

    Image2 = ui::Named(new ColorPanel, "Image2");
    Image2->setCaption(QStringLiteral("Цвет фона предварительного просмотра"));
    const int captionWidth = Image2->fontMetrics().horizontalAdvance(Image2->caption());
    Image2->setFixedSize(std::max(kPreviewPanelWidth, captionWidth + 2 * kCaptionMargin),
                         kPreviewPanelHeight);
    SetPanelColor(Image2, FromColorCode("000000"));
    cbWordWrap = ui::CheckBox("cbWordWrap", QStringLiteral("Перенос по словам при пред.осмотре"));
    cbWordWrap->setChecked(true);
    cbFrequentlyUsed =
        ui::CheckBox("cbFrequentlyUsed", QStringLiteral("Перемещать популярные смайлы вверх"));
    cbAutoRun = ui::CheckBox("cbAutoRun", QStringLiteral("Запускать программу вместе с системой"));
    SpeedButton7 = ui::FlatButton("SpeedButton7", QStringLiteral("Настроить шрифт ввода текста"),
                                  QStringLiteral("Настроить шрифт ввода текста"));
    SpeedButton9 = ui::FlatButton("SpeedButton9", QStringLiteral("Базовые настройки"),
                                  QStringLiteral("Применить базовые настройки"));

    cbMultiLoad = ui::CheckBox(
        "cbMultiLoad", QStringLiteral("Запрет одновременого запуска нескольких копий программы"));
    cbMultiLoad->setVisible(false);

    auto* choices = new QGridLayout;
    choices->addWidget(ui::Caption(QStringLiteral("Восстановка из трея"), ComboHowToRestore), 0, 0);
    choices->addWidget(ComboHowToRestore, 0, 1);
    choices->addWidget(
        ui::Caption(QStringLiteral("Показывать окно смайлов при загрузке"), comboShowSmiles), 1, 0);
    choices->addWidget(comboShowSmiles, 1, 1);
    choices->setColumnStretch(2, 1);

    auto* threshold = Row({cbThreshold, Edit1, UpDown2});
    threshold->insertSpacing(1, 6);
    auto* smiles = Row({cbNumOfSmiles, eNumOfSmiles, UpDown1});
    smiles->insertSpacing(1, 6);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(cbAutoSave);
    layout->addLayout(threshold);
    layout->addWidget(cbToTray);
    layout->addLayout(choices);
    layout->addWidget(cbShowHint);
    layout->addLayout(smiles);
    layout->addWidget(Image2);
    layout->addWidget(cbWordWrap);
    layout->addWidget(cbFrequentlyUsed);
    layout->addWidget(cbAutoRun);
    layout->addLayout(Row({SpeedButton7}));
    layout->addWidget(cbMultiLoad);
    layout->addStretch();
    layout->addLayout(Row({SpeedButton9}));
    return page;
}

void TForm1::ConnectSettingsPage() {
    // Setting these boxes from code runs their handlers just as a click does.
    connect(cbToTray, &QCheckBox::toggled, this, &TForm1::cbToTrayClick);
    connect(cbShowHint, &QCheckBox::toggled, this, &TForm1::cbShowHintClick);
    connect(cbMultiLoad, &QCheckBox::toggled, this, &TForm1::cbMultiLoadClick);
    connect(ComboHowToRestore, &QComboBox::currentIndexChanged, this,
            &TForm1::ComboHowToRestoreChange);
    connect(SpeedButton7, &QPushButton::clicked, this, &TForm1::SpeedButton7Click);
    connect(SpeedButton9, &QPushButton::clicked, this, &TForm1::SpeedButton9Click);
    for (QLineEdit* field : {Edit1, eNumOfSmiles}) {
        field->installEventFilter(this);
    }
    CreateTrayMenu();
}

}  // namespace tagforge
