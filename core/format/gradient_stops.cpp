#include "core/format/gradient_stops.h"

#include <algorithm>
#include <utility>

namespace tagforge {
namespace {

constexpr std::size_t kCodeLength = 6;

bool IsColorCode(std::string_view code) {
    return code.size() == kCodeLength &&
           std::ranges::all_of(code, [](char c) { return HexDigitValue(c) >= 0; });
}

}  // namespace

std::optional<std::vector<ColorValue>> ParseGradientStops(std::string_view text) {
    std::vector<ColorValue> stops;
    std::size_t pos = 0;
    while (true) {
        const std::size_t space = text.find(' ', pos);
        const std::string_view code = text.substr(pos, space - pos);
        if (!IsColorCode(code) || stops.size() == kMaxGradientStops) {
            return std::nullopt;
        }
        stops.push_back(FromColorCode(code));
        if (space == std::string_view::npos) {
            break;
        }
        pos = space + 1;
    }
    if (stops.size() < kMinGradientStops) {
        return std::nullopt;
    }
    return stops;
}

std::string GradientStopsText(const std::vector<ColorValue>& stops) {
    std::string text;
    for (const ColorValue stop : stops) {
        if (!text.empty()) {
            text += ' ';
        }
        text += ToColorCode(stop);
    }
    return text;
}

std::vector<ColorValue> EffectiveGradientStops(std::string_view text, ColorValue begin,
                                               ColorValue end) {
    std::optional<std::vector<ColorValue>> stops = ParseGradientStops(text);
    return stops ? std::move(*stops) : std::vector<ColorValue>{begin, end};
}

std::size_t StopGroup(std::size_t stop, std::size_t stops, std::size_t groups) {
    if (stops < 2 || groups == 0) {
        return 0;
    }
    // floor(x + 0.5) with x = stop * (groups - 1) / (stops - 1), as one integer division.
    const std::size_t span = stops - 1;
    return (2 * stop * (groups - 1) + span) / (2 * span);
}

}  // namespace tagforge
