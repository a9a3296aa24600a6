#pragma once

#include <QList>
#include <QRect>

namespace tagforge {

// Where a window stored at (left, top) with `size` goes so that the user can reach it: unchanged
// while it overlaps one of the screens' available areas, otherwise moved (and shrunk where it is
// larger) onto the nearest screen. No screens: unchanged. Stored positions may be any 32-bit
// value, so the arithmetic is done in 64 bits.
QRect PlaceOnScreens(qint64 left, qint64 top, QSize size, const QList<QRect>& screens);

}  // namespace tagforge
