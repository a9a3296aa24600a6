#include "core/store/atomic_file.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace tagforge {

FileWriteError::FileWriteError(const std::filesystem::path& path)
    : std::runtime_error("Unable to write to " + path.string()), path_(path) {}

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

bool WriteWholeFile(const fs::path& file, std::string_view bytes) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    if (!stream) {
        return false;
    }
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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

}  // namespace

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    const fs::path temp = TemporarySibling(file);
    bool written = WriteWholeFile(temp, bytes);
    if (written) {
        KeepPermissions(file, temp);
        std::error_code error;
        fs::rename(temp, file, error);
        written = !error;
    }
    if (!written) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw FileWriteError(file);
    }
}

}  // namespace tagforge
