#include "core/format/count_word.h"

#include <gtest/gtest.h>

namespace tagforge {
namespace {

TEST(CountWord, AgreesWithTheNumber) {
    const std::pair<std::size_t, std::string_view> cases[] = {
        {0, "many"},  {1, "one"},   {2, "few"},    {4, "few"},    {5, "many"},
        {11, "many"}, {12, "many"}, {14, "many"},  {21, "one"},   {22, "few"},
        {25, "many"}, {101, "one"}, {111, "many"}, {112, "many"}, {122, "few"},
    };
    for (const auto& [count, form] : cases) {
        EXPECT_EQ(CountWord(count, "one", "few", "many"), form) << count;
    }
}

}  // namespace
}  // namespace tagforge
