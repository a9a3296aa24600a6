#include "core/store/settings.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "core/store/ini_file.h"

namespace tagforge {

namespace {

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;

std::string Flag(bool on) {
    return on ? "1" : "0";
}

std::string Number(long value) {
    return std::to_string(value);
}

bool ReadFlag(const std::string& text) {
    return AtolWin32(text) != 0;
}

bool IsPlainNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.' || c == '+';
}

// The Run value starts the program unless it is empty or "0".
bool ReadAutoRun(const std::string& text) {
    return !text.empty() && text != "0";
}

}  // namespace

const std::vector<SettingValue>& SettingValues() {
    static const std::vector<SettingValue> values = [] {
        struct Place {
            RegistryRoot root;
            std::string_view keyPath;
            std::string_view name;
        };
        const Place places[] = {
            {kMachine, kSettingsKey, "Top"},
            {kMachine, kSettingsKey, "Left"},
            {kMachine, kSettingsKey, "Width"},
            {kMachine, kSettingsKey, "Height"},
            {kMachine, kSettingsKey, "AutoSave"},
            {kMachine, kSettingsKey, "EnableResultLimit"},
            {kMachine, kSettingsKey, "ResultLimit"},
            {kMachine, kSettingsKey, "MinimizeToTray"},
            {kMachine, kSettingsKey, "RestoreMethod"},
            {kMachine, kSettingsKey, "ShowSmilesType"},
            {kMachine, kSettingsKey, "ShowHint"},
            {kMachine, kSettingsKey, "EnableSmileSeparate"},
            {kMachine, kSettingsKey, "SmileSeparate"},
            {kMachine, kSettingsKey, "PreviewBGColor"},
            {kMachine, kSettingsKey, "PreviewWordWrap"},
            {kMachine, kSettingsKey, "SmileFrequentlyUsed"},
            {RegistryRoot::CurrentUser, kRunKey, kRunValue},
            {kMachine, kSettingsKey, "FontName"},
            {kMachine, kSettingsKey, "FontSize"},
            {kMachine, kSettingsKey, "Charset"},
            {kMachine, kSettingsKey, "Bold"},
            {kMachine, kSettingsKey, "Italic"},
            {kMachine, kSettingsKey, "SmileGroup"},
            {kMachine, kSettingsKey, "ShowLivePreview"},
        };
        // A missing value reads as the stored text of the default; the Run value, which is
        // deleted rather than stored when off, reads as the flag.
        const Settings base;
        const std::vector<std::string> defaults = EncodeSettings(base, {});
        std::vector<SettingValue> settingValues;
        for (std::size_t i = 0; i < std::size(places); ++i) {
            const bool isRun = places[i].name == kRunValue;
            settingValues.push_back({places[i].root, places[i].keyPath, places[i].name,
                                     isRun ? Flag(base.autoRun) : defaults.at(i)});
        }
        return settingValues;
    }();
    return values;
}

std::string AutostartCommand(std::string_view executablePath, bool installed) {
    std::string_view program = executablePath;
    if (installed) {
        const std::size_t slash = program.find_last_of('/');
        if (slash != std::string_view::npos) {
            program.remove_prefix(slash + 1);
        }
        // A name a command line would split or expand still goes in quotes.
        if (!program.empty() && std::all_of(program.begin(), program.end(), IsPlainNameChar)) {
            return std::string(program);
        }
    }
    return "\"" + std::string(program) + "\"";
}

std::vector<std::string> EncodeSettings(const Settings& settings,
                                        std::string_view autostartCommand) {
    return {
        Number(settings.top),
        Number(settings.left),
        Number(settings.width),
        Number(settings.height),
        Flag(settings.autoSave),
        Flag(settings.enableResultLimit),
        Number(settings.resultLimit),
        Flag(settings.minimizeToTray),
        Number(settings.restoreMethod),
        Number(EncodeShowSmilesType(settings.showSmilesEntry, settings.smilePaneShown)),
        Flag(settings.showHint),
        Flag(settings.enableSmileSeparate),
        Number(settings.smileSeparate),
        ToColorCode(settings.previewBgColor),
        Flag(settings.previewWordWrap),
        Flag(settings.smileFrequentlyUsed),
        settings.autoRun ? std::string(autostartCommand) : std::string(),
        settings.fontName,
        Number(settings.fontSize),
        Number(settings.charset),
        Flag(settings.bold),
        Flag(settings.italic),
        settings.smileGroup,
        Flag(settings.showLivePreview),
    };
}

Settings DecodeSettings(const std::vector<std::string>& texts) {
    std::size_t next = 0;
    const auto text = [&]() -> const std::string& { return texts.at(next++); };
    Settings settings;
    settings.top = AtolWin32(text());
    settings.left = AtolWin32(text());
    settings.width = AtolWin32(text());
    settings.height = AtolWin32(text());
    settings.autoSave = ReadFlag(text());
    settings.enableResultLimit = ReadFlag(text());
    settings.resultLimit = AtolWin32(text());
    settings.minimizeToTray = ReadFlag(text());
    settings.restoreMethod = AtolWin32(text());
    const ShowSmilesChoice smiles = DecodeShowSmilesType(AtolWin32(text()));
    settings.showSmilesEntry = smiles.entry;
    settings.smilePaneShown = smiles.paneShown;
    settings.showHint = ReadFlag(text());
    settings.enableSmileSeparate = ReadFlag(text());
    settings.smileSeparate = AtolWin32(text());
    settings.previewBgColor = FromColorCode(text());
    settings.previewWordWrap = ReadFlag(text());
    settings.smileFrequentlyUsed = ReadFlag(text());
    settings.autoRun = ReadAutoRun(text());
    settings.fontName = text();
    settings.fontSize = AtolWin32(text());
    settings.charset = AtolWin32(text());
    settings.bold = ReadFlag(text());
    settings.italic = ReadFlag(text());
    settings.smileGroup = text();
    settings.showLivePreview = ReadFlag(text());
    return settings;
}

long EncodeShowSmilesType(int entry, bool paneShown) {
    switch (entry) {
        case kShowSmilesAlways:
            return 0;
        case kShowSmilesNever:
            return 1;
        default:
            return paneShown ? 3 : 2;
    }
}

ShowSmilesChoice DecodeShowSmilesType(long stored) {
    switch (stored) {
        case 0:
            return {kShowSmilesAlways, true};
        case 1:
            return {kShowSmilesNever, false};
        case 3:
            return {kShowSmilesRemember, true};
        default:
            return {kShowSmilesRemember, false};
    }
}

}  // namespace tagforge
