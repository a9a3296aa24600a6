// The ASCII art catalogue on any file: saving the ticks adds no section, names every listed
// picture once, and reads back as written.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/format/cp1251.h"
#include "core/store/ini_file.h"
#include "core/templates/ascii_catalog.h"
#include "fuzz_support.h"

using tagforge::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::vector<std::uint8_t> ticks = data.ConsumeBytes<std::uint8_t>(8);
    const std::string text = data.ConsumeRemainingBytesAsString();
    const std::filesystem::path file = tagforge::fuzz::ScratchFile("ascii.asc", text);

    tagforge::IniFile catalogue(file);
    std::vector<tagforge::AsciiPicture> pictures = tagforge::ReadAsciiPictures(catalogue);
    for (const tagforge::AsciiPicture& picture : pictures) {
        (void)tagforge::AsciiPictureHtml(catalogue, picture.name);
    }
    const std::vector<std::string> sections = catalogue.ReadSections();
    // Pictures of the same name share the first section: the last tick written is the one.
    std::map<std::string, bool> lastTick;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        pictures[i].included = ticks.empty() || (ticks[i % ticks.size()] & 1U) != 0;
        lastTick[tagforge::ToLowerCp1251(pictures[i].name)] = pictures[i].included;
    }
    tagforge::WriteAsciiIncludeFlags(catalogue, pictures);

    const tagforge::IniFile reread(file);
    Check(reread.ReadSections() == sections, "saving the ticks adds no section");
    for (const tagforge::AsciiPicture& picture : pictures) {
        Check(tagforge::IsAsciiPictureIncluded(reread, picture.name) ==
                  lastTick[tagforge::ToLowerCp1251(picture.name)],
              "ticks read back as written");
    }
    return 0;
}
