#include "core/preview/about_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/format/cp1251.h"
#include "test_text.h"

namespace tagforge {
namespace {

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

TEST(AboutText, OpeningLines) {
    const auto& lines = AboutLines();
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], test::W("Всем привет !"));
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], test::W("Перед вами совершенно нелепейшая и никому не нужная прога. "
                                "Кроме, конечно же, вас :)"));
    EXPECT_EQ(lines[3], "");
}

TEST(AboutText, ParagraphsSeparatedByEmptyLines) {
    const auto& lines = AboutLines();
    ASSERT_EQ(lines.size(), 16u);
    for (const std::size_t empty : {1u, 3u, 5u, 7u, 9u, 11u}) {
        EXPECT_EQ(lines[empty], "") << "line " << empty + 1;
    }
    for (const std::size_t filled : {0u, 2u, 4u, 6u, 8u, 10u, 12u, 13u, 14u, 15u}) {
        EXPECT_FALSE(lines[filled].empty()) << "line " << filled + 1;
        // One paragraph a line: no line breaks inside.
        EXPECT_EQ(lines[filled].find_first_of("\r\n"), std::string::npos) << "line " << filled + 1;
    }
}

TEST(AboutText, ParagraphsAreRussianInWindows1251) {
    const auto& lines = AboutLines();
    ASSERT_EQ(lines.size(), 16u);
    for (const std::size_t index : {0u, 2u, 4u, 6u, 8u, 10u, 12u}) {
        const std::string& line = lines[index];
        // Cyrillic letters sit at 0xC0..0xFF in the code page; the same text in UTF-8 would
        // itself be valid UTF-8, which Windows-1251 Russian never is.
        EXPECT_TRUE(std::any_of(line.begin(), line.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0xC0; }))
            << "line " << index + 1;
        EXPECT_FALSE(Utf8ToCp1251(line).has_value()) << "line " << index + 1;
    }
}

TEST(AboutContacts, Addresses) {
    EXPECT_EQ(MailToAddress(), "mailto:" + std::string(kMakerEmail) + "?subject=Orbel%20TagForge");
    EXPECT_TRUE(EndsWith(kMakerEmail, "@example.org"));
    EXPECT_EQ(kMakerHomePage.substr(0, 7), "http://");
    const std::string host = std::string(kMakerHomePage.substr(7, kMakerHomePage.find('/', 7) - 7));
    EXPECT_TRUE(host == "example.org" || EndsWith(host, ".example.org")) << host;
    EXPECT_FALSE(kMakerIcq.empty());
    EXPECT_EQ(kMakerIcq.find_first_not_of("0123456789"), std::string::npos);
}

}  // namespace
}  // namespace tagforge
