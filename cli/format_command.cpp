#include "cli/format_command.h"

#include <iostream>

#include "cli/arguments.h"
#include "cli/cli_text.h"
#include "cli/formatted_text.h"

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
    std::optional<int> threshold;
    if (const auto value = arguments.Value("--threshold")) {
        threshold = static_cast<int>(ParseNumber("--threshold", *value, 0, 9999));
    }
    const std::optional<std::uint32_t> seed = SeedOption(arguments);

    std::optional<std::string> message;
    if (const auto text = arguments.Value("--text")) {
        message = ToMessageText(*text, ArgumentEncoding(encoding));
    } else if (const auto file = arguments.Value("--text-file")) {
        message = ToMessageText(ReadInputFile(*file), encoding);
    }

    const LoadedProfile loaded = LoadProfileFile(arguments.Value("--profile"));
    PrintFormattedText(loaded, {message, seed, threshold}, encoding);
    return 0;
}

}  // namespace tagforge::cli
