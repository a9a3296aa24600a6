#include "core/smileys/smile_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_text.h"

namespace tagforge {
namespace {

using test::CrLfLines;
using test::W;
using Lines = std::vector<std::string>;

const Lines kHead = {"<HTML>", "<BODY BGCOLOR=000000>", "<CENTER>"};
const Lines kTail = {"</CENTER>", "</BODY>", "</HTML>"};

std::string Smiley(const std::string& base, const std::string& name) {
    return "<A HREF=\"" + base + "\"><IMAGE BORDER=0 SRC=\"..\\Smiles\\" + name + "\" ALT=\"" +
           base + "\"></A>";
}

std::string Header(int run) {
    return "<HR><FONT COLOR=FF0000 SIZE=1>-= " + std::to_string(run) + " =-</FONT><BR>";
}

Lines Page(const Lines& body) {
    Lines page = kHead;
    page.insert(page.end(), body.begin(), body.end());
    page.insert(page.end(), kTail.begin(), kTail.end());
    return page;
}

const Lines kSeven = {"a.gif", "b.gif", "c.gif", "d.gif", "e.gif", "f.gif", "g.gif"};

TEST(SmilePage, SmileyLineKeepsTheNameAndLinksTheBase) {
    EXPECT_EQ(SmilePageLines({"wink.gif"}, {})[3],
              "<A HREF=\"wink\"><IMAGE BORDER=0 SRC=\"..\\Smiles\\wink.gif\" ALT=\"wink\"></A>");
    EXPECT_EQ(SmilePageLines({"my.smile.gif"}, {})[3], Smiley("my.smile", "my.smile.gif"));
    EXPECT_EQ(SmilePageLines({"noext"}, {})[3], Smiley("noext", "noext"));
    EXPECT_EQ(SmileBaseName("my.smile.gif"), "my.smile");
    EXPECT_EQ(SmileBaseName(".gif"), "");
}

TEST(SmilePage, RunsOfThreeForSevenSmileys) {
    const Lines expected =
        Page({Header(1), Smiley("a", "a.gif"), Smiley("b", "b.gif"), Smiley("c", "c.gif"),
              Header(2), Smiley("d", "d.gif"), Smiley("e", "e.gif"), Smiley("f", "f.gif"),
              Header(3), Smiley("g", "g.gif"), "<HR>"});
    const std::string text = SmilePageText(SmilePageLines(kSeven, {true, 3}));
    EXPECT_EQ(CrLfLines(text), expected);
}

TEST(SmilePage, WorkedExampleHasTwelveLines) {
    const Lines lines = SmilePageLines({"a.gif", "b.gif", "c.gif"}, {true, 2});
    EXPECT_EQ(lines, Page({Header(1), Smiley("a", "a.gif"), Smiley("b", "b.gif"), Header(2),
                           Smiley("c", "c.gif"), "<HR>"}));
    EXPECT_EQ(lines.size(), 12U);
}

TEST(SmilePage, NoRunsWithoutTheCheckBoxOrWithSizeZero) {
    Lines plain;
    for (const std::string& name : kSeven) {
        plain.push_back(Smiley(name.substr(0, 1), name));
    }
    EXPECT_EQ(SmilePageLines(kSeven, {true, 0}), Page(plain));
    EXPECT_EQ(SmilePageLines(kSeven, {false, 3}), Page(plain));
    // One run holds them all when it is longer than the group.
    const Lines one = SmilePageLines({"a.gif", "b.gif"}, {true, 999});
    EXPECT_EQ(one, Page({Header(1), Smiley("a", "a.gif"), Smiley("b", "b.gif"), "<HR>"}));
}

TEST(SmilePage, EmptyGroup) {
    EXPECT_EQ(SmilePageLines({}, {false, 3}), Page({}));
    EXPECT_EQ(SmilePageLines({}, {true, 3}), Page({"<HR>"}));
    EXPECT_EQ(SmilePageText(SmilePageLines({}, {})),
              "<HTML>\r\n"
              "<BODY BGCOLOR=000000>\r\n"
              "<CENTER>\r\n"
              "</CENTER>\r\n"
              "</BODY>\r\n"
              "</HTML>\r\n");
}

TEST(SmilePage, CyrillicNamesStayWindows1251) {
    EXPECT_EQ(SmilePageLines({W("смех.gif")}, {})[3], Smiley(W("смех"), W("смех.gif")));
}

TEST(SmileLink, NameIsTheLastPartOfTheAddress) {
    EXPECT_EQ(SmileLinkName("file:///tmp/prog/SmileGroups/wink"), "wink");
    EXPECT_EQ(SmileLinkName("C:\\Tools\\SmileGroups\\wink"), "wink");
    EXPECT_EQ(SmileLinkName("about:blank"), "blank");
    EXPECT_EQ(SmileLinkName("wink"), "wink");
    EXPECT_EQ(SmileLinkName("file:///tmp/prog/SmileGroups/my.smile"), "my.smile");
    EXPECT_EQ(SmileLinkName("file:///tmp/prog/SmileGroups/Smiles.htm"), "Smiles.htm");
}

TEST(SmileLink, EscapesAreDecoded) {
    EXPECT_EQ(SmileLinkName("file:///tmp/my%20prog/SmileGroups/big%20grin"), "big grin");
    // A browser escapes the UTF-8 bytes of a Cyrillic name.
    EXPECT_EQ(SmileLinkName("file:///p/%D1%81%D0%BC%D0%B5%D1%85"), "смех");
    EXPECT_EQ(SmileLinkName("file:///p/100%25"), "100%");
    // An escaped separator belongs to the name; a lone "%" stays.
    EXPECT_EQ(SmileLinkName("file:///p/a%3Ab"), "a:b");
    EXPECT_EQ(SmileLinkName("file:///p/50%"), "50%");
    EXPECT_EQ(SmileLinkName("file:///p/5%g1"), "5%g1");
}

TEST(SmileLink, OnlyThePageItselfMayLoad) {
    EXPECT_TRUE(IsSmilePageName("Smiles.htm"));
    EXPECT_TRUE(IsSmilePageName("SMILES.HTM"));
    EXPECT_FALSE(IsSmilePageName("Smiles"));
    EXPECT_FALSE(IsSmilePageName("Smiles.html"));
    EXPECT_FALSE(IsSmilePageName("wink"));
}

TEST(SmileLink, Marker) {
    EXPECT_EQ(SmileMarker("wink"), "[::wink::]");
    EXPECT_EQ(SmileMarker("my.smile"), "[::my.smile::]");
}

}  // namespace
}  // namespace tagforge
