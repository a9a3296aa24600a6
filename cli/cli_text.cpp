#include "cli/cli_text.h"

#include <cerrno>
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

std::string ReadInputFile(const std::string& path) {
    if (path == "-") {
        std::ios::sync_with_stdio(false);
        std::cin >> std::noskipws;
        return std::string{std::istreambuf_iterator<char>(std::cin),
                           std::istreambuf_iterator<char>()};
    }
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw UsageError("cannot read " + path + ": it is a folder");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw UsageError("cannot read " + path + ": " + std::strerror(errno));
    }
    std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
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
    std::string message;
    message.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            message += '\r';
        }
        message += text[i];
    }
    return message;
}

void WriteOutput(std::string_view cp1251, Encoding encoding) {
    const std::string out = encoding == Encoding::Utf8 ? Cp1251ToUtf8(cp1251) : std::string(cp1251);
    const std::size_t written = std::fwrite(out.data(), 1, out.size(), stdout);
    if (written != out.size() || std::fflush(stdout) != 0) {
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
