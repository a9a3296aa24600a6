#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/format/color_code.h"

namespace tagforge {

class IniFile;

// Every option a profile file holds, with the defaults a missing key gives. Field names follow
// the key names of the file.
struct Profile {
    // [Form]
    long formActivePage = 0;

    // [Page1]
    bool otherNameEnabled = false;
    bool otherNameColorEnabled = false;
    std::string otherName;
    ColorValue otherNickColor = FromColorCode("3399FF");
    bool other3rdFaceEnabled = false;
    std::string page1OwnText;
    bool tagEnabled = false;
    std::string tag;
    bool fontNameEnabled = false;
    std::string fontName;
    bool fontSizeEnabled = false;
    long fontSize = 4;
    ColorValue solidColor = FromColorCode("FF0000");
    ColorValue gradientBeginColor = FromColorCode("00FF00");
    ColorValue gradientEndColor = FromColorCode("0000FF");
    ColorValue alternationFirstColor = FromColorCode("FF00FF");
    ColorValue alternationSecondColor = FromColorCode("00FF00");
    ColorValue onlyForYouColor = FromColorCode("99FF33");
    bool onlyForYouColorEnable = false;
    std::string reciever;
    std::string text;  // lines separated by CR LF
    bool onlyForYouEnabled = false;
    std::string onlyForYouModificator = "\xF2\xEE\xEB\xFC\xEA\xEE \xE4\xEB\xFF \xE2\xE0\xF1, ";
    bool okEnabled = false;
    std::string okType = "Ok?";
    ColorValue okColor = FromColorCode("0099FF");
    bool okColorEnabled = false;
    bool jumpFontEnabled = false;
    bool reverseTextEnabled = false;
    long jumpFontValue = 50;
    bool colorEffectEnabled = false;
    long colorEffect = 0;
    // The gradient through stops as "RRGGBB RRGGBB ...", kept as read; a file without it has the
    // two gradient colours as its stops.
    std::string gradientStops = "00FF00 0000FF";
    bool underLine = false;
    bool italic = false;
    bool bold = false;

    // [Page2]
    long page2ActivePage = 0;
    std::string where;
    std::string action;
    std::string period;
    std::string killerName;
    std::string victimName;
    std::string reasonName;
    std::string page2OwnText;
    std::string whatDo;
    std::string nick;
    std::vector<std::string> nicks;
    std::string personallyErrorMessage;
    long persErrorType = 0;
    bool comeColorEnabled = false;
    ColorValue comeColor = FromColorCode("3399FF");
    std::string asciiName;

    bool operator==(const Profile&) const = default;
};

enum class ProfileValueKind { Flag, Integer, Text, Colour, BareColour, LinesText, LinesList };

// One key of the profile file, in the order the file is written.
struct ProfileKey {
    std::string_view section;
    std::string_view name;
    ProfileValueKind kind;
};

// All keys of the sections Form, Page1 and Page2, in writing order.
const std::vector<ProfileKey>& ProfileKeys();

// Reads every key; a missing file, section or key gives the field's default.
Profile ReadProfile(const IniFile& file);

// The value of one key as it is written into the file (quotes included where its kind has them).
std::string WrittenValue(const Profile& profile, const ProfileKey& key);

// Writes every key in table order, as private-profile writes one by one would, with one
// replacement of the file. Throws FileWriteError and leaves the file as it was when it cannot be
// written.
void WriteProfile(IniFile& file, const Profile& profile);

// The Lines encoding: line breaks (and list separators) become "[::]" on one line.
std::string EncodeLinesText(std::string_view text);
std::string EncodeLinesList(const std::vector<std::string>& items);
std::string DecodeLinesText(std::string_view value);
std::vector<std::string> DecodeLinesList(std::string_view value);

}  // namespace tagforge
