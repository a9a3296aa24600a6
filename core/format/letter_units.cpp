#include "core/format/letter_units.h"

#include <optional>

namespace tagforge {
namespace {

constexpr std::size_t kMaxDecimalDigits = 7;
constexpr std::size_t kMaxHexDigits = 6;
constexpr std::size_t kMaxNameLength = 31;

constexpr char32_t kZeroWidthJoiner = 0x200D;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char32_t HexValue(char c) {
    if (IsDigit(c)) {
        return static_cast<char32_t>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<char32_t>(c - 'a' + 10);
    }
    return static_cast<char32_t>(c - 'A' + 10);
}

// Counts the run of characters satisfying `accept` starting at `pos`, stopping after `limit` + 1
// so that an over-long run is recognisable without scanning it to its end.
template <typename Predicate>
std::size_t RunLength(std::string_view text, std::size_t pos, std::size_t limit, Predicate accept) {
    std::size_t n = 0;
    while (pos + n < text.size() && n <= limit && accept(text[pos + n])) {
        ++n;
    }
    return n;
}

// Length of "digits;" at `pos` when the run has 1..limit characters, else 0.
template <typename Predicate>
std::size_t TerminatedRun(std::string_view text, std::size_t pos, std::size_t limit,
                          Predicate accept) {
    const std::size_t n = RunLength(text, pos, limit, accept);
    if (n == 0 || n > limit || pos + n >= text.size() || text[pos + n] != ';') {
        return 0;
    }
    return n + 1;
}

// The code point of a numeric reference that is exactly `ref`; named references carry none.
std::optional<char32_t> RefCodePoint(std::string_view ref) {
    if (ref.size() < 4 || ref[1] != '#') {
        return std::nullopt;
    }
    const std::string_view body = ref.substr(2, ref.size() - 3);
    char32_t value = 0;
    if (body[0] == 'x' || body[0] == 'X') {
        for (const char c : body.substr(1)) {
            value = value * 16 + HexValue(c);
        }
    } else {
        for (const char c : body) {
            value = value * 10 + static_cast<char32_t>(c - '0');
        }
    }
    return value;
}

bool IsExtend(char32_t cp) {
    return (cp >= 0x0300 && cp <= 0x036F) ||    // combining diacritical marks
           (cp >= 0x1AB0 && cp <= 0x1AFF) ||    // combining marks, extended
           (cp >= 0x1DC0 && cp <= 0x1DFF) ||    // combining marks, supplement
           (cp >= 0x20D0 && cp <= 0x20FF) ||    // combining marks for symbols, keycap
           (cp >= 0xFE20 && cp <= 0xFE2F) ||    // combining half marks
           (cp >= 0xFE00 && cp <= 0xFE0F) ||    // variation selectors
           (cp >= 0xE0100 && cp <= 0xE01EF) ||  // variation selectors, supplement
           (cp >= 0x1F3FB && cp <= 0x1F3FF) ||  // skin tones
           (cp >= 0xE0020 && cp <= 0xE007F);    // tags of subdivision flags
}

bool IsRegionalIndicator(char32_t cp) {
    return cp >= 0x1F1E6 && cp <= 0x1F1FF;
}

struct Ref {
    std::size_t length = 0;
    std::optional<char32_t> codePoint;
};

Ref RefAt(std::string_view text, std::size_t pos) {
    // Numeric references, which emoji are written as, are measured and read in one pass: long
    // messages meet them at every emoji and at the letter before each.
    if (pos + 2 < text.size() && text[pos] == '&' && text[pos + 1] == '#') {
        const bool hex = text[pos + 2] == 'x' || text[pos + 2] == 'X';
        const std::size_t limit = hex ? kMaxHexDigits : kMaxDecimalDigits;
        const std::size_t digits = pos + (hex ? 3 : 2);
        char32_t value = 0;
        std::size_t end = digits;
        for (; end < text.size() && end - digits <= limit; ++end) {
            const char c = text[end];
            if (hex ? !IsHexDigit(c) : !IsDigit(c)) {
                break;
            }
            value = value * (hex ? 16 : 10) + HexValue(c);
        }
        const std::size_t n = end - digits;
        if (n == 0 || n > limit || end >= text.size() || text[end] != ';') {
            return {};
        }
        return {end + 1 - pos, value};
    }
    const std::size_t length = CharRefLength(text, pos);
    if (length == 0) {
        return {};
    }
    return {length, RefCodePoint(text.substr(pos, length))};
}

}  // namespace

std::size_t CharRefLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || text[pos] != '&' || pos + 1 >= text.size()) {
        return 0;
    }
    const char first = text[pos + 1];
    if (IsAsciiLetter(first)) {
        const std::size_t n = TerminatedRun(text, pos + 1, kMaxNameLength,
                                            [](char c) { return IsAsciiLetter(c) || IsDigit(c); });
        return n == 0 ? 0 : 1 + n;
    }
    if (first != '#' || pos + 2 >= text.size()) {
        return 0;
    }
    const char marker = text[pos + 2];
    if (marker == 'x' || marker == 'X') {
        const std::size_t n = TerminatedRun(text, pos + 3, kMaxHexDigits, IsHexDigit);
        return n == 0 ? 0 : 3 + n;
    }
    const std::size_t n = TerminatedRun(text, pos + 2, kMaxDecimalDigits, IsDigit);
    return n == 0 ? 0 : 2 + n;
}

std::size_t LetterUnitLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) {
        return 0;
    }
    if (text[pos] == '\r' || text[pos] == '\n') {
        return 1;
    }
    // Almost every letter is a lone byte; only an ampersand can start or extend anything longer.
    if (text[pos] != '&' && (pos + 1 == text.size() || text[pos + 1] != '&')) {
        return 1;
    }
    const Ref base = RefAt(text, pos);
    std::size_t end = pos + (base.length == 0 ? 1 : base.length);

    if (base.codePoint && IsRegionalIndicator(*base.codePoint)) {
        const Ref partner = RefAt(text, end);
        if (partner.codePoint && IsRegionalIndicator(*partner.codePoint)) {
            end += partner.length;
        }
    }

    // A joiner stays with the character before it even when nothing joinable follows, so that a
    // reversal never carries it over to the other side.
    for (;;) {
        const Ref next = RefAt(text, end);
        if (!next.codePoint) {
            break;
        }
        if (IsExtend(*next.codePoint)) {
            end += next.length;
        } else if (*next.codePoint == kZeroWidthJoiner) {
            end += next.length;
            end += CharRefLength(text, end);
        } else {
            break;
        }
    }
    return end - pos;
}

}  // namespace tagforge
