#include "core/preview/legacy_values.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/format/cp1251.h"
#include "core/preview/html_tag_reader.h"

namespace tagforge {

namespace {

struct NamedColor {
    std::string_view name;
    std::uint32_t rgb;
};

// The colour names browsers know, sorted by name.
// clang-format off
constexpr std::array<NamedColor, 148> kNamedColors = {{
    {"aliceblue", 0xF0F8FF}, {"antiquewhite", 0xFAEBD7}, {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4}, {"azure", 0xF0FFFF}, {"beige", 0xF5F5DC}, {"bisque", 0xFFE4C4},
    {"black", 0x000000}, {"blanchedalmond", 0xFFEBCD}, {"blue", 0x0000FF},
    {"blueviolet", 0x8A2BE2}, {"brown", 0xA52A2A}, {"burlywood", 0xDEB887},
    {"cadetblue", 0x5F9EA0}, {"chartreuse", 0x7FFF00}, {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50}, {"cornflowerblue", 0x6495ED}, {"cornsilk", 0xFFF8DC},
    {"crimson", 0xDC143C}, {"cyan", 0x00FFFF}, {"darkblue", 0x00008B}, {"darkcyan", 0x008B8B},
    {"darkgoldenrod", 0xB8860B}, {"darkgray", 0xA9A9A9}, {"darkgreen", 0x006400},
    {"darkgrey", 0xA9A9A9}, {"darkkhaki", 0xBDB76B}, {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x556B2F}, {"darkorange", 0xFF8C00}, {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000}, {"darksalmon", 0xE9967A}, {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x483D8B}, {"darkslategray", 0x2F4F4F}, {"darkslategrey", 0x2F4F4F},
    {"darkturquoise", 0x00CED1}, {"darkviolet", 0x9400D3}, {"deeppink", 0xFF1493},
    {"deepskyblue", 0x00BFFF}, {"dimgray", 0x696969}, {"dimgrey", 0x696969},
    {"dodgerblue", 0x1E90FF}, {"firebrick", 0xB22222}, {"floralwhite", 0xFFFAF0},
    {"forestgreen", 0x228B22}, {"fuchsia", 0xFF00FF}, {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xF8F8FF}, {"gold", 0xFFD700}, {"goldenrod", 0xDAA520}, {"gray", 0x808080},
    {"green", 0x008000}, {"greenyellow", 0xADFF2F}, {"grey", 0x808080}, {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4}, {"indianred", 0xCD5C5C}, {"indigo", 0x4B0082}, {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C}, {"lavender", 0xE6E6FA}, {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00}, {"lemonchiffon", 0xFFFACD}, {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080}, {"lightcyan", 0xE0FFFF}, {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgray", 0xD3D3D3}, {"lightgreen", 0x90EE90}, {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1}, {"lightsalmon", 0xFFA07A}, {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA}, {"lightslategray", 0x778899}, {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xB0C4DE}, {"lightyellow", 0xFFFFE0}, {"lime", 0x00FF00},
    {"limegreen", 0x32CD32}, {"linen", 0xFAF0E6}, {"magenta", 0xFF00FF}, {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA}, {"mediumblue", 0x0000CD}, {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB}, {"mediumseagreen", 0x3CB371}, {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A}, {"mediumturquoise", 0x48D1CC},
    {"mediumvioletred", 0xC71585}, {"midnightblue", 0x191970}, {"mintcream", 0xF5FFFA},
    {"mistyrose", 0xFFE4E1}, {"moccasin", 0xFFE4B5}, {"navajowhite", 0xFFDEAD},
    {"navy", 0x000080}, {"oldlace", 0xFDF5E6}, {"olive", 0x808000}, {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500}, {"orangered", 0xFF4500}, {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA}, {"palegreen", 0x98FB98}, {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093}, {"papayawhip", 0xFFEFD5}, {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F}, {"pink", 0xFFC0CB}, {"plum", 0xDDA0DD}, {"powderblue", 0xB0E0E6},
    {"purple", 0x800080}, {"rebeccapurple", 0x663399}, {"red", 0xFF0000},
    {"rosybrown", 0xBC8F8F}, {"royalblue", 0x4169E1}, {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072}, {"sandybrown", 0xF4A460}, {"seagreen", 0x2E8B57},
    {"seashell", 0xFFF5EE}, {"sienna", 0xA0522D}, {"silver", 0xC0C0C0}, {"skyblue", 0x87CEEB},
    {"slateblue", 0x6A5ACD}, {"slategray", 0x708090}, {"slategrey", 0x708090},
    {"snow", 0xFFFAFA}, {"springgreen", 0x00FF7F}, {"steelblue", 0x4682B4}, {"tan", 0xD2B48C},
    {"teal", 0x008080}, {"thistle", 0xD8BFD8}, {"tomato", 0xFF6347}, {"turquoise", 0x40E0D0},
    {"violet", 0xEE82EE}, {"wheat", 0xF5DEB3}, {"white", 0xFFFFFF}, {"whitesmoke", 0xF5F5F5},
    {"yellow", 0xFFFF00}, {"yellowgreen", 0x9ACD32},
}};
// clang-format on

// The pixel heights of sizes 1 to 7 when plain text is 16 pixels high.
constexpr std::array<int, 7> kFontSizePixelsAt16 = {10, 13, 16, 18, 24, 32, 48};

constexpr std::size_t kLongestColorName = 20;  // lightgoldenrodyellow
constexpr std::size_t kMaxColorLength = 128;

std::string_view TrimHtmlSpace(std::string_view text) {
    while (!text.empty() && IsHtmlSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsHtmlSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

ColorValue FromRgb(std::uint32_t rgb) {
    return MakeColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFFU),
                     static_cast<int>(rgb & 0xFFU));
}

std::optional<ColorValue> ColorOfName(std::string_view value) {
    if (value.empty() || value.size() > kLongestColorName) {
        return std::nullopt;
    }
    std::array<char, kLongestColorName> buffer{};
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c >= 'A' && c <= 'Z') {
            buffer[i] = static_cast<char>(c + ('a' - 'A'));
        } else if (c >= 'a' && c <= 'z') {
            buffer[i] = c;
        } else {
            return std::nullopt;
        }
    }
    const std::string_view lower(buffer.data(), value.size());
    const auto* const found = std::lower_bound(
        kNamedColors.begin(), kNamedColors.end(), lower,
        [](const NamedColor& entry, std::string_view name) { return entry.name < name; });
    if (found == kNamedColors.end() || found->name != lower) {
        return std::nullopt;
    }
    return FromRgb(found->rgb);
}

int HexChannel(std::string_view digits) {
    int value = 0;
    for (const char digit : digits) {
        value = value * 16 + HexDigitValue(digit);
    }
    return value;
}

}  // namespace

std::optional<ColorValue> ParseLegacyColor(std::string_view value) {
    if (value.empty()) {
        return std::nullopt;
    }
    value = TrimHtmlSpace(value);
    if (EqualsNoCaseCp1251(value, "transparent")) {
        return std::nullopt;
    }
    if (const auto named = ColorOfName(value)) {
        return named;
    }
    // The way the program writes colours, read at once.
    const std::string_view six = !value.empty() && value[0] == '#' ? value.substr(1) : value;
    if (six.size() == 6 &&
        std::all_of(six.begin(), six.end(), [](char c) { return HexDigitValue(c) >= 0; })) {
        return MakeColor(HexChannel(six.substr(0, 2)), HexChannel(six.substr(2, 2)),
                         HexChannel(six.substr(4, 2)));
    }
    if (value.size() == 4 && value[0] == '#' && HexDigitValue(value[1]) >= 0 &&
        HexDigitValue(value[2]) >= 0 && HexDigitValue(value[3]) >= 0) {
        return MakeColor(HexDigitValue(value[1]) * 17, HexDigitValue(value[2]) * 17,
                         HexDigitValue(value[3]) * 17);
    }
    value = value.substr(0, kMaxColorLength);
    if (!value.empty() && value[0] == '#') {
        value.remove_prefix(1);
    }
    std::string digits(value);
    for (char& c : digits) {
        if (HexDigitValue(c) < 0) {
            c = '0';
        }
    }
    while (digits.empty() || digits.size() % 3 != 0) {
        digits.push_back('0');
    }
    std::size_t length = digits.size() / 3;
    std::array<std::string_view, 3> channels = {std::string_view(digits).substr(0, length),
                                                std::string_view(digits).substr(length, length),
                                                std::string_view(digits).substr(2 * length)};
    const auto dropLeading = [&channels, &length](std::size_t count) {
        for (std::string_view& channel : channels) {
            channel.remove_prefix(count);
        }
        length -= count;
    };
    if (length > 8) {
        dropLeading(length - 8);
    }
    while (length > 2 && channels[0][0] == '0' && channels[1][0] == '0' && channels[2][0] == '0') {
        dropLeading(1);
    }
    for (std::string_view& channel : channels) {
        channel = channel.substr(0, 2);
    }
    return MakeColor(HexChannel(channels[0]), HexChannel(channels[1]), HexChannel(channels[2]));
}

std::optional<int> ParseLegacyFontSize(std::string_view value) {
    while (!value.empty() && IsHtmlSpace(value.front())) {
        value.remove_prefix(1);
    }
    int sign = 0;
    if (!value.empty() && (value.front() == '+' || value.front() == '-')) {
        sign = value.front() == '+' ? 1 : -1;
        value.remove_prefix(1);
    }
    if (value.empty() || value.front() < '0' || value.front() > '9') {
        return std::nullopt;
    }
    int number = 0;
    for (; !value.empty() && value.front() >= '0' && value.front() <= '9'; value.remove_prefix(1)) {
        // Anything above 7 ends up as 7, so the digits need not be read any further.
        number = std::min(number * 10 + (value.front() - '0'), 100);
    }
    const int size = sign == 0 ? number : 3 + sign * number;
    return std::clamp(size, 1, 7);
}

int LegacyFontSizePixels(int size, int mediumPixels) {
    const int atSixteen = kFontSizePixelsAt16[static_cast<std::size_t>(std::clamp(size, 1, 7) - 1)];
    return std::max(1, (atSixteen * mediumPixels + 8) / 16);
}

std::vector<std::string> ParseFaceList(std::string_view value) {
    std::vector<std::string> faces;
    while (true) {
        const std::size_t comma = value.find(',');
        std::string_view face = TrimHtmlSpace(value.substr(0, comma));
        if (face.size() >= 2 && (face.front() == '"' || face.front() == '\'') &&
            face.back() == face.front()) {
            face = TrimHtmlSpace(face.substr(1, face.size() - 2));
        }
        if (!face.empty()) {
            faces.emplace_back(face);
        }
        if (comma == std::string_view::npos) {
            return faces;
        }
        value.remove_prefix(comma + 1);
    }
}

}  // namespace tagforge
