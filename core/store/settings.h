#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/format/color_code.h"
#include "core/format/result_limit.h"
#include "core/store/registry.h"

namespace tagforge {

inline constexpr std::string_view kSettingsKey = "\\Software\\Orbel Soft\\TagForge";
inline constexpr std::string_view kFontNamesKey = "\\Software\\Orbel Soft\\TagForge\\Fonts\\Names";
inline constexpr std::string_view kNicksKey = "\\Software\\Orbel Soft\\TagForge\\Nicks";
inline constexpr std::string_view kRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kRunValue = "OrbelTagForge";

// One stored setting: where it lives, its name and the text a missing value reads as (the
// stored text of the value in Settings{}).
struct SettingValue {
    RegistryRoot root;
    std::string_view keyPath;
    std::string_view name;
    std::string defaultText;
};

// Every setting in the order it is written and read (the Run value sits between
// SmileFrequentlyUsed and FontName).
const std::vector<SettingValue>& SettingValues();

// Choices of the "show smileys at start" box.
enum ShowSmilesEntry { kShowSmilesAlways = 0, kShowSmilesNever = 1, kShowSmilesRemember = 2 };

// The values of the settings page, the window's place and size and the input font.
struct Settings {
    long top = 100;
    long left = 100;
    // The window's inner size without the smiley pane; 0 (older stores): the window's own size.
    long width = 0;
    long height = 0;
    bool autoSave = true;
    bool enableResultLimit = true;
    long resultLimit = kDefaultResultLimit;
    bool minimizeToTray = true;
    long restoreMethod = 1;
    int showSmilesEntry = kShowSmilesRemember;
    bool smilePaneShown = false;
    bool showHint = true;
    bool enableSmileSeparate = true;
    long smileSeparate = 24;
    ColorValue previewBgColor = FromColorCode("000000");
    bool previewWordWrap = true;
    bool smileFrequentlyUsed = true;
    bool autoRun = false;
    std::string fontName = "Courier New";
    long fontSize = 8;
    long charset = 204;
    bool bold = false;
    bool italic = false;
    std::string smileGroup;
    // Whether the formatting page shows the result rendered under the message.
    bool showLivePreview = true;

    bool operator==(const Settings&) const = default;
};

// The command line the Run value holds for the program at `executablePath`. An installed program
// is named alone and found on PATH, as the menu's desktop entry finds it, so an entry that
// outlives the package is skipped by the desktop instead of failing; a portable copy is started
// by its quoted full path.
std::string AutostartCommand(std::string_view executablePath, bool installed);

// The stored texts, one per entry of SettingValues(); an empty text means "delete the value".
// `autostartCommand` (see AutostartCommand) is what the Run value starts when autoRun is on.
std::vector<std::string> EncodeSettings(const Settings& settings,
                                        std::string_view autostartCommand);

// Reads the texts of SettingValues() (defaults already substituted for missing values); numbers
// read as atol does, so a text without leading digits is 0 and a flag is on unless it reads 0.
Settings DecodeSettings(const std::vector<std::string>& texts);

// 0 "always", 1 "never", 2 or 3 "remember" with the pane hidden or shown.
long EncodeShowSmilesType(int entry, bool paneShown);
struct ShowSmilesChoice {
    int entry;
    bool paneShown;
};
ShowSmilesChoice DecodeShowSmilesType(long stored);

}  // namespace tagforge
