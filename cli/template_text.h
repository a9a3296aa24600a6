#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/store/ini_file.h"
#include "core/store/profile.h"

namespace tagforge::cli {

// The value of --time checked to be exactly HH:MM:SS with a real clock time (UsageError
// otherwise), or the local time now when the option is not given.
std::string ClockTimeOption(const std::optional<std::string>& value);

// The template line of the template tab the profile leaves active, with the tab's controls as
// a fresh window holds them after loading the profile. The ASCII-art tab needs a catalogue that
// exists; without one, and for tabs without a line of their own, the line is the kill line.
std::string TemplateLineFromProfile(const Profile& profile, std::string_view time,
                                    const std::optional<IniFile>& asciiCatalogue);

}  // namespace tagforge::cli
