#include "cli/formatted_text.h"

#include <ctime>
#include <filesystem>
#include <fstream>

#include "core/format/random_source.h"
#include "core/format/result_assembly.h"
#include "core/options/profile_formatter_options.h"
#include "core/platform/path_text.h"
#include "core/store/ini_file.h"
#include "core/store/tag_list.h"

namespace tagforge::cli {

LoadedProfile LoadProfileFile(const std::optional<std::string>& path) {
    LoadedProfile loaded;
    if (!path) {
        return loaded;
    }
    const std::filesystem::path file = PathFromUtf8(*path);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        throw UsageError("profile file not found: " + *path);
    }
    if (!std::filesystem::is_regular_file(file, error) || !std::ifstream(file)) {
        throw UsageError("cannot read profile file: " + *path);
    }
    loaded.profile = ReadProfile(IniFile(file));
    const std::filesystem::path folder = file.parent_path();
    loaded.tagList = ReadSortedLines(folder / "tags.asc");
    return loaded;
}

std::optional<std::uint32_t> SeedOption(const Arguments& arguments) {
    const auto value = arguments.Value("--seed");
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(ParseNumber("--seed", *value, 0, 4294967295LL));
}

namespace {

// Calls `build` with the options and the generator the window would format with.
template <typename Build>
auto WithFormatterOptions(const LoadedProfile& loaded, const FormatOverrides& overrides,
                          Build build) {
    DefaultRandomSource random;
    if (overrides.seed) {
        random.Seed(*overrides.seed);
    }
    const auto clockSeconds = static_cast<std::uint32_t>(std::time(nullptr));
    FormatterOptions options = FormatterOptionsFromProfile(loaded.profile, loaded.tagList, random,
                                                           overrides.seed.value_or(clockSeconds));
    if (overrides.message) {
        options.message = *overrides.message;
    }
    if (overrides.threshold) {
        options.thresholdEnabled = true;
        options.threshold = *overrides.threshold;
    }
    return build(options, random);
}

}  // namespace

std::string FormattedText(const LoadedProfile& loaded, const FormatOverrides& overrides) {
    return WithFormatterOptions(loaded, overrides,
                                [](const FormatterOptions& options, RandomSource& random) {
                                    return BuildResultText(options, random);
                                });
}

void PrintFormattedText(const LoadedProfile& loaded, const FormatOverrides& overrides,
                        Encoding encoding) {
    WithFormatterOptions(loaded, overrides,
                         [encoding](const FormatterOptions& options, RandomSource& random) {
                             WriteResultText(options, random, encoding, WriteOutputBytes);
                         });
}

}  // namespace tagforge::cli
