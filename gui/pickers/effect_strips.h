#pragma once

#include <QPixmap>

namespace tagforge {

// The pictures beside the colour effects: what a gradient and a random colouring look like.
inline constexpr int kEffectStripWidth = 160;
inline constexpr int kEffectStripHeight = 15;

// The hue circle from red through yellow, green, cyan, blue and magenta back to red.
QPixmap SpectrumStrip();

// Narrow stripes of assorted bright colours; the same picture every time.
QPixmap RandomStrip();

}  // namespace tagforge
