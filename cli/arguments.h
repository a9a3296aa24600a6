#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tagforge::cli {

// Bad command-line input; the message is shown to the user as it stands.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Options of one command: "--name value" for valued options, "--name" for switches.
class Arguments {
  public:
    Arguments(const std::vector<std::string>& args, const std::set<std::string>& valued,
              const std::set<std::string>& switches);

    bool Has(const std::string& name) const { return values_.contains(name); }
    std::optional<std::string> Value(const std::string& name) const;

  private:
    std::map<std::string, std::string> values_;
};

// A whole number from `min` to `max`, or a UsageError naming the option.
long long ParseNumber(const std::string& option, const std::string& text, long long min,
                      long long max);

}  // namespace tagforge::cli
