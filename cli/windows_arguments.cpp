#include "cli/windows_arguments.h"

// windows.h first: the other system headers build on its types.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "core/platform/wide_string.h"

namespace tagforge::cli {

namespace {

UINT consoleOutputPage = 0;

void RestoreConsoleOutputPage() {
    ::SetConsoleOutputCP(consoleOutputPage);
}

}  // namespace

std::vector<std::string> WindowsArguments() {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        throw std::runtime_error("cannot read the command line");
    }
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        const std::wstring_view argument(wide[i]);
        const std::optional<std::string> utf8 = Utf16ToUtf8(FromWide(argument));
        if (!utf8) {
            ::LocalFree(wide);
            throw std::runtime_error("an argument is not valid text");
        }
        arguments.push_back(*utf8);
    }
    ::LocalFree(wide);
    return arguments;
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // The console's page belongs to the whole window, so it goes back as it was when we end.
    DWORD mode = 0;
    if (::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) &&
        ::GetConsoleOutputCP() != CP_UTF8) {
        consoleOutputPage = ::GetConsoleOutputCP();
        ::SetConsoleOutputCP(CP_UTF8);
        std::atexit(RestoreConsoleOutputPage);
    }
}

}  // namespace tagforge::cli
