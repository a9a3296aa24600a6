#pragma once

#include <cstddef>
#include <string_view>

namespace tagforge {

// The form of a noun Russian puts after `count`: `one` after 1, 21, 31…, `few` after 2–4,
// 22–24…, `many` otherwise (11–14 included).
std::string_view CountWord(std::size_t count, std::string_view one, std::string_view few,
                           std::string_view many);

}  // namespace tagforge
