#include "gui/platform/named_lock.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "gui/platform/abstract_address.h"

namespace tagforge {
namespace {

// Keeps our names apart from other programs' abstract sockets.
constexpr std::string_view kNamePrefix = "tagforge-lock:";

enum class BindResult { kBound, kTaken, kFailed };

// CLOEXEC so programs we start do not inherit the name and keep it alive after we end.
int OpenSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

BindResult BindToName(int fd, std::string_view name) {
    std::string path(kNamePrefix);
    path.append(name);
    const AbstractAddress address = MakeAbstractAddress(path);
    if (::bind(fd, address.get(), address.size) == 0) {
        return BindResult::kBound;
    }
    return errno == EADDRINUSE ? BindResult::kTaken : BindResult::kFailed;
}

}  // namespace

NamedLock::~NamedLock() {
    Close();
}

NamedLock::NamedLock(NamedLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      name_(std::exchange(other.name_, std::string())),
      holdsName_(std::exchange(other.holdsName_, false)),
      owned_(std::exchange(other.owned_, false)) {}

NamedLock& NamedLock::operator=(NamedLock&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        name_ = std::exchange(other.name_, std::string());
        holdsName_ = std::exchange(other.holdsName_, false);
        owned_ = std::exchange(other.owned_, false);
    }
    return *this;
}

bool NamedLock::Exists(std::string_view name) {
    const int fd = OpenSocket();
    if (fd < 0) {
        return false;
    }
    const BindResult result = BindToName(fd, name);
    ::close(fd);
    return result == BindResult::kTaken;
}

bool NamedLock::Create(std::string_view name) {
    if (holdsName_ && name == name_) {
        // Asking again for a mutex that already exists never grants ownership, nor takes it away.
        return true;
    }
    Close();
    fd_ = OpenSocket();
    if (fd_ < 0) {
        return false;
    }
    name_ = name;
    if (BindToName(fd_, name) == BindResult::kBound) {
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
    return true;
}

void NamedLock::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    fd_ = -1;
    name_.clear();
    holdsName_ = false;
    owned_ = false;
}

}  // namespace tagforge
