#include "core/preview/rich_text_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/platform/path_text.h"
#include "test_text.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::W;

struct Case {
    std::string line;  // UTF-8 here, Windows-1251 when converted
    std::string html;
};

std::string RichText(std::string_view utf8Line, const RichTextOptions& options = {}) {
    return ChatLineToRichText(W(utf8Line), options).html;
}

std::string Repeat(std::string_view piece, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += piece;
    }
    return repeated;
}

void ExpectConversions(const std::vector<Case>& cases, const RichTextOptions& options = {}) {
    for (const Case& c : cases) {
        EXPECT_EQ(RichText(c.line, options), c.html) << c.line;
    }
}

TEST(RichTextLine, FormatterOutputGetsValuesQtReads) {
    ExpectConversions({
        {"<font size=3><b><font color=FF0000>Привет</font></b></font> <u><font "
         "color=0099FF>Ok?</font></u>",
         "<font style=\"font-size:16px\"><b><font color=\"#FF0000\">Привет</font></b></font> "
         "<u><font color=\"#0099FF\">Ok?</font></u>"},
        {"<font color=99FF33>(только для вас, Вася)</font><font color=3399FF>: </font>Привет",
         "<font color=\"#99FF33\">(только для вас, Вася)</font><font color=\"#3399FF\">: "
         "</font>Привет"},
        {"всем привет<br><font color=99FF33>**<u>*</u></font> <font color=99CCFF>Петя "
         "</font><font color=44EEFF>Привет</font>",
         "всем привет<br><font color=\"#99FF33\">**<u>*</u></font> <font "
         "color=\"#99CCFF\">Петя </font><font color=\"#44EEFF\">Привет</font>"},
        {"<font face=\"Comic Sans MS\" size=7><i>a</i></font>",
         "<font face=\"Comic Sans MS\" style=\"font-size:48px\"><i>a</i></font>"},
        {"a<br>b", "a<br>b"},
    });
}

TEST(RichTextLine, ReadsTagsAndAttributesAsBrowsersDo) {
    ExpectConversions({
        {"<FONT COLOR='#00ff00' Face=Arial SIZE=+1>a</FONT>",
         "<font color=\"#00FF00\" face=\"Arial\" style=\"font-size:18px\">a</font>"},
        {"<font color=red color=blue>a</font>", "<font color=\"#FF0000\">a</font>"},
        {"<font color=\"\" size=\"\" face=\"\">a</font>", "<font>a</font>"},
        {"<font color=transparent>a</font>", "<font>a</font>"},
        {"<font face=\" 'Arial' , Verdana\">a</font>", "<font face=\"Arial,Verdana\">a</font>"},
        {"<font face='a\"b&c'>x</font>", "<font face=\"a&quot;b&amp;c\">x</font>"},
        {"<font/color=F00 />a<font color=F00/>b",
         "<font color=\"#0F0000\">a<font color=\"#F00000\">b</font></font>"},
        {"<b/>a<BR/>b</br>c", "<b>a<br>b<br>c</b>"},
        {"<del>d</del><ins>i</ins><strike>s</strike>", "<s>d</s><u>i</u><s>s</s>"},
    });
}

TEST(RichTextLine, MisnestedFormattingClosesAndReopensAsInBrowsers) {
    ExpectConversions({
        {"<b><i>x</b>y</i>z", "<b><i>x</i></b><i>y</i>z"},
        {"<font color=red><b>x</font>y</b>", "<font color=\"#FF0000\"><b>x</b></font><b>y</b>"},
        {"</i>x<u>y", "x<u>y</u>"},
    });
}

TEST(RichTextLine, ReferencesStayReferencesQtDecodes) {
    ExpectConversions({
        {"&#128512; &#x1F600; &#X1f600", "&#128512; &#128512; &#128512;"},
        {"&#0;&#55357;&#1114112;&#99999999999;", "&#65533;&#65533;&#65533;&#65533;"},
        {"&#65&#065;", "&#65;&#65;"},
        {"&nbsp;&hellip;&foo;", "&nbsp;&hellip;&foo;"},
        {"&#60;b&#62;", "&#60;b&#62;"},
        {"AT&T & &# &#x;", "AT&T &amp; &amp;# &amp;#x;"},
    });
}

TEST(RichTextLine, TextThatIsNoTagStaysText) {
    ExpectConversions({
        {"a < b <3 x>y", "a &lt; b &lt;3 x&gt;y"},
        {"a</", "a&lt;/"},
        {"a</>b</ 3>c<!-- <b> -->d<!x>e<?php f?>g<!-->h", "abcdegh"},
        {"a<b", "a"},
        {"a<font color=\"red>b", "a"},
        {"\"quoted\" \x7f", "\"quoted\" \x7f"},
    });
    EXPECT_EQ(ChatLineToRichText(std::string("a\0b", 3), {}).html,
              "a\xEF\xBF\xBD"
              "b");
}

TEST(RichTextLine, LeavesOutWhatCouldLoadAnythingOrBreakTheLine) {
    ExpectConversions({
        {"<img src=http://x/y.gif>a<IMAGE SRC=\"Smiles\\s.GIF\">b", "ab"},
        {"<span style=\"background-image:url(/dev/zero)\">s</span>", "<span>s</span>"},
        {"<link rel=stylesheet href=/etc/passwd>x", "x"},
        {"<style>b{color:red}</style><b>x</b><script>a<b</script>y<TITLE>t</title>z", "<b>x</b>yz"},
        {"<style>never closed", ""},
        {"<a href=\"file:///etc/passwd\" onclick=x>l</a><a name=n>m</a>",
         "<a href=\"#\">l</a><a>m</a>"},
        {"<table background=/dev/zero><tr><td>t</td></tr></table><div><p>p</p></div><hr>", "tp"},
    });
}

TEST(RichTextLine, NestingStopsAtAFixedDepth) {
    EXPECT_EQ(ChatLineToRichText(Repeat("<b>", 5000) + "x", {}).html,
              Repeat("<b>", 256) + "x" + Repeat("</b>", 256));
}

// An absolute folder of smileys and the start of its file URL; Windows paths begin with a drive.
#if defined(_WIN32)
constexpr char kSmilesRoot[] = "C:/smiles/my \"odd\" #1%/";
constexpr char kSmilesUrl[] = "file:///C:/smiles/my%20%22odd%22%20%231%25/";
#else
constexpr char kSmilesRoot[] = "/smiles/my \"odd\" #1%/";
constexpr char kSmilesUrl[] = "file:///smiles/my%20%22odd%22%20%231%25/";
#endif

class RichTextMarkers : public ::testing::Test {
  protected:
    RichTextOptions Options() const {
        RichTextOptions options;
        options.pictures = [this](std::string_view name) -> std::optional<fs::path> {
            looked_up_.emplace_back(name);
            if (name == W("улыбка") || name == "wink") {
                return PathFromUtf8(kSmilesRoot) / PathFromUtf8(test::U(name) + ".GIF");
            }
            if (name == "rel") {
                return fs::path("Smiles/rel.gif");
            }
            return std::nullopt;
        };
        return options;
    }
    mutable std::vector<std::string> looked_up_;
};

TEST_F(RichTextMarkers, FoundPicturesBecomeImagesOthersStayText) {
    const std::string wink = std::string("<img src=\"") + kSmilesUrl + "wink.GIF\">";
    ExpectConversions(
        {
            {"a [::wink::] b [::nope::] c", ("a " + wink + " b [::nope::] c")},
            {"[::улыбка::]", std::string("<img src=\"") + kSmilesUrl +
                                 "%D1%83%D0%BB%D1%8B%D0%B1%D0%BA%D0%B0.GIF\">"},
            {"[::rel::][::rel::]", "<img src=\"Smiles/rel.gif\"><img src=\"Smiles/rel.gif\">"},
            {"[::a<b>&::]", "[::a&lt;b&gt;&amp;::]"},
            {"x ::] y [::wink::]", "x ::] y [::wink::]"},
            {"<font face=\"[::wink::]\">x</font>", "<font face=\"[::wink::]\">x</font>"},
        },
        Options());
    EXPECT_EQ(looked_up_, (std::vector<std::string>{"wink", "nope", W("улыбка"), "rel", "a<b>&"}));
    EXPECT_EQ(RichText("[::wink::]"), "[::wink::]");
}

TEST_F(RichTextMarkers, LongLinesAreCutBetweenWholePieces) {
    struct CutCase {
        std::string line;
        std::size_t cap;
        std::string html;
        std::size_t leftOut;
    };
    const std::string wink = std::string("<img src=\"") + kSmilesUrl + "wink.GIF\">";
    const std::string line =
        "<font color=FF0000>Привет, <b>мир</b></font>&#128512;[::nope::][::wink::]!";
    const CutCase cases[] = {
        {"", 0, "", 0},
        {"abc", 3, "abc", 0},
        {"abc", 2, "ab… и ещё 1 символ", 1},
        {"abc<b>", 3, "abc<b></b>", 0},
        {"abc<br>", 3, "abc… и ещё 1 символ", 1},
        {line, 0, "<font color=\"#FF0000\"></font>… и ещё 24 символа", 24},
        {line, 9, "<font color=\"#FF0000\">Привет, <b>м</b></font>… и ещё 15 символов", 15},
        {line, 11, "<font color=\"#FF0000\">Привет, <b>мир</b></font>… и ещё 13 символов", 13},
        {line, 12, "<font color=\"#FF0000\">Привет, <b>мир</b></font>&#128512;… и ещё 12 символов",
         12},
        {line, 21, "<font color=\"#FF0000\">Привет, <b>мир</b></font>&#128512;… и ещё 12 символов",
         12},
        {line, 22,
         "<font color=\"#FF0000\">Привет, <b>мир</b></font>&#128512;[::nope::]… и ещё 2 символа",
         2},
        {line, 23,
         ("<font color=\"#FF0000\">Привет, <b>мир</b></font>&#128512;[::nope::]" + wink +
          "… и ещё 1 символ"),
         1},
        {line, 24,
         ("<font color=\"#FF0000\">Привет, <b>мир</b></font>&#128512;[::nope::]" + wink + "!"), 0},
    };
    for (const CutCase& c : cases) {
        RichTextOptions options = Options();
        options.maxCharacters = c.cap;
        const RichTextLine result = ChatLineToRichText(W(c.line), options);
        EXPECT_EQ(result.html, c.html) << c.line << " / " << c.cap;
        EXPECT_EQ(result.leftOutCharacters, c.leftOut) << c.line << " / " << c.cap;
        EXPECT_EQ(result.shownCharacters + result.leftOutCharacters,
                  ChatLineToRichText(W(c.line), Options()).shownCharacters);
    }
}

}  // namespace
}  // namespace tagforge
