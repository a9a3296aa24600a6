#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/format/cp1251.h"

namespace tagforge::cli {

using Encoding = TextEncoding;

Encoding ParseEncoding(const std::optional<std::string>& name);

// The encoding of text given as an argument (--text). Windows hands a program its arguments as
// Unicode, read here as UTF-8, whatever encoding was chosen; elsewhere they are the bytes typed.
Encoding ArgumentEncoding(Encoding chosen);

// The whole content of a file, or of standard input for "-". Throws UsageError when it cannot
// be read.
std::string ReadInputFile(const std::string& path);

// Turns text from the command line or a file into a message: Windows-1251 bytes (characters
// outside the code page as character references) with CR LF line breaks. Throws UsageError
// when UTF-8 input is not valid UTF-8.
std::string ToMessageText(std::string_view raw, Encoding encoding);

// Writes a Windows-1251 text to standard output in the chosen encoding, with nothing added.
// Throws std::runtime_error when standard output does not take all of it.
void WriteOutput(std::string_view cp1251, Encoding encoding);

// Writes bytes that are already in the output encoding to standard output, as they come.
// Throws std::runtime_error when standard output does not take all of them.
void WriteOutputBytes(std::string_view bytes);

// Flushes whatever else went to standard output (help texts); throws std::runtime_error when
// any of it could not be written.
void CheckOutputWritten();

}  // namespace tagforge::cli
