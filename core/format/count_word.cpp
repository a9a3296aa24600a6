#include "core/format/count_word.h"

namespace tagforge {

CountForm CountFormOf(std::size_t count) {
    const std::size_t lastTwo = count % 100;
    const std::size_t last = count % 10;
    if (last == 1 && lastTwo != 11) {
        return CountForm::One;
    }
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        return CountForm::Few;
    }
    return CountForm::Many;
}

std::string_view CountWord(std::size_t count, std::string_view one, std::string_view few,
                           std::string_view many) {
    return ChooseCountWord(count, one, few, many);
}

}  // namespace tagforge
