#include "cli/ascii_catalogue.h"

#include <filesystem>

#include "cli/arguments.h"
#include "core/store/data_folders.h"
#include "core/templates/ascii_catalog.h"

namespace tagforge::cli {

std::optional<IniFile> AsciiCatalogueOption(const std::optional<std::string>& cataloguePath,
                                            const std::optional<std::string>& profilePath) {
    if (cataloguePath) {
        std::error_code error;
        if (!std::filesystem::exists(*cataloguePath, error)) {
            throw UsageError("catalogue file not found: " + *cataloguePath);
        }
        IniFile catalogue(*cataloguePath);
        if (!catalogue.exists()) {
            throw UsageError("cannot read catalogue file: " + *cataloguePath);
        }
        return catalogue;
    }
    if (!profilePath) {
        return std::nullopt;
    }
    std::filesystem::path folder = std::filesystem::path(*profilePath).parent_path();
    if (folder.empty()) {
        // A bare file name: the folder to search is the current one.
        folder = ".";
    }
    return IniFile(DataFilePath(folder, "", kAsciiCatalogFile));
}

}  // namespace tagforge::cli
