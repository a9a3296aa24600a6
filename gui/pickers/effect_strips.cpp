#include "gui/pickers/effect_strips.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <cstdint>

namespace tagforge {
namespace {

constexpr int kStripeWidth = 4;

// A fixed sequence, so the picture does not change from one showing to the next.
class StripeColors {
  public:
    QColor Next() {
        const int hue = static_cast<int>(NextValue() % 360);
        const int saturation = 160 + static_cast<int>(NextValue() % 96);
        return QColor::fromHsv(hue, saturation, 255);
    }

  private:
    std::uint32_t NextValue() {
        state_ = state_ * 1664525U + 1013904223U;
        return state_ >> 8;
    }

    std::uint32_t state_ = 20240601U;
};

}  // namespace

QPixmap SpectrumStrip() {
    QImage image(kEffectStripWidth, kEffectStripHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int x = 0; x < kEffectStripWidth; ++x) {
        const int hue = x * 359 / (kEffectStripWidth - 1);
        painter.fillRect(x, 0, 1, kEffectStripHeight, QColor::fromHsv(hue, 255, 255));
    }
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap RandomStrip() {
    QImage image(kEffectStripWidth, kEffectStripHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    StripeColors colors;
    for (int x = 0; x < kEffectStripWidth; x += kStripeWidth) {
        painter.fillRect(x, 0, kStripeWidth, kEffectStripHeight, colors.Next());
    }
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace tagforge
