#pragma once

#include <QFrame>
#include <QPoint>
#include <QString>

#include "core/format/color_code.h"

namespace tagforge {

// A framed patch showing the value of a colour option, with an optional caption drawn in a
// readable text colour. Clicks are reported on release, whichever button.
class ColorPanel : public QFrame {
    Q_OBJECT

  public:
    explicit ColorPanel(QWidget* parent = nullptr);

    ColorValue color() const { return color_; }
    ColorValue textColor() const { return textColor_; }
    void setColors(ColorValue background, ColorValue text);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

  signals:
    void mouseReleased(Qt::MouseButton button, QPoint globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ColorValue color_ = kWhite;
    ColorValue textColor_ = kBlack;
    QString caption_;
};

}  // namespace tagforge
