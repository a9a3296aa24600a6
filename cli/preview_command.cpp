#include "cli/preview_command.h"

#include <iostream>

#include "cli/arguments.h"
#include "cli/ascii_catalogue.h"
#include "cli/cli_text.h"
#include "cli/formatted_text.h"
#include "cli/output_file.h"
#include "cli/template_text.h"
#include "core/format/color_code.h"
#include "core/preview/preview_page.h"
#include "core/store/atomic_file.h"

namespace tagforge::cli {

const char* const kPreviewHelp =
    "Usage: tagforge-cli preview [options] --output FILE\n"
    "Writes the preview page the main window shows for a result: an HTML page in\n"
    "Windows-1251 with smiley markers turned into pictures from the Smiles folder.\n"
    "\n"
    "  --output FILE         the page to write (required); a file is replaced as a whole,\n"
    "                        standard output (/dev/stdout), a device or a pipe is written\n"
    "                        in place\n"
    "  --profile FILE        load the options from this profile file (.tfp), as the format\n"
    "                        and template commands do\n"
    "  --text TEXT           the message to format (default: the profile's Text)\n"
    "  --template            show the line of the active template tab instead of the\n"
    "                        formatted message (see 'tagforge-cli template --help')\n"
    "  --catalogue FILE      the ASCII-art catalogue of the template line (default: ascii.asc\n"
    "                        beside the profile, its name in any case)\n"
    "  --time HH:MM:SS       the clock time of the template line (default: the local time now)\n"
    "  --background RRGGBB   the page colour, six hexadecimal digits (default: 000000); the\n"
    "                        text is black or white, whichever reads better on it\n"
    "  --word-wrap           wrap long lines (the default)\n"
    "  --no-word-wrap        keep the text on unbroken lines\n"
    "  --seed N              seed the random generator with N, as for the format command\n"
    "  --encoding NAME       utf-8 (default) or windows-1251: the encoding of --text; the\n"
    "                        page itself is always Windows-1251\n"
    "  --help                show this text\n"
    "\n"
    "Nothing else is printed. When the page cannot be written, an old file stays as it was\n"
    "and the exit status is 2, as for other files named on the command line.\n";

namespace {

ColorValue BackgroundOption(const std::optional<std::string>& value) {
    if (!value) {
        return kBlack;
    }
    const bool valid = value->size() == 6 &&
                       value->find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
    if (!valid) {
        throw UsageError("--background takes six hexadecimal digits RRGGBB, not \"" + *value +
                         "\"");
    }
    return FromColorCode(*value);
}

}  // namespace

int RunPreviewCommand(const std::vector<std::string>& args) {
    const Arguments arguments(args,
                              {"--output", "--profile", "--catalogue", "--text", "--time",
                               "--background", "--seed", "--encoding"},
                              {"--template", "--word-wrap", "--no-word-wrap", "--help"});
    if (arguments.Has("--help")) {
        std::cout << kPreviewHelp;
        return 0;
    }
    const auto output = arguments.Value("--output");
    if (!output) {
        throw UsageError("preview needs --output FILE");
    }
    if (arguments.Has("--word-wrap") && arguments.Has("--no-word-wrap")) {
        throw UsageError("give either --word-wrap or --no-word-wrap, not both");
    }
    const bool useTemplate = arguments.Has("--template");
    if (useTemplate && arguments.Has("--text")) {
        throw UsageError("give either --text or --template, not both");
    }
    const Encoding encoding = ParseEncoding(arguments.Value("--encoding"));
    const ColorValue background = BackgroundOption(arguments.Value("--background"));
    const bool wordWrap = !arguments.Has("--no-word-wrap");
    const std::optional<std::uint32_t> seed = SeedOption(arguments);
    const std::string time = ClockTimeOption(arguments.Value("--time"));
    std::optional<std::string> message;
    if (const auto text = arguments.Value("--text")) {
        message = ToMessageText(*text, ArgumentEncoding(encoding));
    }

    const auto profilePath = arguments.Value("--profile");
    const LoadedProfile loaded = LoadProfileFile(profilePath);
    const auto catalogue = AsciiCatalogueOption(arguments.Value("--catalogue"), profilePath);
    const std::string text = useTemplate ? TemplateLineFromProfile(loaded.profile, time, catalogue)
                                         : FormattedText(loaded, {message, seed, std::nullopt});
    try {
        WriteOutputFile(*output, BuildPreviewPage(text, background, wordWrap));
    } catch (const FileWriteError& error) {
        throw UsageError(error.what());
    }
    return 0;
}

}  // namespace tagforge::cli
