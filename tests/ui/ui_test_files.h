#pragma once

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

// Files of a temporary program folder, written and read byte for byte.
namespace tagforge::test {

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Nothing when the file cannot be opened.
inline std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// Makes every write of a file grow beyond `bytes` fail while it lives. Tests run as root, so
// permissions cannot refuse a write to an existing file; the size limit can.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &saved_) == 0) {
            rlimit limited = saved_;
            limited.rlim_cur = bytes;
            active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
        }
    }
    ~FileSizeLimit() { lift(); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    void lift() {
        if (active_) {
            setrlimit(RLIMIT_FSIZE, &saved_);
            active_ = false;
        }
        if (previousHandler_ != SIG_ERR) {
            std::signal(SIGXFSZ, previousHandler_);
            previousHandler_ = SIG_ERR;
        }
    }
    bool active() const { return active_; }

  private:
    rlimit saved_{};
    bool active_ = false;
    void (*previousHandler_)(int) = SIG_ERR;
};

}  // namespace tagforge::test
