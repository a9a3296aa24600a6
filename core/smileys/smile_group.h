#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tagforge {

inline constexpr char kSmilesFolder[] = "Smiles";
inline constexpr char kSmileGroupsFolder[] = "SmileGroups";
inline constexpr char kSmileGroupExtension[] = ".sgr";
inline constexpr std::size_t kMaxSmilesPerGroup = 500;

// Raised when a group file cannot be opened for reading; the message names the file.
class SmileGroupReadError : public std::runtime_error {
  public:
    explicit SmileGroupReadError(const std::filesystem::path& path);
};

// A group file is a list of entries, one per line: an image file name, optionally followed by
// "|" and the number of times the smiley was put into a message.
using SmileEntries = std::vector<std::string>;

// The image file name of an entry: the text before its first "|".
std::string_view SmileEntryName(std::string_view entry);

// The use count of entries[index], read the way atol reads it; no count or a negative one is 0.
int GetSmileUseCount(const SmileEntries& entries, std::size_t index);

// The frequency ordering: the higher count first, equal counts by the lines' bytes. Negative when
// entries[i] comes first, positive when entries[j] does, 0 for equal lines.
int CompareSmileUse(const SmileEntries& entries, std::size_t i, std::size_t j);

// Puts a group's entries into the order the pane shows them: alphabetically ignoring case, or
// by use when `byUse` is set.
void OrderSmileEntries(SmileEntries& entries, bool byUse);

// The image file names of the entries, in their order.
std::vector<std::string> SmileNames(const SmileEntries& entries);

// Adds one use to the first entry named `baseName` + ".gif" (case as written). False, and the
// entries untouched, when there is none.
bool AddSmileUse(SmileEntries& entries, std::string_view baseName);

// The group file of `groupName`: an existing file spelt in another case is the one meant.
std::filesystem::path SmileGroupPath(const std::filesystem::path& programFolder,
                                     std::string_view groupName);

// Reads a group file, one entry per line. Throws SmileGroupReadError when it cannot be opened.
SmileEntries ReadSmileGroup(const std::filesystem::path& file);

// The bytes of a group file: every entry followed by CR LF.
std::string SmileGroupText(const SmileEntries& entries);

// Replaces a group file whole. Throws FileWriteError when it cannot be written.
void WriteSmileGroup(const std::filesystem::path& file, const SmileEntries& entries);

}  // namespace tagforge
