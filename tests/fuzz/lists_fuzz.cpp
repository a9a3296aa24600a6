// The smiley group and tag list readers on any file: entries survive a write and a read, and
// ordering and counting never fail.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/smileys/smile_group.h"
#include "core/store/tag_list.h"
#include "fuzz_support.h"

using tagforge::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const bool byUse = data.ConsumeBool();
    const std::string use = data.ConsumeRandomLengthString(12);
    const std::string text = data.ConsumeRemainingBytesAsString();
    const std::filesystem::path file = tagforge::fuzz::ScratchFile("group.sgr", text);

    tagforge::SmileEntries entries = tagforge::ReadSmileGroup(file);
    Check(tagforge::ReadSortedLines(file).has_value(), "a list file reads");
    (void)tagforge::SplitLines(text);
    tagforge::OrderSmileEntries(entries, byUse);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        (void)tagforge::GetSmileUseCount(entries, i);
    }
    (void)tagforge::AddSmileUse(entries, use);
    (void)tagforge::SmileNames(entries);

    tagforge::WriteSmileGroup(file, entries);
    Check(tagforge::ReadSmileGroup(file) == entries, "entries survive a write and a read");
    return 0;
}
