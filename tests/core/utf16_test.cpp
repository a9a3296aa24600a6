#include "core/platform/utf16.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "test_text.h"

namespace tagforge {
namespace {

using test::W;

TEST(Utf16, ValidTextRoundTrips) {
    struct Case {
        std::string utf8;
        std::u16string utf16;
    };
    const std::vector<Case> cases = {
        {"", u""},
        {"plain", u"plain"},
        {"Привет, Ёж", u"Привет, Ёж"},
        {"\xF0\x9F\x8C\xB9 rose", u"\U0001F339 rose"},
        {std::string("nul\0inside", 10), std::u16string(u"nul\0inside", 10)},
        {"\xEF\xBF\xBF\xF4\x8F\xBF\xBF", u"\uFFFF\U0010FFFF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
    }
}

TEST(Utf16, MalformedInputIsRefusedWhole) {
    const std::vector<std::string> badUtf8 = {
        "\x80",              // a continuation byte first
        "\xC3",              // cut short
        "\xC0\xAF",          // overlong "/"
        "\xE0\x80\xAF",      // overlong, three bytes
        "\xED\xA0\x80",      // a surrogate
        "\xF4\x90\x80\x80",  // past U+10FFFF
        "\xFF",
        "ok\xC3(",
    };
    for (const std::string& text : badUtf8) {
        EXPECT_EQ(Utf8ToUtf16(text), std::nullopt) << text;
    }
    const std::vector<std::u16string> badUtf16 = {
        std::u16string(1, char16_t{0xD800}),
        std::u16string(1, char16_t{0xDC00}),
        u"a" + std::u16string(1, char16_t{0xDBFF}) + u"b",
    };
    for (const std::u16string& text : badUtf16) {
        EXPECT_EQ(Utf16ToUtf8(text), std::nullopt);
    }
}

TEST(Utf16, CodePageBytesRoundTripThroughUtf16) {
    std::string every;
    for (int c = 1; c <= 0xFF; ++c) {
        every += static_cast<char>(c);
    }
    EXPECT_EQ(Utf16ToCp1251(Cp1251ToUtf16(every)), every);
    EXPECT_EQ(Cp1251ToUtf16(W("Вечер")), u"Вечер");
    // What the code page lacks comes in as a character reference, as typed text does.
    EXPECT_EQ(Utf16ToCp1251(u"Роза \U0001F339"), W("Роза &#127801;"));
}

}  // namespace
}  // namespace tagforge
