#include "gui/formatting/palette_list.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <utility>

#include "core/format/color_code.h"
#include "gui/common/text_bridge.h"
#include "gui/pickers/panel_color_choice.h"

namespace tagforge {

namespace {

constexpr int kPaletteItemHeight = 16;
constexpr int kPaletteTextIndent = 20;

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

PaletteList::PaletteList(PlatformServices services, QWidget* parent)
    : QListWidget(parent), services_(std::move(services)) {
    setItemDelegate(new PaletteItemDelegate(this));
    addItems({QStringLiteral("FF00FF"), QStringLiteral("00FF00"), QStringLiteral("0000FF"),
              QStringLiteral("000000"), QStringLiteral("FFFF00"), QStringLiteral("00FFFF"),
              QStringLiteral("FFFFFF")});
    connect(this, &QListWidget::currentRowChanged, this, &PaletteList::pickCurrentItemColor);
}

void PaletteList::pickCurrentItemColor() {
    QListWidgetItem* item = currentItem();
    if (item == nullptr) {
        return;
    }
    if (const auto chosen = services_.colors.pick(window(), std::nullopt)) {
        item->setText(FromCp1251(ToColorCode(*chosen)));
    }
}

void PaletteList::mouseReleasedAt(Qt::MouseButton button, QPoint localPos, QPoint globalPos) {
    if (button != Qt::RightButton) {
        return;
    }
    const QModelIndex top = indexAt(QPoint(0, 0));
    const int row = (top.isValid() ? top.row() : 0) + localPos.y() / kPaletteItemHeight;
    if (row >= count()) {
        return;
    }
    {
        // Selecting by the right button is not a click and opens no colour dialog.
        const QSignalBlocker blocker(this);
        setCurrentRow(row);
    }
    QListWidgetItem* item = this->item(row);
    if (const auto typed = AskHexColor(services_.dialogs, window(), item->text(), globalPos)) {
        item->setText(*typed);
        viewport()->update();
    }
}

void PaletteList::mouseReleaseEvent(QMouseEvent* event) {
    mouseReleasedAt(event->button(), event->position().toPoint(),
                    event->globalPosition().toPoint());
    QListWidget::mouseReleaseEvent(event);
}

}  // namespace tagforge
