#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyledItemDelegate>
#include <QTextCursor>
#include <QTextDocument>

#include "core/format/letter_transforms.h"
#include "gui/common/text_bridge.h"
#include "gui/formatting/formatting_page.h"
#include "gui/formatting/gradient_stop_row.h"
#include "gui/formatting/result_memo.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/effect_strips.h"
#include "gui/pickers/panel_color_choice.h"

namespace tagforge {

namespace {

constexpr int kPaletteItemHeight = 16;
constexpr int kPaletteTextIndent = 20;

void SetCaptionFont(QCheckBox* box, void (QFont::*style)(bool)) {
    QFont font = box->font();
    (font.*style)(box->isChecked());
    box->setFont(font);
}

// Palette items are drawn in their own colour, their text in the contrasting colour.
class PaletteItemDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const ColorValue fill = FromColorCode(ToCp1251(index.data().toString()));
        painter->fillRect(option.rect, ToQColor(fill));
        painter->setPen(ToQColor(ContrastTextColor(fill)));
        painter->drawText(option.rect.adjusted(kPaletteTextIndent, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kPaletteItemHeight};
    }
};

}  // namespace

void FormattingPage::connectControls() {
    connect(colorEffectBox, &QComboBox::currentIndexChanged, this,
            &FormattingPage::colorEffectChanged);
    connect(danceRatioSlider, &QSlider::valueChanged, this, &FormattingPage::danceRatioChanged);
    // Click handlers of check boxes also run when code changes the state, as a profile load does.
    connect(reverseTextCheck, &QCheckBox::toggled, this, &FormattingPage::reverseTextToggled);
    connect(underlineCheck, &QCheckBox::toggled, this, &FormattingPage::underlineToggled);
    connect(italicCheck, &QCheckBox::toggled, this, &FormattingPage::italicToggled);
    connect(boldCheck, &QCheckBox::toggled, this, &FormattingPage::boldToggled);
    connect(clearButton, &QPushButton::clicked, this, &FormattingPage::clearMessage);
    connect(resetButton, &QPushButton::clicked, this, [this] {
        emit resetClicked();
        // Ctrl+Z there brings the message back.
        messageEdit->setFocus();
    });
    connect(fontManagerButton, &QPushButton::clicked, this, &FormattingPage::fontManagerClicked);

    for (ColorPanel* panel : {otherNickColorPanel, onlyForYouColorPanel, linkColorPanel,
                              firstEffectColorPanel, secondEffectColorPanel}) {
        connect(panel, &ColorPanel::mouseReleased, this,
                [this, panel](Qt::MouseButton button, QPoint globalPos) {
                    colorPanelClicked(panel, button, globalPos);
                });
    }
    connect(gradientStopRow, &GradientStopRow::panelClicked, this,
            &FormattingPage::colorPanelClicked);
    connect(gradientStopRow, &GradientStopRow::countChanged, this,
            &FormattingPage::rememberEffectColors);
    paletteList->setItemDelegate(new PaletteItemDelegate(paletteList));
    paletteList->addItems({QStringLiteral("FF00FF"), QStringLiteral("00FF00"),
                           QStringLiteral("0000FF"), QStringLiteral("000000"),
                           QStringLiteral("FFFF00"), QStringLiteral("00FFFF"),
                           QStringLiteral("FFFFFF")});
    connect(paletteList, &QListWidget::currentRowChanged, this,
            &FormattingPage::paletteItemClicked);
    paletteList->viewport()->installEventFilter(this);
}

bool FormattingPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == paletteList->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        paletteMouseReleased(mouse->button(), mouse->position().toPoint(),
                             mouse->globalPosition().toPoint());
    }
    return QWidget::eventFilter(watched, event);
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
    options.tagEnabled = options.tagEnabled && tagCheck->isEnabled();
    options.gradientStops = gradientStopRow->stops();
    return options;
}

void FormattingPage::rebuildResult() {
    BuiltResultText built = BuildResultTextWithGroups(formatterOptions(), random_);
    lettersPerColor_ = built.lettersPerColor;
    resultMemo->setBytes(std::move(built.text));
}

const std::string& FormattingPage::resultText() const {
    return resultMemo->bytes();
}

EffectPanels FormattingPage::currentEffectPanels() const {
    EffectPanels panels;
    panels.firstVisible = firstEffectColorPanel->isVisibleTo(this);
    panels.secondVisible = secondEffectColorPanel->isVisibleTo(this);
    panels.firstWidth = firstEffectColorPanel->width();
    panels.first = firstEffectColorPanel->color();
    panels.second = secondEffectColorPanel->color();
    return panels;
}

void FormattingPage::colorEffectChanged() {
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
    SetPanelColor(firstEffectColorPanel, panels.first);
    SetPanelColor(secondEffectColorPanel, panels.second);
    firstEffectColorPanel->setVisible(panels.firstVisible);
    secondEffectColorPanel->setVisible(panels.secondVisible);
    if (panels.stopRowVisible) {
        gradientStopRow->setStops(remembered_.gradientStops);
    }
    gradientStopRow->setVisible(panels.stopRowVisible);
}

void FormattingPage::danceRatioChanged() {
    const int position = danceRatioSlider->value();
    danceRatioLabel->setText(QString::number(position));
    const float ratio =
        static_cast<float>(position) / static_cast<float>(danceRatioSlider->maximum());
    danceCaseCheck->setText(FromCp1251(DanceCase(ToCp1251(danceCaseCheck->text()), ratio)));
}

void FormattingPage::reverseTextToggled() {
    reverseTextCheck->setText(FromCp1251(ReverseText(ToCp1251(reverseTextCheck->text()), {})));
}

void FormattingPage::underlineToggled() {
    SetCaptionFont(underlineCheck, &QFont::setUnderline);
}

void FormattingPage::italicToggled() {
    SetCaptionFont(italicCheck, &QFont::setItalic);
}

void FormattingPage::boldToggled() {
    SetCaptionFont(boldCheck, &QFont::setBold);
}

void FormattingPage::clearMessage() {
    replaceMessage(QString());
    messageEdit->setFocus();
    rebuildResult();
}

void FormattingPage::replaceMessage(const QString& text) {
    if (PlainTextOf(messageEdit) == text) {
        return;
    }
    QTextDocument* document = messageEdit->document();
    // A box never edited, as at start-up, has nothing an undo could bring back.
    if (document->isEmpty() && !document->isUndoAvailable()) {
        messageEdit->setPlainText(text);
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
    colorEffectChanged();
}

void FormattingPage::colorPanelClicked(ColorPanel* sender, Qt::MouseButton button,
                                       QPoint globalPos) {
    ChoosePanelColor(sender, button, globalPos, services_, window());
    rememberEffectColors();
}

void FormattingPage::rememberEffectColors() {
    switch (colorEffectBox->currentIndex()) {
        case kEffectSolid:
            remembered_.solid = firstEffectColorPanel->color();
            break;
        case kEffectGradient:
            remembered_.gradientBegin = firstEffectColorPanel->color();
            remembered_.gradientEnd = secondEffectColorPanel->color();
            break;
        case kEffectSpectrum:
            firstEffectColorPanel->hide();
            secondEffectColorPanel->hide();
            break;
        case kEffectAlternation:
            remembered_.alternationFirst = firstEffectColorPanel->color();
            remembered_.alternationSecond = secondEffectColorPanel->color();
            break;
        case kEffectGradientStops:
            remembered_.gradientStops = gradientStopRow->stops();
            break;
        default:
            break;
    }
}

void FormattingPage::paletteItemClicked() {
    QListWidgetItem* item = paletteList->currentItem();
    if (item == nullptr) {
        return;
    }
    if (const auto chosen = services_.colors.pick(window(), std::nullopt)) {
        item->setText(FromCp1251(ToColorCode(*chosen)));
    }
}

void FormattingPage::paletteMouseReleased(Qt::MouseButton button, QPoint localPos,
                                          QPoint globalPos) {
    if (button != Qt::RightButton) {
        return;
    }
    const QModelIndex top = paletteList->indexAt(QPoint(0, 0));
    const int row = (top.isValid() ? top.row() : 0) + localPos.y() / kPaletteItemHeight;
    if (row >= paletteList->count()) {
        return;
    }
    {
        // Selecting by the right button is not a click and opens no colour dialog.
        const QSignalBlocker blocker(paletteList);
        paletteList->setCurrentRow(row);
    }
    QListWidgetItem* item = paletteList->item(row);
    if (const auto typed = AskHexColor(services_.dialogs, window(), item->text(), globalPos)) {
        item->setText(*typed);
        paletteList->viewport()->update();
    }
}

}  // namespace tagforge
