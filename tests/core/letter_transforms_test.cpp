#include "core/format/letter_transforms.h"

#include <gtest/gtest.h>

#include "test_text.h"

namespace tagforge {
namespace {

using test::U;
using test::W;

std::vector<std::size_t> CapitalPositions(const std::string& text) {
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= 'A' && text[i] <= 'Z') {
            positions.push_back(i + 1);
        }
    }
    return positions;
}

TEST(DanceCase, HalfRatioCapitalisesEverySecondByte) {
    EXPECT_EQ(U(DanceCase(W("пляшущий шрифт"), 0.5F)), "пЛяШуЩиЙ ШрИфТ");
    EXPECT_EQ(U(DanceCase(W("ПЛЯШУЩИЙ ШРИФТ"), 0.5F)), "пЛяШуЩиЙ ШрИфТ");
}

TEST(DanceCase, ThirtyPercentFollowsTheSinglePrecisionRatio) {
    const float ratio = static_cast<float>(30.0 / 100.0);
    const std::vector<std::size_t> expected = {3, 6, 9, 13, 16, 19, 23, 26, 29};
    EXPECT_EQ(CapitalPositions(DanceCase(std::string(30, 'a'), ratio)), expected);
}

TEST(DanceCase, ExtremeRatiosAndEmptyText) {
    EXPECT_EQ(U(DanceCase(W("Ёлка Ok"), 0.0F)), "ёлка ok");
    EXPECT_EQ(U(DanceCase(W("ёлка ok"), 1.0F)), "ЁЛКА OK");
    EXPECT_EQ(DanceCase("", 0.5F), "");
}

TEST(DanceCase, ChangesMarkerLettersButNotCharacterReferences) {
    EXPECT_EQ(DanceCase("[::ab::]", 1.0F), "[::AB::]");
    EXPECT_EQ(DanceCase("&Auml;&#X1F600;x", 1.0F), "&Auml;&#X1F600;X");
    EXPECT_EQ(DanceCase("&Auml;&#X1F600;X", 0.0F), "&Auml;&#X1F600;x");
}

TEST(ReverseText, ReversesAndRestoresACaption) {
    const std::string caption = W("Текст наоборот");
    const std::string reversed = ReverseText(caption, {});
    EXPECT_EQ(U(reversed), "торобоан тскеТ");
    EXPECT_EQ(ReverseText(reversed, {}), caption);
}

TEST(ReverseText, MarkersKeepTheirReadingDirection) {
    const std::string text = "a[::smile::]b";
    EXPECT_EQ(ReverseText(text, ParseMarkers(text)), "b[::smile::]a");
    const std::string two = "[::x::][::yz::]";
    EXPECT_EQ(ReverseText(two, ParseMarkers(two)), "[::yz::][::x::]");
}

TEST(ReverseText, LineBreaksComeOutAsLoneCr) {
    EXPECT_EQ(ReverseText("ab\r\ncd", {}), "dc\rba");
}

TEST(ReverseText, CharacterReferencesStayWhole) {
    EXPECT_EQ(ReverseText("a&#128512;b", {}), "b&#128512;a");
    EXPECT_EQ(ReverseText("&#128077;&#127997;!", {}), "!&#128077;&#127997;");
    EXPECT_EQ(ReverseText("x&amp;", {}), "&amp;x");
}

TEST(ReverseText, ShortOverlappingMarkerIsCopiedAsItStands) {
    const std::string text = "a[::]b";
    EXPECT_EQ(ReverseText(text, ParseMarkers(text)), "b[::]a");
}

}  // namespace
}  // namespace tagforge
