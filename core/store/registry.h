#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tagforge {

enum class RegistryRoot { LocalMachine, CurrentUser };

// The key path with its components joined by single backslashes and no outer ones, as stores
// compare and open it: \Software\\Orbel Soft\ gives Software\Orbel Soft.
std::string JoinedKeyPath(std::string_view path);

// One change of a batch (Registry::Apply); `name` and `data` matter where the kind uses them.
struct RegistryChange {
    enum class Kind { CreateKey, WriteValue, DeleteValue, DeleteKey };
    Kind kind;
    RegistryRoot root;
    std::string path;
    std::string name;
    std::string data;
};

// The settings store, shaped like the Windows registry: keys under two roots hold named string
// values. Key paths are separated by backslashes (a leading or trailing one is ignored); key paths
// and value names compare without regard to letter case; value names and data are Windows-1251
// bytes and may hold any character. A key lists its values in the order they were first written.
// A Windows build implements this over the real registry.
class Registry {
  public:
    virtual ~Registry() = default;

    virtual bool KeyExists(RegistryRoot root, std::string_view path) const = 0;
    // Makes the key and its parents exist; false when that cannot be stored.
    virtual bool CreateKey(RegistryRoot root, std::string_view path) = 0;
    virtual std::optional<std::string> ReadValue(RegistryRoot root, std::string_view path,
                                                 std::string_view name) const = 0;
    // Writes one value, creating its key; false (and nothing changed) when it cannot be stored.
    virtual bool WriteValue(RegistryRoot root, std::string_view path, std::string_view name,
                            std::string_view data) = 0;
    // Deleting a value or key that is not there succeeds.
    virtual bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) = 0;
    // Deletes the key with its values and sub-keys.
    virtual bool DeleteKey(RegistryRoot root, std::string_view path) = 0;
    // The key's value names in the order they were written; nothing when the key is missing.
    virtual std::optional<std::vector<std::string>> ValueNames(RegistryRoot root,
                                                               std::string_view path) const = 0;

    // Makes the changes in order and says for each whether it was stored. A store that keeps
    // its values in one file takes all changes to that file in one replacement of it, so a
    // crash leaves all of them or none. This default makes them one by one.
    virtual std::vector<bool> Apply(const std::vector<RegistryChange>& changes);

    // One change through the single-change functions above.
    bool ApplyOne(const RegistryChange& change);
};

}  // namespace tagforge
