#include "core/store/registry_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>
#include <utility>

#include "core/format/color_code.h"
#include "core/format/cp1251.h"
#include "core/store/atomic_file.h"

namespace tagforge {

namespace {

namespace fs = std::filesystem;

constexpr char kSeparator = '\\';
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// Key paths compare as their components: leading, trailing and doubled backslashes mean nothing.
std::string NormalizePath(std::string_view path) {
    std::string normalized;
    std::size_t begin = 0;
    while (begin < path.size()) {
        std::size_t end = path.find(kSeparator, begin);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        if (end > begin) {
            if (!normalized.empty()) {
                normalized += kSeparator;
            }
            normalized.append(path.substr(begin, end - begin));
        }
        begin = end + 1;
    }
    return normalized;
}

// True for `path` itself and for every key below it.
bool IsWithin(std::string_view keyPath, std::string_view path) {
    if (keyPath.size() < path.size() || !EqualsNoCaseCp1251(keyPath.substr(0, path.size()), path)) {
        return false;
    }
    return keyPath.size() == path.size() || keyPath[path.size()] == kSeparator;
}

// Appends in runs: values can be large and every save writes all of them.
void AppendEscaped(std::string& out, std::string_view text) {
    std::size_t runStart = 0;
    std::size_t position = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // Bytes below 0x20 and the ones the line layout gives a meaning to.
        if (byte < 0x20 || c == '%' || c == '=' || c == '[' || c == ']') {
            out.append(text.substr(runStart, position - runStart));
            const std::array<char, 3> escape = {'%', kHexDigits[byte >> 4U],
                                                kHexDigits[byte & 0x0FU]};
            out.append(escape.data(), escape.size());
            runStart = position + 1;
        }
        ++position;
    }
    out.append(text.substr(runStart));
}

// A "%" not followed by two hexadecimal digits stands for itself, so a hand-edited file still
// reads.
std::string Unescape(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    while (!text.empty()) {
        const std::size_t percent = std::min(text.find('%'), text.size());
        plain.append(text.substr(0, percent));
        if (percent == text.size()) {
            break;
        }
        const int high = percent + 2 < text.size() ? HexDigitValue(text[percent + 1]) : -1;
        const int low = percent + 2 < text.size() ? HexDigitValue(text[percent + 2]) : -1;
        if (high >= 0 && low >= 0) {
            plain += static_cast<char>(high * 16 + low);
            text.remove_prefix(percent + 3);
        } else {
            plain += '%';
            text.remove_prefix(percent + 1);
        }
    }
    return plain;
}

// `Keys` is the key list, const or not; `path` is normalized.
template <typename Keys>
auto FindIn(Keys& keys, std::string_view path) -> decltype(&keys.front()) {
    const auto found = std::find_if(keys.begin(), keys.end(), [&](const RegistryFile::Key& key) {
        return EqualsNoCaseCp1251(key.path, path);
    });
    return found == keys.end() ? nullptr : &*found;
}

// Adds the key at the normalized `path` and its missing parents, parents first; returns the key.
RegistryFile::Key& AddKey(std::vector<RegistryFile::Key>& keys, std::string_view path) {
    for (std::size_t end = path.find(kSeparator); end != std::string_view::npos;
         end = path.find(kSeparator, end + 1)) {
        const std::string_view parent = path.substr(0, end);
        if (FindIn(keys, parent) == nullptr) {
            keys.push_back({std::string(parent), {}});
        }
    }
    if (RegistryFile::Key* key = FindIn(keys, path)) {
        return *key;
    }
    keys.push_back({std::string(path), {}});
    return keys.back();
}

template <typename Key>
auto FindValue(Key& key, std::string_view name) -> decltype(&key.values.front()) {
    const auto found = std::find_if(
        key.values.begin(), key.values.end(),
        [&](const RegistryFile::Value& value) { return EqualsNoCaseCp1251(value.name, name); });
    return found == key.values.end() ? nullptr : &*found;
}

// A later value of the same name replaces the data and keeps the first one's place.
void SetValue(RegistryFile::Key& key, std::string name, std::string data) {
    if (RegistryFile::Value* value = FindValue(key, name)) {
        value->data = std::move(data);
    } else {
        key.values.push_back({std::move(name), std::move(data)});
    }
}

std::string ReadWholeFile(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return {};
    }
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

}  // namespace

std::string SerializeRegistryKeys(const std::vector<RegistryFile::Key>& keys) {
    std::size_t size = 0;
    for (const RegistryFile::Key& key : keys) {
        size += key.path.size() + 3;
        for (const RegistryFile::Value& value : key.values) {
            size += value.name.size() + value.data.size() + 2;
        }
    }
    std::string text;
    text.reserve(size + size / 8);
    for (const RegistryFile::Key& key : keys) {
        text += '[';
        AppendEscaped(text, key.path);
        text += "]\n";
        for (const RegistryFile::Value& value : key.values) {
            AppendEscaped(text, value.name);
            text += '=';
            AppendEscaped(text, value.data);
            text += '\n';
        }
    }
    return text;
}

std::vector<RegistryFile::Key> ParseRegistryKeys(std::string_view text) {
    std::vector<RegistryFile::Key> keys;
    // The key that value lines go to: an index, because adding keys moves them.
    constexpr std::size_t kNoKey = std::string_view::npos;
    std::size_t current = kNoKey;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(begin, end - begin);
        begin = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        if (line.front() == '[') {
            current = kNoKey;
            if (line.size() >= 2 && line.back() == ']') {
                const std::string path = NormalizePath(Unescape(line.substr(1, line.size() - 2)));
                const RegistryFile::Key& key = AddKey(keys, path);
                current = static_cast<std::size_t>(&key - keys.data());
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        // Lines outside a key or without "=" cannot be placed; they are dropped.
        if (current == kNoKey || equals == std::string_view::npos) {
            continue;
        }
        SetValue(keys[current], Unescape(line.substr(0, equals)),
                 Unescape(line.substr(equals + 1)));
    }
    return keys;
}

RegistryFile::RegistryFile(std::filesystem::path file)
    : file_(std::move(file)), keys_(ParseRegistryKeys(ReadWholeFile(file_))) {}

RegistryFile::Key* RegistryFile::Find(std::string_view path) {
    return FindIn(keys_, NormalizePath(path));
}

const RegistryFile::Key* RegistryFile::Find(std::string_view path) const {
    return FindIn(keys_, NormalizePath(path));
}

bool RegistryFile::KeyExists(std::string_view path) const {
    // The root is always there, as a registry root is.
    return NormalizePath(path).empty() || Find(path) != nullptr;
}

bool RegistryFile::CreateKey(std::string_view path) {
    if (KeyExists(path)) {
        return true;
    }
    std::vector<Key> before = keys_;
    AddKey(keys_, NormalizePath(path));
    return Commit(std::move(before));
}

std::optional<std::string> RegistryFile::ReadValue(std::string_view path,
                                                   std::string_view name) const {
    const Key* key = Find(path);
    if (key == nullptr) {
        return std::nullopt;
    }
    const Value* value = FindValue(*key, name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return value->data;
}

bool RegistryFile::WriteValue(std::string_view path, std::string_view name, std::string_view data) {
    if (Key* key = Find(path)) {
        const Value* value = FindValue(*key, name);
        if (value != nullptr && value->data == data) {
            return true;
        }
    }
    std::vector<Key> before = keys_;
    SetValue(AddKey(keys_, NormalizePath(path)), std::string(name), std::string(data));
    return Commit(std::move(before));
}

bool RegistryFile::DeleteValue(std::string_view path, std::string_view name) {
    Key* key = Find(path);
    if (key == nullptr || FindValue(*key, name) == nullptr) {
        return true;
    }
    std::vector<Key> before = keys_;
    std::erase_if(key->values,
                  [&](const Value& value) { return EqualsNoCaseCp1251(value.name, name); });
    return Commit(std::move(before));
}

bool RegistryFile::DeleteKey(std::string_view path) {
    const std::string normalized = NormalizePath(path);
    // Deleting the root would wipe the whole store.
    if (normalized.empty()) {
        return false;
    }
    const auto within = [&](const Key& key) { return IsWithin(key.path, normalized); };
    if (std::none_of(keys_.begin(), keys_.end(), within)) {
        return true;
    }
    std::vector<Key> before = keys_;
    std::erase_if(keys_, within);
    return Commit(std::move(before));
}

std::optional<std::vector<std::string>> RegistryFile::ValueNames(std::string_view path) const {
    const Key* key = Find(path);
    if (key == nullptr) {
        if (NormalizePath(path).empty()) {
            return std::vector<std::string>{};
        }
        return std::nullopt;
    }
    std::vector<std::string> names;
    names.reserve(key->values.size());
    for (const Value& value : key->values) {
        names.push_back(value.name);
    }
    return names;
}

bool RegistryFile::Commit(std::vector<Key> before) {
    const std::string text = SerializeRegistryKeys(keys_);
    // The user's file lives in a folder of its own that a fresh account does not have yet.
    std::error_code error;
    const fs::path folder = file_.parent_path();
    if (!folder.empty()) {
        fs::create_directories(folder, error);
    }
    if (!error) {
        try {
            WriteFileAtomically(file_, text);
            return true;
        } catch (const FileWriteError&) {
        }
    }
    keys_ = std::move(before);
    return false;
}

}  // namespace tagforge
