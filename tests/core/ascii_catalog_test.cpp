#include "core/templates/ascii_catalog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/store/atomic_file.h"
#include "core/store/ini_file.h"
#include "temp_folder.h"
#include "test_text.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::CrLfLines;
using test::FileSizeCap;
using test::TempFolderTest;
using test::W;

class AsciiCatalogTest : public TempFolderTest {
  protected:
    IniFile Catalogue(std::string_view bytes) const { return IniFile(Put("ascii.asc", bytes)); }
};

std::vector<std::string> NamesOf(const std::vector<AsciiPicture>& pictures) {
    std::vector<std::string> names;
    names.reserve(pictures.size());
    for (const AsciiPicture& picture : pictures) {
        names.push_back(picture.name);
    }
    return names;
}

// --- where the files are -------------------------------------------------------------------

TEST_F(AsciiCatalogTest, CatalogueNameIsMatchedWithoutRegardToCase) {
    EXPECT_EQ(AsciiCatalogPath(folder()), folder() / "Profiles" / "ascii.asc");
    fs::create_directory(folder() / "Profiles");
    Put("Profiles/ASCII.Asc", "[a]\r\n");
    EXPECT_EQ(AsciiCatalogPath(folder()), folder() / "Profiles" / "ASCII.Asc");
    EXPECT_TRUE(IniFile(AsciiCatalogPath(folder())).exists());
    EXPECT_EQ(AsciiManagerPagePath(folder()), folder() / "ascii.htm");
}

// --- pictures and their flags --------------------------------------------------------------

TEST_F(AsciiCatalogTest, IncludeFlagReadsOnlyZeroAsExcluded) {
    const IniFile catalogue = Catalogue(
        "[zero]\r\ninclude=0\r\n[spaced]\r\ninclude =  0 \r\n[quoted]\r\ninclude=\"0\"\r\n"
        "[hex]\r\ninclude=0x0\r\n[one]\r\ninclude=1\r\n[two]\r\ninclude=2\r\n"
        "[letter]\r\ninclude=x\r\n[empty]\r\ninclude=\r\n[missing]\r\nhtml=<b>\r\n"
        "[trailing]\r\ninclude=0a\r\n");
    for (const char* excluded : {"zero", "spaced", "quoted", "hex"}) {
        EXPECT_FALSE(IsAsciiPictureIncluded(catalogue, excluded)) << excluded;
    }
    for (const char* included : {"one", "two", "letter", "empty", "missing", "trailing"}) {
        EXPECT_TRUE(IsAsciiPictureIncluded(catalogue, included)) << included;
    }
    // The key and the section are found whatever their case.
    EXPECT_FALSE(IsAsciiPictureIncluded(Catalogue("[Pic]\r\nINCLUDE=0\r\n"), "pIC"));
}

TEST_F(AsciiCatalogTest, PicturesAreSortedWithoutRegardToCase) {
    const IniFile catalogue =
        Catalogue(W("[кот]\r\ninclude=0\r\n[Zebra]\r\n[apple]\r\ninclude=1\r\n[Ёж]\r\n[Banana]"
                    "\r\ninclude=0\r\n"));
    const std::vector<AsciiPicture> pictures = ReadAsciiPictures(catalogue);
    EXPECT_EQ(NamesOf(pictures),
              (std::vector<std::string>{"apple", "Banana", "Zebra", W("Ёж"), W("кот")}));
    std::vector<bool> ticks;
    ticks.reserve(pictures.size());
    for (const AsciiPicture& picture : pictures) {
        ticks.push_back(picture.included);
    }
    EXPECT_EQ(ticks, (std::vector<bool>{true, false, true, true, false}));
    EXPECT_EQ(IncludedAsciiPictures(catalogue),
              (std::vector<std::string>{"apple", "Zebra", W("Ёж")}));
}

TEST_F(AsciiCatalogTest, MissingCatalogueHasNoPictures) {
    const IniFile catalogue(folder() / "ascii.asc");
    EXPECT_FALSE(catalogue.exists());
    EXPECT_TRUE(ReadAsciiPictures(catalogue).empty());
    EXPECT_TRUE(IncludedAsciiPictures(catalogue).empty());
    EXPECT_EQ(AsciiPictureHtml(catalogue, "any"), "");
}

TEST_F(AsciiCatalogTest, NamesBeyondTheSectionBufferAreNotListed) {
    // Ten characters and a terminating byte each: 1489 names fill 16379 of the 16383 bytes
    // before the closing one, the next is cut to what is left and the rest are lost.
    std::string text;
    for (int index = 0; index < 2000; ++index) {
        char name[16];
        std::snprintf(name, sizeof name, "Pic%07d", index);
        text.append("[").append(name).append("]\r\nhtml=x\r\n");
    }
    const std::vector<AsciiPicture> pictures = ReadAsciiPictures(Catalogue(text));
    const std::vector<std::string> names = NamesOf(pictures);
    ASSERT_EQ(names.size(), 1490U);
    EXPECT_EQ(names.front(), "Pic");
    EXPECT_EQ(names[1], "Pic0000000");
    EXPECT_EQ(names.back(), "Pic0001488");
}

// --- the picture and the template line -----------------------------------------------------

TEST_F(AsciiCatalogTest, HtmlIsReadAsThePrivateProfileFunctionsReturnIt) {
    const std::string long3000(3000, 'w');
    const IniFile catalogue = Catalogue(
        "[quoted]\r\nhtml=  \"  <pre> x </pre>  \"  \r\n[blank]\r\nhtml=\t<b>y</b> \r\n"
        "[single]\r\nhtml='<i>'\r\n[long]\r\nhtml=" +
        long3000 + "\r\n[none]\r\ninclude=1\r\n");
    EXPECT_EQ(AsciiPictureHtml(catalogue, "quoted"), "  <pre> x </pre>  ");
    EXPECT_EQ(AsciiPictureHtml(catalogue, "blank"), "<b>y</b>");
    EXPECT_EQ(AsciiPictureHtml(catalogue, "single"), "<i>");
    EXPECT_EQ(AsciiPictureHtml(catalogue, "long"), std::string(2047, 'w'));
    EXPECT_EQ(AsciiPictureHtml(catalogue, "none"), "");
    EXPECT_EQ(AsciiPictureHtml(catalogue, "absent"), "");
}

TEST(AsciiTemplate, OwnTextIsPutRightBeforeThePicture) {
    EXPECT_EQ(BuildAsciiTemplate(W("Смотри:"), "<pre>x</pre>"), W("Смотри:<pre>x</pre>"));
    EXPECT_EQ(BuildAsciiTemplate("", "<pre>x</pre>"), "<pre>x</pre>");
    EXPECT_EQ(BuildAsciiTemplate(W("Смотри:"), ""), W("Смотри:"));
}

TEST(AsciiManagerPage, HoldsThePictureWhiteOnBlack) {
    const std::string head =
        "<HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"
        "</HEAD>";
    const std::string page = BuildAsciiManagerPage(W("<b>Кот</b>"));
    EXPECT_EQ(CrLfLines(page),
              (std::vector<std::string>{"<HTML>", head, "<BODY BGCOLOR=000000>", "<NOBR>",
                                        "<FONT COLOR=FFFFFF>", W("<b>Кот</b>"), "</FONT>",
                                        "</BODY>", "</HTML>"}));
    // Markers stay text: the manager shows no smiley images.
    EXPECT_NE(BuildAsciiManagerPage("[::smile::]").find("\r\n[::smile::]\r\n"), std::string::npos);
}

// --- writing the flags ---------------------------------------------------------------------

TEST_F(AsciiCatalogTest, FlagsAreWrittenInPlaceAndAddedWhereMissing) {
    IniFile catalogue = Catalogue(
        "; pictures\r\n[b]\r\nhtml=<b>\r\nInclude = 1\r\n[a]\r\nhtml=\"<a>\"\r\n"
        "[c]\r\ninclude=0\r\nauthor=me\r\n");
    WriteAsciiIncludeFlags(catalogue, {{"a", true}, {"b", false}, {"c", true}, {"new", false}});
    EXPECT_EQ(OnDisk(catalogue.path()),
              "; pictures\r\n[b]\r\nhtml=<b>\r\nInclude=0\r\n[a]\r\nhtml=\"<a>\"\r\ninclude=1\r\n"
              "[c]\r\ninclude=1\r\nauthor=me\r\n[new]\r\ninclude=0\r\n");
    EXPECT_EQ(IncludedAsciiPictures(IniFile(catalogue.path())),
              (std::vector<std::string>{"a", "c"}));
}

TEST_F(AsciiCatalogTest, FailedWriteThrowsAndKeepsTheFile) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
    const std::string bytes = "[a]\r\nhtml=<pre>picture</pre>\r\ninclude=1\r\n";
    IniFile catalogue = Catalogue(bytes);
    {
        const FileSizeCap cap(8);
        EXPECT_THROW(WriteAsciiIncludeFlags(catalogue, {{"a", false}}), FileWriteError);
    }
    EXPECT_EQ(OnDisk(catalogue.path()), bytes);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"ascii.asc"});
}

}  // namespace
}  // namespace tagforge
