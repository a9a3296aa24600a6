#include "core/store/ini_file.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <utility>

#include "core/format/cp1251.h"
#include "core/store/atomic_file.h"

namespace tagforge {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLineBreak = "\r\n";
// long is 32 bits where profiles come from.
constexpr std::uint64_t kLongMax = 2147483647;
constexpr std::uint64_t kLongMinMagnitude = 2147483648;

std::uint64_t MagnitudeLimit(bool negative) {
    return negative ? kLongMinMagnitude : kLongMax;
}

long Signed(std::uint64_t magnitude, bool negative) {
    const auto value = static_cast<std::int64_t>(magnitude);
    return static_cast<long>(negative ? -value : value);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

bool IsCSpace(char c) {
    return IsBlank(c) || c == '\n' || c == '\r' || c == '\f';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// One physical line: [begin, contentEnd) is its text, [contentEnd, end) its line break.
struct LineSpan {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;

    bool HasLineBreak() const { return contentEnd != end; }
};

LineSpan LineAt(std::string_view text, std::size_t begin) {
    const std::size_t breakAt = text.find_first_of("\r\n", begin);
    if (breakAt == std::string_view::npos) {
        return {begin, text.size(), text.size()};
    }
    std::size_t end = breakAt + 1;
    if (text[breakAt] == '\r' && end < text.size() && text[end] == '\n') {
        ++end;
    }
    return {begin, breakAt, end};
}

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key, trimmed
    std::string_view value;  // trimmed, quotes still on
};

ParsedLine ParseLine(std::string_view line) {
    const std::string_view text = Trim(line);
    if (text.empty()) {
        return {LineKind::Blank, {}, {}};
    }
    if (text.front() == ';') {
        return {LineKind::Comment, {}, {}};
    }
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string_view::npos) {
            return {LineKind::Section, Trim(text.substr(1, close - 1)), {}};
        }
        // An unclosed bracket is no header; the line is read like any other.
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::Other, {}, {}};
    }
    return {LineKind::Key, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

template <typename Visitor>
void ForEachLine(std::string_view text, Visitor&& visit) {
    for (std::size_t pos = 0; pos < text.size();) {
        const LineSpan span = LineAt(text, pos);
        pos = span.end;
        const auto content = text.substr(span.begin, span.contentEnd - span.begin);
        if (!visit(span, ParseLine(content))) {
            return;
        }
    }
}

// Where a key of the first section with the given name lies.
struct KeyLookup {
    std::optional<LineSpan> header;
    std::optional<LineSpan> keyLine;      // the first line holding the key
    std::optional<LineSpan> lastKeyLine;  // the last key line seen before the search ended
    ParsedLine key;
};

KeyLookup FindKey(std::string_view text, std::string_view section, std::string_view key) {
    KeyLookup found;
    ForEachLine(text, [&](const LineSpan& span, const ParsedLine& line) {
        if (line.kind == LineKind::Section) {
            if (found.header) {
                return false;
            }
            if (EqualsNoCaseCp1251(line.name, section)) {
                found.header = span;
            }
            return true;
        }
        if (!found.header || line.kind != LineKind::Key) {
            return true;
        }
        found.lastKeyLine = span;
        if (EqualsNoCaseCp1251(line.name, key)) {
            found.keyLine = span;
            found.key = line;
            return false;
        }
        return true;
    });
    return found;
}

std::string_view WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key,
                                          std::size_t maxLength = IniFile::kMaxValueLength) {
    const KeyLookup found = FindKey(text, section, key);
    if (!found.keyLine) {
        return std::nullopt;
    }
    return WithoutQuotes(found.key.value).substr(0, maxLength);
}

std::string KeyLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + value.size() + 1 + kLineBreak.size());
    line.append(key).append("=").append(value);
    return line;
}

std::string Spliced(std::string_view text, std::size_t from, std::size_t to,
                    std::string_view insert) {
    std::string result;
    result.reserve(text.size() - (to - from) + insert.size());
    result.append(text.substr(0, from)).append(insert).append(text.substr(to));
    return result;
}

std::string WithNewSection(std::string_view text, std::string_view section, std::string_view key,
                           std::string_view value) {
    std::string result(text);
    if (!result.empty() && result.back() != '\r' && result.back() != '\n') {
        result.append(kLineBreak);
    }
    result.append("[").append(section).append("]").append(kLineBreak);
    result.append(KeyLine(key, value)).append(kLineBreak);
    return result;
}

std::string WithValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    const KeyLookup found = FindKey(text, section, key);
    if (found.keyLine) {
        return Spliced(text, found.keyLine->begin, found.keyLine->contentEnd,
                       KeyLine(found.key.name, value));
    }
    if (!found.header) {
        return WithNewSection(text, section, key, value);
    }
    const LineSpan after = found.lastKeyLine.value_or(*found.header);
    std::string insert;
    if (!after.HasLineBreak()) {
        insert.append(kLineBreak);
    }
    insert.append(KeyLine(key, value)).append(kLineBreak);
    return Spliced(text, after.end, after.end, insert);
}

std::vector<std::string_view> SectionNames(std::string_view text) {
    std::vector<std::string_view> names;
    ForEachLine(text, [&](const LineSpan&, const ParsedLine& line) {
        if (line.kind == LineKind::Section) {
            names.push_back(line.name);
        }
        return true;
    });
    return names;
}

// The buffer GetPrivateProfileSectionNames fills: each name and a NUL, one more NUL at the end.
// A name that does not fit is cut to the room left and the list is closed with two NULs.
std::string SectionNamesBuffer(const std::vector<std::string_view>& names, std::size_t budget) {
    std::string buffer(budget, '\0');
    if (budget < 2) {
        return buffer;
    }
    std::size_t used = 0;
    std::size_t room = budget - 1;
    for (const std::string_view name : names) {
        const std::size_t needed = name.size() + 1;
        if (needed >= room) {
            name.substr(0, room - 1).copy(buffer.data() + used, room - 1);
            break;
        }
        name.copy(buffer.data() + used, name.size());
        used += needed;
        room -= needed;
    }
    return buffer;
}

// How the VCL reads that buffer back: names up to the first empty one.
std::vector<std::string> NamesFromBuffer(std::string_view buffer) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (pos < buffer.size() && buffer[pos] != '\0') {
        const std::size_t end = std::min(buffer.find('\0', pos), buffer.size());
        names.emplace_back(buffer.substr(pos, end - pos));
        pos = end + 1;
    }
    return names;
}

std::optional<std::uint64_t> ParseDigits(std::string_view digits, int base) {
    std::uint64_t value = 0;
    const char* const end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

bool IsHexNumber(std::string_view text) {
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

}  // namespace

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {
    std::error_code error;
    if (!fs::is_regular_file(path_, error)) {
        return;
    }
    std::ifstream stream(path_, std::ios::binary);
    if (!stream) {
        return;
    }
    contents_.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    exists_ = true;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback, std::size_t maxLength) const {
    return std::string(FindValue(contents_, section, key, maxLength).value_or(fallback));
}

long IniFile::ReadInteger(std::string_view section, std::string_view key, long fallback) const {
    const auto value = FindValue(contents_, section, key);
    return value ? ParseProfileInteger(*value, fallback) : fallback;
}

std::vector<std::string> IniFile::ReadSections(std::size_t budget) const {
    return NamesFromBuffer(SectionNamesBuffer(SectionNames(contents_), budget));
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string updated = WithValue(contents_, section, key, value);
    WriteFileAtomically(path_, updated);
    contents_ = std::move(updated);
    exists_ = true;
}

long ParseProfileInteger(std::string_view text, long fallback) {
    if (IsHexNumber(text)) {
        const auto value = ParseDigits(text.substr(2), 16);
        return value && *value <= kLongMax ? static_cast<long>(*value) : fallback;
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    const auto magnitude = ParseDigits(text, 10);
    if (!magnitude || *magnitude > MagnitudeLimit(negative)) {
        return fallback;
    }
    return Signed(*magnitude, negative);
}

long AtolWin32(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsCSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::uint64_t magnitude = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const auto digit = static_cast<std::uint64_t>(text[pos] - '0');
        magnitude = std::min(magnitude * 10 + digit, MagnitudeLimit(negative));
    }
    return Signed(magnitude, negative);
}

}  // namespace tagforge
