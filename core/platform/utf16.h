#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tagforge {

// UTF-8 to UTF-16 and back, for the Windows API's wide strings. Nothing when the input is not
// valid (a stray byte, an overlong form, an unpaired surrogate), so a bad name never reaches the
// system as something else.
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);
std::optional<std::string> Utf16ToUtf8(std::u16string_view utf16);

// The registry's wide strings and the store's Windows-1251 bytes. Every byte of the code page
// has its character, so the first never fails; a character the code page lacks comes back as an
// HTML character reference, as anywhere else text enters the store.
std::u16string Cp1251ToUtf16(std::string_view cp1251);
std::optional<std::string> Utf16ToCp1251(std::u16string_view utf16);

}  // namespace tagforge
