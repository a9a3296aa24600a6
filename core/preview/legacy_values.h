#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/format/color_code.h"

// How a web browser reads the presentational attributes chat lines carry, however they are
// written. Values are Windows-1251 bytes.
namespace tagforge {

// A colour attribute read the forgiving way browsers read it: a colour name in any case, "#RGB",
// or hexadecimal digits with or without "#", other characters counting as 0 and any length cut
// or padded into three channels (so "FFF" is nearly black and "chucknorris" is red). Nothing
// when the browser ignores the attribute: an empty value or "transparent".
std::optional<ColorValue> ParseLegacyColor(std::string_view value);

// <font size=...>: 1 to 7; "+N" and "-N" count from 3, values out of range are clamped and text
// after the digits is ignored. Nothing when no digits follow.
std::optional<int> ParseLegacyFontSize(std::string_view value);

// The height in pixels browsers give <font size=N> (1 to 7) when plain text is `mediumPixels`
// high: 10, 13, 16, 18, 24, 32 and 48 at 16.
int LegacyFontSizePixels(int size, int mediumPixels);

// face=...: the font names of a comma-separated list, trimmed and unquoted, empty ones left out.
std::vector<std::string> ParseFaceList(std::string_view value);

}  // namespace tagforge
