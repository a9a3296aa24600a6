#include "cli/arguments.h"

#include <charconv>

namespace tagforge::cli {

Arguments::Arguments(const std::vector<std::string>& args, const std::set<std::string>& valued,
                     const std::set<std::string>& switches) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = name.find('=');
            name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (Has(name)) {
            throw UsageError("option " + name + " given twice");
        }
        if (valued.contains(name)) {
            if (inlineValue) {
                values_[name] = *inlineValue;
            } else if (i + 1 < args.size()) {
                values_[name] = args[++i];
            } else {
                throw UsageError("option " + name + " needs a value");
            }
        } else if (switches.contains(name) && !inlineValue) {
            values_[name] = "";
        } else {
            throw UsageError("unknown option: " + args[i]);
        }
    }
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

long long ParseNumber(const std::string& option, const std::string& text, long long min,
                      long long max) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end || value < min || value > max) {
        throw UsageError(option + " takes a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", not \"" + text + "\"");
    }
    return value;
}

}  // namespace tagforge::cli
