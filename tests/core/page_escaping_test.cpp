#include "core/preview/page_escaping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/format/cp1251.h"
#include "core/preview/preview_page.h"
#include "core/smileys/smile_page.h"
#include "test_text.h"

namespace tagforge {
namespace {

// The attribute value after `attribute="` in a page line.
std::string Attribute(const std::string& line, const std::string& attribute) {
    const std::size_t begin = line.find(attribute + "=\"") + attribute.size() + 2;
    return line.substr(begin, line.find('"', begin) - begin);
}

// What the browser makes of a link of the Windows-1251 page: the letters beyond ASCII become
// UTF-8 escapes, the rest stays as written.
std::string BrowserAddress(const std::string& href) {
    std::string address = "file:///opt/tagforge/SmileGroups/";
    for (const char c : Cp1251ToUtf8(href)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            address += c;
        } else {
            constexpr std::string_view kHex = "0123456789ABCDEF";
            address += {'%', kHex[byte >> 4U], kHex[byte & 0x0FU]};
        }
    }
    return address;
}

// Hostile and awkward names keep to their attributes, and a click on the link gives back the
// very name, as the pane's navigation handler decodes it (percent escapes, then UTF-8).
TEST(PageEscaping, NamesStayInsideTheirAttributesAndComeBackFromAClick) {
    const std::vector<std::string> names = {
        "\"><script>document.body.innerHTML=\"<h1>PWNED</h1>\"</script>",
        "a b",
        "50%",
        "hash#1",
        "q?x=1&y='2'",
        "back\\slash/and:colon",
        test::W("Улыбка ёж"),
        "\x98\xA0\xFF",
        "%41",
    };
    for (const std::string& base : names) {
        SCOPED_TRACE(base);
        const std::string line = SmilePageLines({base + ".gif"}, {})[3];
        EXPECT_EQ(line.find("<script"), std::string::npos);
        EXPECT_EQ(std::count(line.begin(), line.end(), '"'), 6);
        const std::string href = Attribute(line, "HREF");
        EXPECT_EQ(href.find_first_of(" \"#&'<>?\\/:"), std::string::npos);
        EXPECT_EQ(Attribute(line, "ALT").find_first_of("<>'"), std::string::npos);
        const std::string clicked = SmileLinkName(BrowserAddress(href));
        EXPECT_EQ(Utf8ToCp1251(clicked), base);
        EXPECT_EQ(Attribute(line, "SRC"), "..\\Smiles\\" + PercentEncodeName(base + ".gif"));

        const std::string image = SmileyMarkersToImages(SmileMarker(base));
        EXPECT_EQ(std::count(image.begin(), image.end(), '"'), 2);
        EXPECT_EQ(image.find('<', 1), std::string::npos);
        EXPECT_EQ(Attribute(image, "SRC"), "Smiles\\" + Attribute(line, "HREF") + ".GIF");
    }
}

TEST(PageEscaping, EscapesEveryMarkupCharacter) {
    EXPECT_EQ(EscapeHtml("<a href=\"x\">'&'</a>"),
              "&lt;a href=&quot;x&quot;&gt;&#39;&amp;&#39;&lt;/a&gt;");
    EXPECT_EQ(PercentEncodeName("a b%#\"<>&'?/\\:~-._"),
              "a%20b%25%23%22%3C%3E%26%27%3F%2F%5C%3A~-._");
    EXPECT_EQ(PercentEncodeName(test::W("ёж")), test::W("ёж"));
}

}  // namespace
}  // namespace tagforge
