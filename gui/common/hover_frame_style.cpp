#include "gui/common/hover_frame_style.h"

#include <QPushButton>
#include <QStyleOptionButton>

namespace tagforge {

void HoverFrameStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (qobject_cast<QPushButton*>(widget) != nullptr) {
        widget->setAttribute(Qt::WA_Hover);
    }
}

void HoverFrameStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element == CE_PushButton && button != nullptr &&
        button->features.testFlag(QStyleOptionButton::Flat) &&
        button->state.testFlag(State_MouseOver) && button->state.testFlag(State_Enabled)) {
        QStyleOptionButton framed = *button;
        framed.features &= ~QStyleOptionButton::Flat;
        QProxyStyle::drawControl(element, &framed, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace tagforge
