#pragma once

#include <string>
#include <vector>

namespace tagforge::cli {

extern const char* const kFormatHelp;

// `tagforge-cli format ...`: prints the formatter's result. Returns the exit code.
int RunFormatCommand(const std::vector<std::string>& args);

}  // namespace tagforge::cli
