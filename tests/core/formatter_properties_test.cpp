// Properties that must hold for any message, checked on many generated ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "core/format/color_effects.h"
#include "core/format/letter_transforms.h"
#include "core/format/markers.h"
#include "message_pieces.h"
#include "test_text.h"

namespace tagforge {
namespace {

const std::vector<std::string>& Pieces() {
    static const std::vector<std::string> pieces(test::kMessagePieces.begin(),
                                                 test::kMessagePieces.end());
    return pieces;
}

std::string RandomMessage(std::mt19937& random, std::size_t count,
                          const std::vector<std::string>& pieces = Pieces()) {
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += pieces[pick(random)];
    }
    return text;
}

std::string WithoutColourTags(const std::string& text) {
    static const std::regex kTags("<font color=[0-9A-F]{6}>|</font>");
    return std::regex_replace(text, kTags, "");
}

// The groups the effect made: the text inside each colour tag.
std::vector<std::string> TaggedGroups(const std::string& text) {
    static const std::regex kGroup("<font color=[0-9A-F]{6}>((?:(?!</font>)[\\s\\S])*)</font>");
    std::vector<std::string> groups;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kGroup);
         it != std::sregex_iterator(); ++it) {
        groups.push_back((*it)[1]);
    }
    return groups;
}

class FormatterProperties : public ::testing::TestWithParam<EffectMode> {};

TEST_P(FormatterProperties, TagsOnlyWrapTheTextAndNeverSplitAnything) {
    std::mt19937 generator(20261208);
    DefaultRandomSource colours;
    for (int round = 0; round < 400; ++round) {
        const std::string text = RandomMessage(generator, 1 + round % 40);
        // No piece contains "<", so tags in the output are the effect's own.
        const int groupSize = 1 + round % 3;
        const std::string result = ApplyColorEffect(text, ParseMarkers(text), groupSize, GetParam(),
                                                    0x0000FF, 0xFF0000, colours);
        ASSERT_EQ(WithoutColourTags(result), text) << text;

        const std::size_t letters = VisibleLength(text);
        const std::vector<std::string> groups = TaggedGroups(result);
        if (letters / static_cast<std::size_t>(groupSize) < 2) {
            EXPECT_TRUE(groups.empty()) << text;
            continue;
        }
        const std::size_t size = static_cast<std::size_t>(groupSize);
        EXPECT_EQ(groups.size(), (letters + size - 1) / size) << text;
        std::size_t counted = 0;
        for (const std::string& group : groups) {
            const std::size_t inGroup = VisibleLength(group);
            // Each group is whole: its markers are complete and it holds its share of letters.
            EXPECT_EQ(CountMarkers(group), ParseMarkers(group).size());
            EXPECT_GE(inGroup, 1u) << text;
            EXPECT_LE(inGroup, size) << text;
            counted += inGroup;
        }
        EXPECT_EQ(counted, letters) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(AllEffects, FormatterProperties,
                         ::testing::Values(EffectMode::Spectrum, EffectMode::Gradient,
                                           EffectMode::RandomPerLetter, EffectMode::Alternation,
                                           EffectMode::GradientStops));

TEST(LetterTransformProperties, ReversingTwiceGivesTheTextBack) {
    // Line feeds are dropped by the reversal. A joiner that joins nothing clings to whatever
    // stands before it, a stray marker delimiter pairs with whatever follows it, and a stray
    // "&" and ";" may enclose a reference once reversed: leave those out here.
    std::vector<std::string> pieces;
    std::copy_if(
        Pieces().begin(), Pieces().end(), std::back_inserter(pieces), [](const std::string& piece) {
            return piece.find_first_of("\r\n") == std::string::npos && piece != "&#8205;" &&
                   piece != "[::" && piece != "::]" && piece != "&" && piece != ";";
        });
    std::mt19937 generator(7);
    for (int round = 0; round < 400; ++round) {
        const std::string text = RandomMessage(generator, 1 + round % 30, pieces);
        const std::string once = ReverseText(text, ParseMarkers(text));
        EXPECT_EQ(once.size(), text.size()) << text;
        EXPECT_EQ(ReverseText(once, ParseMarkers(once)), text) << text;
    }
}

TEST(LetterTransformProperties, DanceCaseKeepsLengthAndReferences) {
    std::mt19937 generator(11);
    static const std::regex kReference("&#?[A-Za-z0-9]+;");
    for (int round = 0; round < 200; ++round) {
        const std::string text = RandomMessage(generator, 1 + round % 30);
        const float ratio = static_cast<float>(round % 101) / 100.0F;
        const std::string danced = DanceCase(text, ratio);
        ASSERT_EQ(danced.size(), text.size());
        std::vector<std::string> before;
        std::vector<std::string> after;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), kReference);
             it != std::sregex_iterator(); ++it) {
            before.push_back(it->str());
        }
        for (auto it = std::sregex_iterator(danced.begin(), danced.end(), kReference);
             it != std::sregex_iterator(); ++it) {
            after.push_back(it->str());
        }
        EXPECT_EQ(before, after) << text;
    }
}

}  // namespace
}  // namespace tagforge
