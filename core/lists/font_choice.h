#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the font manager turns the chosen-font list into ticks over the installed fonts and back.
// Font names are Windows-1251 texts.
namespace tagforge {

struct FontMarks {
    std::vector<bool> checked;  // one flag per installed font
    // The installed font that is the current chosen font, if it is still installed.
    std::optional<std::size_t> current;
};

// Each chosen name ticks one installed font spelt exactly like it, letter case included; chosen
// names that are not installed tick nothing.
FontMarks MarkChosenFonts(const std::vector<std::string>& installed,
                          std::vector<std::string> chosen, std::string_view currentFont);

struct ChosenFonts {
    std::vector<std::string> names;  // the ticked fonts, in the installed order
    int current;                     // index into names; -1 when there are none
};

// The highlighted font becomes the current one when it is ticked; otherwise the previous current
// font stays current, or the first one does when the previous one is no longer chosen. Names are
// looked up without regard to case.
ChosenFonts CollectChosenFonts(const std::vector<std::string>& installed,
                               const std::vector<bool>& checked,
                               std::optional<std::size_t> highlighted,
                               std::string_view previousCurrent);

}  // namespace tagforge
