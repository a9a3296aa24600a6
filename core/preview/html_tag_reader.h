#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Reads markup out of a chat line the way a browser's tokenizer does.
namespace tagforge {

struct HtmlTag {
    std::string name;  // lower case
    bool end = false;
    // Lower-case names with their values as written; browsers keep the first of a name.
    std::vector<std::pair<std::string, std::string_view>> attributes;
    std::size_t next = 0;  // just after the closing '>'

    std::optional<std::string_view> Attribute(std::string_view attributeName) const;
};

enum class MarkupKind {
    Text,     // a '<' browsers show as itself
    Tag,      // "<" or "</" and a letter
    Comment,  // "<!", "<?" or "</" and something else: never shown
};

// What the '<' at `pos` starts.
MarkupKind MarkupAt(std::string_view line, std::size_t pos);

// Reads the tag at `pos` into `tag`, whose storage is reused. False when the line ends inside
// it: browsers then drop the rest.
bool ReadHtmlTag(std::string_view line, std::size_t pos, HtmlTag& tag);

// Where the comment at `pos` ends: just after its "-->" or '>', or the end of the line.
std::size_t SkipComment(std::string_view line, std::size_t pos);

// Where the content of a script-like element `name` that starts at `pos` ends: just after its
// end tag, or the end of the line.
std::size_t SkipRawText(std::string_view line, std::size_t pos, std::string_view name);

bool IsHtmlSpace(char c);

}  // namespace tagforge
