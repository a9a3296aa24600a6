#pragma once

#include <cstdint>
#include <vector>

#include "core/format/color_code.h"
#include "core/format/random_source.h"

namespace tagforge {

// The colours remembered for the effects that use the two effect panels.
struct RememberedEffectColors {
    ColorValue solid = FromColorCode("FF0000");
    ColorValue gradientBegin = FromColorCode("00FF00");
    ColorValue gradientEnd = FromColorCode("0000FF");
    ColorValue alternationFirst = FromColorCode("FF00FF");
    ColorValue alternationSecond = FromColorCode("00FF00");
    std::vector<ColorValue> gradientStops = {FromColorCode("00FF00"), FromColorCode("0000FF")};
};

// What the effect area shows: the two colour panels (Image6, Image7), a picture strip (Image1) or
// the row of gradient stops.
struct EffectPanels {
    enum class Strip { None, Spectrum, Random };

    bool firstVisible = false;
    bool secondVisible = false;
    int firstWidth = 160;
    ColorValue first = FromColorCode("FF0000");
    ColorValue second = FromColorCode("0000FF");
    Strip strip = Strip::None;
    bool stopRowVisible = false;
};

// Shows the panels of the chosen effect (index as in the effect list, -1 for none) with their
// remembered colours. The random solid colour re-seeds `random` with `seed` (the clock's
// seconds) and draws the first panel's colour from it. Colours of panels the effect does not
// use stay as they were in `current`.
EffectPanels SelectEffectPanels(int effect, const RememberedEffectColors& remembered,
                                EffectPanels current, RandomSource& random, std::uint32_t seed);

}  // namespace tagforge
