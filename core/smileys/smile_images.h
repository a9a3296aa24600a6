#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tagforge {

// Smiley images live in the Smiles folder of the program and are found by name alone, without
// regard to case, as on the program's home system.

// True when the Smiles folder holds an image named `fileName` (Windows-1251) in any case.
bool SmileImageExists(const std::filesystem::path& programFolder, std::string_view fileName);

// Copies `source` into the Smiles folder as `fileName`. An existing file is never replaced, and a
// failed copy is left for the pane to show as a missing image.
void CopySmileImage(const std::filesystem::path& source, const std::filesystem::path& programFolder,
                    std::string_view fileName);

// Pages name images as "Smiles\name.GIF" while the file may be "name.gif". For a requested file
// of the Smiles folder that does not exist as spelt, the existing file of that name in another
// case; nothing when the request needs no change.
std::optional<std::filesystem::path> CaseBlindSmileImage(const std::filesystem::path& programFolder,
                                                         const std::filesystem::path& requested);

// The picture of the marker name `name` (Windows-1251): the regular file "name.gif" of the Smiles
// folder in any case. Nothing for a name that would reach outside the folder or for a missing
// picture.
std::optional<std::filesystem::path> FindSmileImage(const std::filesystem::path& programFolder,
                                                    std::string_view name);

}  // namespace tagforge
