#include "core/format/cp1251.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

namespace tagforge {
namespace {

std::string FromU8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

std::string ByteRange(unsigned first, unsigned last) {
    std::string out;
    for (unsigned b = first; b <= last; ++b) {
        out.push_back(static_cast<char>(b));
    }
    return out;
}

std::string Byte(unsigned b) {
    return std::string(1, static_cast<char>(b));
}

constexpr std::u8string_view kUpperRussian = u8"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
constexpr std::u8string_view kLowerRussian = u8"абвгдежзийклмнопрстуфхцчшщъыьэюя";

// Every byte 0x80..0xBF with the character it stands for; 0x98 is unassigned in the code page.
constexpr std::u8string_view kUpperHalf =
    u8"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏ"
    u8"ђ‘’“”•–—\u0098™љ›њќћџ"
    u8"\u00A0ЎўЈ¤Ґ¦§Ё©Є«¬\u00AD®Ї"
    u8"°±Ііґµ¶·ё№є»јЅѕї";

TEST(Cp1251Encode, RussianAlphabetMapsToItsContiguousBlock) {
    EXPECT_EQ(Utf8ToCp1251(FromU8(kUpperRussian)), ByteRange(0xC0, 0xDF));
    EXPECT_EQ(Utf8ToCp1251(FromU8(kLowerRussian)), ByteRange(0xE0, 0xFF));
}

TEST(Cp1251Encode, YoHasItsOwnBytes) {
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"Ё")), Byte(0xA8));
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"ё")), Byte(0xB8));
}

TEST(Cp1251Encode, UpperHalfOfTheCodePage) {
    EXPECT_EQ(Utf8ToCp1251(FromU8(kUpperHalf)), ByteRange(0x80, 0xBF));
}

TEST(Cp1251Encode, EuroAndNumeroSign) {
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"€")), Byte(0x88));
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"№")), Byte(0xB9));
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"Ђ")), Byte(0x80));
}

TEST(Cp1251Encode, AsciiPassesThrough) {
    const std::string ascii = ByteRange(0x00, 0x7F);
    EXPECT_EQ(Utf8ToCp1251(ascii), ascii);
    EXPECT_EQ(Utf8ToCp1251(""), "");
}

TEST(Cp1251Encode, MixedText) {
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"Hi, Мир! 42")), "Hi, \xCC\xE8\xF0! 42");
}

TEST(Cp1251Encode, EmojiBecomesDecimalReference) {
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"😀")), "&#128512;");
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"a👍🏽b")), "a&#128077;&#127997;b");
}

TEST(Cp1251Encode, CjkBecomesDecimalReference) {
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"中文")), "&#20013;&#25991;");
}

TEST(Cp1251Encode, CharactersOutsideTheCodePageBecomeReferences) {
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"\u0080")), "&#128;");
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"é")), "&#233;");
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"\u20AB")), "&#8363;");
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"\uFFFF")), "&#65535;");
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"\U0010FFFF")), "&#1114111;");
}

TEST(Cp1251Encode, UnassignedControlKeepsItsByte) {
    EXPECT_EQ(Utf8ToCp1251(FromU8(u8"\u0098")), Byte(0x98));
}

TEST(Cp1251Encode, EmbeddedNulIsKept) {
    const std::string text("a\0b", 3);
    EXPECT_EQ(Utf8ToCp1251(text), text);
}

TEST(Cp1251Encode, RejectsInvalidUtf8) {
    const std::array<std::pair<const char*, std::string_view>, 16> cases = {{
        {"stray continuation", "\x80"},
        {"continuation after ascii", "a\xBF"},
        {"overlong two-byte lead C0", "\xC0\x80"},
        {"overlong two-byte lead C1", "\xC1\xBF"},
        {"overlong three-byte", "\xE0\x80\x80"},
        {"overlong three-byte slash", "\xE0\x80\xAF"},
        {"overlong four-byte", "\xF0\x8F\xBF\xBF"},
        {"high surrogate", "\xED\xA0\x80"},
        {"low surrogate", "\xED\xBF\xBF"},
        {"above U+10FFFF", "\xF4\x90\x80\x80"},
        {"lead F5", "\xF5\x80\x80\x80"},
        {"byte FF", "\xFF"},
        {"truncated two-byte", "\xD0"},
        {"truncated three-byte", "ok\xE2\x82"},
        {"truncated four-byte", "\xF0\x9F\x98"},
        {"lead followed by ascii", "\xD0\x41"},
    }};
    for (const auto& [name, input] : cases) {
        EXPECT_EQ(Utf8ToCp1251(input), std::nullopt) << name;
    }
}

TEST(Cp1251Encode, AcceptsBoundaryCodePoints) {
    EXPECT_EQ(Utf8ToCp1251("\xED\x9F\xBF"), "&#55295;");      // U+D7FF
    EXPECT_EQ(Utf8ToCp1251("\xEE\x80\x80"), "&#57344;");      // U+E000
    EXPECT_EQ(Utf8ToCp1251("\xF0\x90\x80\x80"), "&#65536;");  // U+10000
    EXPECT_EQ(Utf8ToCp1251("\xC2\x80"), "&#128;");
}

TEST(Cp1251Decode, RussianAlphabet) {
    EXPECT_EQ(Cp1251ToUtf8(ByteRange(0xC0, 0xDF)), FromU8(kUpperRussian));
    EXPECT_EQ(Cp1251ToUtf8(ByteRange(0xE0, 0xFF)), FromU8(kLowerRussian));
    EXPECT_EQ(Cp1251ToUtf8(Byte(0xA8) + Byte(0xB8)), FromU8(u8"Ёё"));
}

TEST(Cp1251Decode, UpperHalfOfTheCodePage) {
    EXPECT_EQ(Cp1251ToUtf8(ByteRange(0x80, 0xBF)), FromU8(kUpperHalf));
}

TEST(Cp1251Decode, UnassignedByteBecomesC1Control) {
    EXPECT_EQ(Cp1251ToUtf8(Byte(0x98)), "\xC2\x98");
}

TEST(Cp1251Decode, AsciiAndEmpty) {
    EXPECT_EQ(Cp1251ToUtf8(""), "");
    const std::string ascii = ByteRange(0x00, 0x7F);
    EXPECT_EQ(Cp1251ToUtf8(ascii), ascii);
}

TEST(Cp1251Decode, ReferencesStayAsText) {
    EXPECT_EQ(Cp1251ToUtf8("&#128512;"), "&#128512;");
}

TEST(Cp1251RoundTrip, EveryByteSurvives) {
    const std::string all = ByteRange(0x00, 0xFF);
    const std::string utf8 = Cp1251ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1251(utf8), all);
}

TEST(Cp1251RoundTrip, EachByteAlone) {
    for (unsigned b = 0; b <= 0xFF; ++b) {
        const std::string byte = Byte(b);
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(byte)), byte) << "byte " << b;
    }
}

TEST(Cp1251RoundTrip, LargeText) {
    std::string text;
    const std::string all = ByteRange(0x00, 0xFF);
    for (int i = 0; i < 4096; ++i) {
        text += all;
    }
    const std::string utf8 = Cp1251ToUtf8(text);
    EXPECT_GT(utf8.size(), text.size());
    EXPECT_EQ(Utf8ToCp1251(utf8), text);
}

// Stored text shown again: which references come back as the characters they stand for.
TEST(Cp1251Restore, ReferencesOfCharactersTheCodePageLacks) {
    struct Row {
        const char* why;
        std::string stored;
        std::string shown;
    };
    const std::array<Row, 24> rows = {{
        {"emoji", "&#127801;", FromU8(u8"🌹")},
        {"emoji between words", "a &#127801; b", FromU8(u8"a 🌹 b")},
        {"emoji sequence with joiner and selector", "&#127987;&#65039;&#8205;&#127752;",
         FromU8(u8"🏳️‍🌈")},
        {"skin tone", "&#128077;&#127997;", FromU8(u8"👍🏽")},
        {"accented Latin", "&#233;", FromU8(u8"é")},
        {"Chinese", "&#20013;&#25991;", FromU8(u8"中文")},
        {"last character", "&#1114109;", FromU8(u8"\U0010FFFD")},
        {"Russian letters stay bytes", "\xCF\xF0\xE8\xE2\xE5\xF2", FromU8(u8"Привет")},
        {"reference to a letter of the code page", "&#1055;", "&#1055;"},
        {"reference to ASCII", "&#65;", "&#65;"},
        {"reference to the euro sign", "&#8364;", "&#8364;"},
        {"hexadecimal spelling", "&#x1F339;", "&#x1F339;"},
        {"leading zero", "&#0127801;", "&#0127801;"},
        {"no semicolon", "&#127801", "&#127801"},
        {"no digits", "&#;", "&#;"},
        {"named reference", "&amp;", "&amp;"},
        {"beyond the last code point", "&#1114112;", "&#1114112;"},
        {"very long number", "&#99999999999999999999;", "&#99999999999999999999;"},
        {"surrogate", "&#55357;&#57145;", "&#55357;&#57145;"},
        {"C1 control", "&#128;", "&#128;"},
        {"line separator", "&#8232;", "&#8232;"},
        {"paragraph separator", "&#8233;", "&#8233;"},
        {"noncharacters", "&#65535;&#64976;&#131070;&#1114111;",
         "&#65535;&#64976;&#131070;&#1114111;"},
        {"ampersands before a reference", "&&#&#127801;", FromU8(u8"&&#🌹")},
    }};
    for (const Row& row : rows) {
        EXPECT_EQ(Cp1251ToUtf8RestoringReferences(row.stored), row.shown) << row.why;
        EXPECT_EQ(Utf8ToCp1251(row.shown), row.stored) << row.why;
    }
}

TEST(Cp1251Restore, EveryReferenceAndEveryByteRoundTrips) {
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        const std::string stored = "&#" + std::to_string(static_cast<std::uint32_t>(cp)) + ";";
        ASSERT_EQ(Utf8ToCp1251(Cp1251ToUtf8RestoringReferences(stored)), stored);
    }
    const std::string all = ByteRange(0x00, 0xFF);
    EXPECT_EQ(Cp1251ToUtf8RestoringReferences(all), Cp1251ToUtf8(all));
}

TEST(Cp1251Case, RussianAlphabetBothWays) {
    const std::string upper = ByteRange(0xC0, 0xDF);
    const std::string lower = ByteRange(0xE0, 0xFF);
    for (std::size_t i = 0; i < upper.size(); ++i) {
        EXPECT_EQ(ToLowerCp1251(upper[i]), lower[i]) << i;
        EXPECT_EQ(ToUpperCp1251(lower[i]), upper[i]) << i;
        EXPECT_EQ(ToLowerCp1251(lower[i]), lower[i]) << i;
        EXPECT_EQ(ToUpperCp1251(upper[i]), upper[i]) << i;
    }
}

TEST(Cp1251Case, Yo) {
    EXPECT_EQ(ToLowerCp1251('\xA8'), '\xB8');
    EXPECT_EQ(ToUpperCp1251('\xB8'), '\xA8');
}

TEST(Cp1251Case, OtherCyrillicPairs) {
    const std::array<std::pair<unsigned, unsigned>, 14> pairs = {{
        {0x80, 0x90},
        {0x81, 0x83},
        {0x8A, 0x9A},
        {0x8C, 0x9C},
        {0x8D, 0x9D},
        {0x8E, 0x9E},
        {0x8F, 0x9F},
        {0xA1, 0xA2},
        {0xA3, 0xBC},
        {0xA5, 0xB4},
        {0xAA, 0xBA},
        {0xAF, 0xBF},
        {0xB2, 0xB3},
        {0xBD, 0xBE},
    }};
    for (const auto& [upper, lower] : pairs) {
        EXPECT_EQ(ToLowerCp1251(static_cast<char>(upper)), static_cast<char>(lower)) << upper;
        EXPECT_EQ(ToUpperCp1251(static_cast<char>(lower)), static_cast<char>(upper)) << lower;
    }
}

TEST(Cp1251Case, Latin) {
    for (char c = 'A'; c <= 'Z'; ++c) {
        const char lower = static_cast<char>(c - 'A' + 'a');
        EXPECT_EQ(ToLowerCp1251(c), lower);
        EXPECT_EQ(ToUpperCp1251(lower), c);
    }
}

TEST(Cp1251Case, NonLettersUnchanged) {
    const std::string others = "0123456789 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~\t\r\n" + Byte(0x00) +
                               Byte(0x82) + Byte(0x88) + Byte(0x98) + Byte(0x99) + Byte(0xA0) +
                               Byte(0xAB) + Byte(0xB9) + Byte(0xBB);
    for (const char c : others) {
        EXPECT_EQ(ToLowerCp1251(c), c) << static_cast<int>(static_cast<unsigned char>(c));
        EXPECT_EQ(ToUpperCp1251(c), c) << static_cast<int>(static_cast<unsigned char>(c));
    }
}

TEST(Cp1251Case, MappingsAreInverseAndCoverAllLetters) {
    int lowered = 0;
    int raised = 0;
    for (unsigned b = 0; b <= 0xFF; ++b) {
        const char c = static_cast<char>(b);
        if (ToLowerCp1251(c) != c) {
            ++lowered;
            EXPECT_EQ(ToUpperCp1251(ToLowerCp1251(c)), c) << b;
        }
        if (ToUpperCp1251(c) != c) {
            ++raised;
            EXPECT_EQ(ToLowerCp1251(ToUpperCp1251(c)), c) << b;
        }
    }
    EXPECT_EQ(lowered, 26 + 32 + 15);
    EXPECT_EQ(raised, 26 + 32 + 15);
}

TEST(Cp1251Case, WholeText) {
    EXPECT_EQ(ToLowerCp1251(*Utf8ToCp1251(FromU8(u8"ПРИВЕТ, World! Ёлка №5"))),
              *Utf8ToCp1251(FromU8(u8"привет, world! ёлка №5")));
    EXPECT_EQ(ToLowerCp1251(std::string_view()), "");
}

TEST(Cp1251Compare, CyrillicIgnoresCase) {
    const std::string upper = *Utf8ToCp1251(FromU8(u8"ПРИВЕТ ЁЖ"));
    const std::string mixed = *Utf8ToCp1251(FromU8(u8"пРиВеТ ёж"));
    EXPECT_EQ(CompareNoCaseCp1251(upper, mixed), 0);
    EXPECT_TRUE(EqualsNoCaseCp1251(upper, mixed));
    EXPECT_TRUE(EqualsNoCaseCp1251("Hello", "hELLO"));
}

TEST(Cp1251Compare, OrdersByLowerCasedBytes) {
    const std::string a = *Utf8ToCp1251(FromU8(u8"Арбуз"));
    const std::string b = *Utf8ToCp1251(FromU8(u8"банан"));
    EXPECT_LT(CompareNoCaseCp1251(a, b), 0);
    EXPECT_GT(CompareNoCaseCp1251(b, a), 0);
    EXPECT_LT(CompareNoCaseCp1251("apple", "BANANA"), 0);
    EXPECT_FALSE(EqualsNoCaseCp1251(a, b));
}

TEST(Cp1251Compare, BytesAreUnsigned) {
    const std::string ya = *Utf8ToCp1251(FromU8(u8"Я"));
    EXPECT_GT(CompareNoCaseCp1251(ya, "z"), 0);
    EXPECT_LT(CompareNoCaseCp1251("Z", ya), 0);
}

TEST(Cp1251Compare, PrefixSortsFirst) {
    EXPECT_LT(CompareNoCaseCp1251("abc", "ABCD"), 0);
    EXPECT_GT(CompareNoCaseCp1251("abcd", "ABC"), 0);
    EXPECT_EQ(CompareNoCaseCp1251("", ""), 0);
    EXPECT_FALSE(EqualsNoCaseCp1251("abc", "abcd"));
    EXPECT_TRUE(EqualsNoCaseCp1251("", ""));
}

}  // namespace
}  // namespace tagforge
