#pragma once

#include <QProxyStyle>

namespace tagforge {

// Flat buttons ("Копировать результат", "Сохранить", ...) draw a plain button's frame while the
// mouse is over them, so they read as buttons without losing their flat look.
class HoverFrameStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void polish(QWidget* widget) override;
    using QProxyStyle::polish;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace tagforge
