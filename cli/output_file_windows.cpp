#include <windows.h>

#include <string>
#include <string_view>

#include "cli/output_file.h"
#include "core/platform/path_text.h"
#include "core/platform/wide_string.h"
#include "core/store/atomic_file.h"

namespace tagforge::cli {

namespace {

// A device (NUL, CON, a serial port) or a pipe the path names, open for writing; nothing for
// files, folders and paths that do not exist yet.
HANDLE OpenDeviceOrPipe(const std::wstring& path) {
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    const DWORD type = ::GetFileType(handle);
    if (type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE) {
        return handle;
    }
    ::CloseHandle(handle);
    return nullptr;
}

bool WriteAll(HANDLE handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 1U << 30U ? 1U << 30U : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

void WriteOutputFile(const std::string& path, std::string_view bytes) {
    const std::filesystem::path file = PathFromUtf8(path);
    if (HANDLE device = OpenDeviceOrPipe(file.wstring())) {
        const bool written = WriteAll(device, bytes);
        if (!::CloseHandle(device) || !written) {
            throw FileWriteError(file);
        }
        return;
    }
    WriteFileAtomically(file, bytes);
}

}  // namespace tagforge::cli
