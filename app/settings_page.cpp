#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/tform1.h"
#include "app/widget_factory.h"
#include "pickers/color_panel.h"

namespace tagforge {

namespace {

constexpr int kThresholdMax = 9999;
constexpr int kThresholdDigits = 4;
constexpr int kDefaultThreshold = 900;
constexpr int kPreviewPanelWidth = 240;
constexpr int kPreviewPanelHeight = 21;
constexpr int kArrowsWidth = 18;
constexpr int kCaptionMargin = 10;

}  // namespace

QWidget* TForm1::CreateSettingsPage() {
    auto* page = ui::Named(new QWidget, "SettingsPage");

    cbThreshold = ui::CheckBox("cbThreshold", QStringLiteral("Порог длины результата (симв.)"));
    Edit1 = ui::LineEdit("Edit1");
    Edit1->setMaxLength(kThresholdDigits);
    Edit1->setText(QString::number(kDefaultThreshold));
    Edit1->setMaximumWidth(Edit1->fontMetrics().horizontalAdvance(QStringLiteral("99999")) + 12);
    // Only the arrows of the up-down show; the number lives in Edit1.
    UpDown2 = ui::Named(new QSpinBox, "UpDown2");
    UpDown2->setRange(0, kThresholdMax);
    UpDown2->setValue(kDefaultThreshold);
    UpDown2->setWrapping(false);
    UpDown2->setFixedWidth(kArrowsWidth);
    connect(UpDown2, &QSpinBox::valueChanged, this,
            [this](int value) { Edit1->setText(QString::number(value)); });
    // The up-down reads its buddy's number, so a typed threshold counts at once.
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& text) {
        bool isNumber = false;
        const int value = text.toInt(&isNumber);
        if (isNumber) {
            const QSignalBlocker blocker(UpDown2);
            UpDown2->setValue(value);
        }
    });

    Image2 = ui::Named(new ColorPanel, "Image2");
    Image2->setCaption(QStringLiteral("Цвет фона предварительного просмотра"));
    const int captionWidth = Image2->fontMetrics().horizontalAdvance(Image2->caption());
    Image2->setFixedSize(std::max(kPreviewPanelWidth, captionWidth + 2 * kCaptionMargin),
                         kPreviewPanelHeight);
    SetPanelColor(Image2, FromColorCode("000000"));
    cbWordWrap = ui::CheckBox("cbWordWrap", QStringLiteral("Перенос по словам при пред.осмотре"));
    cbWordWrap->setChecked(true);

    cbMultiLoad = ui::CheckBox(
        "cbMultiLoad", QStringLiteral("Запрет одновременого запуска нескольких копий программы"));
    cbMultiLoad->setVisible(false);
    connect(cbMultiLoad, &QCheckBox::toggled, this, &TForm1::cbMultiLoadClick);

    auto* threshold = new QHBoxLayout;
    threshold->setSpacing(0);
    threshold->addWidget(cbThreshold);
    threshold->addSpacing(6);
    threshold->addWidget(Edit1);
    threshold->addWidget(UpDown2);
    threshold->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(threshold);
    layout->addWidget(Image2);
    layout->addWidget(cbWordWrap);
    layout->addWidget(cbMultiLoad);
    layout->addStretch();
    return page;
}

void TForm1::cbMultiLoadClick() {
    if (cbMultiLoad->isChecked()) {
        exclusivityLock_.Create(kExclusivityLockName);
    } else if (!exclusivityLock_.Release()) {
        services_.messages.information(this, QStringLiteral("Не освободить мутекс"));
    }
}

}  // namespace tagforge
