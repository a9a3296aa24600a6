#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace tagforge {

// Where the picture of a smiley is, given the name inside its marker (Windows-1251); nothing
// when there is none.
using SmileyPictureLookup =
    std::function<std::optional<std::filesystem::path>(std::string_view name)>;

inline constexpr std::size_t kNoCharacterLimit = std::numeric_limits<std::size_t>::max();

struct RichTextOptions {
    // Markers whose picture this finds become that picture; the others, and all markers when
    // it is empty, stay as their text.
    SmileyPictureLookup pictures;
    // The most characters shown; a longer line is cut and says how much was left out.
    std::size_t maxCharacters = kNoCharacterLimit;
    // The pixel height of the document's plain text, which <font size=N> is scaled from.
    int mediumPixelSize = 16;
};

struct RichTextLine {
    std::string html;  // UTF-8
    std::size_t shownCharacters = 0;
    std::size_t leftOutCharacters = 0;
};

// A chat line as the copy puts it on the clipboard (Windows-1251, tags included) turned into
// HTML that Qt's rich text shows the way the chat's browser shows the line:
// - tags and attributes are read as browsers read them, in any case, quoted or not; colours
//   come out as "#RRGGBB" by the browsers' forgiving rules, <font size=N> as the pixel height
//   browsers give it, faces as a plain list; misnested formatting is closed and reopened as
//   browsers do, and no more than a few hundred elements are ever open at once;
// - '<', '>' and '&' that browsers show as text come out as references; numeric references
//   come out in decimal (U+FFFD where browsers show that), named ones as they stand;
// - markers become images of their pictures, addressed by file URL;
// - only inline formatting and line breaks are kept. Nothing in the result makes Qt load
//   anything but the pictures the lookup named: images, style sheets, styles, scripts and
//   blocks from the line are left out (their text stays), links keep their look but lose
//   their address;
// - every element opened is closed.
// A character is one byte of text, one reference, one line break or one picture; a marker
// shown as text counts its bytes. Past maxCharacters the line ends after the last whole
// character, reference or marker that fits, and "… и ещё N символов" follows with N the
// characters left out.
RichTextLine ChatLineToRichText(std::string_view line, const RichTextOptions& options);

}  // namespace tagforge
