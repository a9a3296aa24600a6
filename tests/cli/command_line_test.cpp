#include "cli_test_fixture.h"

namespace tagforge::test {
namespace {

class CommandLine : public CliTest {};

TEST_F(CommandLine, HelpAndVersionAnswerOnStandardOutput) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string outStart;
        std::string errStart;
    };
    const std::vector<Case> cases{
        {{"--version"}, 0, "tagforge-cli " TAGFORGE_VERSION "\n", ""},
        {{"--help"}, 0, "Usage: tagforge-cli COMMAND", ""},
        {{"--frobnicate"}, 2, "", "tagforge-cli: unknown command: --frobnicate"},
        {{}, 2, "", "Usage: tagforge-cli COMMAND"},
    };
    for (const Case& c : cases) {
        const CliResult result = Run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.outStart << c.errStart;
        EXPECT_EQ(result.out.substr(0, c.outStart.size()), c.outStart);
        EXPECT_EQ(result.err.substr(0, c.errStart.size()), c.errStart);
    }
}

}  // namespace
}  // namespace tagforge::test
