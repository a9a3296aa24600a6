#include "core/store/atomic_file.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "core/platform/path_text.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tagforge {

FileWriteError::FileWriteError(const std::filesystem::path& path)
    : std::runtime_error("Unable to write to " + PathUtf8(path)), path_(path) {}

namespace {

namespace fs = std::filesystem;

std::string RandomTag() {
    std::random_device device;
    std::uniform_int_distribution<std::uint32_t> digits;
    const std::uint64_t tag = (std::uint64_t{digits(device)} << 32) | digits(device);
    std::string text(16, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), tag, 16);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    return text;
}

// Lives next to the target so that the final rename never crosses file systems.
fs::path TemporarySibling(const fs::path& target) {
    fs::path temp = target;
    temp += "." + RandomTag() + ".tmp";
    return temp;
}

bool WriteWholeFile(const fs::path& file, const std::function<void(const ByteSink&)>& content) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    if (!stream) {
        return false;
    }
    content([&stream](std::string_view bytes) {
        stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    });
    stream.close();
    return !stream.fail();
}

void KeepPermissions(const fs::path& from, const fs::path& to) {
    std::error_code error;
    const fs::file_status status = fs::status(from, error);
    if (!error && fs::is_regular_file(status)) {
        fs::permissions(to, status.permissions(), error);
    }
}

// The file a chain of symbolic links ends at, so that a save updates what the link points to
// instead of replacing the link. Nothing when the chain loops or cannot be read.
std::optional<fs::path> FinalTarget(const fs::path& file) {
    constexpr int kMaxLinks = 40;  // as the kernel's own limit
    fs::path current = file;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) {
            return current;
        }
        const fs::path target = fs::read_symlink(current, error);
        if (error) {
            return std::nullopt;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return std::nullopt;
}

// Puts `temp` in the place of `target`; on failure `target` is as it was.
bool MoveOver(const fs::path& temp, const fs::path& target) {
#if defined(_WIN32)
    // A rename over the old file, as on Linux: the system swaps the names in one step and leaves
    // the old file in place when it cannot (another program holding it open, say). ReplaceFileW
    // would carry over more of the old file's metadata, but can leave a file of its own behind
    // when it fails.
    return ::MoveFileExW(temp.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    std::error_code error;
    fs::rename(temp, target, error);
    return !error;
#endif
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    WriteFileAtomically(file, [bytes](const ByteSink& sink) { sink(bytes); });
}

void WriteFileAtomically(const std::filesystem::path& file,
                         const std::function<void(const ByteSink&)>& content, OldFile oldFile) {
    const std::optional<fs::path> target = FinalTarget(file);
    std::error_code statusError;
    const fs::file_status status =
        target ? fs::status(*target, statusError) : fs::file_status(fs::file_type::unknown);
    // A device, pipe, socket or folder is never swapped for a regular file.
    if (!target || (fs::exists(status) && !fs::is_regular_file(status))) {
        throw FileWriteError(file);
    }
    const fs::path temp = TemporarySibling(*target);
    bool written = WriteWholeFile(temp, content);
    if (written) {
        KeepPermissions(*target, temp);
        std::error_code error;
        if (oldFile == OldFile::RemovedFirst) {
            fs::remove(*target, error);
        }
        written = MoveOver(temp, *target);
    }
    if (!written) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw FileWriteError(file);
    }
}

}  // namespace tagforge
