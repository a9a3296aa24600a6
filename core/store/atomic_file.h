#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace tagforge {

// Raised when a file cannot be written; the message is "Unable to write to <path>".
class FileWriteError : public std::runtime_error {
  public:
    explicit FileWriteError(const std::filesystem::path& path);
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Replaces `file` with `bytes` through a temporary file beside it and a rename, so a crash or a
// full disk leaves the old file or the new one, never half of one. The file keeps its
// permissions; a missing folder is not created. A symbolic link is followed: the file it points
// to is replaced, in that file's folder, and the link stays. A path that exists but is not a
// regular file (a device, a pipe, a socket, a folder) is refused. Throws FileWriteError and
// leaves no temporary file behind when the file cannot be replaced.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace tagforge
