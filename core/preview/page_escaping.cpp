#include "core/preview/page_escaping.h"

#include <array>

namespace tagforge {

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// Unreserved characters and the sub-delimiters that mean nothing inside a path segment, less
// the quote.
bool StaysInAddress(unsigned char byte) {
    if (byte >= 0x80 || (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= 'a' && byte <= 'z')) {
        return true;
    }
    return std::string_view("-._~!$()*+,;=@").find(static_cast<char>(byte)) !=
           std::string_view::npos;
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped.append("&amp;");
                break;
            case '<':
                escaped.append("&lt;");
                break;
            case '>':
                escaped.append("&gt;");
                break;
            case '"':
                escaped.append("&quot;");
                break;
            case '\'':
                escaped.append("&#39;");
                break;
            default:
                escaped.push_back(c);
        }
    }
    return escaped;
}

std::string PercentEncodeName(std::string_view name) {
    std::string encoded;
    encoded.reserve(name.size());
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (StaysInAddress(byte)) {
            encoded.push_back(c);
        } else {
            const std::array<char, 3> escape = {'%', kHexDigits[byte >> 4U],
                                                kHexDigits[byte & 0x0FU]};
            encoded.append(escape.data(), escape.size());
        }
    }
    return encoded;
}

}  // namespace tagforge
