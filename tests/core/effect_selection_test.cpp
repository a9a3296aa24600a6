#include "core/format/effect_selection.h"

#include <gtest/gtest.h>

#include "core/format/result_assembly.h"
#include "test_text.h"

namespace tagforge {
namespace {

using test::ScriptedRandom;

TEST(SelectEffectPanels, ShowsTheRememberedColoursOfTheEffect) {
    RememberedEffectColors remembered;
    remembered.solid = FromColorCode("111111");
    remembered.gradientBegin = FromColorCode("222222");
    remembered.gradientEnd = FromColorCode("333333");
    remembered.alternationFirst = FromColorCode("444444");
    remembered.alternationSecond = FromColorCode("555555");
    ScriptedRandom random({});

    EffectPanels solid = SelectEffectPanels(kEffectSolid, remembered, {}, random, 0);
    EXPECT_TRUE(solid.firstVisible);
    EXPECT_FALSE(solid.secondVisible);
    EXPECT_EQ(solid.firstWidth, 160);
    EXPECT_EQ(ToColorCode(solid.first), "111111");

    EffectPanels gradient = SelectEffectPanels(kEffectGradient, remembered, solid, random, 0);
    EXPECT_TRUE(gradient.secondVisible);
    EXPECT_EQ(gradient.firstWidth, 80);
    EXPECT_EQ(ToColorCode(gradient.first), "222222");
    EXPECT_EQ(ToColorCode(gradient.second), "333333");

    EffectPanels alternation =
        SelectEffectPanels(kEffectAlternation, remembered, gradient, random, 0);
    EXPECT_EQ(ToColorCode(alternation.first), "444444");
    EXPECT_EQ(ToColorCode(alternation.second), "555555");
    EXPECT_EQ(random.draws(), 0);
}

TEST(SelectEffectPanels, StripsAndNoneHideThePanelsButKeepTheirColours) {
    EffectPanels current;
    current.first = FromColorCode("ABCDEF");
    current.firstVisible = true;
    ScriptedRandom random({});
    const EffectPanels spectrum = SelectEffectPanels(kEffectSpectrum, {}, current, random, 0);
    EXPECT_EQ(spectrum.strip, EffectPanels::Strip::Spectrum);
    EXPECT_FALSE(spectrum.firstVisible);
    EXPECT_EQ(ToColorCode(spectrum.first), "ABCDEF");
    EXPECT_EQ(SelectEffectPanels(kEffectRandomPerLetter, {}, current, random, 0).strip,
              EffectPanels::Strip::Random);
    const EffectPanels none = SelectEffectPanels(kEffectNone, {}, current, random, 0);
    EXPECT_EQ(none.strip, EffectPanels::Strip::None);
    EXPECT_FALSE(none.firstVisible || none.secondVisible);
}

TEST(SelectEffectPanels, OnlyTheGradientThroughStopsShowsTheStopRow) {
    ScriptedRandom random({0});
    for (int effect = kEffectNone; effect <= kEffectGradientStops; ++effect) {
        const EffectPanels panels = SelectEffectPanels(effect, {}, {}, random, 0);
        EXPECT_EQ(panels.stopRowVisible, effect == kEffectGradientStops) << effect;
        if (effect == kEffectGradientStops) {
            EXPECT_FALSE(panels.firstVisible || panels.secondVisible);
            EXPECT_EQ(panels.strip, EffectPanels::Strip::None);
        }
    }
}

TEST(SelectEffectPanels, RandomSolidReseedsAndDrawsAColourValue) {
    ScriptedRandom random({16777216u + 255u});
    const EffectPanels panels = SelectEffectPanels(kEffectRandomSolid, {}, {}, random, 1234);
    EXPECT_EQ(random.seeds(), std::vector<std::uint32_t>{1234});
    EXPECT_TRUE(panels.firstVisible);
    EXPECT_EQ(ToColorCode(panels.first), "FF0000");
}

TEST(SelectEffectPanels, SameSecondGivesTheSameRandomColour) {
    DefaultRandomSource random;
    const ColorValue a = SelectEffectPanels(kEffectRandomSolid, {}, {}, random, 99).first;
    random.Next();
    const ColorValue b = SelectEffectPanels(kEffectRandomSolid, {}, {}, random, 99).first;
    const ColorValue c = SelectEffectPanels(kEffectRandomSolid, {}, {}, random, 100).first;
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

}  // namespace
}  // namespace tagforge
