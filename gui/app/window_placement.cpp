#include "gui/app/window_placement.h"

#include <algorithm>
#include <climits>

namespace tagforge {

namespace {

struct Span {
    qint64 left, top, right, bottom;  // right and bottom exclusive
};

Span SpanOf(const QRect& rect) {
    return {rect.left(), rect.top(), qint64(rect.left()) + rect.width(),
            qint64(rect.top()) + rect.height()};
}

bool Overlap(const Span& a, const Span& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

qint64 CentreDistance(const Span& a, const Span& b) {
    const qint64 dx = (a.left + a.right) / 2 - (b.left + b.right) / 2;
    const qint64 dy = (a.top + a.bottom) / 2 - (b.top + b.bottom) / 2;
    // Halved first so the squares stay within 64 bits for any 32-bit position.
    return (dx / 2) * (dx / 2) + (dy / 2) * (dy / 2);
}

}  // namespace

QRect PlaceOnScreens(qint64 left, qint64 top, QSize size, const QList<QRect>& screens) {
    const Span wanted{left, top, left + size.width(), top + size.height()};
    const auto overlaps = [&wanted](const QRect& screen) {
        return Overlap(SpanOf(screen), wanted);
    };
    if (screens.isEmpty() || std::any_of(screens.begin(), screens.end(), overlaps)) {
        return {int(std::clamp<qint64>(left, INT_MIN / 2, INT_MAX / 2)),
                int(std::clamp<qint64>(top, INT_MIN / 2, INT_MAX / 2)), size.width(),
                size.height()};
    }
    const QRect nearest = *std::min_element(
        screens.begin(), screens.end(), [&wanted](const QRect& a, const QRect& b) {
            return CentreDistance(SpanOf(a), wanted) < CentreDistance(SpanOf(b), wanted);
        });
    const int width = std::min(size.width(), nearest.width());
    const int height = std::min(size.height(), nearest.height());
    const qint64 x =
        std::clamp<qint64>(left, nearest.left(), nearest.left() + nearest.width() - width);
    const qint64 y =
        std::clamp<qint64>(top, nearest.top(), nearest.top() + nearest.height() - height);
    return {int(x), int(y), width, height};
}

}  // namespace tagforge
