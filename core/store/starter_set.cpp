#include "core/store/starter_set.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "core/platform/path_text.h"
#include "core/store/atomic_file.h"

namespace tagforge {

namespace {

namespace fs = std::filesystem;

constexpr char kGroupFolder[] = "SmileGroups";
constexpr char kMarkerText[] =
    "The starter set is in place. Delete this file to have the starter files that are missing "
    "put back on the next start.\n";

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool HasGroupExtension(const fs::path& file) {
    return Lowered(PathUtf8(file.extension())) == ".sgr";
}

// The program finds its data files in any letter case, so "Tags.asc" already is "tags.asc".
bool ExistsIgnoringCase(const fs::path& file) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(file, error))) {
        return true;
    }
    fs::directory_iterator entries(file.parent_path(), error);
    if (error) {
        return false;
    }
    const std::string wanted = Lowered(PathUtf8(file.filename()));
    return std::any_of(fs::begin(entries), fs::end(entries),
                       [&wanted](const fs::directory_entry& entry) {
                           return Lowered(PathUtf8(entry.path().filename())) == wanted;
                       });
}

bool HasSmileGroup(const fs::path& dataFolder) {
    std::error_code error;
    fs::directory_iterator entries(dataFolder / kGroupFolder, error);
    if (error) {
        return false;
    }
    return std::any_of(fs::begin(entries), fs::end(entries), [](const fs::directory_entry& entry) {
        return HasGroupExtension(entry.path());
    });
}

// The starter files relative to their folder, in a fixed order so a retry goes the same way.
std::vector<fs::path> StarterFiles(const fs::path& starterFolder) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(starterFolder)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path().lexically_relative(starterFolder));
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadStarterFile(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (!stream.is_open() || stream.bad()) {
        throw fs::filesystem_error("cannot read the starter file", file,
                                   std::make_error_code(std::errc::io_error));
    }
    return bytes;
}

}  // namespace

int InstallStarterSet(const fs::path& starterFolder, const fs::path& dataFolder) {
    std::error_code error;
    if (!fs::is_directory(starterFolder, error) ||
        fs::exists(fs::symlink_status(dataFolder / kStarterSetMarker, error))) {
        return 0;
    }
    // Decided before copying, so the starter group is judged against the user's own groups.
    const bool addGroup = !HasSmileGroup(dataFolder);
    int copied = 0;
    for (const fs::path& relative : StarterFiles(starterFolder)) {
        if (!addGroup && relative.begin()->string() == kGroupFolder &&
            HasGroupExtension(relative)) {
            continue;
        }
        const fs::path target = dataFolder / relative;
        if (ExistsIgnoringCase(target)) {
            continue;
        }
        fs::create_directories(target.parent_path());
        WriteFileAtomically(target, ReadStarterFile(starterFolder / relative));
        ++copied;
    }
    WriteFileAtomically(dataFolder / kStarterSetMarker, kMarkerText);
    return copied;
}

}  // namespace tagforge
