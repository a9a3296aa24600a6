#include "gui/formatting/formatting_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <utility>

#include "gui/formatting/caption_effects.h"
#include "gui/formatting/gradient_stop_row.h"
#include "gui/formatting/result_memo.h"
#include "gui/formatting/undoable_replace.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/panel_color_choice.h"

namespace tagforge {

FormattingPage::FormattingPage(PlatformServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("HandMadePage"));
    controls_->setUp(*this, services_);
    connectControls();
}

void FormattingPage::connectControls() {
    connect(controls_->colorEffectBox, &QComboBox::currentIndexChanged, this,
            [this] { effects_.showChosenEffect(); });
    ShowEffectsInCaptions(*controls_);
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
    options_.bind(std::move(options));
}

FormatterOptions FormattingPage::formatterOptions() const {
    return options_.formatterOptions();
}

void FormattingPage::rebuildResult() {
    FormatterOptions options = formatterOptions();
    // The same text and options keep their result, so what was shown is what is copied even
    // with random colours.
    if (options == builtOptions_) {
        return;
    }
    BuiltResultText built = BuildResultTextWithGroups(options, random_);
    lettersPerColor_ = built.lettersPerColor;
    controls_->resultMemo->setBytes(std::move(built.text));
    builtOptions_ = std::move(options);
}

const std::string& FormattingPage::resultText() const {
    return controls_->resultMemo->bytes();
}

void FormattingPage::applyProfile(const Profile& profile,
                                  const std::optional<std::vector<std::string>>& tags) {
    options_.apply(profile, tags);
}

void FormattingPage::storeProfile(Profile& profile) const {
    options_.store(profile);
}

void FormattingPage::drawNewRandomColor() {
    // Choosing the effect again is what draws its colour.
    effects_.showChosenEffect();
}

void FormattingPage::colorPanelClicked() {
    effects_.rememberColors();
    effects_.hidePanelsUnderSpectrum();
}

void FormattingPage::choosePanelColor(ColorPanel* panel, Qt::MouseButton button, QPoint globalPos) {
    ChoosePanelColor(panel, button, globalPos, services_, window());
    colorPanelClicked();
}

std::vector<std::string> FormattingPage::offeredFonts() const {
    return options_.offeredFonts();
}

std::string FormattingPage::shownFont() const {
    return options_.shownFont();
}

void FormattingPage::offerFonts(const std::vector<std::string>& names, int current) {
    options_.offerFonts(names, current);
}

void FormattingPage::listFonts(const std::vector<std::string>& names) {
    options_.listFonts(names);
}

void FormattingPage::setFontManagerIcon(const QIcon& icon) {
    controls_->fontManagerButton->setIcon(icon);
}

QWidget* FormattingPage::messageField() const {
    return controls_->messageEdit;
}

void FormattingPage::insertIntoMessage(const QString& text) {
    QTextCursor cursor = controls_->messageEdit->textCursor();
    cursor.insertText(text);
    controls_->messageEdit->setTextCursor(cursor);
    controls_->messageEdit->setFocus();
}

void FormattingPage::attachEditMenu(const std::function<void(QWidget*)>& attach) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             controls_->messageEdit, controls_->onlyForYouWordingBox, controls_->addresseeEdit,
             controls_->linkTextBox, controls_->otherNickEdit, controls_->ownTextEdit}) {
        attach(control);
    }
}

void FormattingPage::clearMessage() {
    ReplaceUndoably(*controls_->messageEdit, QString());
    controls_->messageEdit->setFocus();
    rebuildResult();
}

}  // namespace tagforge
