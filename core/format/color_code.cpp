#include "core/format/color_code.h"

#include <array>

namespace tagforge {
namespace {

constexpr ColorValue kSystemColorFlag = 0x80000000U;

// The stock colours a Windows desktop shows for its system colour indices (COLOR_SCROLLBAR to
// COLOR_MENUBAR), written red first. Linux has no such table, so these stand in for it.
constexpr std::array<std::uint32_t, 31> kSystemColorsRgb = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0,
};

}  // namespace

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

ColorValue MakeColor(int red, int green, int blue) {
    return static_cast<ColorValue>(blue) * 65536U + static_cast<ColorValue>(green) * 256U +
           static_cast<ColorValue>(red);
}

int RedOf(ColorValue color) {
    return static_cast<int>(color & 0xFFU);
}
int GreenOf(ColorValue color) {
    return static_cast<int>((color >> 8) & 0xFFU);
}
int BlueOf(ColorValue color) {
    return static_cast<int>((color >> 16) & 0xFFU);
}

ColorValue ResolveColor(ColorValue color) {
    if ((color & kSystemColorFlag) == 0) {
        return color;
    }
    const std::uint32_t index = color & 0xFFU;
    if (index >= kSystemColorsRgb.size()) {
        return kBlack;
    }
    const std::uint32_t rgb = kSystemColorsRgb[index];
    return MakeColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFFU),
                     static_cast<int>(rgb & 0xFFU));
}

std::string ToColorCode(ColorValue color) {
    const ColorValue resolved = ResolveColor(color);
    std::string code;
    code.reserve(6);
    for (const int channel : {RedOf(resolved), GreenOf(resolved), BlueOf(resolved)}) {
        const HexPair& pair = kHexPairs[static_cast<std::size_t>(channel)];
        code.append(pair.data(), pair.size());
    }
    return code;
}

ColorValue FromColorCode(std::string_view code) {
    if (code.size() != 6) {
        return kWhite;
    }
    int channels[3] = {};
    for (std::size_t i = 0; i < 3; ++i) {
        const int high = HexDigitValue(code[2 * i]);
        const int low = HexDigitValue(code[2 * i + 1]);
        if (high < 0 || low < 0) {
            return kWhite;
        }
        channels[i] = high * 16 + low;
    }
    return MakeColor(channels[0], channels[1], channels[2]);
}

ColorValue ContrastTextColor(ColorValue background) {
    return GreenOf(ResolveColor(background)) > 127 ? kBlack : kWhite;
}

}  // namespace tagforge
