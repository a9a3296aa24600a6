#include "cli/template_command.h"

#include <iostream>

#include "cli/arguments.h"
#include "cli/ascii_catalogue.h"
#include "cli/cli_text.h"
#include "cli/formatted_text.h"
#include "cli/template_text.h"

namespace tagforge::cli {

const char* const kTemplateHelp =
    "Usage: tagforge-cli template [options]\n"
    "Prints the line of the template tab that the profile leaves active, as the main window\n"
    "builds it.\n"
    "\n"
    "  --profile FILE        load the template fields from this profile file (.tfp); missing\n"
    "                        keys leave their fields empty (no nicks, first notification kind,\n"
    "                        arrival colour 3399FF)\n"
    "  --catalogue FILE      the ASCII-art catalogue (default: ascii.asc beside the profile,\n"
    "                        its name in any case; none without a profile)\n"
    "  --time HH:MM:SS       the clock time the line shows (default: the local time now)\n"
    "  --encoding NAME       utf-8 (default) or windows-1251: the encoding of the line printed\n"
    "  --help                show this text\n"
    "\n"
    "The tab is the profile's Page2 ActivePage: 0 the kill line, 1 the solitude line, 2 the\n"
    "notification, 3 the ASCII art; any other tab gives the kill line. A notification kind\n"
    "(PersErrorType) other than 0, 1 or 2 selects no kind and gives the time-out message.\n"
    "The ASCII-art line is the profile's Page2 OwnText followed by the html of the picture named\n"
    "by ASCIIName (in any case) when the catalogue includes it, else of the first included\n"
    "picture in sorted order; with none included it is the own text alone. Without a catalogue\n"
    "the window hides the ASCII-art tab, so the line is the kill line. The catalogue is read as\n"
    "Windows-1251.\n"
    "The line is printed with no line break after it.\n";

int RunTemplateCommand(const std::vector<std::string>& args) {
    const Arguments arguments(args, {"--profile", "--catalogue", "--time", "--encoding"},
                              {"--help"});
    if (arguments.Has("--help")) {
        std::cout << kTemplateHelp;
        return 0;
    }
    const Encoding encoding = ParseEncoding(arguments.Value("--encoding"));
    const std::string time = ClockTimeOption(arguments.Value("--time"));
    const auto profilePath = arguments.Value("--profile");
    const LoadedProfile loaded = LoadProfileFile(profilePath);
    const auto catalogue = AsciiCatalogueOption(arguments.Value("--catalogue"), profilePath);
    WriteOutput(TemplateLineFromProfile(loaded.profile, time, catalogue), encoding);
    return 0;
}

}  // namespace tagforge::cli
