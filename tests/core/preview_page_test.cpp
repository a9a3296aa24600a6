#include "core/preview/preview_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/format/color_code.h"
#include "core/store/atomic_file.h"
#include "temp_folder.h"
#include "test_text.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;

const std::string kHead =
    "<HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></HEAD>";

TEST(SmileyMarkers, BecomeImageTags) {
    EXPECT_EQ(SmileyMarkersToImages("a [::smile::] b"), "a <IMAGE SRC=\"Smiles\\smile.GIF\"> b");
    EXPECT_EQ(SmileyMarkersToImages("[::a::][::b::]"),
              "<IMAGE SRC=\"Smiles\\a.GIF\"><IMAGE SRC=\"Smiles\\b.GIF\">");
    EXPECT_EQ(SmileyMarkersToImages("[::::]"), "<IMAGE SRC=\"Smiles\\.GIF\">");
    EXPECT_EQ(SmileyMarkersToImages(test::W("[::улыбка::]!")),
              test::W("<IMAGE SRC=\"Smiles\\улыбка.GIF\">!"));
}

TEST(SmileyMarkers, TextWithoutAWholeMarkerStays) {
    EXPECT_EQ(SmileyMarkersToImages(""), "");
    EXPECT_EQ(SmileyMarkersToImages("plain text"), "plain text");
    EXPECT_EQ(SmileyMarkersToImages("x ::] y [::s::]"), "x ::] y [::s::]");
    EXPECT_EQ(SmileyMarkersToImages("[::unclosed"), "[::unclosed");
    EXPECT_EQ(SmileyMarkersToImages("only ::] close"), "only ::] close");
}

TEST(SmileyMarkers, StopsAtTheFirstCloseBeforeAnOpen) {
    // The second round sees "::] [::b::]": the close comes first, so the rest stays.
    EXPECT_EQ(SmileyMarkersToImages("[::a::] x ::] [::b::]"),
              "<IMAGE SRC=\"Smiles\\a.GIF\"> x ::] [::b::]");
}

TEST(SmileyMarkers, OverlappingMarkersGiveAnEmptyName) {
    EXPECT_EQ(SmileyMarkersToImages("[:::]"), "<IMAGE SRC=\"Smiles\\.GIF\">");
    EXPECT_EQ(SmileyMarkersToImages("a[:::]b"), "a<IMAGE SRC=\"Smiles\\.GIF\">b");
    EXPECT_EQ(SmileyMarkersToImages("[::::]]"), "<IMAGE SRC=\"Smiles\\.GIF\">]");
    EXPECT_EQ(SmileyMarkersToImages("[:::][::x::]"),
              "<IMAGE SRC=\"Smiles\\.GIF\"><IMAGE SRC=\"Smiles\\x.GIF\">");
}

TEST(PreviewPage, BlackBackgroundWithoutWordWrap) {
    const std::vector<std::string> expected = {"<HTML>",
                                               kHead,
                                               "<BODY BGCOLOR=000000>",
                                               "<NOBR>",
                                               "<FONT COLOR=FFFFFF>",
                                               "hello",
                                               "</FONT>",
                                               "</BODY>",
                                               "</HTML>"};
    EXPECT_EQ(test::CrLfLines(BuildPreviewPage("hello", kBlack, false)), expected);
}

TEST(PreviewPage, WordWrapLeavesOutNobr) {
    const std::vector<std::string> expected = {"<HTML>",
                                               kHead,
                                               "<BODY BGCOLOR=FFFF00>",
                                               "<FONT COLOR=000000>",
                                               "<IMAGE SRC=\"Smiles\\s.GIF\">",
                                               "</FONT>",
                                               "</BODY>",
                                               "</HTML>"};
    EXPECT_EQ(test::CrLfLines(BuildPreviewPage("[::s::]", MakeColor(255, 255, 0), true)), expected);
}

TEST(PreviewPage, TextColourReadableOnTheBackground) {
    const auto fontLine = [](ColorValue background) {
        return test::CrLfLines(BuildPreviewPage("t", background, true))[3];
    };
    EXPECT_EQ(fontLine(MakeColor(255, 127, 0)), "<FONT COLOR=FFFFFF>");
    EXPECT_EQ(fontLine(MakeColor(0, 128, 0)), "<FONT COLOR=000000>");
    EXPECT_EQ(fontLine(kWhite), "<FONT COLOR=000000>");
    EXPECT_EQ(test::CrLfLines(BuildPreviewPage("t", MakeColor(0x12, 0x34, 0x56), true))[2],
              "<BODY BGCOLOR=123456>");
}

TEST(PreviewPage, TextKeepsItsOwnLineBreaks) {
    const std::string page = BuildPreviewPage("a\r\nb\nc", kBlack, true);
    EXPECT_NE(page.find("<FONT COLOR=FFFFFF>\r\na\r\nb\nc\r\n</FONT>\r\n"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 9), "</HTML>\r\n");
}

class PreviewFile : public test::TempFolderTest {};

TEST_F(PreviewFile, WrittenBesideTheProgram) {
    EXPECT_EQ(PreviewPagePath(folder()), folder() / "preview.htm");
    WritePreviewPage(folder(), "first");
    WritePreviewPage(folder(), std::string("sec\0nd", 6));
    EXPECT_EQ(OnDisk(folder() / "preview.htm"), std::string("sec\0nd", 6));
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"preview.htm"}));
}

// The page written straight into its file has the bytes of the page built in memory, whatever
// the text holds, and replaces the page before it.
TEST_F(PreviewFile, WrittenStraightFromTheTextAsBuiltInMemory) {
    const struct {
        std::string text;
        ColorValue background;
        bool wordWrap;
    } cases[] = {
        {"", kWhite, true},
        {"plain", kBlack, false},
        {"a [::smile::] b\r\n[:::][::x y::]", kWhite, true},
        {test::W("<font color=FF0000>ж</font><br>[::улыбка::] ::] [::"), kBlack, false},
        {std::string("nul\0in the middle", 18), kWhite, false},
    };
    for (const auto& c : cases) {
        WritePreviewPage(folder(), c.text, c.background, c.wordWrap);
        EXPECT_EQ(OnDisk(PreviewPagePath(folder())),
                  BuildPreviewPage(c.text, c.background, c.wordWrap))
            << c.text;
    }
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"preview.htm"}));
}

TEST(SmileyMarkers, PiecesJoinToTheConvertedText) {
    for (const std::string_view text : {"", "x", "[::a::]", "a [::b::] c [::d", "[:::]::]"}) {
        std::string joined;
        WriteSmileyMarkersAsImages(text, [&joined](std::string_view piece) {
            EXPECT_FALSE(piece.empty());
            joined.append(piece);
        });
        EXPECT_EQ(joined, SmileyMarkersToImages(text)) << text;
    }
}

#if defined(__unix__)
TEST_F(PreviewFile, FullDiskKeepsTheOldPageWrittenFromText) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
    WritePreviewPage(folder(), "old page");
    {
        const test::FileSizeCap cap(4);
        EXPECT_THROW(WritePreviewPage(folder(), "a new and longer text", kWhite, true),
                     FileWriteError);
    }
    EXPECT_EQ(OnDisk(folder() / "preview.htm"), "old page");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"preview.htm"}));
}

TEST_F(PreviewFile, FullDiskKeepsTheOldPage) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
    WritePreviewPage(folder(), "old page");
    bool failed = false;
    {
        const test::FileSizeCap cap(4);
        try {
            WritePreviewPage(folder(), "a new and longer page");
        } catch (const FileWriteError& error) {
            failed = true;
            EXPECT_EQ(std::string(error.what()),
                      "Unable to write to " + PreviewPagePath(folder()).string());
        }
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(OnDisk(folder() / "preview.htm"), "old page");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"preview.htm"}));
}
#endif

TEST_F(PreviewFile, MissingProgramFolderFails) {
    EXPECT_THROW(WritePreviewPage(folder() / "missing", "page"), FileWriteError);
    EXPECT_FALSE(fs::exists(folder() / "missing"));
}

}  // namespace
}  // namespace tagforge
