#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The text of an INI file as the private-profile functions see it, and the changes their writes
// make to it. Each line is read up to its first NUL byte, as a C string would end there.
namespace tagforge {

// One value to write: `key=value` in `section`.
struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};

// Where the first section of each name and the first key of each name in it lie, found in one
// pass over the text. Positions are byte offsets, so the index stays valid for a copy of the
// same text.
class IniIndex {
  public:
    struct Span {
        std::size_t begin = 0;
        std::size_t size = 0;
        std::string_view In(std::string_view text) const { return text.substr(begin, size); }
    };
    struct Line {
        std::size_t begin = 0;       // first byte of the line
        std::size_t contentEnd = 0;  // where its line break starts
        std::size_t end = 0;         // after its line break
        bool HasLineBreak() const { return contentEnd != end; }
    };
    struct Key {
        Line line;
        Span name;   // trimmed, as spelt in the file
        Span value;  // trimmed, quotes still on
    };
    struct Section {
        Line header;
        std::optional<Line> lastKeyLine;
        std::unordered_map<std::string, Key> keys;  // by lower-case name, first one only
    };

    explicit IniIndex(std::string_view text);

    // The first section of this name (compared without case), if any.
    const Section* FindSection(std::string_view name) const;
    const Key* FindKey(std::string_view section, std::string_view key) const;
    // Every section name in file order, duplicates included.
    const std::vector<Span>& SectionNames() const { return names_; }

  private:
    std::unordered_map<std::string, Section> sections_;
    std::vector<Span> names_;
};

// A text as a C function receives it: up to the first NUL byte.
std::string_view UpToNul(std::string_view text);

// The value of a key as GetPrivateProfileString returns it, before the length cut: trimmed,
// one pair of enclosing quotes removed.
std::string_view WithoutQuotes(std::string_view value);

// The text after one WritePrivateProfileString: the key's line replaced in place, a new key put
// after the last key of its section, or a new section appended.
std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

// The text after all the writes, exactly as the writes one after the other would leave it, in
// time linear in the text and the writes. `index` must describe `text`.
std::string WithIniValues(std::string_view text, const IniIndex& index,
                          const std::vector<IniEntry>& writes);

}  // namespace tagforge
