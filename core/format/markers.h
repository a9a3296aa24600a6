#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tagforge {

// A smiley marker "[::name::]" found in a text.
struct MarkerRecord {
    std::string name;
    std::size_t offset = 0;  // 0-based byte offset of the marker's "["
    std::size_t length = 0;  // bytes from "[" to the end of "::]"

    bool operator==(const MarkerRecord&) const = default;
};

// Markers are found left to right: the first "[::" and the first "::]" of the rest of the text
// make a marker when the "[::" comes first; otherwise the search ends. Overlapping delimiters
// ("[::]") make a marker with an empty name and its true length.
std::size_t CountMarkers(std::string_view text);
std::vector<MarkerRecord> ParseMarkers(std::string_view text);

// "<tag>" + text + "</tag>".
std::string WrapInTag(std::string_view text, std::string_view tag);

// Replaces each CR by `replacement` and drops the byte right after it.
std::string LineBreaksToBr(std::string_view text, std::string_view replacement);

// Turns every lone CR, lone LF and LF CR pair into CR LF.
std::string NormalizeLineBreaks(std::string_view text);

}  // namespace tagforge
