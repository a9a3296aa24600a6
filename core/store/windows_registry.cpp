#include "core/store/windows_registry.h"

#include <cstddef>
#include <utility>

#include "core/platform/utf16.h"
#include "core/platform/wide_string.h"

namespace tagforge {

namespace {

// Closes the key when it goes out of scope.
class OpenKey {
  public:
    OpenKey() = default;
    ~OpenKey() {
        if (key_ != nullptr) {
            ::RegCloseKey(key_);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

// The path as the registry takes it: components joined by single backslashes, no outer ones.
std::wstring KeyPath(std::string_view path) {
    return ToWide(Cp1251ToUtf16(JoinedKeyPath(path)));
}

// A value name for the wide API; nothing for one with a NUL, which the registry would cut.
std::optional<std::wstring> ValueName(std::string_view name) {
    if (name.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    return ToWide(Cp1251ToUtf16(name));
}

std::string ToCp1251(std::wstring_view wide) {
    // Text others wrote may hold a lone surrogate; it reads as a question mark rather than
    // losing the whole value.
    std::u16string utf16 = FromWide(wide);
    std::optional<std::string> bytes = Utf16ToCp1251(utf16);
    if (!bytes) {
        for (char16_t& c : utf16) {
            if (c >= 0xD800 && c <= 0xDFFF) {
                c = u'?';
            }
        }
        bytes = Utf16ToCp1251(utf16);
    }
    return bytes.value_or(std::string());
}

bool Open(HKEY root, const std::wstring& path, REGSAM access, OpenKey& key) {
    return ::RegOpenKeyExW(root, path.c_str(), 0, access, key.out()) == ERROR_SUCCESS;
}

// The string a value holds; nothing for a missing value or one of another type.
std::optional<std::wstring> QueryString(HKEY key, const wchar_t* name) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (::RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return std::nullopt;
        }
        std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = size;
        const LONG result = ::RegQueryValueExW(key, name, nullptr, &type,
                                               reinterpret_cast<BYTE*>(text.data()), &got);
        if (result == ERROR_MORE_DATA) {
            continue;  // written meanwhile
        }
        if (result != ERROR_SUCCESS) {
            return std::nullopt;
        }
        text.resize(got / sizeof(wchar_t));
        // The stored terminator; data may hold NULs of its own before it.
        if (!text.empty() && text.back() == L'\0') {
            text.pop_back();
        }
        return text;
    }
    return std::nullopt;
}

bool SetString(HKEY key, const std::wstring& name, const std::wstring& data) {
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

std::vector<std::wstring> EnumNames(HKEY key, bool subKeys) {
    std::vector<std::wstring> names;
    for (DWORD index = 0;; ++index) {
        std::wstring name(16384, L'\0');  // the registry's longest name, with its terminator
        auto length = static_cast<DWORD>(name.size());
        const LONG result = subKeys ? ::RegEnumKeyExW(key, index, name.data(), &length, nullptr,
                                                      nullptr, nullptr, nullptr)
                                    : ::RegEnumValueW(key, index, name.data(), &length, nullptr,
                                                      nullptr, nullptr, nullptr);
        if (result != ERROR_SUCCESS) {
            break;
        }
        name.resize(length);
        names.push_back(std::move(name));
    }
    return names;
}

// Copies the string values and sub-keys of `from` into `to`.
void CopyTree(HKEY from, HKEY to) {
    for (const std::wstring& name : EnumNames(from, false)) {
        if (const auto data = QueryString(from, name.c_str())) {
            SetString(to, name, *data);
        }
    }
    for (const std::wstring& name : EnumNames(from, true)) {
        OpenKey source;
        OpenKey target;
        if (Open(from, name, KEY_READ, source) &&
            ::RegCreateKeyExW(to, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              target.out(), nullptr) == ERROR_SUCCESS) {
            CopyTree(source.get(), target.get());
        }
    }
}

}  // namespace

WindowsRegistry::WindowsRegistry(WindowsRegistryRoots roots) : roots_(roots) {}

HKEY WindowsRegistry::RootKey(RegistryRoot root) const {
    // Both roots live with the user; see the class comment.
    static_cast<void>(root);
    return roots_.currentUser;
}

bool WindowsRegistry::ImportMachineKey(std::string_view path) {
    const std::wstring wide = KeyPath(path);
    if (wide.empty() || KeyExists(RegistryRoot::LocalMachine, path)) {
        return false;
    }
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        OpenKey machine;
        if (!Open(roots_.localMachine, wide, KEY_READ | view, machine)) {
            continue;
        }
        OpenKey user;
        if (::RegCreateKeyExW(roots_.currentUser, wide.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, user.out(), nullptr) != ERROR_SUCCESS) {
            return false;
        }
        CopyTree(machine.get(), user.get());
        return true;
    }
    return false;
}

bool WindowsRegistry::KeyExists(RegistryRoot root, std::string_view path) const {
    OpenKey key;
    return Open(RootKey(root), KeyPath(path), KEY_READ, key);
}

bool WindowsRegistry::CreateKey(RegistryRoot root, std::string_view path) {
    OpenKey key;
    return ::RegCreateKeyExW(RootKey(root), KeyPath(path).c_str(), 0, nullptr, 0, KEY_WRITE,
                             nullptr, key.out(), nullptr) == ERROR_SUCCESS;
}

std::optional<std::string> WindowsRegistry::ReadValue(RegistryRoot root, std::string_view path,
                                                      std::string_view name) const {
    const std::optional<std::wstring> wideName = ValueName(name);
    OpenKey key;
    if (!wideName || !Open(RootKey(root), KeyPath(path), KEY_QUERY_VALUE, key)) {
        return std::nullopt;
    }
    const std::optional<std::wstring> data = QueryString(key.get(), wideName->c_str());
    if (!data) {
        return std::nullopt;
    }
    return ToCp1251(*data);
}

bool WindowsRegistry::WriteValue(RegistryRoot root, std::string_view path, std::string_view name,
                                 std::string_view data) {
    const std::optional<std::wstring> wideName = ValueName(name);
    OpenKey key;
    return wideName &&
           ::RegCreateKeyExW(RootKey(root), KeyPath(path).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                             nullptr, key.out(), nullptr) == ERROR_SUCCESS &&
           SetString(key.get(), *wideName, ToWide(Cp1251ToUtf16(data)));
}

bool WindowsRegistry::DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) {
    const std::optional<std::wstring> wideName = ValueName(name);
    if (!wideName) {
        return true;  // no such value can exist
    }
    OpenKey key;
    if (!Open(RootKey(root), KeyPath(path), KEY_SET_VALUE, key)) {
        return !KeyExists(root, path);
    }
    const LONG result = ::RegDeleteValueW(key.get(), wideName->c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool WindowsRegistry::DeleteKey(RegistryRoot root, std::string_view path) {
    const std::wstring wide = KeyPath(path);
    // Deleting the root would wipe the user's whole registry.
    if (wide.empty()) {
        return false;
    }
    const LONG result = ::RegDeleteTreeW(RootKey(root), wide.c_str());
    if (result == ERROR_FILE_NOT_FOUND) {
        return true;
    }
    // RegDeleteTreeW empties the key; the key itself goes with RegDeleteKeyW.
    const LONG removed =
        result == ERROR_SUCCESS ? ::RegDeleteKeyW(RootKey(root), wide.c_str()) : result;
    return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
}

std::optional<std::vector<std::string>> WindowsRegistry::ValueNames(RegistryRoot root,
                                                                    std::string_view path) const {
    OpenKey key;
    if (!Open(RootKey(root), KeyPath(path), KEY_QUERY_VALUE, key)) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (const std::wstring& name : EnumNames(key.get(), false)) {
        names.push_back(ToCp1251(name));
    }
    return names;
}

}  // namespace tagforge
