#include "core/format/letter_transforms.h"

#include <algorithm>

#include "core/format/cp1251.h"
#include "core/format/letter_units.h"

namespace tagforge {
namespace {

struct Span {
    std::size_t offset;
    std::size_t length;
};

// Marks the bytes that belong to character references, which must keep their exact spelling.
std::vector<bool> ReferenceBytes(std::string_view text) {
    std::vector<bool> inReference(text.size(), false);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharRefLength(text, i);
        if (length == 0) {
            ++i;
            continue;
        }
        std::fill_n(inReference.begin() + static_cast<std::ptrdiff_t>(i), length, true);
        i += length;
    }
    return inReference;
}

// The stretches that must come out of a reversal unchanged: markers and multi-byte letters.
std::vector<Span> UnbreakableSpans(std::string_view text,
                                   const std::vector<MarkerRecord>& markers) {
    std::vector<Span> spans;
    std::size_t nextMarker = 0;
    for (std::size_t i = 0; i < text.size();) {
        while (nextMarker < markers.size() && markers[nextMarker].offset < i) {
            ++nextMarker;
        }
        if (nextMarker < markers.size() && markers[nextMarker].offset == i) {
            const std::size_t length =
                std::clamp<std::size_t>(markers[nextMarker].length, 1, text.size() - i);
            spans.push_back({i, length});
            i += length;
            ++nextMarker;
            continue;
        }
        const std::size_t length = LetterUnitLength(text, i);
        if (length > 1) {
            spans.push_back({i, length});
        }
        i += length;
    }
    return spans;
}

}  // namespace

std::string DanceCase(std::string_view text, float ratio) {
    const std::vector<bool> keep = ReferenceBytes(text);
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        if (!keep[i]) {
            result[i] = ToLowerCp1251(result[i]);
        }
    }
    // Double precision keeps i / ratio from rounding up to the next whole position (3 / 0.3f
    // must stay below 10).
    const double r = static_cast<double>(ratio);
    const double capitals = static_cast<double>(result.size()) * r;
    for (std::size_t i = 1; static_cast<double>(i) <= capitals; ++i) {
        const auto position = static_cast<std::size_t>(static_cast<double>(i) / r);
        if (position >= 1 && position <= result.size() && !keep[position - 1]) {
            result[position - 1] = ToUpperCp1251(result[position - 1]);
        }
    }
    return result;
}

std::string ReverseText(std::string_view text, const std::vector<MarkerRecord>& markers) {
    const std::vector<Span> spans = UnbreakableSpans(text, markers);
    std::string result;
    result.reserve(text.size());
    std::size_t span = spans.size();
    std::size_t end = text.size();
    while (end > 0) {
        const std::size_t j = end - 1;
        if (span > 0 && j < spans[span - 1].offset + spans[span - 1].length &&
            j >= spans[span - 1].offset) {
            const Span& s = spans[span - 1];
            result.append(text.substr(s.offset, s.length));
            end = s.offset;
            --span;
            continue;
        }
        if (text[j] != '\n') {
            result += text[j];
        }
        end = j;
    }
    return result;
}

}  // namespace tagforge
