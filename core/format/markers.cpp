#include "core/format/markers.h"

#include <algorithm>

namespace tagforge {
namespace {

constexpr std::string_view kMarkerOpen = "[::";
constexpr std::string_view kMarkerClose = "::]";

// Calls `found(open, close)` with the offsets of the delimiters of each marker, in text order.
template <typename Found>
void ScanMarkers(std::string_view text, Found found) {
    std::size_t from = 0;
    while (true) {
        const std::size_t open = text.find(kMarkerOpen, from);
        if (open == std::string_view::npos) {
            return;
        }
        const std::size_t close = text.find(kMarkerClose, from);
        if (close == std::string_view::npos || close <= open) {
            return;
        }
        found(open, close);
        from = close + kMarkerClose.size();
    }
}

}  // namespace

std::size_t CountMarkers(std::string_view text) {
    std::size_t count = 0;
    ScanMarkers(text, [&count](std::size_t, std::size_t) { ++count; });
    return count;
}

std::vector<MarkerRecord> ParseMarkers(std::string_view text) {
    std::vector<MarkerRecord> markers;
    ScanMarkers(text, [&](std::size_t open, std::size_t close) {
        const std::size_t nameStart = open + kMarkerOpen.size();
        MarkerRecord marker;
        if (close > nameStart) {
            marker.name = std::string(text.substr(nameStart, close - nameStart));
        }
        marker.offset = open;
        marker.length = close + kMarkerClose.size() - open;
        markers.push_back(std::move(marker));
    });
    return markers;
}

std::string WrapInTag(std::string_view text, std::string_view tag) {
    std::string result;
    result.reserve(text.size() + 2 * tag.size() + 5);
    result += '<';
    result += tag;
    result += '>';
    result += text;
    result += "</";
    result += tag;
    result += '>';
    return result;
}

std::string LineBreaksToBr(std::string_view text, std::string_view replacement) {
    std::size_t breaks = 0;
    for (std::size_t at = text.find('\r'); at != std::string_view::npos;
         at = text.find('\r', at + 1)) {
        ++breaks;
    }
    std::string result;
    result.reserve(text.size() + breaks * replacement.size());
    std::size_t from = 0;
    for (std::size_t at = text.find('\r'); at != std::string_view::npos;
         at = text.find('\r', from)) {
        result.append(text.substr(from, at - from));
        result.append(replacement);
        from = std::min(at + 2, text.size());
    }
    result.append(text.substr(from));
    return result;
}

std::string NormalizeLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            result += c;
            continue;
        }
        const bool hasNext = i + 1 < text.size();
        const char pairEnd = c == '\r' ? '\n' : '\r';
        if (hasNext && text[i + 1] == pairEnd) {
            ++i;
        }
        result += "\r\n";
    }
    return result;
}

}  // namespace tagforge
