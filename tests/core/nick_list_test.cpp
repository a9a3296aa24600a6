#include "core/lists/nick_list.h"

#include <gtest/gtest.h>

#include <utility>

#include "test_text.h"

namespace tagforge {
namespace {

using test::W;
using Nicks = std::vector<std::string>;

TEST(TrimNick, CutsBlanksAndControlCharactersAtBothEndsOnly) {
    EXPECT_EQ(TrimNick("  Bob  "), "Bob");
    EXPECT_EQ(TrimNick("\t\r\n Bob Smith\x01"), "Bob Smith");
    EXPECT_EQ(TrimNick(" \t "), "");
    // Cyrillic letters are bytes above 0x7F and must not count as control characters.
    EXPECT_EQ(TrimNick(W(" Вася ")), W("Вася"));
}

TEST(SortNicks, OrdersWithoutRegardToCaseAndKeepsEqualNicksInTheirOrder) {
    Nicks nicks = {"Zed", "adam", "Bob", "bob", W("яша"), W("Антон")};
    SortNicks(nicks);
    EXPECT_EQ(nicks, (Nicks{"adam", "Bob", "bob", "Zed", W("Антон"), W("яша")}));
}

TEST(AddNick, PutsTheTrimmedNickInItsPlaceOnce) {
    Nicks nicks;
    EXPECT_TRUE(AddNick(nicks, "  Bob  "));
    EXPECT_FALSE(AddNick(nicks, "bob"));
    EXPECT_TRUE(AddNick(nicks, "Zed"));
    EXPECT_TRUE(AddNick(nicks, "adam"));
    EXPECT_EQ(nicks, (Nicks{"adam", "Bob", "Zed"}));
    EXPECT_FALSE(AddNick(nicks, "   "));
    EXPECT_FALSE(AddNick(nicks, ""));
    EXPECT_TRUE(AddNick(nicks, W("ПЕТЯ")));
    EXPECT_FALSE(AddNick(nicks, W("петя")));
    EXPECT_EQ(nicks, (Nicks{"adam", "Bob", "Zed", W("ПЕТЯ")}));
}

TEST(AddNick, JoinsTheLinesOfASelectionWithSpaces) {
    const std::pair<std::string, std::string> cases[] = {
        {"line1\r\nline2", "line1 line2"},
        {"a\rb\nc", "a b c"},
        {"\r\n two\r\n\r\nlines \r\n", "two  lines"},
    };
    for (const auto& [selected, stored] : cases) {
        Nicks nicks;
        EXPECT_TRUE(AddNick(nicks, selected));
        EXPECT_EQ(nicks, Nicks{stored}) << selected;
    }
}

TEST(FindAndRemoveNick, MatchWithoutRegardToCase) {
    Nicks nicks = {"adam", W("Бор"), "Zed"};
    EXPECT_EQ(FindNick(nicks, "ZED"), 2U);
    EXPECT_EQ(FindNick(nicks, W("бОР")), 1U);
    EXPECT_FALSE(FindNick(nicks, "ad"));
    EXPECT_TRUE(RemoveNick(nicks, W("БОР")));
    EXPECT_FALSE(RemoveNick(nicks, W("Бор")));
    EXPECT_EQ(nicks, (Nicks{"adam", "Zed"}));
}

}  // namespace
}  // namespace tagforge
