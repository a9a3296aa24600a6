#pragma once

#include <string>
#include <vector>

namespace tagforge::cli {

extern const char* const kPreviewHelp;

// `tagforge-cli preview ...`: writes the preview page of a result. Returns the exit code.
int RunPreviewCommand(const std::vector<std::string>& args);

}  // namespace tagforge::cli
