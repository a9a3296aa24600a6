#include "gui/platform/abstract_address.h"

#include <cstddef>
#include <cstring>

namespace tagforge {

AbstractAddress MakeAbstractAddress(std::string_view name) {
    AbstractAddress result;
    result.address.sun_family = AF_UNIX;
    // The leading zero byte of sun_path puts the name in the abstract namespace.
    const std::size_t room = sizeof(result.address.sun_path) - 1;
    const std::size_t length = name.size() < room ? name.size() : room;
    std::memcpy(result.address.sun_path + 1, name.data(), length);
    result.size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
    return result;
}

}  // namespace tagforge
