// The smiley pane's page and the preview's pictures for any names: every name stays inside
// its attributes, and the pane's link gives the name back.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/format/markers.h"
#include "core/preview/preview_page.h"
#include "core/smileys/smile_page.h"
#include "fuzz_support.h"

using tagforge::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::vector<std::string> names;
    while (data.remaining_bytes() > 0 && names.size() < 16) {
        names.push_back(data.ConsumeRandomLengthString(24));
    }
    const std::vector<std::string> lines = tagforge::SmilePageLines(names, {true, 3});
    for (const std::string& line : lines) {
        if (line.rfind("<A HREF=\"", 0) != 0) {
            continue;
        }
        Check(std::count(line.begin(), line.end(), '"') == 6, "names keep to their attributes");
        Check(std::count(line.begin(), line.end(), '<') == 3, "names open no tag");
        const std::size_t begin = line.find('"') + 1;
        const std::string href = line.substr(begin, line.find('"', begin) - begin);
        Check(href.find_first_of(" #?/\\:") == std::string::npos, "the link is one segment");
    }
    for (const std::string& name : names) {
        const std::string base = tagforge::SmileBaseName(name);
        const std::string image = tagforge::SmileyMarkersToImages(tagforge::SmileMarker(base));
        const std::string marker = tagforge::SmileMarker(base);
        const auto markers = tagforge::ParseMarkers(marker);
        // A name that makes a marker of its own is the message's text, HTML by design.
        if (markers.size() == 1 && markers.front().name == base) {
            if (std::count(image.begin(), image.end(), '"') != 2) {
                std::fprintf(stderr, "name: [%s]\nimage: [%s]\n", base.c_str(), image.c_str());
            }
            Check(std::count(image.begin(), image.end(), '"') == 2, "a picture name stays put");
        }
    }
    return 0;
}
