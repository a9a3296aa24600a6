#include "core/format/markers.h"

#include <gtest/gtest.h>

namespace tagforge {
namespace {

TEST(Markers, FindsMarkersWithNamesAndOffsets) {
    const std::string text = "a[::smile::]b[::]c[::x::]";
    const auto markers = ParseMarkers(text);
    ASSERT_EQ(markers.size(), 3u);
    EXPECT_EQ(CountMarkers(text), 3u);
    EXPECT_EQ(markers[0], (MarkerRecord{"smile", 1, 11}));
    // Overlapping delimiters: an empty name and only the bytes really there.
    EXPECT_EQ(markers[1], (MarkerRecord{"", 13, 4}));
    EXPECT_EQ(markers[2], (MarkerRecord{"x", 18, 7}));
}

TEST(Markers, ACloseBeforeTheFirstOpenHidesEveryMarkerAfterIt) {
    EXPECT_EQ(CountMarkers("::] [::a::]"), 0u);
    EXPECT_EQ(CountMarkers("[::a::] ::] [::b::]"), 1u);
    EXPECT_EQ(CountMarkers("[::a"), 0u);
    EXPECT_EQ(CountMarkers("no markers"), 0u);
}

TEST(Markers, EmptyNameAndNestedOpen) {
    auto markers = ParseMarkers("[::::]");
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0], (MarkerRecord{"", 0, 6}));
    markers = ParseMarkers("[::a[::b::]");
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0], (MarkerRecord{"a[::b", 0, 11}));
}

TEST(WrapInTag, EnclosesText) {
    EXPECT_EQ(WrapInTag("x", "b"), "<b>x</b>");
    EXPECT_EQ(WrapInTag("", "u"), "<u></u>");
}

TEST(LineBreaksToBr, ReplacesCrAndDropsTheByteAfterIt) {
    EXPECT_EQ(LineBreaksToBr("a\r\nb", "<br>"), "a<br>b");
    EXPECT_EQ(LineBreaksToBr("a\rxb", "<br>"), "a<br>b");  // a lone CR swallows the next byte
    EXPECT_EQ(LineBreaksToBr("a\r", "<br>"), "a<br>");
    EXPECT_EQ(LineBreaksToBr("a\nb", "<br>"), "a\nb");
}

TEST(NormalizeLineBreaks, EveryKindOfBreakBecomesCrLf) {
    EXPECT_EQ(NormalizeLineBreaks("a\rb"), "a\r\nb");
    EXPECT_EQ(NormalizeLineBreaks("a\nb"), "a\r\nb");
    EXPECT_EQ(NormalizeLineBreaks("a\n\rb"), "a\r\nb");
    EXPECT_EQ(NormalizeLineBreaks("a\r\nb"), "a\r\nb");
    EXPECT_EQ(NormalizeLineBreaks("\r\r"), "\r\n\r\n");
}

}  // namespace
}  // namespace tagforge
