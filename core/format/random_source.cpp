#include "core/format/random_source.h"

namespace tagforge {

std::uint32_t DefaultRandomSource::Next() {
    // Callers take the number modulo small counts, so keep it in the non-negative 31-bit range
    // that a signed int can hold.
    return static_cast<std::uint32_t>(engine_() >> 1);
}

void DefaultRandomSource::Seed(std::uint32_t seed) {
    engine_.seed(seed);
}

}  // namespace tagforge
