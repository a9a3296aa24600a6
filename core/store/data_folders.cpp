#include "core/store/data_folders.h"

#include <algorithm>
#include <system_error>

#include "core/format/cp1251.h"
#include "core/platform/path_text.h"

namespace tagforge {

namespace {

namespace fs = std::filesystem;

// The program folder as the user sees it, always ending in a separator (the system's own:
// a backslash on Windows).
std::string FolderText(const fs::path& programFolder, std::string_view folderName) {
    constexpr char kSeparator = static_cast<char>(fs::path::preferred_separator);
    std::string text = PathUtf8(programFolder);
    if (!text.empty() && text.back() != '/' && text.back() != kSeparator) {
        text += kSeparator;
    }
    text.append(folderName);
    return text;
}

// The extension from the last dot on, dot included; empty when there is no dot.
std::string_view ExtensionOf(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

}  // namespace

void EnsureDataFolder(const fs::path& programFolder, std::string_view folderName) {
    const fs::path folder = programFolder / fs::path(folderName);
    std::error_code error;
    if (fs::is_directory(folder, error)) {
        return;
    }
    // create_directory makes one level only, so a missing program folder fails here too.
    const bool created = fs::create_directory(folder, error);
    if (error || (!created && !fs::is_directory(folder, error))) {
        throw DataFolderError("Cannot create " + FolderText(programFolder, folderName) +
                              " directory.");
    }
}

int ListDataFiles(std::vector<std::string>& list, const fs::path& programFolder,
                  std::string_view folderName, std::string_view preferredName,
                  std::string_view extension) {
    const fs::path folder = programFolder / fs::path(folderName);
    std::error_code error;
    // A folder that cannot be read lists nothing and leaves the box as it was; an existing one
    // always replaces the items, even when it is empty.
    fs::directory_iterator entries(folder, error);
    if (error) {
        return 0;
    }
    std::vector<std::string> names;
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const auto name = Utf8ToCp1251(PathUtf8(entries->path().filename()));
        if (!name) {
            continue;
        }
        const std::string_view found = ExtensionOf(*name);
        if (EqualsNoCaseCp1251(found, extension)) {
            names.emplace_back(std::string_view(*name).substr(0, name->size() - found.size()));
        }
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareNoCaseCp1251(a, b) < 0;
    });
    list = std::move(names);
    const auto preferred = std::find_if(list.begin(), list.end(), [&](const std::string& name) {
        return EqualsNoCaseCp1251(name, preferredName);
    });
    return preferred == list.end() ? 0 : static_cast<int>(preferred - list.begin());
}

fs::path DataFilePath(const fs::path& programFolder, std::string_view folderName,
                      std::string_view fileName) {
    const fs::path folder = programFolder / fs::path(folderName);
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const auto name = Utf8ToCp1251(PathUtf8(entries->path().filename()));
        if (name && EqualsNoCaseCp1251(*name, fileName)) {
            return entries->path();
        }
    }
    return folder / PathFromUtf8(Cp1251ToUtf8(fileName));
}

ValidatedName IsValidDataName(std::string_view text) {
    while (!text.empty() && IsTrimmed(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsTrimmed(text.back())) {
        text.remove_suffix(1);
    }
    const bool valid = text.find_first_of("\\/:*?\"<>|") == std::string_view::npos;
    return {std::string(text), valid};
}

}  // namespace tagforge
