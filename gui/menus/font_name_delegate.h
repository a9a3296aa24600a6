#pragma once

#include <QStyledItemDelegate>

// Draws each item of a font list in the face it names, keeping the list's size and style.
class FontNameDelegate final : public QStyledItemDelegate {
    Q_OBJECT

  public:
    static constexpr int kItemHeight = 16;

    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
