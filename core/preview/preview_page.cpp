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

void WriteSmileyMarkersAsImages(std::string_view text, const ByteSink& sink) {
    while (true) {
        const std::size_t open = text.find(kMarkerOpen);
        const std::size_t close = open == std::string_view::npos ? open : text.find(kMarkerClose);
        if (open == std::string_view::npos || close == std::string_view::npos || open >= close) {
            if (!text.empty()) {
                sink(text);
            }
            return;
        }
        if (open > 0) {
            sink(text.substr(0, open));
        }
        // Markers may overlap, as in "[:::]"; the name between them is then empty.
        const std::size_t nameBegin = open + kMarkerOpen.size();
        const std::string_view name =
            nameBegin < close ? text.substr(nameBegin, close - nameBegin) : std::string_view();
        text.remove_prefix(close + kMarkerClose.size());
        sink("<IMAGE SRC=\"Smiles\\");
        if (const std::string encoded = PercentEncodeName(name); !encoded.empty()) {
            sink(encoded);
        }
        sink(".GIF\">");
    }
}

std::string SmileyMarkersToImages(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    WriteSmileyMarkersAsImages(text, [&result](std::string_view piece) { result.append(piece); });
    return result;
}

void WritePreviewPageTo(std::string_view text, ColorValue background, bool wordWrap,
                        const ByteSink& sink) {
    const auto line = [&sink](std::initializer_list<std::string_view> parts) {
        for (const std::string_view part : parts) {
            sink(part);
        }
        sink(kLineBreak);
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
    WriteSmileyMarkersAsImages(text, sink);
    sink(kLineBreak);
    line({"</FONT>"});
    line({"</BODY>"});
    line({"</HTML>"});
}

std::string BuildPreviewPage(std::string_view text, ColorValue background, bool wordWrap) {
    std::string page;
    page.reserve(text.size() + 256);
    WritePreviewPageTo(text, background, wordWrap,
                       [&page](std::string_view piece) { page.append(piece); });
    return page;
}

std::filesystem::path PreviewPagePath(const std::filesystem::path& programFolder) {
    return programFolder / "preview.htm";
}

void WritePreviewPage(const std::filesystem::path& programFolder, std::string_view pageBytes) {
    WriteFileAtomically(PreviewPagePath(programFolder), pageBytes);
}

void WritePreviewPage(const std::filesystem::path& programFolder, std::string_view text,
                      ColorValue background, bool wordWrap) {
    WriteFileAtomically(
        PreviewPagePath(programFolder),
        [&](const ByteSink& sink) { WritePreviewPageTo(text, background, wordWrap, sink); },
        OldFile::RemovedFirst);
}

}  // namespace tagforge
