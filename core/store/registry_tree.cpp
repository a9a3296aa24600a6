#include "core/store/registry_tree.h"

#include <algorithm>
#include <utility>

#include "core/format/cp1251.h"

namespace tagforge {

namespace {

constexpr char kSeparator = '\\';

// True for `path` itself and for every key below it.
bool IsWithin(std::string_view keyPath, std::string_view path) {
    if (keyPath.size() < path.size() || !EqualsNoCaseCp1251(keyPath.substr(0, path.size()), path)) {
        return false;
    }
    return keyPath.size() == path.size() || keyPath[path.size()] == kSeparator;
}

}  // namespace

const RegistryTree::Key* RegistryTree::Find(std::string_view path) const {
    const auto found = byPath_.find(ToLowerCp1251(path));
    return found == byPath_.end() ? nullptr : &keys_[found->second];
}

const RegistryTree::Value* RegistryTree::FindValue(const Key& key, std::string_view name) const {
    const auto& names = byName_[static_cast<std::size_t>(&key - keys_.data())];
    const auto found = names.find(ToLowerCp1251(name));
    return found == names.end() ? nullptr : &key.values[found->second];
}

bool RegistryTree::AnyWithin(std::string_view path) const {
    return std::any_of(keys_.begin(), keys_.end(),
                       [&](const Key& key) { return IsWithin(key.path, path); });
}

std::size_t RegistryTree::Add(std::string_view path) {
    for (std::size_t end = path.find(kSeparator); end != std::string_view::npos;
         end = path.find(kSeparator, end + 1)) {
        Add(path.substr(0, end));
    }
    const auto [place, added] = byPath_.try_emplace(ToLowerCp1251(path), keys_.size());
    if (added) {
        keys_.push_back({std::string(path), {}});
        byName_.emplace_back();
    }
    return place->second;
}

void RegistryTree::Set(std::size_t key, std::string_view name, std::string_view data) {
    std::vector<Value>& values = keys_[key].values;
    const auto [place, added] = byName_[key].try_emplace(ToLowerCp1251(name), values.size());
    if (added) {
        values.push_back({std::string(name), std::string(data)});
    } else {
        values[place->second].data = data;
    }
}

bool RegistryTree::Erase(std::string_view path, std::string_view name) {
    const auto keyFound = byPath_.find(ToLowerCp1251(path));
    if (keyFound == byPath_.end()) {
        return false;
    }
    const std::size_t key = keyFound->second;
    const auto found = byName_[key].find(ToLowerCp1251(name));
    if (found == byName_[key].end()) {
        return false;
    }
    keys_[key].values.erase(keys_[key].values.begin() + static_cast<std::ptrdiff_t>(found->second));
    byName_[key] = IndexOf(keys_[key]);
    return true;
}

bool RegistryTree::EraseKey(std::string_view path) {
    const auto within = [&](const Key& key) { return IsWithin(key.path, path); };
    if (std::erase_if(keys_, within) == 0) {
        return false;
    }
    Reindex();
    return true;
}

std::unordered_map<std::string, std::size_t> RegistryTree::IndexOf(const Key& key) {
    std::unordered_map<std::string, std::size_t> names;
    for (std::size_t i = 0; i < key.values.size(); ++i) {
        names.try_emplace(ToLowerCp1251(key.values[i].name), i);
    }
    return names;
}

void RegistryTree::Reindex() {
    byPath_.clear();
    byName_.clear();
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        byPath_.try_emplace(ToLowerCp1251(keys_[i].path), i);
        byName_.push_back(IndexOf(keys_[i]));
    }
}

}  // namespace tagforge
