#pragma once

#include <string>
#include <string_view>

namespace tagforge {

// The text on one line: each CR LF pair, lone CR and lone LF becomes one space. Single-line
// values (field texts, nicks, profile values) never hold a line break.
std::string OnOneLine(std::string_view text);

}  // namespace tagforge
