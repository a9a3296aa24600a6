#include "cli/cli_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "cli/arguments.h"
#include "core/format/cp1251.h"
#include "core/platform/path_text.h"

namespace tagforge::cli {

Encoding ParseEncoding(const std::optional<std::string>& name) {
    if (!name || *name == "utf-8" || *name == "UTF-8") {
        return Encoding::Utf8;
    }
    if (*name == "windows-1251" || *name == "cp1251") {
        return Encoding::Windows1251;
    }
    throw UsageError("unknown encoding \"" + *name + "\" (use utf-8 or windows-1251)");
}

Encoding ArgumentEncoding([[maybe_unused]] Encoding chosen) {
#if defined(_WIN32)
    return Encoding::Utf8;
#else
    return chosen;
#endif
}

namespace {

// Reads in large blocks; a character at a time costs milliseconds on long messages.
std::string ReadAll(std::istream& in, std::size_t expectedSize = 0) {
    std::string content;
    content.reserve(expectedSize);
    std::array<char, 65536> block{};
    while (in.read(block.data(), block.size()) || in.gcount() > 0) {
        content.append(block.data(), static_cast<std::size_t>(in.gcount()));
    }
    return content;
}

}  // namespace

std::string ReadInputFile(const std::string& path) {
    if (path == "-") {
        std::ios::sync_with_stdio(false);
        return ReadAll(std::cin);
    }
    const std::filesystem::path filePath = PathFromUtf8(path);
    std::error_code error;
    if (std::filesystem::is_directory(filePath, error)) {
        throw UsageError("cannot read " + path + ": it is a folder");
    }
    std::ifstream file(filePath, std::ios::binary);
    if (!file) {
        throw UsageError("cannot read " + path + ": " + std::strerror(errno));
    }
    const std::uintmax_t size = std::filesystem::file_size(filePath, error);
    std::string content = ReadAll(file, error ? 0 : static_cast<std::size_t>(size));
    if (file.bad()) {
        throw UsageError("cannot read " + path);
    }
    return content;
}

std::string ToMessageText(std::string_view raw, Encoding encoding) {
    std::string text;
    if (encoding == Encoding::Utf8) {
        auto converted = Utf8ToCp1251(raw);
        if (!converted) {
            throw UsageError("the text is not valid UTF-8");
        }
        text = std::move(*converted);
    } else {
        text = raw;
    }
    // Copies whole lines at a time: long messages are mostly text between line breaks.
    std::string message;
    message.reserve(text.size() +
                    static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    std::size_t from = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', from)) {
        message.append(text, from, at - from);
        if (at == 0 || text[at - 1] != '\r') {
            message += '\r';
        }
        message += '\n';
        from = at + 1;
    }
    message.append(text, from);
    return message;
}

void WriteOutput(std::string_view cp1251, Encoding encoding) {
    if (encoding == Encoding::Utf8) {
        WriteOutputBytes(Cp1251ToUtf8(cp1251));
    } else {
        WriteOutputBytes(cp1251);
    }
}

void WriteOutputBytes(std::string_view bytes) {
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    if (written != bytes.size() || std::fflush(stdout) != 0) {
        throw std::runtime_error(std::string("cannot write the output: ") + std::strerror(errno));
    }
}

void CheckOutputWritten() {
    std::cout.flush();
    const bool failed = std::cout.fail() || std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    if (failed) {
        throw std::runtime_error(std::string("cannot write the output: ") + std::strerror(errno));
    }
}

}  // namespace tagforge::cli
