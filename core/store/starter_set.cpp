#include "core/store/starter_set.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace tagforge {

namespace {

namespace fs = std::filesystem;

constexpr char kGroupFolder[] = "SmileGroups";

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool HasGroupExtension(const fs::path& file) {
    return Lowered(file.extension().string()) == ".sgr";
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
    const std::string wanted = Lowered(file.filename().string());
    return std::any_of(fs::begin(entries), fs::end(entries),
                       [&wanted](const fs::directory_entry& entry) {
                           return Lowered(entry.path().filename().string()) == wanted;
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

}  // namespace

int InstallStarterSet(const fs::path& starterFolder, const fs::path& dataFolder) {
    std::error_code error;
    if (!fs::is_directory(starterFolder, error)) {
        return 0;
    }
    // Decided before copying, so the starter group is judged against the user's own groups.
    const bool addGroup = !HasSmileGroup(dataFolder);
    int copied = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(starterFolder)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const fs::path relative = entry.path().lexically_relative(starterFolder);
        if (!addGroup && relative.begin()->string() == kGroupFolder &&
            HasGroupExtension(relative)) {
            continue;
        }
        const fs::path target = dataFolder / relative;
        if (ExistsIgnoringCase(target)) {
            continue;
        }
        fs::create_directories(target.parent_path());
        fs::copy_file(entry.path(), target);
        ++copied;
    }
    return copied;
}

}  // namespace tagforge
