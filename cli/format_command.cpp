#include "cli/format_command.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/arguments.h"
#include "cli/cli_text.h"
#include "cli/profile_options.h"
#include "format/result_assembly.h"
#include "store/ini_file.h"
#include "store/profile.h"
#include "store/tag_list.h"

namespace tagforge::cli {

const char* const kFormatHelp =
    "Usage: tagforge-cli format [options]\n"
    "Prints the tagged result that the main window builds for a message.\n"
    "\n"
    "  --profile FILE        load the options from this profile file (.tfp); missing keys take\n"
    "                        their defaults; the tag list is tags.asc beside the profile\n"
    "  --text TEXT           the message (default: the profile's Text)\n"
    "  --text-file FILE      read the message from FILE, or from standard input for '-';\n"
    "                        the text is taken exactly, a final line break included\n"
    "  --threshold N         put the length threshold in force with N bytes (0..9999)\n"
    "  --seed N              seed the random generator with N instead of 1; also used instead\n"
    "                        of the clock when the random solid colour is drawn\n"
    "  --encoding NAME       utf-8 (default) or windows-1251: the encoding of the text read\n"
    "                        and of the result printed\n"
    "  --help                show this text\n"
    "\n"
    "Line breaks may be LF or CR LF. Characters outside Windows-1251 become HTML character\n"
    "references such as &#128512;. The result is printed with no line break after it.\n";

namespace {

struct LoadedProfile {
    Profile profile;
    std::optional<std::vector<std::string>> tagList;
};

LoadedProfile LoadProfileFile(const std::optional<std::string>& path) {
    LoadedProfile loaded;
    if (!path) {
        return loaded;
    }
    std::error_code error;
    if (!std::filesystem::exists(*path, error)) {
        throw UsageError("profile file not found: " + *path);
    }
    if (!std::filesystem::is_regular_file(*path, error) || !std::ifstream(*path)) {
        throw UsageError("cannot read profile file: " + *path);
    }
    loaded.profile = ReadProfile(IniFile(*path));
    const std::filesystem::path folder = std::filesystem::path(*path).parent_path();
    loaded.tagList = ReadSortedLines(folder / "tags.asc");
    return loaded;
}

}  // namespace

int RunFormatCommand(const std::vector<std::string>& args) {
    const Arguments arguments(
        args, {"--profile", "--text", "--text-file", "--threshold", "--seed", "--encoding"},
        {"--help"});
    if (arguments.Has("--help")) {
        std::cout << kFormatHelp;
        return 0;
    }
    if (arguments.Has("--text") && arguments.Has("--text-file")) {
        throw UsageError("give either --text or --text-file, not both");
    }
    const Encoding encoding = ParseEncoding(arguments.Value("--encoding"));
    std::optional<long long> threshold;
    if (const auto value = arguments.Value("--threshold")) {
        threshold = ParseNumber("--threshold", *value, 0, 9999);
    }
    std::optional<std::uint32_t> seed;
    if (const auto value = arguments.Value("--seed")) {
        seed = static_cast<std::uint32_t>(ParseNumber("--seed", *value, 0, 4294967295LL));
    }

    std::optional<std::string> message;
    if (const auto text = arguments.Value("--text")) {
        message = ToMessageText(*text, encoding);
    } else if (const auto file = arguments.Value("--text-file")) {
        message = ToMessageText(ReadInputFile(*file), encoding);
    }

    const LoadedProfile loaded = LoadProfileFile(arguments.Value("--profile"));
    DefaultRandomSource random;
    if (seed) {
        random.Seed(*seed);
    }
    const auto clockSeconds = static_cast<std::uint32_t>(std::time(nullptr));
    FormatterOptions options =
        OptionsFromProfile(loaded.profile, loaded.tagList, random, seed.value_or(clockSeconds));
    if (message) {
        options.message = *message;
    }
    if (threshold) {
        options.thresholdEnabled = true;
        options.threshold = static_cast<int>(*threshold);
    }
    WriteOutput(BuildResultText(options, random), encoding);
    return 0;
}

}  // namespace tagforge::cli
