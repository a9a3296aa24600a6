#pragma once

#include <string>
#include <vector>

namespace tagforge::cli {

extern const char* const kTemplateHelp;

// `tagforge-cli template ...`: prints the line of the active template tab. Returns the exit code.
int RunTemplateCommand(const std::vector<std::string>& args);

}  // namespace tagforge::cli
