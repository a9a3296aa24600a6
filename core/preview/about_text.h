#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tagforge {

// How to reach the program's maker; shown as links at the bottom of the About page.
inline constexpr std::string_view kMakerEmail = "orbel@example.org";
inline constexpr std::string_view kMakerHomePage = "http://tagforge.example.org/";
inline constexpr std::string_view kMakerIcq = "417208356";

// The text of the About page, one paragraph a line, Windows-1251.
const std::vector<std::string>& AboutLines();

// The e-mail link, with a subject line that tells the maker which program the letter is about.
std::string MailToAddress();

}  // namespace tagforge
