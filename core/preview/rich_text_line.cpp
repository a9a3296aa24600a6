#include "core/preview/rich_text_line.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "core/format/color_code.h"
#include "core/format/count_word.h"
#include "core/format/cp1251.h"
#include "core/format/markers.h"
#include "core/preview/html_tag_reader.h"
#include "core/preview/legacy_values.h"

namespace tagforge {

namespace {

// Qt's rich text takes time that grows with the square of the nesting depth; browsers stop
// nesting at a similar depth.
constexpr std::size_t kMaxOpenElements = 256;

struct InlineElement {
    std::string_view name;    // as the line writes it
    std::string_view qtName;  // what shows the same in Qt
};

// Inline formatting Qt renders as browsers do. Anything else is left out with its text kept:
// Qt lays out nested tables in exponential time, and blocks would break the line apart.
constexpr std::array<InlineElement, 23> kInlineElements = {{
    {"a", "a"},       {"b", "b"},       {"big", "big"},       {"cite", "cite"}, {"code", "code"},
    {"del", "s"},     {"em", "em"},     {"font", "font"},     {"i", "i"},       {"ins", "u"},
    {"kbd", "kbd"},   {"nobr", "nobr"}, {"s", "s"},           {"samp", "samp"}, {"small", "small"},
    {"span", "span"}, {"strike", "s"},  {"strong", "strong"}, {"sub", "sub"},   {"sup", "sup"},
    {"tt", "tt"},     {"u", "u"},       {"var", "var"},
}};

// Elements whose content browsers never show.
constexpr std::array<std::string_view, 3> kHiddenContent = {"script", "style", "title"};

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

const InlineElement* FindInline(std::string_view name) {
    const auto* const found =
        std::find_if(kInlineElements.begin(), kInlineElements.end(),
                     [name](const InlineElement& e) { return e.name == name; });
    return found == kInlineElements.end() ? nullptr : &*found;
}

bool IsAsciiAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Windows-1251 text as UTF-8 HTML text; `quote` also escapes what would end an attribute.
void AppendEscaped(std::string& out, std::string_view text, bool quote = false) {
    for (const char c : text) {
        switch (c) {
            case '<':
                out.append("&lt;");
                break;
            case '>':
                out.append("&gt;");
                break;
            case '&':
                out.append("&amp;");
                break;
            case '"':
                out.append(quote ? "&quot;" : "\"");
                break;
            case '\0':
                out.append(kReplacementCharacter);
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x80) {
                    out.push_back(c);
                } else {
                    out.append(Utf8Of(c));
                }
        }
    }
}

// A file URL with every byte outside the unreserved set percent-encoded, so that no name can
// end the attribute or be read as a query or fragment.
std::string FileUrl(const std::filesystem::path& path) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    // The name's UTF-8 bytes on every system; a Windows drive ("C:/...") takes one more slash
    // and keeps its colon.
    const std::u8string generic = path.generic_u8string();
    const std::string text(generic.begin(), generic.end());
    std::string url = path.is_absolute() ? "file://" : "";
    if (path.is_absolute() && !text.starts_with('/')) {
        url += '/';
    }
    const std::size_t driveColon = path.has_root_name() ? path.root_name().native().size() : 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (IsAsciiAlphanumeric(c) || std::string_view("-._~/").find(c) != std::string_view::npos ||
            (c == ':' && i + 1 == driveColon)) {
            url.push_back(c);
        } else {
            url.push_back('%');
            url.push_back(kHex[byte >> 4U]);
            url.push_back(kHex[byte & 0x0FU]);
        }
    }
    return url;
}

std::string StartTagForQt(const InlineElement& element, const HtmlTag& tag, int mediumPixels) {
    std::string start = "<";
    start.append(element.qtName);
    if (element.name == "font") {
        if (const auto color = tag.Attribute("color")) {
            if (const auto value = ParseLegacyColor(*color)) {
                start.append(" color=\"#").append(ToColorCode(*value)).append("\"");
            }
        }
        if (const auto face = tag.Attribute("face")) {
            const std::vector<std::string> faces = ParseFaceList(*face);
            if (!faces.empty()) {
                start.append(" face=\"");
                for (std::size_t i = 0; i < faces.size(); ++i) {
                    if (i > 0) {
                        start.push_back(',');
                    }
                    AppendEscaped(start, faces[i], true);
                }
                start.append("\"");
            }
        }
        if (const auto size = tag.Attribute("size")) {
            if (const auto value = ParseLegacyFontSize(*size)) {
                start.append(" style=\"font-size:")
                    .append(std::to_string(LegacyFontSizePixels(*value, mediumPixels)))
                    .append("px\"");
            }
        }
    } else if (element.name == "a" && tag.Attribute("href")) {
        // The link look without a target the strip could follow.
        start.append(" href=\"#\"");
    }
    start.push_back('>');
    return start;
}

class RichTextWriter {
  public:
    RichTextWriter(std::size_t maxCharacters, std::size_t sizeHint) : room_(maxCharacters) {
        html_.reserve(sizeHint);
    }

    // Text shown as it is, cut anywhere.
    void Text(std::string_view text) {
        const std::size_t taken = full_ ? 0 : std::min(room_, text.size());
        AppendEscaped(html_, text.substr(0, taken));
        Count(taken, text.size() - taken);
    }

    // Something shown whole or not at all.
    void Whole(std::string_view html, std::size_t characters) {
        if (full_ || characters > room_) {
            Count(0, characters);
            return;
        }
        html_.append(html);
        Count(characters, 0);
    }

    // Whether a start tag would be written now.
    bool CanOpen() const { return !full_ && open_.size() < kMaxOpenElements; }

    void Open(const InlineElement& element, std::string startTag) {
        html_.append(startTag);
        open_.push_back({&element, std::move(startTag)});
    }

    // Closes the innermost open `element`; formatting opened inside it is closed with it and
    // opened again after it, as browsers do with misnested tags.
    void Close(const InlineElement& element) {
        if (full_) {
            return;
        }
        const auto found =
            std::find_if(open_.rbegin(), open_.rend(),
                         [&element](const OpenElement& o) { return o.element == &element; });
        if (found == open_.rend()) {
            return;
        }
        std::vector<OpenElement> reopened(found.base(), open_.end());
        for (auto it = open_.rbegin(); it != found + 1; ++it) {
            AppendEnd(*it->element);
        }
        open_.erase(found.base() - 1, open_.end());
        for (OpenElement& inner : reopened) {
            html_.append(inner.startTag);
            open_.push_back(std::move(inner));
        }
    }

    RichTextLine Finish() && {
        for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
            AppendEnd(*it->element);
        }
        if (leftOut_ > 0) {
            html_
                .append("\xE2\x80\xA6 \xD0\xB8 \xD0\xB5\xD1\x89\xD1\x91 ")  // "… и ещё "
                .append(std::to_string(leftOut_))
                .append(" ")
                .append(
                    CountWord(leftOut_, "\xD1\x81\xD0\xB8\xD0\xBC\xD0\xB2\xD0\xBE\xD0\xBB",
                              "\xD1\x81\xD0\xB8\xD0\xBC\xD0\xB2\xD0\xBE\xD0\xBB\xD0\xB0",
                              "\xD1\x81\xD0\xB8\xD0\xBC\xD0\xB2\xD0\xBE\xD0\xBB\xD0\xBE\xD0\xB2"));
        }
        return {std::move(html_), shown_, leftOut_};
    }

  private:
    struct OpenElement {
        const InlineElement* element;
        std::string startTag;
    };

    void Count(std::size_t shown, std::size_t leftOut) {
        shown_ += shown;
        room_ -= shown;
        leftOut_ += leftOut;
        full_ = full_ || leftOut > 0;
    }

    void AppendEnd(const InlineElement& element) {
        html_.append("</").append(element.qtName).append(">");
    }

    std::string html_;
    std::vector<OpenElement> open_;
    std::size_t room_;
    std::size_t shown_ = 0;
    std::size_t leftOut_ = 0;
    // Once something did not fit, nothing more is written; the rest is only counted.
    bool full_ = false;
};

// The reference at `pos` ('&'): its end and what Qt is given for it, or nothing when browsers
// show the '&' as text.
struct Reference {
    std::size_t end;
    std::string html;
    std::size_t characters;
};

std::optional<Reference> ReadReference(std::string_view line, std::size_t pos) {
    std::size_t i = pos + 1;
    if (i < line.size() && line[i] == '#') {
        ++i;
        const bool hex = i < line.size() && (line[i] == 'x' || line[i] == 'X');
        i += hex ? 1 : 0;
        const std::size_t digitsBegin = i;
        std::uint32_t value = 0;
        for (; i < line.size(); ++i) {
            const int digit = hex ? HexDigitValue(line[i])
                                  : (line[i] >= '0' && line[i] <= '9' ? line[i] - '0' : -1);
            if (digit < 0) {
                break;
            }
            value = std::min<std::uint32_t>(
                value * (hex ? 16U : 10U) + static_cast<std::uint32_t>(digit), 0x110000U);
        }
        if (i == digitsBegin) {
            return std::nullopt;
        }
        i += i < line.size() && line[i] == ';' ? 1 : 0;
        if (value == 0 || value > 0x10FFFFU || (value >= 0xD800U && value <= 0xDFFFU)) {
            value = 0xFFFDU;
        }
        return Reference{i, "&#" + std::to_string(value) + ";", 1};
    }
    while (i < line.size() && IsAsciiAlphanumeric(line[i])) {
        ++i;
    }
    if (i == pos + 1) {
        return std::nullopt;
    }
    // A named reference is left to Qt, whose table is the browsers' one. Without ';' it is
    // most likely plain text, and counted as such.
    if (i < line.size() && line[i] == ';') {
        return Reference{i + 1, std::string(line.substr(pos, i + 1 - pos)), 1};
    }
    return Reference{i, std::string(line.substr(pos, i - pos)), i - pos};
}

}  // namespace

RichTextLine ChatLineToRichText(std::string_view line, const RichTextOptions& options) {
    RichTextWriter out(options.maxCharacters, line.size() + line.size() / 4);
    const std::vector<MarkerRecord> markers = ParseMarkers(line);
    auto marker = markers.begin();
    // A lookup may read a folder; each name is looked up once.
    std::map<std::string, std::optional<std::filesystem::path>, std::less<>> pictures;
    HtmlTag tag;
    std::size_t pos = 0;
    while (pos < line.size()) {
        // Markers that began inside a tag went with it.
        while (marker != markers.end() && marker->offset < pos) {
            ++marker;
        }
        if (marker != markers.end() && marker->offset == pos) {
            auto picture = pictures.find(marker->name);
            if (picture == pictures.end()) {
                picture =
                    pictures
                        .emplace(marker->name,
                                 options.pictures ? options.pictures(marker->name) : std::nullopt)
                        .first;
            }
            if (picture->second) {
                out.Whole("<img src=\"" + FileUrl(*picture->second) + "\">", 1);
            } else {
                std::string text;
                AppendEscaped(text, line.substr(pos, marker->length));
                out.Whole(text, marker->length);
            }
            pos += marker->length;
            continue;
        }
        if (line[pos] == '&') {
            if (const auto reference = ReadReference(line, pos)) {
                out.Whole(reference->html, reference->characters);
                pos = reference->end;
            } else {
                out.Text("&");
                ++pos;
            }
            continue;
        }
        if (line[pos] == '<') {
            switch (MarkupAt(line, pos)) {
                case MarkupKind::Text:
                    out.Text("<");
                    ++pos;
                    continue;
                case MarkupKind::Comment:
                    pos = SkipComment(line, pos);
                    continue;
                case MarkupKind::Tag:
                    break;
            }
            if (!ReadHtmlTag(line, pos, tag)) {
                break;
            }
            pos = tag.next;
            if (tag.name == "br") {
                // Browsers take "</br>" for a line break too.
                out.Whole("<br>", 1);
            } else if (const InlineElement* element = FindInline(tag.name)) {
                if (tag.end) {
                    out.Close(*element);
                } else if (out.CanOpen()) {
                    out.Open(*element, StartTagForQt(*element, tag, options.mediumPixelSize));
                }
            } else if (!tag.end && std::find(kHiddenContent.begin(), kHiddenContent.end(),
                                             tag.name) != kHiddenContent.end()) {
                pos = SkipRawText(line, pos, tag.name);
            }
            continue;
        }
        std::size_t end = std::min(line.find_first_of("<&", pos), line.size());
        if (marker != markers.end()) {
            end = std::min(end, marker->offset);
        }
        out.Text(line.substr(pos, end - pos));
        pos = end;
    }
    return std::move(out).Finish();
}

}  // namespace tagforge
