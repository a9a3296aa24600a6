#include "gui/app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tagforge {

namespace {

constexpr char kUsage[] =
    "Usage: tagforge [--help | --version]\n"
    "Colours and formats chat messages with HTML tags and puts the result on the clipboard.\n"
    "\n"
    "  --help      print this text\n"
    "  --version   print the version\n"
    "\n"
    "Qt's own options (-platform NAME, -style NAME or -style=NAME, -display HOST:SCREEN, ...)\n"
    "are passed on to Qt.\n"
    "For scripts, tagforge-cli builds the same results without a window.\n";

// Qt's standard options that take a value as the next argument, those that also take it as
// "-option=value", and those that stand alone.
constexpr std::array<std::string_view, 14> kQtOptionsWithValue{
    "-platform",     "-platformpluginpath", "-platformtheme", "-plugin",     "-qwindowgeometry",
    "-qwindowtitle", "-qwindowicon",        "-style",         "-stylesheet", "-session",
    "-display",      "-geometry",           "-name",          "-title"};
constexpr std::array<std::string_view, 3> kQtOptionsWithJoinedValue{"-style", "-stylesheet",
                                                                    "-qmljsdebugger"};
constexpr std::array<std::string_view, 5> kQtFlags{"-reverse", "-widgetcount", "-nograb", "-dograb",
                                                   "-sync"};

bool Contains(const auto& list, std::string_view option) {
    return std::find(list.begin(), list.end(), option) != list.end();
}

CommandLineAnswer Refusal(std::string_view problem, const std::string& arg) {
    return CommandLineAnswer{
        2, "", "tagforge: " + std::string(problem) + ": " + arg + " (run 'tagforge --help')\n"};
}

}  // namespace

std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            return CommandLineAnswer{0, kUsage, ""};
        }
        if (arg == "--version") {
            return CommandLineAnswer{0, "tagforge " TAGFORGE_VERSION "\n", ""};
        }
        // Qt also accepts its options with two dashes.
        const std::string_view option =
            arg.starts_with("--") ? std::string_view(arg).substr(1) : std::string_view(arg);
        if (const std::size_t equals = option.find('=');
            equals != std::string_view::npos &&
            Contains(kQtOptionsWithJoinedValue, option.substr(0, equals))) {
            if (equals + 1 == option.size()) {
                return Refusal("option requires a value", arg);
            }
        } else if (Contains(kQtOptionsWithValue, option)) {
            if (i + 1 == args.size()) {
                return Refusal("option requires a value", arg);
            }
            ++i;
        } else if (!Contains(kQtFlags, option)) {
            return Refusal("unknown option", arg);
        }
    }
    return std::nullopt;
}

}  // namespace tagforge
