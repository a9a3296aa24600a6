#pragma once

#include <string>
#include <vector>

namespace tagforge::cli {

// The command-line arguments after the program's name, as UTF-8, read from the wide command
// line: the narrow argv of a Windows program is in the ANSI code page and loses most characters.
// Throws std::runtime_error when the command line cannot be read.
std::vector<std::string> WindowsArguments();

// Makes standard input, output and error carry bytes as they are: no CR added before LF, no
// end of input at a Ctrl+Z byte, so the output is the same as on any other system. A console
// shows the UTF-8 output as text while the program runs.
void UseBinaryStandardStreams();

}  // namespace tagforge::cli
