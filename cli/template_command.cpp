#include "cli/template_command.h"

#include <iostream>

#include "cli/arguments.h"
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
    "  --time HH:MM:SS       the clock time the line shows (default: the local time now)\n"
    "  --encoding NAME       utf-8 (default) or windows-1251: the encoding of the line printed\n"
    "  --help                show this text\n"
    "\n"
    "The tab is the profile's Page2 ActivePage: 0 the kill line, 1 the solitude line, 2 the\n"
    "notification. Any other tab (such as the ASCII-art tab, which has no line here yet) gives\n"
    "the kill line. A notification kind (PersErrorType) other than 0, 1 or 2 selects no kind\n"
    "and gives the time-out message. The line is printed with no line break after it.\n";

int RunTemplateCommand(const std::vector<std::string>& args) {
    const Arguments arguments(args, {"--profile", "--time", "--encoding"}, {"--help"});
    if (arguments.Has("--help")) {
        std::cout << kTemplateHelp;
        return 0;
    }
    const Encoding encoding = ParseEncoding(arguments.Value("--encoding"));
    const std::string time = ClockTimeOption(arguments.Value("--time"));
    const LoadedProfile loaded = LoadProfileFile(arguments.Value("--profile"));
    WriteOutput(TemplateLineFromProfile(loaded.profile, time), encoding);
    return 0;
}

}  // namespace tagforge::cli
