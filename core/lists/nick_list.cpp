#include "core/lists/nick_list.h"

#include <algorithm>

#include "core/format/cp1251.h"
#include "core/format/single_line.h"

namespace tagforge {

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool OrderedNoCase(const std::string& a, const std::string& b) {
    return CompareNoCaseCp1251(a, b) < 0;
}

}  // namespace

std::string TrimNick(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlankOrControl(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

void SortNicks(std::vector<std::string>& nicks) {
    std::stable_sort(nicks.begin(), nicks.end(), OrderedNoCase);
}

std::optional<std::size_t> FindNick(const std::vector<std::string>& nicks, std::string_view nick) {
    const auto found = std::find_if(nicks.begin(), nicks.end(), [nick](const std::string& entry) {
        return EqualsNoCaseCp1251(entry, nick);
    });
    if (found == nicks.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - nicks.begin());
}

bool AddNick(std::vector<std::string>& nicks, std::string_view text) {
    // A nick goes into single-line fields, so a selection of several lines joins into one.
    std::string nick = OnOneLine(TrimNick(text));
    if (nick.empty() || FindNick(nicks, nick)) {
        return false;
    }
    const auto place = std::upper_bound(nicks.begin(), nicks.end(), nick, OrderedNoCase);
    nicks.insert(place, std::move(nick));
    return true;
}

bool RemoveNick(std::vector<std::string>& nicks, std::string_view nick) {
    const auto found = FindNick(nicks, nick);
    if (!found) {
        return false;
    }
    nicks.erase(nicks.begin() + static_cast<std::ptrdiff_t>(*found));
    return true;
}

}  // namespace tagforge
