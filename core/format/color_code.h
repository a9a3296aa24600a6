#pragma once

#include <array>
#include <bit>
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

// A colour code as output writes it: the six digits and the ">" of "<font color=RRGGBB>" in the
// first seven bytes of the number as it lies in memory, so that a tag is stored straight from a
// register. Channels are 0..255.
using PackedColorCode = std::uint64_t;

constexpr PackedColorCode PackColorCode(int red, int green, int blue) {
    const std::array<char, 7> bytes = {kHexPairs[static_cast<std::size_t>(red)][0],
                                       kHexPairs[static_cast<std::size_t>(red)][1],
                                       kHexPairs[static_cast<std::size_t>(green)][0],
                                       kHexPairs[static_cast<std::size_t>(green)][1],
                                       kHexPairs[static_cast<std::size_t>(blue)][0],
                                       kHexPairs[static_cast<std::size_t>(blue)][1],
                                       '>'};
    PackedColorCode packed = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int shift = std::endian::native == std::endian::little ? static_cast<int>(8 * i)
                                                                     : static_cast<int>(56 - 8 * i);
        packed |= static_cast<PackedColorCode>(static_cast<unsigned char>(bytes[i])) << shift;
    }
    return packed;
}

// Six upper-case hexadecimal digits, red first ("FF0000" is red).
std::string ToColorCode(ColorValue color);

// Reads six hexadecimal digits in either case; any other text gives white.
ColorValue FromColorCode(std::string_view code);

// Black for colours whose green exceeds 127, white otherwise: a readable text colour.
ColorValue ContrastTextColor(ColorValue background);

}  // namespace tagforge
