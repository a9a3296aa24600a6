#include "core/lists/font_choice.h"

#include <algorithm>

#include "core/store/tag_list.h"

namespace tagforge {

FontMarks MarkChosenFonts(const std::vector<std::string>& installed,
                          std::vector<std::string> chosen, std::string_view currentFont) {
    FontMarks marks{std::vector<bool>(installed.size(), false), std::nullopt};
    for (std::size_t i = 0; i < installed.size(); ++i) {
        const auto found = std::find(chosen.begin(), chosen.end(), installed[i]);
        if (found == chosen.end()) {
            continue;
        }
        chosen.erase(found);
        marks.checked[i] = true;
        if (installed[i] == currentFont) {
            marks.current = i;
        }
    }
    return marks;
}

ChosenFonts CollectChosenFonts(const std::vector<std::string>& installed,
                               const std::vector<bool>& checked,
                               std::optional<std::size_t> highlighted,
                               std::string_view previousCurrent) {
    ChosenFonts chosen{{}, -1};
    for (std::size_t i = 0; i < installed.size() && i < checked.size(); ++i) {
        if (checked[i]) {
            chosen.names.push_back(installed[i]);
        }
    }
    const bool highlightedChecked = highlighted && *highlighted < installed.size() &&
                                    *highlighted < checked.size() && checked[*highlighted];
    const std::string_view wanted =
        highlightedChecked ? std::string_view(installed[*highlighted]) : previousCurrent;
    chosen.current = PickEntry(chosen.names, wanted);
    return chosen;
}

}  // namespace tagforge
