#pragma once

// File paths and UTF-8 text. A path's string() is in the system's narrow encoding, which on
// Windows is an ANSI code page that cannot hold most names; these go through UTF-8 everywhere.
#include <filesystem>
#include <string>
#include <string_view>

namespace tagforge {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string PathUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

}  // namespace tagforge
