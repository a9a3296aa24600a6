#include "core/templates/ascii_catalog.h"

#include <algorithm>
#include <utility>

#include "core/format/cp1251.h"
#include "core/store/data_folders.h"
#include "core/store/ini_file.h"

namespace tagforge {

namespace {

constexpr char kProfilesFolderName[] = "Profiles";
constexpr char kHtmlKey[] = "html";
constexpr char kIncludeKey[] = "include";
constexpr long kIncludedByDefault = 1;

constexpr std::string_view kPageHead[] = {
    "<HTML>",
    "<HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></HEAD>",
    "<BODY BGCOLOR=000000>",
    "<NOBR>",
    "<FONT COLOR=FFFFFF>",
};
constexpr std::string_view kPageTail[] = {"</FONT>", "</BODY>", "</HTML>"};
constexpr std::string_view kLineBreak = "\r\n";

void SortNoCase(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareNoCaseCp1251(a, b) < 0;
    });
}

std::vector<std::string> SortedSections(const IniFile& catalogue) {
    std::vector<std::string> names = catalogue.ReadSections();
    SortNoCase(names);
    return names;
}

}  // namespace

std::filesystem::path AsciiCatalogPath(const std::filesystem::path& programFolder) {
    return DataFilePath(programFolder, kProfilesFolderName, kAsciiCatalogFile);
}

std::filesystem::path AsciiManagerPagePath(const std::filesystem::path& programFolder) {
    return programFolder / kAsciiManagerPageFile;
}

std::vector<AsciiPicture> ReadAsciiPictures(const IniFile& catalogue) {
    std::vector<AsciiPicture> pictures;
    for (std::string& name : SortedSections(catalogue)) {
        const bool included = IsAsciiPictureIncluded(catalogue, name);
        pictures.push_back({std::move(name), included});
    }
    return pictures;
}

std::vector<std::string> IncludedAsciiPictures(const IniFile& catalogue) {
    std::vector<std::string> names = SortedSections(catalogue);
    std::erase_if(
        names, [&](const std::string& name) { return !IsAsciiPictureIncluded(catalogue, name); });
    return names;
}

bool IsAsciiPictureIncluded(const IniFile& catalogue, std::string_view name) {
    return catalogue.ReadInteger(name, kIncludeKey, kIncludedByDefault) != 0;
}

std::string AsciiPictureHtml(const IniFile& catalogue, std::string_view name) {
    return catalogue.ReadString(name, kHtmlKey, "");
}

std::string BuildAsciiTemplate(std::string_view ownText, std::string_view pictureHtml) {
    std::string line;
    line.reserve(ownText.size() + pictureHtml.size());
    line.append(ownText).append(pictureHtml);
    return line;
}

std::string BuildAsciiManagerPage(std::string_view pictureHtml) {
    std::string page;
    const auto addLine = [&page](std::string_view line) { page.append(line).append(kLineBreak); };
    std::ranges::for_each(kPageHead, addLine);
    addLine(pictureHtml);
    std::ranges::for_each(kPageTail, addLine);
    return page;
}

void WriteAsciiIncludeFlags(IniFile& catalogue, const std::vector<AsciiPicture>& pictures) {
    std::vector<IniEntry> writes;
    writes.reserve(pictures.size());
    for (const AsciiPicture& picture : pictures) {
        writes.push_back({picture.name, kIncludeKey, picture.included ? "1" : "0"});
    }
    catalogue.WriteStrings(writes);
}

}  // namespace tagforge
