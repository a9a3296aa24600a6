#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tagforge {

// The keys of one settings file in memory, with their values in writing order, found by path
// and by name in constant time. Paths are normalized (components joined by single
// backslashes); paths and names compare without regard to letter case.
class RegistryTree {
  public:
    struct Value {
        std::string name;
        std::string data;
    };
    struct Key {
        std::string path;  // without leading or trailing backslashes
        std::vector<Value> values;
    };

    const std::vector<Key>& keys() const { return keys_; }

    const Key* Find(std::string_view path) const;
    const Value* FindValue(const Key& key, std::string_view name) const;
    // Whether the key or any key below it is there.
    bool AnyWithin(std::string_view path) const;

    // Adds the key and its missing parents, parents first; the key's index.
    std::size_t Add(std::string_view path);
    // A later value of the same name replaces the data and keeps the first one's place.
    void Set(std::size_t key, std::string_view name, std::string_view data);
    // False when there was no such value.
    bool Erase(std::string_view path, std::string_view name);
    // Removes the key with every key below it; false when there was none.
    bool EraseKey(std::string_view path);

  private:
    void Reindex();
    static std::unordered_map<std::string, std::size_t> IndexOf(const Key& key);

    std::vector<Key> keys_;
    std::unordered_map<std::string, std::size_t> byPath_;
    std::vector<std::unordered_map<std::string, std::size_t>> byName_;  // one per key
};

}  // namespace tagforge
