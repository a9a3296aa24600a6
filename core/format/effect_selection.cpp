#include "core/format/effect_selection.h"

#include "core/format/result_assembly.h"

namespace tagforge {
namespace {

constexpr int kFullWidth = 160;
constexpr int kHalfWidth = 80;
constexpr std::uint32_t kColorValues = 16777216;

}  // namespace

EffectPanels SelectEffectPanels(int effect, const RememberedEffectColors& remembered,
                                EffectPanels current, RandomSource& random, std::uint32_t seed) {
    EffectPanels panels = current;
    panels.firstVisible = false;
    panels.secondVisible = false;
    panels.strip = EffectPanels::Strip::None;
    panels.stopRowVisible = false;
    const auto showOne = [&panels](ColorValue color) {
        panels.firstVisible = true;
        panels.firstWidth = kFullWidth;
        panels.first = color;
    };
    const auto showTwo = [&panels](ColorValue first, ColorValue second) {
        panels.firstVisible = true;
        panels.secondVisible = true;
        panels.firstWidth = kHalfWidth;
        panels.first = first;
        panels.second = second;
    };
    switch (effect) {
        case kEffectSolid:
            showOne(remembered.solid);
            break;
        case kEffectGradient:
            showTwo(remembered.gradientBegin, remembered.gradientEnd);
            break;
        case kEffectSpectrum:
            panels.strip = EffectPanels::Strip::Spectrum;
            break;
        case kEffectRandomSolid:
            random.Seed(seed);
            showOne(static_cast<ColorValue>(random.Next() % kColorValues));
            break;
        case kEffectRandomPerLetter:
            panels.strip = EffectPanels::Strip::Random;
            break;
        case kEffectAlternation:
            showTwo(remembered.alternationFirst, remembered.alternationSecond);
            break;
        case kEffectGradientStops:
            panels.stopRowVisible = true;
            break;
        default:
            break;
    }
    return panels;
}

}  // namespace tagforge
