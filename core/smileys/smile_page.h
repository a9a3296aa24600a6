#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tagforge {

inline constexpr char kSmilePageFile[] = "Smiles.htm";

// How the pane's page splits the smileys into numbered runs: `enabled` is the check box, `size`
// the number of smileys per run; runs are made only when both are set.
struct SmileRuns {
    bool enabled = false;
    int size = 0;
};

// A file name without its extension (from the last "." on); the link target of a smiley.
std::string SmileBaseName(std::string_view fileName);

// The lines of the pane's page for the image file names `names`, in their order.
std::vector<std::string> SmilePageLines(const std::vector<std::string>& names, SmileRuns runs);

// The page's bytes: every line followed by CR LF.
std::string SmilePageText(const std::vector<std::string>& lines);

// The page file in the SmileGroups folder of the program.
std::filesystem::path SmilePagePath(const std::filesystem::path& programFolder);

// The name a navigation of the pane aims at: the text after the address's last "/", "\" or ":",
// with %-escapes decoded to their bytes (UTF-8 from a browser). For the page's link "wink" this is
// "wink", however the browser spells the address.
std::string SmileLinkName(std::string_view address);

// True when the name is that of the page itself, which the pane must be allowed to load.
bool IsSmilePageName(std::string_view name);

// The marker that stands for a smiley in the message: "[::", the name, "::]".
std::string SmileMarker(std::string_view name);

}  // namespace tagforge
