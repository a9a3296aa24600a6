#include "gui/menus/font_name_delegate.h"

QSize FontNameDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
}

void FontNameDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->font.setFamily(index.data(Qt::DisplayRole).toString());
    option->fontMetrics = QFontMetrics(option->font);
    option->displayAlignment = Qt::AlignLeft | Qt::AlignTop;
}
