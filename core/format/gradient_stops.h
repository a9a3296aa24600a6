#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/format/color_code.h"

namespace tagforge {

// How many colours a gradient through stops may have.
inline constexpr std::size_t kMinGradientStops = 2;
inline constexpr std::size_t kMaxGradientStops = 8;

// Reads a stop list as a profile keeps it: 2 to 8 colour codes of exactly six hexadecimal
// digits (either case), separated by single spaces, nothing before or after. Anything else
// gives no list.
std::optional<std::vector<ColorValue>> ParseGradientStops(std::string_view text);

// The codes upper case, separated by single spaces: "FF0000 0000FF".
std::string GradientStopsText(const std::vector<ColorValue>& stops);

// The stops `text` names, or `begin` and `end` when it names no valid list.
std::vector<ColorValue> EffectiveGradientStops(std::string_view text, ColorValue begin,
                                               ColorValue end);

// The group of `groups` that stop `stop` of `stops` falls on:
// floor(stop * (groups - 1) / (stops - 1) + 0.5), worked out in whole numbers.
std::size_t StopGroup(std::size_t stop, std::size_t stops, std::size_t groups);

}  // namespace tagforge
