#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/cli_text.h"
#include "core/store/profile.h"

namespace tagforge::cli {

// A profile file as the window loads it, with the tag list found beside it.
struct LoadedProfile {
    Profile profile;
    std::optional<std::vector<std::string>> tagList;
};

// Defaults when no path is given; throws UsageError when the file is missing or unreadable.
LoadedProfile LoadProfileFile(const std::optional<std::string>& path);

// The value of --seed, when given.
std::optional<std::uint32_t> SeedOption(const Arguments& arguments);

// What the format command may change on top of the profile.
struct FormatOverrides {
    std::optional<std::string> message;  // replaces the profile's text
    std::optional<std::uint32_t> seed;   // instead of the start seed 1 and the clock
    std::optional<int> threshold;        // puts the length threshold in force
};

// The tagged result the window builds for the loaded profile.
std::string FormattedText(const LoadedProfile& loaded, const FormatOverrides& overrides);

// The same result written to standard output in `encoding` while it is built.
void PrintFormattedText(const LoadedProfile& loaded, const FormatOverrides& overrides,
                        Encoding encoding);

}  // namespace tagforge::cli
