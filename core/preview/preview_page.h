#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/format/color_code.h"

namespace tagforge {

// Turns every "[::name::]" smiley marker into the image tag of the smiley's picture,
// <IMAGE SRC="Smiles\name.GIF">, so the preview shows the pictures the chat would.
std::string SmileyMarkersToImages(std::string_view text);

// The bytes of the preview page for a tagged text: the text on the given background in a
// readable colour, CR LF after every line. Without word wrap the text is kept on long lines.
std::string BuildPreviewPage(std::string_view text, ColorValue background, bool wordWrap);

// Where the preview page lives: "preview.htm" in the program folder, beside the Smiles folder
// its image tags point into.
std::filesystem::path PreviewPagePath(const std::filesystem::path& programFolder);

// Replaces the preview page atomically; throws FileWriteError and keeps the old page when the
// file cannot be written.
void WritePreviewPage(const std::filesystem::path& programFolder, std::string_view pageBytes);

}  // namespace tagforge
