#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tagforge {

// The lines of a list file (such as the tag list), sorted without regard to letter case as a
// sorted list box keeps them; nothing when the file does not exist or cannot be read.
std::optional<std::vector<std::string>> ReadSortedLines(const std::filesystem::path& path);

// The lines of a text, split at CR LF, LF or CR; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// The index of the entry equal to `wanted` without regard to case, else 0; -1 for an empty list.
int PickEntry(const std::vector<std::string>& entries, std::string_view wanted);

}  // namespace tagforge
