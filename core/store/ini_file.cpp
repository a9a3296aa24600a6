#include "core/store/ini_file.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <system_error>
#include <utility>

#include "core/store/atomic_file.h"

namespace tagforge {

namespace {

namespace fs = std::filesystem;

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

// The buffer GetPrivateProfileSectionNames fills: each name and a NUL, one more NUL at the end.
// A name that does not fit is cut to the room left and the list is closed with two NULs.
std::string SectionNamesBuffer(std::string_view text, const std::vector<IniIndex::Span>& names,
                               std::size_t budget) {
    std::string buffer(budget, '\0');
    if (budget < 2) {
        return buffer;
    }
    std::size_t used = 0;
    std::size_t room = budget - 1;
    for (const IniIndex::Span& span : names) {
        const std::string_view name = span.In(text);
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

const IniIndex& IniFile::Index() const {
    if (!index_) {
        index_ = std::make_shared<const IniIndex>(contents_);
    }
    return *index_;
}

std::optional<std::string_view> IniFile::FindValue(std::string_view section, std::string_view key,
                                                   std::size_t maxLength) const {
    const IniIndex::Key* found = Index().FindKey(UpToNul(section), UpToNul(key));
    if (found == nullptr) {
        return std::nullopt;
    }
    return WithoutQuotes(found->value.In(contents_)).substr(0, maxLength);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback, std::size_t maxLength) const {
    return std::string(FindValue(section, key, maxLength).value_or(fallback));
}

long IniFile::ReadInteger(std::string_view section, std::string_view key, long fallback) const {
    const auto value = FindValue(section, key);
    return value ? ParseProfileInteger(*value, fallback) : fallback;
}

std::vector<std::string> IniFile::ReadSections(std::size_t budget) const {
    return NamesFromBuffer(SectionNamesBuffer(contents_, Index().SectionNames(), budget));
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    WriteStrings({{std::string(section), std::string(key), std::string(value)}});
}

void IniFile::WriteStrings(const std::vector<IniEntry>& writes) {
    if (writes.empty()) {
        return;
    }
    std::string updated = WithIniValues(contents_, Index(), writes);
    WriteFileAtomically(path_, updated);
    contents_ = std::move(updated);
    index_.reset();
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
