#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#if defined(__unix__)
#include <sys/resource.h>
#endif

#include "core/platform/path_text.h"

namespace tagforge::test {

// Each test gets a folder of its own, removed afterwards.
class TempFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device device;
        folder_ = std::filesystem::temp_directory_path() /
                  ("tagforge-test-" + std::to_string(device()) + "-" + std::to_string(device()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    const std::filesystem::path& folder() const { return folder_; }

    std::filesystem::path Put(const std::string& name, std::string_view bytes) const {
        // Test names are UTF-8, as the program's file names are.
        std::filesystem::path file = folder_ / PathFromUtf8(name);
        std::ofstream stream(file, std::ios::binary);
        stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    static std::string OnDisk(const std::filesystem::path& file) {
        std::ifstream stream(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            names.push_back(PathUtf8(entry.path().filename()));
        }
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::filesystem::path folder_;
};

#if defined(__unix__)
// Caps the size of files this process may write, the way a full disk would, while in scope.
class FileSizeCap {
  public:
    explicit FileSizeCap(rlim_t bytes) : oldSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit capped = old_;
        capped.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeCap() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }
    FileSizeCap(const FileSizeCap&) = delete;
    FileSizeCap& operator=(const FileSizeCap&) = delete;

  private:
    rlimit old_{};
    void (*oldSignal_)(int);
};
#define TAGFORGE_NEEDS_FILE_SIZE_CAP()
#else
// Windows has no cap on the size of the files a process writes; the tests that fill the disk this
// way are skipped there.
class FileSizeCap {
  public:
    explicit FileSizeCap(unsigned long long) {}
};
#define TAGFORGE_NEEDS_FILE_SIZE_CAP() GTEST_SKIP() << "needs a file-size cap"
#endif

}  // namespace tagforge::test
