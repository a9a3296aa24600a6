#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/registry.h"
#include "core/store/registry_tree.h"

namespace tagforge {

// One root of the settings store kept in a single text file. The file is read when the object is
// made and replaced atomically on every change, so a crash leaves the old or the new content and
// never a broken file. A change that cannot be written is undone in memory too.
//
// Like a registry, a change replaces only what it names: every save reads the file again and
// makes its changes on what is there, so values written meanwhile by another copy of the
// program or by hand survive.
//
// File layout: a line "[path]" opens a key, "name=data" lines follow in writing order. Characters
// that would break a line ("%", "=", "[", "]", CR, LF) are written as "%XX", so names and data
// keep any byte.
class RegistryFile {
  public:
    explicit RegistryFile(std::filesystem::path file);

    const std::filesystem::path& file() const { return file_; }

    bool KeyExists(std::string_view path) const;
    bool CreateKey(std::string_view path);
    std::optional<std::string> ReadValue(std::string_view path, std::string_view name) const;
    bool WriteValue(std::string_view path, std::string_view name, std::string_view data);
    bool DeleteValue(std::string_view path, std::string_view name);
    bool DeleteKey(std::string_view path);
    std::optional<std::vector<std::string>> ValueNames(std::string_view path) const;

    // Makes all the changes (their roots are not looked at) with one replacement of the file;
    // false, and nothing changed, when the file cannot be written.
    bool Apply(const std::vector<RegistryChange>& changes);

    using Value = RegistryTree::Value;
    using Key = RegistryTree::Key;

  private:
    const Key* Find(std::string_view path) const;

    std::filesystem::path file_;
    RegistryTree tree_;
};

// The text of the file for these keys, and the keys read back from such a text.
std::string SerializeRegistryKeys(const std::vector<RegistryFile::Key>& keys);
std::vector<RegistryFile::Key> ParseRegistryKeys(std::string_view text);

}  // namespace tagforge
