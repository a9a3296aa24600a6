#pragma once

#include <cstddef>
#include <string_view>

namespace tagforge {

// Length of the HTML character reference ("&#128512;", "&#x1F600;", "&amp;") that starts at
// `pos`, or 0 when none starts there.
std::size_t CharRefLength(std::string_view text, std::size_t pos);

// Length in bytes of the visible letter that starts at `pos` (at least 1 while pos < size).
// A letter is one byte, or one character reference together with the references that belong to
// the same user-perceived character (joiners, variation selectors, skin tones, combining marks,
// flag pairs), so that no colour tag or reversal ever splits an emoji.
std::size_t LetterUnitLength(std::string_view text, std::size_t pos);

// The same, with the common case of a lone byte decided inline for the letter-by-letter loops.
inline std::size_t FastLetterUnitLength(std::string_view text, std::size_t pos) {
    // Only an ampersand can start or extend anything longer than a byte.
    if (pos + 1 < text.size() && text[pos] != '&' && text[pos + 1] != '&') {
        return 1;
    }
    return LetterUnitLength(text, pos);
}

}  // namespace tagforge
