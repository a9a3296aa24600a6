#include "gui/pickers/color_panel.h"

#include <QMouseEvent>
#include <QPainter>

namespace tagforge {
namespace {

QColor ToQColor(ColorValue value) {
    const ColorValue color = ResolveColor(value);
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

}  // namespace

ColorPanel::ColorPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
}

void ColorPanel::setColors(ColorValue background, ColorValue text) {
    if (background == color_ && text == textColor_) {
        return;
    }
    color_ = background;
    textColor_ = text;
    update();
}

void ColorPanel::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    update();
}

void ColorPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(color_));
    drawFrame(&painter);
    if (!caption_.isEmpty()) {
        painter.setPen(ToQColor(textColor_));
        painter.drawText(contentsRect(), Qt::AlignCenter, caption_);
    }
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button(), event->globalPosition().toPoint());
    event->accept();
}

}  // namespace tagforge
