#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tagforge {

// How to reach the program's maker; shown as links at the bottom of the About page. The build
// passes the addresses the package names as its maintainer's (packaging/release.cmake).
inline constexpr std::string_view kMakerEmail = TAGFORGE_MAKER_EMAIL;
inline constexpr std::string_view kMakerHomePage = TAGFORGE_MAKER_HOME_PAGE;
inline constexpr std::string_view kMakerIcq = "417208356";

// The text of the About page, one paragraph a line, Windows-1251.
const std::vector<std::string>& AboutLines();

// The e-mail link, with a subject line that tells the maker which program the letter is about.
std::string MailToAddress();

}  // namespace tagforge
