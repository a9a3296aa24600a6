#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/format/markers.h"

namespace tagforge {

// Sets letters in small case and then puts capitals at the byte positions 1/ratio, 2/ratio, ...
// (1-based, truncated), so ratio 0.5 capitalises every second byte. Character references are
// left exactly as they are.
std::string DanceCase(std::string_view text, float ratio);

// Writes the text backwards. Smiley markers and character references (with the references of
// the same character) keep their reading order; LF bytes are dropped, so CR LF comes out as CR.
std::string ReverseText(std::string_view text, const std::vector<MarkerRecord>& markers);

}  // namespace tagforge
