#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tagforge {

// A colour as the window holds it: blue * 65536 + green * 256 + red. A value with the top bit
// set names a system colour, resolved by ResolveColor.
using ColorValue = std::uint32_t;

inline constexpr ColorValue kWhite = 0xFFFFFF;
inline constexpr ColorValue kBlack = 0x000000;

ColorValue MakeColor(int red, int green, int blue);
int RedOf(ColorValue color);
int GreenOf(ColorValue color);
int BlueOf(ColorValue color);

// Turns a system colour into the ordinary colour it stands for; ordinary colours pass unchanged.
ColorValue ResolveColor(ColorValue color);

// The value of one hexadecimal digit in either case, or -1 for any other character.
int HexDigitValue(char c);

// The two upper-case hexadecimal digits of each byte value, so that writing a colour code is
// three table look-ups.
using HexPair = std::array<char, 2>;
inline constexpr std::array<HexPair, 256> kHexPairs = [] {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::array<HexPair, 256> pairs{};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        pairs[i] = {kDigits[i >> 4], kDigits[i & 0xF]};
    }
    return pairs;
}();

// Six upper-case hexadecimal digits, red first ("FF0000" is red).
std::string ToColorCode(ColorValue color);

// Reads six hexadecimal digits in either case; any other text gives white.
ColorValue FromColorCode(std::string_view code);

// Black for colours whose green exceeds 127, white otherwise: a readable text colour.
ColorValue ContrastTextColor(ColorValue background);

}  // namespace tagforge
