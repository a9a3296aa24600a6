#pragma once

#include <string>
#include <string_view>

namespace tagforge::cli {

// Writes a file named on the command line. A regular file, or a path that does not exist yet, is
// replaced as a whole (the old file stays when the write fails). Anything else the path names is
// written in place: standard output or standard error (/dev/stdout, /dev/fd/2, or the file they
// were redirected to) through the descriptor the program already holds, so its position and the
// file stay; a device or a pipe through the path. Throws FileWriteError when not all of it is
// written.
void WriteOutputFile(const std::string& path, std::string_view bytes);

}  // namespace tagforge::cli
