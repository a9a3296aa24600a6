#include "core/smileys/smile_page.h"

#include "core/format/color_code.h"
#include "core/format/cp1251.h"
#include "core/preview/page_escaping.h"
#include "core/smileys/smile_group.h"
#include "core/store/data_folders.h"

namespace tagforge {

namespace {

// A "%" that does not start a two-digit escape stays as it is.
std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = HexDigitValue(text[i + 1]);
            const int low = HexDigitValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

std::string HeaderLine(std::size_t run) {
    return "<HR><FONT COLOR=FF0000 SIZE=1>-= " + std::to_string(run) + " =-</FONT><BR>";
}

std::string SmileLine(std::string_view name) {
    const std::string base = SmileBaseName(name);
    // A click on the link reaches the pane's navigation handler, which decodes the name.
    std::string line = "<A HREF=\"";
    line.append(PercentEncodeName(base)).append("\"><IMAGE BORDER=0 SRC=\"..\\Smiles\\");
    line.append(PercentEncodeName(name)).append("\" ALT=\"").append(EscapeHtml(base));
    line.append("\"></A>");
    return line;
}

}  // namespace

std::string SmileBaseName(std::string_view fileName) {
    return std::string(fileName.substr(0, fileName.rfind('.')));
}

std::vector<std::string> SmilePageLines(const std::vector<std::string>& names, SmileRuns runs) {
    const bool split = runs.enabled && runs.size > 0;
    std::vector<std::string> lines = {"<HTML>", "<BODY BGCOLOR=000000>", "<CENTER>"};
    const auto runSize = static_cast<std::size_t>(split ? runs.size : 1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (split && i % runSize == 0) {
            lines.push_back(HeaderLine(i / runSize + 1));
        }
        lines.push_back(SmileLine(names[i]));
    }
    if (split) {
        lines.emplace_back("<HR>");
    }
    lines.insert(lines.end(), {"</CENTER>", "</BODY>", "</HTML>"});
    return lines;
}

std::string SmilePageText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text.append(line).append("\r\n");
    }
    return text;
}

std::filesystem::path SmilePagePath(const std::filesystem::path& programFolder) {
    return DataFilePath(programFolder, kSmileGroupsFolder, kSmilePageFile);
}

std::string SmileLinkName(std::string_view address) {
    // Cut before decoding, so an escaped separator inside the name stays part of it.
    const std::size_t separator = address.find_last_of("/\\:");
    return PercentDecoded(separator == std::string_view::npos ? address
                                                              : address.substr(separator + 1));
}

bool IsSmilePageName(std::string_view name) {
    return ToLowerCp1251(name) == "smiles.htm";
}

std::string SmileMarker(std::string_view name) {
    std::string marker = "[::";
    marker.append(name).append("::]");
    return marker;
}

}  // namespace tagforge
