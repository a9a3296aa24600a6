#include "core/format/gradient_stops.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/options/option_table.h"

namespace tagforge {
namespace {

std::string Codes(const std::vector<ColorValue>& stops) {
    return GradientStopsText(stops);
}

TEST(GradientStops, ReadOnlyTwoToEightCodesSeparatedBySingleSpaces) {
    struct Case {
        const char* text;
        const char* read;  // nullptr: no list
    };
    const Case cases[] = {
        {"FF0000 0000FF", "FF0000 0000FF"},
        {"ff00aa 0000fF", "FF00AA 0000FF"},
        {"000001 000002 000003 000004 000005 000006 000007 000008",
         "000001 000002 000003 000004 000005 000006 000007 000008"},
        {"000001 000002 000003 000004 000005 000006 000007 000008 000009", nullptr},
        {"FF0000", nullptr},
        {"", nullptr},
        {" ", nullptr},
        {"FF0000  0000FF", nullptr},
        {" FF0000 0000FF", nullptr},
        {"FF0000 0000FF ", nullptr},
        {"FF0000\t0000FF", nullptr},
        {"FF000 0000FF", nullptr},
        {"FF00000 0000FF", nullptr},
        {"FF0000 GG00FF", nullptr},
        {"#FF0000 0000FF", nullptr},
        {"\"FF0000 0000FF\"", nullptr},
    };
    for (const Case& c : cases) {
        const auto stops = ParseGradientStops(c.text);
        if (c.read == nullptr) {
            EXPECT_FALSE(stops.has_value()) << '"' << c.text << '"';
        } else {
            ASSERT_TRUE(stops.has_value()) << '"' << c.text << '"';
            EXPECT_EQ(Codes(*stops), c.read);
        }
    }
}

TEST(GradientStops, AnInvalidListGivesTheTwoGradientColours) {
    const ColorValue begin = FromColorCode("123456");
    const ColorValue end = FromColorCode("ABCDEF");
    EXPECT_EQ(Codes(EffectiveGradientStops("FF0000 00FF00 0000FF", begin, end)),
              "FF0000 00FF00 0000FF");
    EXPECT_EQ(Codes(EffectiveGradientStops("FF0000", begin, end)), "123456 ABCDEF");

    Profile profile;
    profile.gradientBeginColor = begin;
    profile.gradientEndColor = end;
    profile.gradientStops = "FF0000 00FF00 0000FF x";
    EXPECT_EQ(Codes(GradientStopsOf(profile)), "123456 ABCDEF");
    profile.gradientStops = "ff0000 00ff00";
    EXPECT_EQ(Codes(GradientStopsOf(profile)), "FF0000 00FF00");
}

TEST(GradientStops, StopsFallOnEvenlySpreadGroups) {
    struct Case {
        std::size_t stops;
        std::size_t groups;
        std::vector<std::size_t> fallOn;
    };
    const Case cases[] = {
        {2, 2, {0, 1}},
        {2, 9, {0, 8}},
        {3, 5, {0, 2, 4}},
        {3, 4, {0, 2, 3}},  // 1.5 rounds up
        {4, 9, {0, 3, 5, 8}},
        {8, 3, {0, 0, 1, 1, 1, 1, 2, 2}},
        {4, 2, {0, 0, 1, 1}},
        {8, 1000001, {0, 142857, 285714, 428571, 571429, 714286, 857143, 1000000}},
    };
    for (const Case& c : cases) {
        std::vector<std::size_t> fallOn;
        for (std::size_t j = 0; j < c.stops; ++j) {
            fallOn.push_back(StopGroup(j, c.stops, c.groups));
        }
        EXPECT_EQ(fallOn, c.fallOn) << c.stops << " stops, " << c.groups << " groups";
    }
}

}  // namespace
}  // namespace tagforge
