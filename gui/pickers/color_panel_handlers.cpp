#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/hex_color_dialog.h"

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
    TForm2 dialog(parent);
    dialog.move(cursor);
    dialog.setText(value);
    if (dialogs.exec(dialog) != kHexDialogOk) {
        return std::nullopt;
    }
    return dialog.text();
}

}  // namespace

void TForm1::ConnectColorPanels() {
    for (ColorPanel* panel :
         {OtherNameColor, ImOnlyForYou, ImOkColor, Image6, Image7, ComeColor, Image2}) {
        connect(panel, &ColorPanel::mouseReleased, this,
                [this, panel](Qt::MouseButton button, QPoint globalPos) {
                    Image1MouseUp(panel, button, globalPos);
                });
    }
    ListBox2->setItemDelegate(new PaletteItemDelegate(ListBox2));
    ListBox2->addItems({QStringLiteral("FF00FF"), QStringLiteral("00FF00"),
                        QStringLiteral("0000FF"), QStringLiteral("000000"),
                        QStringLiteral("FFFF00"), QStringLiteral("00FFFF"),
                        QStringLiteral("FFFFFF")});
    connect(ListBox2, &QListWidget::currentRowChanged, this, &TForm1::ListBox2Click);
    ListBox2->viewport()->installEventFilter(this);
}

void TForm1::SetPanelColor(ColorPanel* panel, ColorValue color) {
    panel->setColors(color, ContrastTextColor(color));
}

void TForm1::Image1MouseUp(ColorPanel* sender, Qt::MouseButton button, QPoint globalPos) {
    if (button == Qt::RightButton) {
        const auto typed = AskHexColor(services_.dialogs, this,
                                       FromCp1251(ToColorCode(sender->color())), globalPos);
        if (typed) {
            SetPanelColor(sender, FromColorCode(ToCp1251(*typed)));
        }
    } else if (button == Qt::LeftButton) {
        if (const auto chosen = services_.colors.pick(this, sender->color())) {
            SetPanelColor(sender, *chosen);
        }
    }

    switch (comboboxColorMark->currentIndex()) {
        case kEffectSolid:
            remembered_.solid = Image6->color();
            break;
        case kEffectGradient:
            remembered_.gradientBegin = Image6->color();
            remembered_.gradientEnd = Image7->color();
            break;
        case kEffectSpectrum:
            Image6->hide();
            Image7->hide();
            break;
        case kEffectAlternation:
            remembered_.alternationFirst = Image6->color();
            remembered_.alternationSecond = Image7->color();
            break;
        default:
            break;
    }
}

void TForm1::ListBox2Click() {
    QListWidgetItem* item = ListBox2->currentItem();
    if (item == nullptr) {
        return;
    }
    if (const auto chosen = services_.colors.pick(this, std::nullopt)) {
        item->setText(FromCp1251(ToColorCode(*chosen)));
    }
}

void TForm1::ListBox2MouseUp(Qt::MouseButton button, QPoint localPos, QPoint globalPos) {
    if (button != Qt::RightButton) {
        return;
    }
    const QModelIndex top = ListBox2->indexAt(QPoint(0, 0));
    const int row = (top.isValid() ? top.row() : 0) + localPos.y() / kPaletteItemHeight;
    if (row >= ListBox2->count()) {
        return;
    }
    {
        // Selecting by the right button is not a click and opens no colour dialog.
        const QSignalBlocker blocker(ListBox2);
        ListBox2->setCurrentRow(row);
    }
    QListWidgetItem* item = ListBox2->item(row);
    if (const auto typed = AskHexColor(services_.dialogs, this, item->text(), globalPos)) {
        item->setText(*typed);
        ListBox2->viewport()->update();
    }
}

}  // namespace tagforge
