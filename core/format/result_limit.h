#pragma once

namespace tagforge {

// The result length the threshold starts at, on the settings page and in a fresh store.
inline constexpr int kDefaultResultLimit = 900;

}  // namespace tagforge
