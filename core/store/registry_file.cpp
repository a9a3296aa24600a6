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

#if defined(__unix__)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#elif defined(_WIN32)
#include <windows.h>
#endif

namespace tagforge {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

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

using Kind = RegistryChange::Kind;

// The keys read from the file's text.
RegistryTree ParseTree(std::string_view text) {
    RegistryTree tree;
    // The key that value lines go to.
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
                current = tree.Add(JoinedKeyPath(Unescape(line.substr(1, line.size() - 2))));
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        // Lines outside a key or without "=" cannot be placed; they are dropped.
        if (current == kNoKey || equals == std::string_view::npos) {
            continue;
        }
        tree.Set(current, Unescape(line.substr(0, equals)), Unescape(line.substr(equals + 1)));
    }
    return tree;
}

// Whether the change would leave the keys as they are.
bool ChangesNothing(const RegistryTree& tree, const RegistryChange& change,
                    const std::string& path) {
    const RegistryTree::Key* key = tree.Find(path);
    switch (change.kind) {
        case Kind::CreateKey:
            return path.empty() || key != nullptr;
        case Kind::WriteValue: {
            const RegistryTree::Value* value =
                key == nullptr ? nullptr : tree.FindValue(*key, change.name);
            return value != nullptr && value->data == change.data;
        }
        case Kind::DeleteValue:
            return key == nullptr || tree.FindValue(*key, change.name) == nullptr;
        case Kind::DeleteKey:
            return !tree.AnyWithin(path);
    }
    return false;
}

void ApplyTo(RegistryTree& tree, const RegistryChange& change, const std::string& path) {
    switch (change.kind) {
        case Kind::CreateKey:
            if (!path.empty()) {
                tree.Add(path);
            }
            return;
        case Kind::WriteValue:
            tree.Set(tree.Add(path), change.name, change.data);
            return;
        case Kind::DeleteValue:
            tree.Erase(path, change.name);
            return;
        case Kind::DeleteKey:
            tree.EraseKey(path);
            return;
    }
}

// Holds the store locked while a save reads, merges and replaces the file, so that two copies of
// the program saving at once take turns and neither loses what the other wrote. The lock cannot
// sit on the file itself, which each save replaces: on Linux it is the file's folder; Windows
// cannot lock a folder, so there it is a lock file beside the store that stays in place.
class StoreLock {
  public:
    explicit StoreLock(const fs::path& file) {
#if defined(__unix__)
        const fs::path folder = file.parent_path();
        fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ >= 0) {
            ::flock(fd_, LOCK_EX);
        }
#elif defined(_WIN32)
        fs::path lockFile = file;
        lockFile += ".lock";
        handle_ = ::CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ != INVALID_HANDLE_VALUE) {
            OVERLAPPED whole{};
            locked_ = ::LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &whole) != 0;
        }
#else
        static_cast<void>(file);
#endif
    }
    ~StoreLock() {
#if defined(__unix__)
        if (fd_ >= 0) {
            ::close(fd_);
        }
#elif defined(_WIN32)
        if (handle_ != INVALID_HANDLE_VALUE) {
            if (locked_) {
                OVERLAPPED whole{};
                ::UnlockFileEx(handle_, 0, 1, 0, &whole);
            }
            ::CloseHandle(handle_);
        }
#endif
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

  private:
#if defined(_WIN32)
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool locked_ = false;
#else
    int fd_ = -1;
#endif
};

// The file's text; empty when there is no file, nothing when it is there but cannot be read.
std::optional<std::string> ReadWholeFile(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) {
        return std::string();
    }
    if (!fs::is_regular_file(status)) {
        return std::nullopt;
    }
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return std::nullopt;
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
    return ParseTree(text).keys();
}

RegistryFile::RegistryFile(std::filesystem::path file)
    : file_(std::move(file)), tree_(ParseTree(ReadWholeFile(file_).value_or(""))) {}

const RegistryFile::Key* RegistryFile::Find(std::string_view path) const {
    return tree_.Find(JoinedKeyPath(path));
}

bool RegistryFile::KeyExists(std::string_view path) const {
    // The root is always there, as a registry root is.
    return JoinedKeyPath(path).empty() || Find(path) != nullptr;
}

std::optional<std::string> RegistryFile::ReadValue(std::string_view path,
                                                   std::string_view name) const {
    const Key* key = Find(path);
    if (key == nullptr) {
        return std::nullopt;
    }
    const Value* value = tree_.FindValue(*key, name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return value->data;
}

std::optional<std::vector<std::string>> RegistryFile::ValueNames(std::string_view path) const {
    const Key* key = Find(path);
    if (key == nullptr) {
        if (JoinedKeyPath(path).empty()) {
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

bool RegistryFile::CreateKey(std::string_view path) {
    return Apply({{Kind::CreateKey, RegistryRoot::LocalMachine, std::string(path), {}, {}}});
}

bool RegistryFile::WriteValue(std::string_view path, std::string_view name, std::string_view data) {
    return Apply({{Kind::WriteValue, RegistryRoot::LocalMachine, std::string(path),
                   std::string(name), std::string(data)}});
}

bool RegistryFile::DeleteValue(std::string_view path, std::string_view name) {
    return Apply({{Kind::DeleteValue,
                   RegistryRoot::LocalMachine,
                   std::string(path),
                   std::string(name),
                   {}}});
}

bool RegistryFile::DeleteKey(std::string_view path) {
    // Deleting the root would wipe the whole store.
    if (JoinedKeyPath(path).empty()) {
        return false;
    }
    return Apply({{Kind::DeleteKey, RegistryRoot::LocalMachine, std::string(path), {}, {}}});
}

bool RegistryFile::Apply(const std::vector<RegistryChange>& changes) {
    std::vector<std::string> paths;
    paths.reserve(changes.size());
    bool changesSomething = false;
    for (const RegistryChange& change : changes) {
        paths.push_back(JoinedKeyPath(change.path));
        if (change.kind == Kind::DeleteKey && paths.back().empty()) {
            return false;
        }
        changesSomething = changesSomething || !ChangesNothing(tree_, change, paths.back());
    }
    if (!changesSomething) {
        return true;
    }
    // A store whose place is unknown (no home folder) reads as empty and keeps nothing.
    if (file_.empty()) {
        return false;
    }
    // The user's file lives in a folder of its own that a fresh account does not have yet.
    std::error_code error;
    const fs::path folder = file_.parent_path();
    if (!folder.empty()) {
        fs::create_directories(folder, error);
    }
    if (error) {
        return false;
    }
    const StoreLock lock(file_);
    // What is on disk now, with this save's changes made on it: values others wrote stay.
    const std::optional<std::string> before = ReadWholeFile(file_);
    if (!before) {
        return false;
    }
    RegistryTree merged = ParseTree(*before);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        ApplyTo(merged, changes[i], paths[i]);
    }
    const std::string text = SerializeRegistryKeys(merged.keys());
    if (text == *before) {
        tree_ = std::move(merged);
        return true;
    }
    try {
        WriteFileAtomically(file_, text);
    } catch (const FileWriteError&) {
        return false;
    }
    tree_ = std::move(merged);
    return true;
}

}  // namespace tagforge
