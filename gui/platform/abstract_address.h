#pragma once

#include <sys/socket.h>
#include <sys/un.h>

#include <string_view>

namespace tagforge {

// An address in Linux's abstract socket namespace: no file on disk, and the kernel frees the
// name as soon as the last socket bound to it is closed.
struct AbstractAddress {
    sockaddr_un address{};
    socklen_t size = 0;

    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

// The address named `name`; a longer name is cut to what the address can carry.
AbstractAddress MakeAbstractAddress(std::string_view name);

}  // namespace tagforge
