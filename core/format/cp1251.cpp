#include "core/format/cp1251.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "core/format/result_writer.h"

namespace tagforge {
namespace {

// Code points of bytes 0x80..0xBF; 0xC0..0xFF are the contiguous block U+0410..U+044F.
constexpr std::array<char32_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

constexpr char32_t kCyrillicCapitalA = 0x0410;
constexpr char32_t kCyrillicSmallYa = 0x044F;
constexpr unsigned char kByteCapitalA = 0xC0;

constexpr char32_t CodePointOf(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= kByteCapitalA) {
        return kCyrillicCapitalA + (byte - kByteCapitalA);
    }
    return kHighHalf[byte - 0x80];
}

struct Utf8Bytes {
    std::array<char, 3> bytes{};
    std::uint8_t size = 0;
};

// Every code point of the code page lies below U+10000, so three bytes always suffice.
constexpr std::array<Utf8Bytes, 256> MakeDecodeTable() {
    std::array<Utf8Bytes, 256> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const char32_t cp = CodePointOf(static_cast<unsigned char>(i));
        Utf8Bytes& out = table[i];
        if (cp < 0x80) {
            out.bytes[0] = static_cast<char>(cp);
            out.size = 1;
        } else if (cp < 0x800) {
            out.bytes[0] = static_cast<char>(0xC0 | (cp >> 6));
            out.bytes[1] = static_cast<char>(0x80 | (cp & 0x3F));
            out.size = 2;
        } else {
            out.bytes[0] = static_cast<char>(0xE0 | (cp >> 12));
            out.bytes[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out.bytes[2] = static_cast<char>(0x80 | (cp & 0x3F));
            out.size = 3;
        }
    }
    return table;
}

constexpr std::array<Utf8Bytes, 256> kDecodeTable = MakeDecodeTable();

struct ReverseEntry {
    char32_t codePoint;
    unsigned char byte;
};

// Sorted by code point for binary search; only the irregular upper half needs it.
constexpr std::array<ReverseEntry, 64> MakeReverseTable() {
    std::array<ReverseEntry, 64> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
    }
    std::sort(table.begin(), table.end(), [](const ReverseEntry& a, const ReverseEntry& b) {
        return a.codePoint < b.codePoint;
    });
    return table;
}

constexpr std::array<ReverseEntry, 64> kReverseTable = MakeReverseTable();

std::optional<unsigned char> EncodeCodePoint(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<unsigned char>(cp);
    }
    if (cp >= kCyrillicCapitalA && cp <= kCyrillicSmallYa) {
        return static_cast<unsigned char>(kByteCapitalA + (cp - kCyrillicCapitalA));
    }
    const auto* const it = std::lower_bound(
        kReverseTable.begin(), kReverseTable.end(), cp,
        [](const ReverseEntry& entry, char32_t value) { return entry.codePoint < value; });
    if (it != kReverseTable.end() && it->codePoint == cp) {
        return it->byte;
    }
    return std::nullopt;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one strictly valid UTF-8 sequence at `pos`, advancing `pos` past it.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        // Stray continuation bytes, the always-overlong C0/C1 and leads beyond U+10FFFF.
        return std::nullopt;
    }
    if (text.size() - pos < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(byte)) {
            return std::nullopt;
        }
        cp = (cp << 6) | (byte & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += length;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

constexpr char32_t kLastCodePoint = 0x10FFFF;

bool IsNoncharacter(char32_t cp) {
    return (cp >= 0xFDD0 && cp <= 0xFDEF) || (cp & 0xFFFE) == 0xFFFE;
}

// Characters a reference may stand for in a text field. Controls would hide a reference the user
// typed as text, the fields turn the separators into line breaks or blanks, and the text engine
// uses noncharacters for its own marks; each would change the text that goes back out.
bool RestoresAsCharacter(char32_t cp) {
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    const bool control = cp >= 0x80 && cp <= 0x9F;
    const bool separator = cp == 0x2028 || cp == 0x2029;
    return cp <= kLastCodePoint && !surrogate && !control && !separator && !IsNoncharacter(cp) &&
           !EncodeCodePoint(cp).has_value();
}

// The character of a reference "&#" digits ";" at `pos` in the spelling Utf8ToCp1251 writes,
// with the length of the reference; nothing for any other text.
std::optional<std::pair<char32_t, std::size_t>> ReferenceAt(std::string_view text,
                                                            std::size_t pos) {
    constexpr std::string_view kOpening = "&#";
    if (text.substr(pos, kOpening.size()) != kOpening) {
        return std::nullopt;
    }
    std::size_t end = pos + kOpening.size();
    if (end >= text.size() || text[end] < '1' || text[end] > '9') {
        return std::nullopt;
    }
    char32_t cp = 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        cp = cp * 10 + static_cast<char32_t>(text[end] - '0');
        if (cp > kLastCodePoint) {
            return std::nullopt;
        }
        ++end;
    }
    if (end >= text.size() || text[end] != ';') {
        return std::nullopt;
    }
    return std::pair{cp, end + 1 - pos};
}

constexpr std::array<unsigned char, 256> MakeIdentityTable() {
    std::array<unsigned char, 256> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<unsigned char>(i);
    }
    return table;
}

// Upper/lower pairs beyond A-Z and А-Я whose bytes are not a fixed distance apart.
constexpr std::array<std::pair<unsigned char, unsigned char>, 15> kIrregularCasePairs = {{
    {0xA8, 0xB8},  // Ё ё
    {0x80, 0x90},  // Ђ ђ
    {0x81, 0x83},  // Ѓ ѓ
    {0x8A, 0x9A},  // Љ љ
    {0x8C, 0x9C},  // Њ њ
    {0x8D, 0x9D},  // Ќ ќ
    {0x8E, 0x9E},  // Ћ ћ
    {0x8F, 0x9F},  // Џ џ
    {0xA1, 0xA2},  // Ў ў
    {0xA3, 0xBC},  // Ј ј
    {0xA5, 0xB4},  // Ґ ґ
    {0xAA, 0xBA},  // Є є
    {0xAF, 0xBF},  // Ї ї
    {0xB2, 0xB3},  // І і
    {0xBD, 0xBE},  // Ѕ ѕ
}};

constexpr std::array<unsigned char, 256> MakeLowerTable() {
    auto table = MakeIdentityTable();
    for (unsigned c = 'A'; c <= 'Z'; ++c) {
        table[c] = static_cast<unsigned char>(c + ('a' - 'A'));
    }
    for (unsigned c = 0xC0; c <= 0xDF; ++c) {
        table[c] = static_cast<unsigned char>(c + 0x20);
    }
    for (const auto& [upper, lower] : kIrregularCasePairs) {
        table[upper] = lower;
    }
    return table;
}

constexpr std::array<unsigned char, 256> MakeUpperTable() {
    auto table = MakeIdentityTable();
    for (unsigned c = 'a'; c <= 'z'; ++c) {
        table[c] = static_cast<unsigned char>(c - ('a' - 'A'));
    }
    for (unsigned c = 0xE0; c <= 0xFF; ++c) {
        table[c] = static_cast<unsigned char>(c - 0x20);
    }
    for (const auto& [upper, lower] : kIrregularCasePairs) {
        table[lower] = upper;
    }
    return table;
}

constexpr std::array<unsigned char, 256> kLowerTable = MakeLowerTable();
constexpr std::array<unsigned char, 256> kUpperTable = MakeUpperTable();

unsigned char LowerByte(char c) {
    return kLowerTable[static_cast<unsigned char>(c)];
}

}  // namespace

std::optional<std::string> Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // ASCII and the Russian alphabet, most of any message, take a short way.
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            ++pos;
            continue;
        }
        if ((lead == 0xD0 || lead == 0xD1) && pos + 1 < utf8.size() &&
            IsContinuation(static_cast<unsigned char>(utf8[pos + 1]))) {
            const char32_t cp =
                ((lead & 0x1FU) << 6) | (static_cast<unsigned char>(utf8[pos + 1]) & 0x3FU);
            if (cp >= kCyrillicCapitalA && cp <= kCyrillicSmallYa) {
                out.push_back(static_cast<char>(kByteCapitalA + (cp - kCyrillicCapitalA)));
                pos += 2;
                continue;
            }
        }
        const std::optional<char32_t> cp = DecodeUtf8(utf8, pos);
        if (!cp) {
            return std::nullopt;
        }
        if (const std::optional<unsigned char> byte = EncodeCodePoint(*cp)) {
            out.push_back(static_cast<char>(*byte));
        } else {
            std::array<char, 16> digits{};
            const std::to_chars_result written = std::to_chars(
                digits.data(), digits.data() + digits.size(), static_cast<std::uint32_t>(*cp));
            out += "&#";
            out.append(digits.data(), written.ptr);
            out += ';';
        }
    }
    return out;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(ResultWriter::EncodedSizeBound(cp1251, TextEncoding::Utf8));
    ResultWriter writer(AppendTo(out), TextEncoding::Utf8, LineBreaks::Keep);
    writer.Put(cp1251);
    writer.Finish();
    return out;
}

std::string Cp1251ToUtf8RestoringReferences(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size());
    std::size_t pos = 0;
    while (pos < cp1251.size()) {
        if (cp1251[pos] == '&') {
            const auto reference = ReferenceAt(cp1251, pos);
            if (reference && RestoresAsCharacter(reference->first)) {
                AppendUtf8(out, reference->first);
                pos += reference->second;
                continue;
            }
        }
        out += Utf8Of(cp1251[pos]);
        ++pos;
    }
    return out;
}

std::string_view Utf8Of(char cp1251) {
    const Utf8Bytes& encoded = kDecodeTable[static_cast<unsigned char>(cp1251)];
    return {encoded.bytes.data(), encoded.size};
}

char ToLowerCp1251(char c) {
    return static_cast<char>(kLowerTable[static_cast<unsigned char>(c)]);
}

char ToUpperCp1251(char c) {
    return static_cast<char>(kUpperTable[static_cast<unsigned char>(c)]);
}

std::string ToLowerCp1251(std::string_view text) {
    std::string out(text.size(), '\0');
    std::transform(text.begin(), text.end(), out.begin(),
                   [](char c) { return static_cast<char>(LowerByte(c)); });
    return out;
}

int CompareNoCaseCp1251(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = LowerByte(a[i]);
        const unsigned char y = LowerByte(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCaseCp1251(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNoCaseCp1251(a, b) == 0;
}

}  // namespace tagforge
