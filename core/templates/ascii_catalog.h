#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tagforge {

class IniFile;

// The ASCII-art catalogue: one INI section per picture, named after it, with the picture's HTML
// under "html" and whether the template offers it under "include". The program only reads the
// pictures and writes the include flags; the file itself is prepared by hand.
inline constexpr char kAsciiCatalogFile[] = "ascii.asc";
inline constexpr char kAsciiManagerPageFile[] = "ascii.htm";

// The catalogue in the Profiles folder, its name compared without regard to case.
std::filesystem::path AsciiCatalogPath(const std::filesystem::path& programFolder);

// The page the manager shows the selected picture in, beside the program.
std::filesystem::path AsciiManagerPagePath(const std::filesystem::path& programFolder);

struct AsciiPicture {
    std::string name;
    bool included = true;
};

// Every picture of the catalogue sorted by name without regard to case, with its include flag.
// Only the names that fit the private-profile section buffer are listed.
std::vector<AsciiPicture> ReadAsciiPictures(const IniFile& catalogue);

// The names of the pictures the template offers, sorted without regard to case.
std::vector<std::string> IncludedAsciiPictures(const IniFile& catalogue);

// Only an include value that reads as the number 0 leaves a picture out; a missing or unreadable
// one keeps it in.
bool IsAsciiPictureIncluded(const IniFile& catalogue, std::string_view name);

// The picture's HTML as the private-profile functions return it; empty when it is missing.
std::string AsciiPictureHtml(const IniFile& catalogue, std::string_view name);

// The template's line: the own text, then the picture, with nothing in between.
std::string BuildAsciiTemplate(std::string_view ownText, std::string_view pictureHtml);

// The manager's page for one picture: white on black, not wrapped, CR LF after every line.
std::string BuildAsciiManagerPage(std::string_view pictureHtml);

// Writes "include" as "1" or "0" for every picture, in the given order, with one replacement of
// the file. Throws FileWriteError and leaves the file as it was when it cannot be written.
void WriteAsciiIncludeFlags(IniFile& catalogue, const std::vector<AsciiPicture>& pictures);

}  // namespace tagforge
