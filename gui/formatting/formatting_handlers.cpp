#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTextCursor>
#include <QTextDocument>

#include "core/format/letter_transforms.h"
#include "gui/common/text_bridge.h"
#include "gui/formatting/formatting_page.h"
#include "gui/formatting/gradient_stop_row.h"
#include "gui/formatting/result_memo.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/panel_color_choice.h"

namespace tagforge {

namespace {

void SetCaptionFont(QCheckBox* box, void (QFont::*style)(bool)) {
    QFont font = box->font();
    (font.*style)(box->isChecked());
    box->setFont(font);
}

}  // namespace

void FormattingPage::connectControls() {
    connect(controls_->colorEffectBox, &QComboBox::currentIndexChanged, this,
            [this] { effects_.showChosenEffect(); });
    connect(controls_->danceRatioSlider, &QSlider::valueChanged, this,
            &FormattingPage::danceRatioChanged);
    // Click handlers of check boxes also run when code changes the state, as a profile load does.
    connect(controls_->reverseTextCheck, &QCheckBox::toggled, this,
            &FormattingPage::reverseTextToggled);
    connect(controls_->underlineCheck, &QCheckBox::toggled, this,
            &FormattingPage::underlineToggled);
    connect(controls_->italicCheck, &QCheckBox::toggled, this, &FormattingPage::italicToggled);
    connect(controls_->boldCheck, &QCheckBox::toggled, this, &FormattingPage::boldToggled);
    connect(controls_->clearButton, &QPushButton::clicked, this, &FormattingPage::clearMessage);
    connect(controls_->resetButton, &QPushButton::clicked, this, [this] {
        emit resetClicked();
        // Ctrl+Z there brings the message back.
        controls_->messageEdit->setFocus();
    });
    connect(controls_->fontManagerButton, &QPushButton::clicked, this,
            &FormattingPage::fontManagerClicked);

    for (ColorPanel* panel : {controls_->otherNickColorPanel, controls_->onlyForYouColorPanel,
                              controls_->linkColorPanel, controls_->firstEffectColorPanel,
                              controls_->secondEffectColorPanel}) {
        connect(panel, &ColorPanel::mouseReleased, this,
                [this, panel](Qt::MouseButton button, QPoint globalPos) {
                    choosePanelColor(panel, button, globalPos);
                });
    }
    connect(controls_->gradientStopRow, &GradientStopRow::panelClicked, this,
            &FormattingPage::choosePanelColor);
    connect(controls_->gradientStopRow, &GradientStopRow::countChanged, this,
            [this] { effects_.rememberColors(); });
}

void FormattingPage::bindOptions(std::vector<BoundOption> options) {
    optionControls_ = std::move(options);
}

FormatterOptions FormattingPage::formatterOptions() const {
    FormatterOptions options;
    for (const auto& [option, control] : optionControls_) {
        SetFormatterValue(options, *option, ControlValue(control, option->control));
    }
    // Without a tag list the box is disabled and cannot be unticked, so it adds nothing.
    options.tagEnabled = options.tagEnabled && controls_->tagCheck->isEnabled();
    options.gradientStops = controls_->gradientStopRow->stops();
    return options;
}

void FormattingPage::rebuildResult() {
    BuiltResultText built = BuildResultTextWithGroups(formatterOptions(), random_);
    lettersPerColor_ = built.lettersPerColor;
    controls_->resultMemo->setBytes(std::move(built.text));
}

const std::string& FormattingPage::resultText() const {
    return controls_->resultMemo->bytes();
}

void FormattingPage::danceRatioChanged() {
    const int position = controls_->danceRatioSlider->value();
    controls_->danceRatioLabel->setText(QString::number(position));
    const float ratio =
        static_cast<float>(position) / static_cast<float>(controls_->danceRatioSlider->maximum());
    controls_->danceCaseCheck->setText(
        FromCp1251(DanceCase(ToCp1251(controls_->danceCaseCheck->text()), ratio)));
}

void FormattingPage::reverseTextToggled() {
    controls_->reverseTextCheck->setText(
        FromCp1251(ReverseText(ToCp1251(controls_->reverseTextCheck->text()), {})));
}

void FormattingPage::underlineToggled() {
    SetCaptionFont(controls_->underlineCheck, &QFont::setUnderline);
}

void FormattingPage::italicToggled() {
    SetCaptionFont(controls_->italicCheck, &QFont::setItalic);
}

void FormattingPage::boldToggled() {
    SetCaptionFont(controls_->boldCheck, &QFont::setBold);
}

void FormattingPage::clearMessage() {
    replaceMessage(QString());
    controls_->messageEdit->setFocus();
    rebuildResult();
}

void FormattingPage::replaceMessage(const QString& text) {
    if (PlainTextOf(controls_->messageEdit) == text) {
        return;
    }
    QTextDocument* document = controls_->messageEdit->document();
    // A box never edited, as at start-up, has nothing an undo could bring back.
    if (document->isEmpty() && !document->isUndoAvailable()) {
        controls_->messageEdit->setPlainText(text);
        return;
    }
    // One step for Ctrl+Z, so no replacement takes the user's message away for good.
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.insertText(text);
    cursor.endEditBlock();
}

void FormattingPage::drawNewRandomColor() {
    // Choosing the effect again is what draws its colour.
    effects_.showChosenEffect();
}

void FormattingPage::colorPanelClicked() {
    effects_.rememberColors();
    effects_.hidePanelsUnderSpectrum();
}

void FormattingPage::rememberEffectColors() {
    colorPanelClicked();
}

void FormattingPage::choosePanelColor(ColorPanel* panel, Qt::MouseButton button, QPoint globalPos) {
    ChoosePanelColor(panel, button, globalPos, services_, window());
    colorPanelClicked();
}

}  // namespace tagforge
