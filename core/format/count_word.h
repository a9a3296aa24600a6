#pragma once

#include <cstddef>
#include <string_view>

namespace tagforge {

// The form of a noun Russian puts after a count: One after 1, 21, 31…, Few after 2–4, 22–24…,
// Many otherwise (11–14 included).
enum class CountForm { One, Few, Many };
CountForm CountFormOf(std::size_t count);

// The one of `one`, `few` and `many` that CountFormOf(count) names, in any kind of text.
template <typename Text>
const Text& ChooseCountWord(std::size_t count, const Text& one, const Text& few, const Text& many) {
    switch (CountFormOf(count)) {
        case CountForm::One:
            return one;
        case CountForm::Few:
            return few;
        case CountForm::Many:
            break;
    }
    return many;
}

std::string_view CountWord(std::size_t count, std::string_view one, std::string_view few,
                           std::string_view many);

}  // namespace tagforge
