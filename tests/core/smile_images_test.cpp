#include "core/smileys/smile_images.h"

#include <gtest/gtest.h>
#if defined(__unix__)
#include <sys/stat.h>
#endif

#include "temp_folder.h"
#include "test_text.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::W;

class SmileImages : public test::TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        fs::create_directory(folder() / "Smiles");
        fs::create_directory(folder() / "source");
    }
    fs::path Smiles() const { return folder() / "Smiles"; }
};

TEST_F(SmileImages, ExistsByNameInAnyCase) {
    Put("Smiles/wink.gif", "GIF");
    EXPECT_TRUE(SmileImageExists(folder(), "wink.gif"));
    EXPECT_TRUE(SmileImageExists(folder(), "WINK.GIF"));
    EXPECT_FALSE(SmileImageExists(folder(), "grin.gif"));
}

TEST_F(SmileImages, CopyNeverReplacesAnExistingFile) {
    const fs::path source = Put("source/wink.gif", "new");
    CopySmileImage(source, folder(), "wink.gif");
    EXPECT_EQ(OnDisk(Smiles() / "wink.gif"), "new");
    const fs::path other = Put("source/other.gif", "other");
    CopySmileImage(other, folder(), "wink.gif");
    EXPECT_EQ(OnDisk(Smiles() / "wink.gif"), "new");
    // A failed copy is left alone.
    CopySmileImage(folder() / "source" / "missing.gif", folder(), "missing.gif");
    EXPECT_FALSE(fs::exists(Smiles() / "missing.gif"));
}

TEST_F(SmileImages, CopyTakesTheGivenName) {
    const fs::path source = Put("source/" + std::string("смех.gif"), "laugh");
    CopySmileImage(source, folder(), W("смех.gif"));
    EXPECT_EQ(OnDisk(Smiles() / PathFromUtf8("смех.gif")), "laugh");
}

TEST_F(SmileImages, MissingImageGoesToTheFileInAnotherCase) {
    Put("Smiles/wink.gif", "GIF");
    Put("Smiles/Grin.Gif", "GIF");
    EXPECT_EQ(CaseBlindSmileImage(folder(), Smiles() / "wink.GIF"), Smiles() / "wink.gif");
    EXPECT_EQ(CaseBlindSmileImage(folder(), Smiles() / "GRIN.GIF"), Smiles() / "Grin.Gif");
    // A path that reaches the folder through "..", as the pane's page does.
    EXPECT_EQ(
        CaseBlindSmileImage(folder(), folder() / "SmileGroups" / ".." / "Smiles" / "WINK.gif"),
        Smiles() / "wink.gif");
}

TEST_F(SmileImages, OtherRequestsAreLeftAlone) {
    Put("Smiles/wink.gif", "GIF");
    Put("source/wink.gif", "GIF");
    EXPECT_FALSE(CaseBlindSmileImage(folder(), Smiles() / "wink.gif"));
    EXPECT_FALSE(CaseBlindSmileImage(folder(), Smiles() / "grin.gif"));
    EXPECT_FALSE(CaseBlindSmileImage(folder(), folder() / "source" / "WINK.GIF"));
    EXPECT_FALSE(CaseBlindSmileImage(folder(), folder() / "WINK.GIF"));
    EXPECT_FALSE(CaseBlindSmileImage(folder(), Smiles() / "sub" / "WINK.GIF"));
}

TEST_F(SmileImages, MarkerFindsItsPictureInAnyCaseAndOnlyInTheFolder) {
    Put("Smiles/Wink.GIF", "GIF");
    Put("Smiles/улыбка.gif", "GIF");
    Put("secret.gif", "not a smiley");
    fs::create_directory(Smiles() / "folder.gif");
#if defined(__unix__)
    ASSERT_EQ(::mkfifo((Smiles() / "pipe.gif").c_str(), 0600), 0);
#endif
    EXPECT_EQ(FindSmileImage(folder(), "wink"), Smiles() / "Wink.GIF");
    EXPECT_EQ(FindSmileImage(folder(), W("УЛЫБКА")), Smiles() / PathFromUtf8("улыбка.gif"));
    // A pipe would leave the reader waiting forever.
    const std::vector<std::string> refused = {"grin",   "../secret", "..\\secret",
                                              "folder", "pipe",      std::string("Wink.GIF\0", 9)};
    for (const std::string& name : refused) {
        EXPECT_FALSE(FindSmileImage(folder(), name)) << name;
    }
}

}  // namespace
}  // namespace tagforge
