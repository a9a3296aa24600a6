#include "core/platform/utf16.h"

#include <cstdint>

#include "core/format/cp1251.h"

namespace tagforge {

namespace {

constexpr char32_t kMaxCodePoint = 0x10FFFF;

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// The code point at the front of `utf8`, removed from it; nothing for a malformed sequence.
std::optional<char32_t> TakeCodePoint(std::string_view& utf8) {
    const auto lead = static_cast<unsigned char>(utf8.front());
    std::size_t length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        utf8.remove_prefix(1);
        return lead;
    }
    if ((lead & 0xE0U) == 0xC0U) {
        length = 2;
        c = lead & 0x1FU;
    } else if ((lead & 0xF0U) == 0xE0U) {
        length = 3;
        c = lead & 0x0FU;
    } else if ((lead & 0xF8U) == 0xF0U) {
        length = 4;
        c = lead & 0x07U;
    } else {
        return std::nullopt;
    }
    if (utf8.size() < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[i]);
        if ((next & 0xC0U) != 0x80U) {
            return std::nullopt;
        }
        c = (c << 6U) | (next & 0x3FU);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kShortest[length] || c > kMaxCodePoint || IsSurrogate(c)) {
        return std::nullopt;
    }
    utf8.remove_prefix(length);
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0U | (c >> 6U));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0U | (c >> 12U));
        out += static_cast<char>(0x80U | ((c >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    } else {
        out += static_cast<char>(0xF0U | (c >> 18U));
        out += static_cast<char>(0x80U | ((c >> 12U) & 0x3FU));
        out += static_cast<char>(0x80U | ((c >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    }
}

}  // namespace

std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8) {
    std::u16string utf16;
    utf16.reserve(utf8.size());
    while (!utf8.empty()) {
        const std::optional<char32_t> c = TakeCodePoint(utf8);
        if (!c) {
            return std::nullopt;
        }
        if (*c < 0x10000) {
            utf16 += static_cast<char16_t>(*c);
        } else {
            const char32_t offset = *c - 0x10000;
            utf16 += static_cast<char16_t>(0xD800 + (offset >> 10U));
            utf16 += static_cast<char16_t>(0xDC00 + (offset & 0x3FFU));
        }
    }
    return utf16;
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view utf16) {
    std::string utf8;
    utf8.reserve(utf16.size() * 3);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10U) + (utf16[i + 1] - 0xDC00U);
            ++i;
        } else if (IsSurrogate(c)) {
            return std::nullopt;
        }
        AppendUtf8(utf8, c);
    }
    return utf8;
}

std::u16string Cp1251ToUtf16(std::string_view cp1251) {
    // Every byte has a character, so the UTF-8 form is always valid.
    return Utf8ToUtf16(Cp1251ToUtf8(cp1251)).value_or(std::u16string());
}

std::optional<std::string> Utf16ToCp1251(std::u16string_view utf16) {
    const std::optional<std::string> utf8 = Utf16ToUtf8(utf16);
    if (!utf8) {
        return std::nullopt;
    }
    return Utf8ToCp1251(*utf8);
}

}  // namespace tagforge
