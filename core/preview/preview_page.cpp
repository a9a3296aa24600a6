#include "core/preview/preview_page.h"

#include <initializer_list>

#include "core/preview/page_escaping.h"
#include "core/store/atomic_file.h"

namespace tagforge {

namespace {

constexpr std::string_view kMarkerOpen = "[::";
constexpr std::string_view kMarkerClose = "::]";
constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

std::string SmileyMarkersToImages(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    while (true) {
        const std::size_t open = text.find(kMarkerOpen);
        const std::size_t close = text.find(kMarkerClose);
        if (open == std::string_view::npos || close == std::string_view::npos || open >= close) {
            result.append(text);
            return result;
        }
        result.append(text.substr(0, open));
        // Markers may overlap, as in "[:::]"; the name between them is then empty.
        const std::size_t nameBegin = open + kMarkerOpen.size();
        const std::string_view name =
            nameBegin < close ? text.substr(nameBegin, close - nameBegin) : std::string_view();
        text.remove_prefix(close + kMarkerClose.size());
        result.append("<IMAGE SRC=\"Smiles\\").append(PercentEncodeName(name)).append(".GIF\">");
    }
}

std::string BuildPreviewPage(std::string_view text, ColorValue background, bool wordWrap) {
    const std::string body = SmileyMarkersToImages(text);
    std::string page;
    page.reserve(body.size() + 256);
    const auto line = [&page](std::initializer_list<std::string_view> parts) {
        for (const std::string_view part : parts) {
            page.append(part);
        }
        page.append(kLineBreak);
    };
    line({"<HTML>"});
    line(
        {"<HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=windows-1251\"></HEAD>"});
    line({"<BODY BGCOLOR=", ToColorCode(background), ">"});
    if (!wordWrap) {
        // Left open: it holds to the end of the page, so the whole text stays on unbroken lines.
        line({"<NOBR>"});
    }
    line({"<FONT COLOR=", ToColorCode(ContrastTextColor(background)), ">"});
    line({body});
    line({"</FONT>"});
    line({"</BODY>"});
    line({"</HTML>"});
    return page;
}

std::filesystem::path PreviewPagePath(const std::filesystem::path& programFolder) {
    return programFolder / "preview.htm";
}

void WritePreviewPage(const std::filesystem::path& programFolder, std::string_view pageBytes) {
    WriteFileAtomically(PreviewPagePath(programFolder), pageBytes);
}

}  // namespace tagforge
