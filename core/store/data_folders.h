#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tagforge {

// Raised when a data folder beside the program cannot be made; the message is
// "Cannot create <folder> directory.".
class DataFolderError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Makes sure programFolder/folderName is a folder. Only that one level is created, never the
// program folder itself; a file in the way or a failed creation throws DataFolderError.
void EnsureDataFolder(const std::filesystem::path& programFolder, std::string_view folderName);

// Fills a pick box's items with the names of the entries of programFolder/folderName (files and
// folders alike) whose extension, dot included, equals `extension` without regard to case; the
// extension is cut off and the names are Windows-1251, sorted without regard to case. Returns
// the index of `preferredName` (case ignored), else 0. A missing or unreadable folder leaves
// `list` as it is and gives 0; an existing empty one empties it.
int ListDataFiles(std::vector<std::string>& list, const std::filesystem::path& programFolder,
                  std::string_view folderName, std::string_view preferredName,
                  std::string_view extension);

// The path of the file `fileName` (Windows-1251) in programFolder/folderName. Names compare
// without regard to case, as on the program's home system: an existing file spelt in another
// case is the one meant; otherwise the name is used as it stands.
std::filesystem::path DataFilePath(const std::filesystem::path& programFolder,
                                   std::string_view folderName, std::string_view fileName);

struct ValidatedName {
    std::string name;  // trimmed
    bool valid;
};

// A name typed for a profile or a smiley group, trimmed of spaces and control characters at both
// ends; it is invalid when it holds a character file names cannot: \ / : * ? " < > |.
ValidatedName IsValidDataName(std::string_view text);

}  // namespace tagforge
