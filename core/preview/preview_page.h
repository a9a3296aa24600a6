#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/format/color_code.h"
#include "core/store/atomic_file.h"

namespace tagforge {

// Turns every "[::name::]" smiley marker into the image tag of the smiley's picture,
// <IMAGE SRC="Smiles\name.GIF">, so the preview shows the pictures the chat would.
std::string SmileyMarkersToImages(std::string_view text);
// The same, handed to `sink` in pieces: the text between markers is passed on as it is.
void WriteSmileyMarkersAsImages(std::string_view text, const ByteSink& sink);

// The bytes of the preview page for a tagged text: the text on the given background in a
// readable colour, CR LF after every line. Without word wrap the text is kept on long lines.
std::string BuildPreviewPage(std::string_view text, ColorValue background, bool wordWrap);
// The same bytes handed to `sink` in pieces, for a page that goes straight into its file.
void WritePreviewPageTo(std::string_view text, ColorValue background, bool wordWrap,
                        const ByteSink& sink);

// Where the preview page lives: "preview.htm" in the program folder, beside the Smiles folder
// its image tags point into.
std::filesystem::path PreviewPagePath(const std::filesystem::path& programFolder);

// Replaces the preview page atomically; throws FileWriteError and keeps the old page when the
// file cannot be written.
void WritePreviewPage(const std::filesystem::path& programFolder, std::string_view pageBytes);

// Writes the page for a tagged text straight into its file, with no copy of the page in memory.
// The old page is removed just before the new one takes its place, since a rename over a long
// page can wait on the disk for a good part of a second; a page that cannot be written still
// leaves the old one and throws FileWriteError.
void WritePreviewPage(const std::filesystem::path& programFolder, std::string_view text,
                      ColorValue background, bool wordWrap);

}  // namespace tagforge
