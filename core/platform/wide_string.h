#pragma once

// The Windows API's wide strings (wchar_t is UTF-16 there) from and to the core's text.
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/utf16.h"

namespace tagforge {

inline std::wstring ToWide(std::u16string_view utf16) {
    return {utf16.begin(), utf16.end()};
}

inline std::u16string FromWide(std::wstring_view wide) {
    std::u16string utf16;
    utf16.reserve(wide.size());
    for (const wchar_t c : wide) {
        utf16 += static_cast<char16_t>(c);
    }
    return utf16;
}

inline std::optional<std::wstring> WideFromUtf8(std::string_view utf8) {
    const std::optional<std::u16string> utf16 = Utf8ToUtf16(utf8);
    if (!utf16) {
        return std::nullopt;
    }
    return ToWide(*utf16);
}

}  // namespace tagforge
