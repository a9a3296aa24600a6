// The live preview's HTML for any line: only the formatting it lets through, balanced, no
// address but the pictures the lookup named, and every character counted once by the cap.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "core/preview/rich_text_line.h"
#include "fuzz_support.h"

namespace {

using tagforge::fuzz::Check;

constexpr std::string_view kPictures = "/pictures/";

bool IsAllowed(std::string_view name) {
    static constexpr std::array<std::string_view, 21> kAllowed = {
        "a",    "b",     "big",  "cite",   "code", "em",  "font", "i", "kbd", "nobr", "s",
        "samp", "small", "span", "strong", "sub",  "sup", "tt",   "u", "var", "br"};
    return std::find(kAllowed.begin(), kAllowed.end(), name) != kAllowed.end() || name == "img";
}

void CheckMarkup(std::string_view html) {
    std::vector<std::string> open;
    for (std::size_t pos = 0; pos < html.size(); ++pos) {
        if (html[pos] != '<') {
            Check(html[pos] != '>', "text shows '>' as a reference");
            continue;
        }
        const std::size_t close = html.find('>', pos);
        Check(close != std::string_view::npos, "every tag ends");
        const std::string_view tag = html.substr(pos + 1, close - pos - 1);
        pos = close;
        Check(tag.find('<') == std::string_view::npos, "no tag inside a tag");
        const bool end = !tag.empty() && tag.front() == '/';
        const std::string_view rest = tag.substr(end ? 1 : 0);
        const std::string name(rest.substr(0, rest.find(' ')));
        Check(IsAllowed(name), "only allowed elements");
        if (name == "img") {
            Check(tag.substr(0, 9 + 7 + kPictures.size()) ==
                      "img src=\"file://" + std::string(kPictures),
                  "images are the lookup's pictures");
        } else if (name == "font" && !end) {
            static const std::regex kFont(
                "font( color=\"#[0-9A-F]{6}\")?( face=\"[^\"]*\")?( "
                "style=\"font-size:[0-9]+px\")?");
            Check(std::regex_match(tag.begin(), tag.end(), kFont), "fonts carry values Qt reads");
        } else if (name == "a" && !end) {
            Check(tag == "a" || tag == "a href=\"#\"", "links lead nowhere");
        } else {
            Check(tag == (end ? "/" : "") + name, "other tags carry nothing");
        }
        if (name != "img" && name != "br") {
            if (end) {
                Check(!open.empty() && open.back() == name, "elements are nested");
                open.pop_back();
            } else {
                open.push_back(name);
            }
        }
    }
    Check(open.empty(), "every element is closed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::size_t cap = data.ConsumeIntegralInRange<std::size_t>(0, 64);
    const std::string line = data.ConsumeRemainingBytesAsString();
    tagforge::RichTextOptions options;
    options.pictures = [](std::string_view name) -> std::optional<std::filesystem::path> {
        if (!name.empty() && name.front() == 'p') {
            return std::filesystem::path(kPictures) / std::string(name);
        }
        return std::nullopt;
    };
    const tagforge::RichTextLine whole = tagforge::ChatLineToRichText(line, options);
    options.maxCharacters = cap;
    const tagforge::RichTextLine cut = tagforge::ChatLineToRichText(line, options);
    Check(whole.leftOutCharacters == 0, "without a cap nothing is left out");
    Check(cut.shownCharacters <= cap, "the cap holds");
    Check(cut.shownCharacters + cut.leftOutCharacters == whole.shownCharacters,
          "every character is shown or counted as left out");
    CheckMarkup(whole.html);
    CheckMarkup(cut.html);
    return 0;
}
