// tagforge-cli: the formatter without the window, for scripts, tests and benchmarks.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/cli_text.h"
#include "cli/format_command.h"
#include "cli/preview_command.h"
#include "cli/template_command.h"

#if defined(_WIN32)
#include "cli/windows_arguments.h"
#endif

namespace {

constexpr const char* kUsage =
    "Usage: tagforge-cli COMMAND [options]\n"
    "Turns chat messages into HTML-tagged text, as the TagForge window does.\n"
    "\n"
    "Commands:\n"
    "  format      print the tagged result for a message and a profile\n"
    "  template    print the line of the active template tab of a profile\n"
    "  preview     write the preview page of a result or a template line\n"
    "\n"
    "Options:\n"
    "  --help      print this text\n"
    "  --version   print the version\n"
    "\n"
    "Run 'tagforge-cli COMMAND --help' for the options of a command.\n";

int Run(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kUsage;
        return 0;
    }
    if (args[0] == "--version" || args[0] == "-V") {
        std::cout << "tagforge-cli " TAGFORGE_VERSION "\n";
        return 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "format") {
        return tagforge::cli::RunFormatCommand(rest);
    }
    if (args[0] == "template") {
        return tagforge::cli::RunTemplateCommand(rest);
    }
    if (args[0] == "preview") {
        return tagforge::cli::RunPreviewCommand(rest);
    }
    throw tagforge::cli::UsageError("unknown command: " + args[0] + " (run 'tagforge-cli --help')");
}

}  // namespace

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
    try {
#if defined(_WIN32)
        tagforge::cli::UseBinaryStandardStreams();
        const std::vector<std::string> args = tagforge::cli::WindowsArguments();
#else
        const std::vector<std::string> args(argv + 1, argv + argc);
#endif
        const int code = Run(args);
        // A result nobody received is no success: a full disk or a closed pipe fails the run.
        tagforge::cli::CheckOutputWritten();
        return code;
    } catch (const tagforge::cli::UsageError& error) {
        std::cerr << "tagforge-cli: " << error.what() << '\n';
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "tagforge-cli: " << error.what() << '\n';
        return 1;
    }
}
