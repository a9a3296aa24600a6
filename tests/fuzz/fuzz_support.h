#pragma once

// Shared by the libFuzzer targets: a scratch file per process and a check that stops the run.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tagforge::fuzz {

// A file of this process in the temporary folder, holding `bytes`.
inline std::filesystem::path ScratchFile(std::string_view name, std::string_view bytes) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("tagforge-fuzz-" + std::to_string(::getpid()) + "-" + std::string(name));
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

// A broken property is a finding: libFuzzer keeps the input that caused the abort.
inline void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

}  // namespace tagforge::fuzz
