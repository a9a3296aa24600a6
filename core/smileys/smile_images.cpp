#include "core/smileys/smile_images.h"

#include <system_error>

#include "core/format/cp1251.h"
#include "core/platform/path_text.h"
#include "core/smileys/smile_group.h"
#include "core/store/data_folders.h"

namespace tagforge {

namespace fs = std::filesystem;

namespace {

fs::path Normal(const fs::path& path) {
    fs::path normal = path.lexically_normal();
    // "folder/" and "folder" are the same folder.
    return normal.has_filename() ? normal : normal.parent_path();
}

}  // namespace

bool SmileImageExists(const fs::path& programFolder, std::string_view fileName) {
    std::error_code error;
    return fs::exists(DataFilePath(programFolder, kSmilesFolder, fileName), error);
}

void CopySmileImage(const fs::path& source, const fs::path& programFolder,
                    std::string_view fileName) {
    const fs::path target = programFolder / kSmilesFolder / PathFromUtf8(Cp1251ToUtf8(fileName));
    std::error_code ignored;
    fs::copy_file(source, target, fs::copy_options::none, ignored);
}

std::optional<fs::path> CaseBlindSmileImage(const fs::path& programFolder,
                                            const fs::path& requested) {
    const fs::path file = Normal(requested);
    std::error_code error;
    if (Normal(file.parent_path()) != Normal(programFolder / kSmilesFolder) ||
        fs::exists(file, error)) {
        return std::nullopt;
    }
    const auto name = Utf8ToCp1251(PathUtf8(file.filename()));
    if (!name) {
        return std::nullopt;
    }
    fs::path found = DataFilePath(programFolder, kSmilesFolder, *name);
    if (!fs::is_regular_file(found, error)) {
        return std::nullopt;
    }
    return found;
}

std::optional<fs::path> FindSmileImage(const fs::path& programFolder, std::string_view name) {
    if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos) {
        return std::nullopt;
    }
    fs::path found = DataFilePath(programFolder, kSmilesFolder, std::string(name) + ".gif");
    std::error_code error;
    if (!fs::is_regular_file(found, error)) {
        return std::nullopt;
    }
    return found;
}

}  // namespace tagforge
