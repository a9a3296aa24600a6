#pragma once

namespace tagforge {

// The entry an index picks from a list of `count` entries; an index outside the list selects
// none, which a list box holds as -1.
constexpr int ListEntry(long index, long count) {
    return index >= 0 && index < count ? static_cast<int>(index) : -1;
}

}  // namespace tagforge
