#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/hex_color_dialog.h"
#include "gui/settings/settings_page.h"
#include "gui/templates/template_page.h"

namespace tagforge {

namespace {

constexpr int kPaletteItemHeight = 16;
constexpr int kPaletteTextIndent = 20;
constexpr int kHexDialogOk = 1;

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

// Runs the hex dialog at the cursor; the typed text on OK.
std::optional<QString> AskHexColor(DialogRunner& dialogs, QWidget* parent, const QString& value,
                                   QPoint cursor) {
    HexColorDialog dialog(parent);
    dialog.move(cursor);
    dialog.setText(value);
    if (dialogs.exec(dialog) != kHexDialogOk) {
        return std::nullopt;
    }
    return dialog.text();
}

}  // namespace

void MainWindow::connectColorPanels() {
    const auto attach = [this](ColorPanel* panel) {
        connect(panel, &ColorPanel::mouseReleased, this,
                [this, panel](Qt::MouseButton button, QPoint globalPos) {
                    colorPanelClicked(panel, button, globalPos);
                });
    };
    for (ColorPanel* panel : {otherNickColorPanel, onlyForYouColorPanel, linkColorPanel,
                              firstEffectColorPanel, secondEffectColorPanel}) {
        attach(panel);
    }
    templatePage->attachColorPanels(attach);
    settingsPage->attachColorPanels(attach);
    paletteList->setItemDelegate(new PaletteItemDelegate(paletteList));
    paletteList->addItems({QStringLiteral("FF00FF"), QStringLiteral("00FF00"),
                           QStringLiteral("0000FF"), QStringLiteral("000000"),
                           QStringLiteral("FFFF00"), QStringLiteral("00FFFF"),
                           QStringLiteral("FFFFFF")});
    connect(paletteList, &QListWidget::currentRowChanged, this, &MainWindow::paletteItemClicked);
    paletteList->viewport()->installEventFilter(this);
}

void MainWindow::setPanelColor(ColorPanel* panel, ColorValue color) {
    panel->setColors(color, ContrastTextColor(color));
}

void MainWindow::colorPanelClicked(ColorPanel* sender, Qt::MouseButton button, QPoint globalPos) {
    if (button == Qt::RightButton) {
        const auto typed = AskHexColor(services_.dialogs, this,
                                       FromCp1251(ToColorCode(sender->color())), globalPos);
        if (typed) {
            setPanelColor(sender, FromColorCode(ToCp1251(*typed)));
        }
    } else if (button == Qt::LeftButton) {
        if (const auto chosen = services_.colors.pick(this, sender->color())) {
            setPanelColor(sender, *chosen);
        }
    }

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
        default:
            break;
    }
}

void MainWindow::paletteItemClicked() {
    QListWidgetItem* item = paletteList->currentItem();
    if (item == nullptr) {
        return;
    }
    if (const auto chosen = services_.colors.pick(this, std::nullopt)) {
        item->setText(FromCp1251(ToColorCode(*chosen)));
    }
}

void MainWindow::paletteMouseReleased(Qt::MouseButton button, QPoint localPos, QPoint globalPos) {
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
    if (const auto typed = AskHexColor(services_.dialogs, this, item->text(), globalPos)) {
        item->setText(*typed);
        paletteList->viewport()->update();
    }
}

}  // namespace tagforge
