// A run whose output cannot be written fails, however the output went missing.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_test_fixture.h"

namespace tagforge {
namespace {

class OutputFailure : public test::CliTest {};

TEST_F(OutputFailure, AFullOutputGivesOneErrorLineAndExitCodeOne) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    const std::string profile = Profile("t.tfp", {"[Page2]", "ActivePage=0", "Where=x"});
    const std::vector<std::vector<std::string>> runs = {
        {"format", "--text", "hello"},
        {"format", "--text", std::string(100000, 'a')},
        {"template", "--profile", profile},
        {"--help"},
        {"format", "--help"},
    };
    for (const std::vector<std::string>& args : runs) {
        SCOPED_TRACE(args.front() + " " + args.back().substr(0, 20));
        std::string command = test::ShellQuote(TAGFORGE_CLI_PATH);
        for (const std::string& arg : args) {
            command += " " + test::ShellQuote(arg);
        }
        const std::filesystem::path err = dir_ / "stderr";
        command += " </dev/null >/dev/full 2>" + test::ShellQuote(err.string());
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 1);
        const std::string message = test::ReadAll(err);
        EXPECT_EQ(message.rfind("tagforge-cli: cannot write the output", 0), 0U) << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
    }
}

}  // namespace
}  // namespace tagforge
