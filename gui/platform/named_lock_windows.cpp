#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "core/platform/wide_string.h"
#include "gui/platform/named_lock.h"

namespace tagforge {

namespace {

// The mutex's name as the system takes it; nothing for a name that is not valid UTF-8.
std::optional<std::wstring> MutexName(std::string_view name) {
    return WideFromUtf8(name);
}

}  // namespace

NamedLock::~NamedLock() {
    Close();
}

NamedLock::NamedLock(NamedLock&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      name_(std::exchange(other.name_, std::string())),
      holdsName_(std::exchange(other.holdsName_, false)),
      owned_(std::exchange(other.owned_, false)) {}

NamedLock& NamedLock::operator=(NamedLock&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
        name_ = std::exchange(other.name_, std::string());
        holdsName_ = std::exchange(other.holdsName_, false);
        owned_ = std::exchange(other.owned_, false);
    }
    return *this;
}

bool NamedLock::Exists(std::string_view name) {
    const std::optional<std::wstring> wide = MutexName(name);
    if (!wide) {
        return false;
    }
    HANDLE handle = ::OpenMutexW(SYNCHRONIZE, FALSE, wide->c_str());
    if (handle == nullptr) {
        // Held by a process this user may not open is held all the same.
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    }
    ::CloseHandle(handle);
    return true;
}

bool NamedLock::Create(std::string_view name) {
    if (handle_ != nullptr && name == name_) {
        // Asking again for a mutex that already exists never grants ownership, nor takes it away.
        return true;
    }
    Close();
    const std::optional<std::wstring> wide = MutexName(name);
    if (!wide) {
        return false;
    }
    // Not inheritable, so programs we start do not keep the mutex alive after we end.
    handle_ = ::CreateMutexW(nullptr, TRUE, wide->c_str());
    if (handle_ == nullptr) {
        return false;
    }
    name_ = name;
    // An existing mutex is opened without ownership, whatever the call asked for.
    if (::GetLastError() != ERROR_ALREADY_EXISTS) {
        holdsName_ = true;
        owned_ = true;
    }
    return true;
}

bool NamedLock::Release() {
    if (!owned_) {
        return false;
    }
    owned_ = false;
    ::ReleaseMutex(handle_);
    return true;
}

void NamedLock::Close() {
    if (handle_ != nullptr) {
        if (owned_) {
            ::ReleaseMutex(handle_);
        }
        ::CloseHandle(handle_);
    }
    handle_ = nullptr;
    name_.clear();
    holdsName_ = false;
    owned_ = false;
}

}  // namespace tagforge
