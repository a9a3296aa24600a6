#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tagforge {

// The encodings text leaves the program in: Windows-1251 for pages, UTF-8 for the clipboard and
// the command line.
enum class TextEncoding { Windows1251, Utf8 };

// Converts UTF-8 to Windows-1251 bytes. A code point the code page cannot hold becomes an HTML
// numeric character reference ("&#128512;"), which chats render as the character itself.
// Returns nothing when the input is not valid UTF-8.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

// Converts Windows-1251 bytes to UTF-8. Every byte maps to one code point (0x98, unassigned in
// the code page, maps to U+0098 so that a round trip keeps it).
std::string Cp1251ToUtf8(std::string_view cp1251);

// Converts stored Windows-1251 text back to what the user typed, the inverse of Utf8ToCp1251: a
// character reference written the way Utf8ToCp1251 writes it ("&#" decimal digits without a
// leading zero ";") becomes the character again when the code page lacks that character and it
// shows as itself in a text field. Anything else stays text: references to characters the code
// page has, other spellings ("&#x1F339;", "&#065;", no ';'), surrogates, controls, the line and
// paragraph separators and noncharacters. Utf8ToCp1251 of the result is the input byte for byte.
std::string Cp1251ToUtf8RestoringReferences(std::string_view cp1251);

// The UTF-8 form of one Windows-1251 byte: one to three bytes.
std::string_view Utf8Of(char cp1251);

// Case mapping of the code page: Latin letters and every Cyrillic letter of the code page that has
// a case pair (Ё/ё, Ukrainian, Belarusian, Serbian and Macedonian letters); other bytes unchanged.
char ToLowerCp1251(char c);
char ToUpperCp1251(char c);
std::string ToLowerCp1251(std::string_view text);

// Compares two Windows-1251 texts without regard to letter case (returns <0, 0 or >0).
int CompareNoCaseCp1251(std::string_view a, std::string_view b);
bool EqualsNoCaseCp1251(std::string_view a, std::string_view b);

}  // namespace tagforge
