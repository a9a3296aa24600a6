#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tagforge {

// What the window program answers without opening a window.
struct CommandLineAnswer {
    int exitCode = 0;
    std::string out;
    std::string err;
};

// Reads the window program's arguments (without the program name). --help and --version are
// answered; Qt's own options pass on to Qt; anything else is refused. nullopt: start the window.
std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string>& args);

}  // namespace tagforge
