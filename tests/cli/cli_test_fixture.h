#pragma once

// Runs the real tagforge-cli binary in a scratch folder of its own per test.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/format/cp1251.h"

namespace tagforge::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

// One argument for the shell, quoted so nothing in it is interpreted.
inline std::string ShellQuote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tagforge-cli-test-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Writes a profile from UTF-8 lines as the program stores it: Windows-1251, CR LF.
    std::string Profile(const std::string& name, const std::vector<std::string>& lines) {
        std::string content;
        for (const std::string& line : lines) {
            content += Utf8ToCp1251(line).value() + "\r\n";
        }
        const std::filesystem::path path = dir_ / name;
        WriteAll(path, content);
        return path.string();
    }

    // The program under test: this build's, or the one TAGFORGE_CLI names, started through
    // TAGFORGE_CLI_RUNNER when that is set (the Windows build runs under wine64 this way).
    static std::string Program() {
        const char* program = std::getenv("TAGFORGE_CLI");
        const char* runner = std::getenv("TAGFORGE_CLI_RUNNER");
        std::string command = ShellQuote(program != nullptr ? program : TAGFORGE_CLI_PATH);
        if (runner != nullptr && *runner != '\0') {
            command = ShellQuote(runner) + " " + command;
        }
        return command;
    }

    CliResult Run(const std::vector<std::string>& args, const std::string& input = "") {
        std::string command = Program();
        for (const std::string& arg : args) {
            command += " " + ShellQuote(arg);
        }
        WriteAll(dir_ / "stdin", input);
        command += " <" + ShellQuote((dir_ / "stdin").string()) + " >" +
                   ShellQuote((dir_ / "stdout").string()) + " 2>" +
                   ShellQuote((dir_ / "stderr").string());
        const int status = std::system(command.c_str());
        CliResult result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = ReadAll(dir_ / "stdout");
        result.err = ReadAll(dir_ / "stderr");
        return result;
    }

    std::filesystem::path dir_;
};

}  // namespace tagforge::test
