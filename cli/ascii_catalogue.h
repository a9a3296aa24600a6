#pragma once

#include <optional>
#include <string>

#include "core/store/ini_file.h"

namespace tagforge::cli {

// The ASCII-art catalogue the template line reads: the file of --catalogue (UsageError when it is
// missing or unreadable), else ascii.asc beside the profile, found without regard to case; none
// without a profile. A catalogue beside the profile may be missing: the window then hides its tab.
std::optional<IniFile> AsciiCatalogueOption(const std::optional<std::string>& cataloguePath,
                                            const std::optional<std::string>& profilePath);

}  // namespace tagforge::cli
