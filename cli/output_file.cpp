#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <optional>

#include "core/store/atomic_file.h"

namespace tagforge::cli {

namespace {

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Standard output or standard error when the path names the file one of them is open on.
std::optional<int> StandardStreamOf(const struct stat& target) {
    for (const int descriptor : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat stream {};
        if (::fstat(descriptor, &stream) == 0 && stream.st_dev == target.st_dev &&
            stream.st_ino == target.st_ino) {
            return descriptor;
        }
    }
    return std::nullopt;
}

bool WriteThroughPath(const std::string& path, std::string_view bytes) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return false;
    }
    const bool written = WriteAll(descriptor, bytes);
    return ::close(descriptor) == 0 && written;
}

}  // namespace

void WriteOutputFile(const std::string& path, std::string_view bytes) {
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0) {
        if (const auto stream = StandardStreamOf(target)) {
            // What went to the stream through the library's buffers comes first.
            std::cout.flush();
            std::cerr.flush();
            if (!WriteAll(*stream, bytes)) {
                throw FileWriteError(path);
            }
            return;
        }
        if (S_ISCHR(target.st_mode) || S_ISFIFO(target.st_mode)) {
            if (!WriteThroughPath(path, bytes)) {
                throw FileWriteError(path);
            }
            return;
        }
    }
    WriteFileAtomically(path, bytes);
}

}  // namespace tagforge::cli
