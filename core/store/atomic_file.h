#pragma once

#include <filesystem>
#include <functional>
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

// Receives a file's bytes in pieces, front to back.
using ByteSink = std::function<void(std::string_view)>;

// How the new file takes the place of the old one.
enum class OldFile {
    // Renamed over: at every moment the file is whole, old or new. On ext4 such a rename also
    // waits for the new data to start on its way to the disk, which takes long for a big file.
    RenamedOver,
    // Removed once the new file is written, just before the rename: for files the program
    // rewrites often and can always make again, where a moment without the file does not matter
    // and that wait would.
    RemovedFirst,
};

// As above, with the bytes handed by `content` to its sink straight into the temporary file, so
// that a file made of pieces needs no buffer of the whole.
void WriteFileAtomically(const std::filesystem::path& file,
                         const std::function<void(const ByteSink&)>& content,
                         OldFile oldFile = OldFile::RenamedOver);

}  // namespace tagforge
