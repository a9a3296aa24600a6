#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "core/format/letter_transforms.h"
#include "gui/app/main_window.h"
#include "gui/app/result_memo.h"
#include "gui/app/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/effect_strips.h"
#include "gui/settings/settings_page.h"

namespace tagforge {

namespace {

void SetCaptionFont(QCheckBox* box, void (QFont::*style)(bool)) {
    QFont font = box->font();
    (font.*style)(box->isChecked());
    box->setFont(font);
}

void SetCaptionColor(QPushButton* button, Qt::GlobalColor color) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
}

}  // namespace

void MainWindow::connectHandMadePage() {
    connect(colorEffectBox, &QComboBox::currentIndexChanged, this, &MainWindow::colorEffectChanged);
    connect(danceRatioSlider, &QSlider::valueChanged, this, &MainWindow::danceRatioChanged);
    // Click handlers of check boxes also run when code changes the state, as a profile load does.
    connect(reverseTextCheck, &QCheckBox::toggled, this, &MainWindow::reverseTextToggled);
    connect(underlineCheck, &QCheckBox::toggled, this, &MainWindow::underlineToggled);
    connect(italicCheck, &QCheckBox::toggled, this, &MainWindow::italicToggled);
    connect(boldCheck, &QCheckBox::toggled, this, &MainWindow::boldToggled);
    // Any mouse button turns the caption red, not only the one that clicks.
    copyButton->installEventFilter(this);
    connect(copyButton, &QPushButton::clicked, this, &MainWindow::copyResult);
    connect(clearButton, &QPushButton::clicked, this, &MainWindow::clearMessage);
    connect(resetButton, &QPushButton::clicked, this, &MainWindow::resetAll);
}

FormatterOptions MainWindow::formatterOptions() const {
    FormatterOptions options;
    for (const auto& [option, control] : optionControls_) {
        SetFormatterValue(options, *option, ControlValue(control, option->control));
    }
    // Without a tag list the box is disabled and cannot be unticked, so it adds nothing.
    options.tagEnabled = options.tagEnabled && tagCheck->isEnabled();
    return options;
}

void MainWindow::rebuildResult() {
    resultMemo->setBytes(BuildResultText(formatterOptions(), random_));
}

EffectPanels MainWindow::currentEffectPanels() const {
    EffectPanels panels;
    panels.firstVisible = firstEffectColorPanel->isVisibleTo(handMadePage);
    panels.secondVisible = secondEffectColorPanel->isVisibleTo(handMadePage);
    panels.firstWidth = firstEffectColorPanel->width();
    panels.first = firstEffectColorPanel->color();
    panels.second = secondEffectColorPanel->color();
    return panels;
}

void MainWindow::colorEffectChanged() {
    const auto seed = static_cast<std::uint32_t>(services_.clock.now().toSecsSinceEpoch());
    const EffectPanels panels = SelectEffectPanels(colorEffectBox->currentIndex(), remembered_,
                                                   currentEffectPanels(), random_, seed);
    effectStrip->setVisible(panels.strip != EffectPanels::Strip::None);
    if (panels.strip == EffectPanels::Strip::Spectrum) {
        effectStrip->setPixmap(SpectrumStrip());
    } else if (panels.strip == EffectPanels::Strip::Random) {
        effectStrip->setPixmap(RandomStrip());
    }
    firstEffectColorPanel->setFixedWidth(panels.firstWidth);
    setPanelColor(firstEffectColorPanel, panels.first);
    setPanelColor(secondEffectColorPanel, panels.second);
    firstEffectColorPanel->setVisible(panels.firstVisible);
    secondEffectColorPanel->setVisible(panels.secondVisible);
}

void MainWindow::danceRatioChanged() {
    const int position = danceRatioSlider->value();
    danceRatioLabel->setText(QString::number(position));
    const float ratio =
        static_cast<float>(position) / static_cast<float>(danceRatioSlider->maximum());
    danceCaseCheck->setText(FromCp1251(DanceCase(ToCp1251(danceCaseCheck->text()), ratio)));
}

void MainWindow::reverseTextToggled() {
    reverseTextCheck->setText(FromCp1251(ReverseText(ToCp1251(reverseTextCheck->text()), {})));
}

void MainWindow::underlineToggled() {
    SetCaptionFont(underlineCheck, &QFont::setUnderline);
}

void MainWindow::italicToggled() {
    SetCaptionFont(italicCheck, &QFont::setItalic);
}

void MainWindow::boldToggled() {
    SetCaptionFont(boldCheck, &QFont::setBold);
}

void MainWindow::copyButtonPressed() {
    SetCaptionColor(copyButton, Qt::red);
}

void MainWindow::copyButtonReleased() {
    SetCaptionColor(copyButton, Qt::black);
}

int MainWindow::activeThreshold() const {
    return settingsPage->threshold();
}

void MainWindow::copyResult() {
    buildCurrentResult();
    const int threshold = activeThreshold();
    if (handMadePageActive()) {
        putOnClipboard(resultMemo->bytes(), threshold);
        colorEffectChanged();
    } else {
        putOnClipboard(templateText_, threshold);
    }
}

void MainWindow::putOnClipboard(const std::string& text, int threshold) {
    services_.clipboard.setText(FromCp1251(text));
    if (threshold != 0 && text.size() > static_cast<std::size_t>(threshold)) {
        services_.messages.warning(
            this, QStringLiteral("Результирующее сообщение превышает пороговую длину"));
    }
}

void MainWindow::clearMessage() {
    messageEdit->clear();
    rebuildResult();
}

void MainWindow::resetAll() {
    // No profile is ever saved under this name, so every option takes its default.
    loadProfile("0");
    rebuildResult();
}

}  // namespace tagforge
