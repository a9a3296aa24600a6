#include "cli/ascii_catalogue.h"

#include <filesystem>

#include "cli/arguments.h"
#include "core/platform/path_text.h"
#include "core/store/data_folders.h"
#include "core/templates/ascii_catalog.h"

namespace tagforge::cli {

std::optional<IniFile> AsciiCatalogueOption(const std::optional<std::string>& cataloguePath,
                                            const std::optional<std::string>& profilePath) {
    if (cataloguePath) {
        std::error_code error;
        const std::filesystem::path file = PathFromUtf8(*cataloguePath);
        if (!std::filesystem::exists(file, error)) {
            throw UsageError("catalogue file not found: " + *cataloguePath);
        }
        IniFile catalogue(file);
        if (!catalogue.exists()) {
            throw UsageError("cannot read catalogue file: " + *cataloguePath);
        }
        return catalogue;
    }
    if (!profilePath) {
        return std::nullopt;
    }
    std::filesystem::path folder = PathFromUtf8(*profilePath).parent_path();
    if (folder.empty()) {
        // A bare file name: the folder to search is the current one.
        folder = ".";
    }
    return IniFile(DataFilePath(folder, "", kAsciiCatalogFile));
}

}  // namespace tagforge::cli
