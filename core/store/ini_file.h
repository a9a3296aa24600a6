#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <memory>
#include <optional>

#include "core/store/atomic_file.h"
#include "core/store/ini_text.h"

namespace tagforge {

// One INI file kept with the semantics of the Windows private-profile functions: names compare
// without regard to case, values are trimmed and lose one pair of enclosing quotes, reads are cut
// at 2047 characters, and a write touches only the one line it changes. Every write replaces the
// file atomically, so a crash leaves the old or the new file, never half of one.
//
// Texts are Windows-1251 bytes. The file is read once, on construction, and looked up through an
// index made in one pass; writes go to the file at once and keep the in-memory copy in step. A
// line is read up to a NUL byte in it, and names and values given are taken up to theirs, as C
// strings end there.
class IniFile {
  public:
    static constexpr std::size_t kMaxValueLength = 2047;
    static constexpr std::size_t kSectionNamesBudget = 16384;

    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }
    bool exists() const { return exists_; }

    // The value of the key, or `fallback` when the file, the section or the key is missing.
    // Values are cut at `maxLength` characters; std::string::npos reads them whole.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback,
                           std::size_t maxLength = kMaxValueLength) const;

    // The value read as a whole decimal number ("0x"/"0X" and more digits: hexadecimal), or
    // `fallback` when the key is missing or its value is not a 32-bit number.
    long ReadInteger(std::string_view section, std::string_view key, long fallback) const;

    // The section names in file order, as they come through a buffer of `budget` bytes.
    std::vector<std::string> ReadSections(std::size_t budget = kSectionNamesBudget) const;

    // Writes `key=value` (value as given, no quoting). Throws FileWriteError and changes nothing
    // when the file cannot be replaced.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Makes all the writes, in order, with one replacement of the file: the file then holds
    // exactly what the writes one by one would have left, or (on FileWriteError) is unchanged.
    void WriteStrings(const std::vector<IniEntry>& writes);

    // The file's bytes as they are (or would be) on disk.
    const std::string& contents() const { return contents_; }

  private:
    const IniIndex& Index() const;
    std::optional<std::string_view> FindValue(std::string_view section, std::string_view key,
                                              std::size_t maxLength = kMaxValueLength) const;

    std::filesystem::path path_;
    bool exists_ = false;
    std::string contents_;
    // Made on the first lookup; offsets into contents_, so copies of the file may share it.
    mutable std::shared_ptr<const IniIndex> index_;
};

// Reads a whole number as the program reads numbers from profiles: the entire text must be a
// decimal number with an optional sign, or "0x"/"0X" followed by hexadecimal digits; anything
// else, or a number beyond 32 bits, gives `fallback`.
long ParseProfileInteger(std::string_view text, long fallback);

// Reads a number the way the C library's atol does on Windows: leading white space, an optional
// sign, decimal digits up to the first other character; no digits give 0; saturates at 32 bits.
long AtolWin32(std::string_view text);

}  // namespace tagforge
