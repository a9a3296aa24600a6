#include "core/store/tag_list.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/format/cp1251.h"

namespace tagforge {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

std::optional<std::vector<std::string>> ReadSortedLines(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<std::string> lines = SplitLines(text);
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return CompareNoCaseCp1251(a, b) < 0;
    });
    return lines;
}

int PickEntry(const std::vector<std::string>& entries, std::string_view wanted) {
    if (entries.empty()) {
        return -1;
    }
    const auto match = std::find_if(entries.begin(), entries.end(), [wanted](const std::string& e) {
        return EqualsNoCaseCp1251(e, wanted);
    });
    return match == entries.end() ? 0 : static_cast<int>(match - entries.begin());
}

}  // namespace tagforge
