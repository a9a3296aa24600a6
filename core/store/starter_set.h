#pragma once

#include <filesystem>

namespace tagforge {

// The file in the data folder that says the starter set is in place.
inline constexpr char kStarterSetMarker[] = "starter-set.done";

// Puts the starter set (a tag list, an ASCII art catalogue, smileys and a smiley group) from
// starterFolder into dataFolder, keeping its folder layout, unless dataFolder holds the marker
// kStarterSetMarker. Only missing files are added, so nothing of the user's is replaced, and the
// starter group file is added only while dataFolder has no group at all. Each file is copied
// through a temporary file and a rename, so an interrupted copy leaves no part of one. Once every
// file is there the marker is written; until then each call finishes the set, and after it the
// starter files the user deletes stay deleted. Returns the number of files copied; a missing
// starter folder copies none and writes no marker.
// Throws FileWriteError when a file or the marker cannot be written, and
// std::filesystem::filesystem_error when a folder cannot be made or a starter file read; what
// was copied before stays.
int InstallStarterSet(const std::filesystem::path& starterFolder,
                      const std::filesystem::path& dataFolder);

}  // namespace tagforge
