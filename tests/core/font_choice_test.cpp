#include "core/lists/font_choice.h"

#include <gtest/gtest.h>

namespace tagforge {
namespace {

using Names = std::vector<std::string>;
using Checks = std::vector<bool>;

const Names kInstalled = {"Arial", "Courier New", "Tahoma", "Verdana"};

TEST(MarkChosenFonts, TicksExactNamesOnlyAndFindsTheCurrentOne) {
    const FontMarks marks =
        MarkChosenFonts(kInstalled, {"Verdana", "arial", "Gone", "Tahoma"}, "Tahoma");
    EXPECT_EQ(marks.checked, (Checks{false, false, true, true}));
    EXPECT_EQ(marks.current, 2U);
}

TEST(MarkChosenFonts, HasNoCurrentFontWhenItIsNotTickedExactly) {
    EXPECT_FALSE(MarkChosenFonts(kInstalled, {"Arial"}, "").current);
    EXPECT_FALSE(MarkChosenFonts(kInstalled, {"arial"}, "arial").current);
    EXPECT_FALSE(MarkChosenFonts(kInstalled, {"Arial"}, "Gone").current);
}

TEST(MarkChosenFonts, EachChosenNameTicksOneInstalledFont) {
    const FontMarks marks = MarkChosenFonts({"Arial", "Arial", "Tahoma"}, {"Arial"}, "");
    EXPECT_EQ(marks.checked, (Checks{true, false, false}));
}

TEST(CollectChosenFonts, KeepsTheTickedFontsInTheInstalledOrder) {
    const ChosenFonts chosen =
        CollectChosenFonts(kInstalled, {true, false, true, true}, std::nullopt, "Tahoma");
    EXPECT_EQ(chosen.names, (Names{"Arial", "Tahoma", "Verdana"}));
    EXPECT_EQ(chosen.current, 1);
}

TEST(CollectChosenFonts, TheHighlightedTickedFontBecomesCurrent) {
    EXPECT_EQ(CollectChosenFonts(kInstalled, {true, false, true, true}, 3, "Tahoma").current, 2);
}

TEST(CollectChosenFonts, AnUntickedHighlightKeepsThePreviousFontOrTakesTheFirst) {
    const Checks checks = {false, true, true, false};
    EXPECT_EQ(CollectChosenFonts(kInstalled, checks, 0, "TAHOMA").current, 1);
    EXPECT_EQ(CollectChosenFonts(kInstalled, checks, 0, "Verdana").current, 0);
    EXPECT_EQ(CollectChosenFonts(kInstalled, checks, 0, "").current, 0);
}

TEST(CollectChosenFonts, NothingTickedLeavesNoCurrentFont) {
    const ChosenFonts chosen = CollectChosenFonts(kInstalled, Checks(4, false), 1, "Arial");
    EXPECT_TRUE(chosen.names.empty());
    EXPECT_EQ(chosen.current, -1);
}

}  // namespace
}  // namespace tagforge
