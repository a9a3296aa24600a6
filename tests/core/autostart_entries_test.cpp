#include "core/store/autostart_entries.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/format/cp1251.h"
#include "temp_folder.h"
#include "test_text.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::W;
using Names = std::vector<std::string>;

// The Exec line of an entry, as a launcher reads it from the file.
std::string ExecLine(const std::string& entryText) {
    const std::size_t begin = entryText.find("\nExec=");
    if (begin == std::string::npos) {
        return "<no Exec line>";
    }
    const std::size_t end = entryText.find('\n', begin + 1);
    return entryText.substr(begin + 1, end - begin - 1);
}

TEST(AutostartExec, EntryForTheProgramPath) {
    EXPECT_EQ(DesktopEntryText("OrbelTagForge", "\"/opt/Tag Forge/tagforge\""),
              "[Desktop Entry]\nType=Application\nName=OrbelTagForge\n"
              "Exec=\"/opt/Tag Forge/tagforge\"\nTryExec=/opt/Tag Forge/tagforge\n"
              "X-GNOME-Autostart-enabled=true\n");
}

TEST(AutostartExec, EntryForTheProgramOnThePath) {
    EXPECT_EQ(DesktopEntryText("OrbelTagForge", "tagforge"),
              "[Desktop Entry]\nType=Application\nName=OrbelTagForge\n"
              "Exec=tagforge\nTryExec=tagforge\nX-GNOME-Autostart-enabled=true\n");
}

// The lines after Exec: TryExec names the command's program as a plain string, unquoted, without
// the launcher's escapes; a command with no program before its first blank gets none.
TEST(AutostartExec, TryExecNamesTheProgramOfTheCommand) {
    const std::pair<std::string, std::string> cases[] = {
        {"\"/a b/$HOME`x`/50%/c\\d\" --start", "TryExec=/a b/$HOME`x`/50%/c\\\\d\n"},
        {"/usr/bin/tagforge -a\t50%", "TryExec=/usr/bin/tagforge\n"},
        {"tagforge --minimized", "TryExec=tagforge\n"},
        {"\" /lead\"", "TryExec=\\s/lead\n"},
        {W("\"/home/пользователь/tagforge\""), "TryExec=/home/пользователь/tagforge\n"},
        {"\"unterminated path", "TryExec=\"unterminated\n"},
        {" \"/x\" ", ""},
        {"\tx", ""},
        {"", ""},
    };
    for (const auto& [command, tryExec] : cases) {
        const std::string text = DesktopEntryText("n", command);
        const std::size_t afterExec = text.find('\n', text.find("\nExec=") + 1) + 1;
        EXPECT_EQ(text.substr(afterExec), tryExec + "X-GNOME-Autostart-enabled=true\n") << command;
    }
}

// Inside the quotes `"`, "`", "$" and "\" take a backslash and "%" is doubled; then every
// backslash is doubled once more by the string escapes of the file.
TEST(AutostartExec, QuotedPathFollowsTheLauncherRules) {
    EXPECT_EQ(ExecLine(DesktopEntryText("n", "\"/a b/$HOME`x`/50%/c\\d\"")),
              "Exec=\"/a b/\\\\$HOME\\\\`x\\\\`/50%%/c\\\\\\\\d\"");
    EXPECT_EQ(ExecLine(DesktopEntryText("n", "\"/x\" --start %1")), "Exec=\"/x\" --start %%1");
    EXPECT_EQ(ExecLine(DesktopEntryText("n", "/usr/bin/tagforge -a\t50%")),
              "Exec=/usr/bin/tagforge -a\\t50%%");
    EXPECT_EQ(ExecLine(DesktopEntryText("n", " \"/x\" ")), "Exec=\\s\"/x\"\\s");
    EXPECT_EQ(ExecLine(DesktopEntryText("n", "line\nbreak\r")), "Exec=line\\nbreak\\r");
}

TEST(AutostartExec, CyrillicIsWrittenAsUtf8) {
    const std::string text =
        DesktopEntryText(W("Тег"), W("\"/home/пользователь/Программы/tagforge\""));
    EXPECT_EQ(ExecLine(text), "Exec=\"/home/пользователь/Программы/tagforge\"");
    EXPECT_NE(text.find("\nName=Тег\n"), std::string::npos);
    EXPECT_TRUE(Utf8ToCp1251(text).has_value());
}

TEST(AutostartExec, CommandsComeBackExactly) {
    const std::vector<std::string> commands = {
        "\"/opt/Tag Forge/tagforge\"",
        "\"/opt/$HOME/`cmd`/100%/back\\slash\"",
        "\"/path/with\\\"\" trailing \"quote\"",
        W("\"/home/пользователь/Программы/tagforge\" -свернуть"),
        "\"/x\" %1 %% %",
        "/usr/bin/tagforge --flag=\"a b\" \\",
        "  \"/leading/spaces\"   ",
        "\"unterminated",
        "\"unterminated\\",
        "\"",
        "\"\"",
        "\"\\\"",
        "%",
        "\\",
        "\\s\\n",
        "tab\there\nnew\rline",
        "",
        "   ",
        std::string("\x98\xFF\x01", 3),
    };
    for (const std::string& command : commands) {
        EXPECT_EQ(DesktopEntryCommand(DesktopEntryText("OrbelTagForge", command)), command)
            << command;
    }
}

TEST(AutostartExec, RandomCommandsComeBackExactly) {
    std::mt19937 random(99);
    std::uniform_int_distribution<int> pick(0, 255);
    std::uniform_int_distribution<int> length(0, 30);
    const std::string awkward = "\"\\$`% \t\r\n=#[]";
    for (int round = 0; round < 2000; ++round) {
        std::string command = round % 2 == 0 ? "\"" : "";
        const int size = length(random);
        for (int i = 0; i < size; ++i) {
            const int p = pick(random);
            command += p < 160 ? awkward[static_cast<std::size_t>(p) % awkward.size()]
                               : static_cast<char>(pick(random));
        }
        const std::string text = DesktopEntryText("n", command);
        ASSERT_TRUE(Utf8ToCp1251(text).has_value()) << round;
        ASSERT_EQ(DesktopEntryCommand(text), command) << round;
    }
}

TEST(AutostartExec, ReadsTheExecOfTheDesktopEntryGroupOnly) {
    EXPECT_EQ(DesktopEntryCommand("[Desktop Action New]\nExec=other\n"
                                  "[Desktop Entry]\n# Exec=comment\nExec[de]=localized\n"
                                  "Exec = \"/mine\" \n"
                                  "Exec=second\n"),
              "\"/mine\" ");
    EXPECT_EQ(DesktopEntryCommand("\xEF\xBB\xBF[Desktop Entry]\r\nName=x\r\nExec=/crlf\r\n"),
              "/crlf");
    EXPECT_EQ(DesktopEntryCommand("[Desktop Entry]\nExec=\"/a\\\\$b\"\n"), "\"/a$b\"");
    EXPECT_EQ(DesktopEntryCommand("[Desktop Entry]\nName=x\n"), std::nullopt);
    EXPECT_EQ(DesktopEntryCommand("Exec=/before/group\n[Desktop Entry]\n"), std::nullopt);
    EXPECT_EQ(DesktopEntryCommand("[Other]\nExec=/x\n"), std::nullopt);
    EXPECT_EQ(DesktopEntryCommand(""), std::nullopt);
    // Not UTF-8: the bytes come back as they are.
    EXPECT_EQ(DesktopEntryCommand("[Desktop Entry]\nExec=/\xC0\xC1\n"), "/\xC0\xC1");
}

TEST(AutostartExec, EntryTurnedOffInTheDesktopSettingsStartsNothing) {
    const std::pair<std::string, bool> cases[] = {
        {"Hidden=true\n", false},
        {"X-GNOME-Autostart-enabled=false\n", false},
        {"X-GNOME-Autostart-enabled = false \r\n", false},
        {"Hidden=false\nX-GNOME-Autostart-enabled=true\n", true},
        {"", true},
    };
    for (const auto& [lines, starts] : cases) {
        const std::string entry = "[Desktop Entry]\nExec=/x\n" + lines + "[Other]\nHidden=true\n";
        EXPECT_EQ(DesktopEntryCommand(entry).has_value(), starts) << lines;
    }
}

class AutostartEntriesFolder : public test::TempFolderTest {
  protected:
    fs::path Autostart() const { return folder() / "config" / "autostart"; }
};

TEST_F(AutostartEntriesFolder, WritingCreatesTheFolderAndTheEntry) {
    AutostartEntries entries(Autostart());
    EXPECT_EQ(entries.ValueNames(), std::nullopt);
    EXPECT_EQ(entries.ReadValue("OrbelTagForge"), std::nullopt);
    ASSERT_TRUE(entries.WriteValue("OrbelTagForge", "\"/opt/Tag Forge/tagforge\""));
    const fs::path entry = Autostart() / "OrbelTagForge.desktop";
    EXPECT_EQ(OnDisk(entry), DesktopEntryText("OrbelTagForge", "\"/opt/Tag Forge/tagforge\""));
    EXPECT_EQ(entries.ReadValue("OrbelTagForge"), "\"/opt/Tag Forge/tagforge\"");
    EXPECT_EQ(AutostartEntries(Autostart()).ReadValue("OrbelTagForge"),
              "\"/opt/Tag Forge/tagforge\"");

    ASSERT_TRUE(entries.WriteValue("OrbelTagForge", "\"/new/place\""));
    EXPECT_EQ(entries.ReadValue("OrbelTagForge"), "\"/new/place\"");
}

TEST_F(AutostartEntriesFolder, DeletingRemovesTheEntry) {
    AutostartEntries entries(Autostart());
    ASSERT_TRUE(entries.WriteValue("OrbelTagForge", "\"/x\""));
    ASSERT_TRUE(entries.WriteValue("Other", "/other"));
    EXPECT_TRUE(entries.DeleteValue("OrbelTagForge"));
    EXPECT_FALSE(fs::exists(Autostart() / "OrbelTagForge.desktop"));
    EXPECT_TRUE(fs::exists(Autostart() / "Other.desktop"));
    EXPECT_EQ(entries.ReadValue("OrbelTagForge"), std::nullopt);
    EXPECT_TRUE(entries.DeleteValue("OrbelTagForge"));
    EXPECT_TRUE(AutostartEntries(folder() / "missing").DeleteValue("OrbelTagForge"));

    // Something that cannot be removed is reported.
    fs::create_directories(Autostart() / "Stuck.desktop" / "inside");
    EXPECT_FALSE(entries.DeleteValue("Stuck"));
}

TEST_F(AutostartEntriesFolder, EntryTurnedOffReadsAsMissingAndIsKept) {
    const std::string text = "[Desktop Entry]\nExec=/x\nHidden=true\n";
    fs::create_directories(Autostart());
    std::ofstream(Autostart() / "OrbelTagForge.desktop", std::ios::binary) << text;
    AutostartEntries entries(Autostart());
    EXPECT_EQ(entries.ReadValue("OrbelTagForge"), std::nullopt);
    EXPECT_TRUE(entries.DeleteValue("OrbelTagForge"));
    EXPECT_EQ(OnDisk(Autostart() / "OrbelTagForge.desktop"), text);
    // Ticking the box again turns it on.
    ASSERT_TRUE(entries.WriteValue("OrbelTagForge", "/x"));
    EXPECT_EQ(entries.ReadValue("OrbelTagForge"), "/x");
}

TEST_F(AutostartEntriesFolder, NamesAreTheDesktopFilesInNameOrder) {
    AutostartEntries entries(Autostart());
    ASSERT_TRUE(entries.WriteValue("b", "/b"));
    ASSERT_TRUE(entries.WriteValue("A", "/a"));
    ASSERT_TRUE(entries.WriteValue("c", "/c"));
    ASSERT_TRUE(entries.WriteValue(W("Ярлык"), "/ya"));
    EXPECT_TRUE(fs::exists(Autostart() / PathFromUtf8("Ярлык.desktop")));
    fs::create_directories(Autostart() / "folder.desktop");
    {
        std::ofstream(Autostart() / "notes.txt") << "x";
        std::ofstream(Autostart() / ".desktop") << "x";
        std::ofstream(Autostart() / "d.desktop.1234.tmp") << "x";
    }
    EXPECT_EQ(entries.ValueNames(), (Names{"A", "b", "c", W("Ярлык")}));
    EXPECT_EQ(entries.ReadValue(W("ярлык")), "/ya");
}

TEST_F(AutostartEntriesFolder, NamesIgnoreLetterCase) {
    AutostartEntries entries(Autostart());
    ASSERT_TRUE(entries.WriteValue("OrbelTagForge", "\"/x\""));
    EXPECT_EQ(entries.ReadValue("ORBELTAGFORGE"), "\"/x\"");
    ASSERT_TRUE(entries.WriteValue("orbeltagforge", "\"/y\""));
    EXPECT_EQ(entries.ValueNames(), (Names{"OrbelTagForge"}));
    EXPECT_EQ(entries.ReadValue("OrbelTagForge"), "\"/y\"");
    EXPECT_TRUE(entries.DeleteValue("ORBELtagforge"));
    EXPECT_EQ(entries.ValueNames(), Names{});
}

TEST_F(AutostartEntriesFolder, NamesThatLeaveTheFolderAreRefused) {
    AutostartEntries entries(Autostart());
    fs::create_directories(Autostart());
    for (const std::string& name :
         {std::string(), std::string("."), std::string(".."), std::string("a/b"),
          std::string("../escape"), std::string("nul\0x", 5)}) {
        EXPECT_FALSE(entries.WriteValue(name, "/x")) << name;
        EXPECT_EQ(entries.ReadValue(name), std::nullopt) << name;
        EXPECT_TRUE(entries.DeleteValue(name)) << name;
    }
    EXPECT_TRUE(fs::is_empty(Autostart()));
    EXPECT_EQ(FolderEntries(), Names{"config"});
}

TEST_F(AutostartEntriesFolder, UnwritableFolderFailsTheWrite) {
    Put("plain", "x");
    AutostartEntries belowAFile(folder() / "plain" / "autostart");
    EXPECT_FALSE(belowAFile.WriteValue("OrbelTagForge", "\"/x\""));
    EXPECT_EQ(belowAFile.ReadValue("OrbelTagForge"), std::nullopt);
    EXPECT_EQ(belowAFile.ValueNames(), std::nullopt);

    AutostartEntries onAFile(folder() / "plain");
    EXPECT_FALSE(onAFile.WriteValue("OrbelTagForge", "\"/x\""));
    EXPECT_EQ(OnDisk(folder() / "plain"), "x");
}

#if defined(__unix__)
TEST_F(AutostartEntriesFolder, FullDiskKeepsTheOldEntry) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
    AutostartEntries entries(Autostart());
    ASSERT_TRUE(entries.WriteValue("OrbelTagForge", "\"/old\""));
    const std::string before = OnDisk(Autostart() / "OrbelTagForge.desktop");
    {
        const test::FileSizeCap cap(10);
        EXPECT_FALSE(entries.WriteValue("OrbelTagForge", "\"/a/much/longer/new/path\""));
    }
    EXPECT_EQ(OnDisk(Autostart() / "OrbelTagForge.desktop"), before);
    EXPECT_EQ(entries.ValueNames(), Names{"OrbelTagForge"});
    EXPECT_EQ(entries.ReadValue("OrbelTagForge"), "\"/old\"");
}
#endif

}  // namespace
}  // namespace tagforge
