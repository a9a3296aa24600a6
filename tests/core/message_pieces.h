#pragma once

#include <array>
#include <string_view>

namespace tagforge::test {

// Pieces chat messages are made of, the troublesome ones included: line breaks of every kind,
// smiley markers whole and broken, character references and emoji sequences.
inline constexpr std::array<std::string_view, 25> kMessagePieces = {
    "a",
    "Z",
    " ",
    "\xD0",
    "\xFF",
    "\r\n",
    "\r",
    "\n",
    "[::x::]",
    "[::smile::]",
    "[::]",
    "::]",
    "[::",
    "&#128512;",
    "&amp;",
    "&#x1F44D;",
    "&#128077;&#127997;",
    "&#8205;",
    "&",
    "#",
    ";",
    "&#10084;&#65039;",
    "&#128104;&#8205;&#128105;",
    "&#127475;&#127479;",
    "e&#769;",
};

}  // namespace tagforge::test
