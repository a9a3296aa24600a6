#include "core/preview/html_tag_reader.h"

#include "core/format/cp1251.h"

namespace tagforge {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool EndsName(char c) {
    return IsHtmlSpace(c) || c == '/' || c == '>';
}

std::size_t SkipSpace(std::string_view line, std::size_t pos) {
    while (pos < line.size() && IsHtmlSpace(line[pos])) {
        ++pos;
    }
    return pos;
}

}  // namespace

bool IsHtmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

std::optional<std::string_view> HtmlTag::Attribute(std::string_view attributeName) const {
    for (const auto& [attribute, value] : attributes) {
        if (attribute == attributeName) {
            return value;
        }
    }
    return std::nullopt;
}

MarkupKind MarkupAt(std::string_view line, std::size_t pos) {
    const auto at = [&line](std::size_t i) { return i < line.size() ? line[i] : '\0'; };
    const char next = at(pos + 1);
    if (IsAsciiLetter(next)) {
        return MarkupKind::Tag;
    }
    if (next == '!' || next == '?') {
        return MarkupKind::Comment;
    }
    if (next == '/') {
        if (IsAsciiLetter(at(pos + 2))) {
            return MarkupKind::Tag;
        }
        // "</" at the very end is shown; "</>" and "</ x>" are not.
        return pos + 2 < line.size() ? MarkupKind::Comment : MarkupKind::Text;
    }
    return MarkupKind::Text;
}

bool ReadHtmlTag(std::string_view line, std::size_t pos, HtmlTag& tag) {
    tag.name.clear();
    tag.end = false;
    tag.attributes.clear();
    std::size_t i = pos + 1;
    if (line[i] == '/') {
        tag.end = true;
        ++i;
    }
    for (; i < line.size() && !EndsName(line[i]); ++i) {
        tag.name.push_back(AsciiLower(line[i]));
    }
    while (true) {
        while (i < line.size() && (IsHtmlSpace(line[i]) || line[i] == '/')) {
            ++i;
        }
        if (i >= line.size()) {
            return false;
        }
        if (line[i] == '>') {
            tag.next = i + 1;
            return true;
        }
        // A name may begin with '='; after that '=' ends it.
        std::string name(1, AsciiLower(line[i]));
        for (++i; i < line.size() && !EndsName(line[i]) && line[i] != '='; ++i) {
            name.push_back(AsciiLower(line[i]));
        }
        i = SkipSpace(line, i);
        std::string_view value;
        if (i < line.size() && line[i] == '=') {
            i = SkipSpace(line, i + 1);
            if (i >= line.size()) {
                return false;
            }
            if (line[i] == '"' || line[i] == '\'') {
                const std::size_t close = line.find(line[i], i + 1);
                if (close == std::string_view::npos) {
                    return false;
                }
                value = line.substr(i + 1, close - i - 1);
                i = close + 1;
            } else {
                const std::size_t begin = i;
                while (i < line.size() && !IsHtmlSpace(line[i]) && line[i] != '>') {
                    ++i;
                }
                value = line.substr(begin, i - begin);
            }
        }
        if (!tag.Attribute(name)) {
            tag.attributes.emplace_back(std::move(name), value);
        }
    }
}

std::size_t SkipComment(std::string_view line, std::size_t pos) {
    const bool dashed = line.substr(pos, 4) == "<!--";
    // "<!-->" and "<!--->" end at once.
    const std::size_t close = dashed ? line.find("-->", pos + 2) : line.find('>', pos + 1);
    if (close == std::string_view::npos) {
        return line.size();
    }
    return close + (dashed ? 3 : 1);
}

std::size_t SkipRawText(std::string_view line, std::size_t pos, std::string_view name) {
    for (std::size_t i = line.find("</", pos); i != std::string_view::npos;
         i = line.find("</", i + 2)) {
        const std::size_t after = i + 2 + name.size();
        if (after <= line.size() && EqualsNoCaseCp1251(line.substr(i + 2, name.size()), name) &&
            (after == line.size() || EndsName(line[after]))) {
            const std::size_t close = line.find('>', after);
            return close == std::string_view::npos ? line.size() : close + 1;
        }
    }
    return line.size();
}

}  // namespace tagforge
