#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The stored nicks: Windows-1251 texts kept in order without regard to letter case, each nick
// at most once (compared without regard to case).
namespace tagforge {

// A selection as it is saved as a nick: blanks and control characters cut from both ends.
std::string TrimNick(std::string_view text);

// Puts the nicks in order without regard to case; nicks equal in that sense keep their order.
void SortNicks(std::vector<std::string>& nicks);

// The position of the nick equal to `nick` without regard to case.
std::optional<std::size_t> FindNick(const std::vector<std::string>& nicks, std::string_view nick);

// Adds the trimmed text at its place in the sorted list, each line break (CR LF, CR or LF) turned
// into a space. False, and nothing added, when the trimmed text is empty or the list holds it.
bool AddNick(std::vector<std::string>& nicks, std::string_view text);

// Removes the nick equal to `nick` without regard to case; false when there is none.
bool RemoveNick(std::vector<std::string>& nicks, std::string_view nick);

}  // namespace tagforge
