#pragma once

#include <filesystem>

namespace tagforge {

// Copies the starter set (a tag list, an ASCII art catalogue, smileys and a smiley group) from
// starterFolder into dataFolder, keeping its folder layout. Only missing files are added, so
// nothing of the user's is replaced, and the starter group file is added only while dataFolder
// has no group at all. Returns the number of files copied; a missing starter folder copies none.
// Throws std::filesystem::filesystem_error when a file cannot be copied.
int InstallStarterSet(const std::filesystem::path& starterFolder,
                      const std::filesystem::path& dataFolder);

}  // namespace tagforge
