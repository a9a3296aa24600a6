#include "core/store/profile.h"

#include <string>
#include <type_traits>
#include <variant>

#include "core/format/gradient_stops.h"
#include "core/format/single_line.h"
#include "core/store/ini_file.h"

namespace tagforge {

namespace {

constexpr std::string_view kLinesSeparator = "[::]";

using Field = std::variant<bool Profile::*, long Profile::*, std::string Profile::*,
                           ColorValue Profile::*, std::vector<std::string> Profile::*>;

struct ProfileEntry {
    ProfileKey key;
    Field field;
};

using Kind = ProfileValueKind;

const std::vector<ProfileEntry>& Entries() {
    static const std::vector<ProfileEntry> entries = {
        {{"Form", "ActivePage", Kind::Integer}, &Profile::formActivePage},

        {{"Page1", "OtherNameEnabled", Kind::Flag}, &Profile::otherNameEnabled},
        {{"Page1", "OtherNameColorEnabled", Kind::Flag}, &Profile::otherNameColorEnabled},
        {{"Page1", "OtherName", Kind::Text}, &Profile::otherName},
        {{"Page1", "OtherNickColor", Kind::Colour}, &Profile::otherNickColor},
        {{"Page1", "Other3rdFaceEnabled", Kind::Flag}, &Profile::other3rdFaceEnabled},
        {{"Page1", "OwnText", Kind::Text}, &Profile::page1OwnText},
        {{"Page1", "TagEnabled", Kind::Flag}, &Profile::tagEnabled},
        {{"Page1", "Tag", Kind::Text}, &Profile::tag},
        {{"Page1", "FontNameEnabled", Kind::Flag}, &Profile::fontNameEnabled},
        {{"Page1", "FontName", Kind::Text}, &Profile::fontName},
        {{"Page1", "FontSizeEnabled", Kind::Flag}, &Profile::fontSizeEnabled},
        {{"Page1", "FontSize", Kind::Integer}, &Profile::fontSize},
        {{"Page1", "SolidColor", Kind::Colour}, &Profile::solidColor},
        {{"Page1", "GradientBeginColor", Kind::Colour}, &Profile::gradientBeginColor},
        {{"Page1", "GradientEndColor", Kind::Colour}, &Profile::gradientEndColor},
        {{"Page1", "AlternationFirstColor", Kind::Colour}, &Profile::alternationFirstColor},
        {{"Page1", "AlternationSecondColor", Kind::Colour}, &Profile::alternationSecondColor},
        {{"Page1", "OnlyForYouColor", Kind::Colour}, &Profile::onlyForYouColor},
        {{"Page1", "OnlyForYouColorEnable", Kind::Flag}, &Profile::onlyForYouColorEnable},
        {{"Page1", "Reciever", Kind::Text}, &Profile::reciever},
        {{"Page1", "Text", Kind::LinesText}, &Profile::text},
        {{"Page1", "OnlyForYouEnabled", Kind::Flag}, &Profile::onlyForYouEnabled},
        {{"Page1", "OnlyForYouModificator", Kind::Text}, &Profile::onlyForYouModificator},
        {{"Page1", "OkEnabled", Kind::Flag}, &Profile::okEnabled},
        {{"Page1", "OkType", Kind::Text}, &Profile::okType},
        {{"Page1", "OkColor", Kind::Colour}, &Profile::okColor},
        {{"Page1", "OkColorEnabled", Kind::Flag}, &Profile::okColorEnabled},
        {{"Page1", "JumpFontEnabled", Kind::Flag}, &Profile::jumpFontEnabled},
        {{"Page1", "ReverseTextEnabled", Kind::Flag}, &Profile::reverseTextEnabled},
        {{"Page1", "JumpFontValue", Kind::Integer}, &Profile::jumpFontValue},
        {{"Page1", "ColorEffectEnabled", Kind::Flag}, &Profile::colorEffectEnabled},
        {{"Page1", "ColorEffect", Kind::Integer}, &Profile::colorEffect},
        {{"Page1", "GradientStops", Kind::Text}, &Profile::gradientStops},
        {{"Page1", "UnderLine", Kind::Flag}, &Profile::underLine},
        {{"Page1", "Italic", Kind::Flag}, &Profile::italic},
        {{"Page1", "Bold", Kind::Flag}, &Profile::bold},

        {{"Page2", "ActivePage", Kind::Integer}, &Profile::page2ActivePage},
        {{"Page2", "Where", Kind::Text}, &Profile::where},
        {{"Page2", "Action", Kind::Text}, &Profile::action},
        {{"Page2", "Period", Kind::Text}, &Profile::period},
        {{"Page2", "KillerName", Kind::Text}, &Profile::killerName},
        {{"Page2", "VictimName", Kind::Text}, &Profile::victimName},
        {{"Page2", "ReasonName", Kind::Text}, &Profile::reasonName},
        {{"Page2", "OwnText", Kind::Text}, &Profile::page2OwnText},
        {{"Page2", "WhatDo", Kind::Text}, &Profile::whatDo},
        {{"Page2", "Nick", Kind::Text}, &Profile::nick},
        {{"Page2", "Nicks", Kind::LinesList}, &Profile::nicks},
        {{"Page2", "PersonallyErrorMessage", Kind::Text}, &Profile::personallyErrorMessage},
        {{"Page2", "PersErrorType", Kind::Integer}, &Profile::persErrorType},
        {{"Page2", "ComeColorEnabled", Kind::Flag}, &Profile::comeColorEnabled},
        {{"Page2", "ComeColor", Kind::BareColour}, &Profile::comeColor},
        {{"Page2", "ASCIIName", Kind::Text}, &Profile::asciiName},
    };
    return entries;
}

// A value is one line of the file: a line break left in it would end the value there and make
// the rest a stray line.
std::string Quoted(std::string_view text) {
    return "\"" + OnOneLine(text) + "\"";
}

std::string Written(bool value, Kind /*kind*/) {
    return value ? "1" : "0";
}

std::string Written(long value, Kind /*kind*/) {
    return std::to_string(value);
}

std::string Written(const std::string& value, Kind kind) {
    return Quoted(kind == Kind::LinesText ? EncodeLinesText(value) : value);
}

std::string Written(ColorValue value, Kind kind) {
    const std::string code = ToColorCode(value);
    return kind == Kind::BareColour ? code : Quoted(code);
}

std::string Written(const std::vector<std::string>& value, Kind /*kind*/) {
    return Quoted(EncodeLinesList(value));
}

// `current` holds the field default on entry, which is what a missing key gives.
void ReadInto(bool& current, const IniFile& file, const ProfileKey& key) {
    current = file.ReadInteger(key.section, key.name, current ? 1 : 0) != 0;
}

void ReadInto(long& current, const IniFile& file, const ProfileKey& key) {
    current = file.ReadInteger(key.section, key.name, current);
}

void ReadInto(std::string& current, const IniFile& file, const ProfileKey& key) {
    if (key.kind == Kind::LinesText) {
        // The message is read whole: the value cut is a reading limit of other platforms, not
        // of the file, and a cut message would be lost without a word.
        current = DecodeLinesText(
            file.ReadString(key.section, key.name, EncodeLinesText(current), std::string::npos));
    } else {
        current = file.ReadString(key.section, key.name, current);
    }
}

// A default passes through its own colour code unchanged, so it can stand in for a missing key.
void ReadInto(ColorValue& current, const IniFile& file, const ProfileKey& key) {
    current = FromColorCode(file.ReadString(key.section, key.name, ToColorCode(current)));
}

void ReadInto(std::vector<std::string>& current, const IniFile& file, const ProfileKey& key) {
    current = DecodeLinesList(file.ReadString(key.section, key.name, EncodeLinesList(current)));
}

const ProfileEntry* EntryOf(const ProfileKey& key) {
    for (const ProfileEntry& entry : Entries()) {
        if (entry.key.section == key.section && entry.key.name == key.name) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

const std::vector<ProfileKey>& ProfileKeys() {
    static const std::vector<ProfileKey> keys = [] {
        std::vector<ProfileKey> result;
        result.reserve(Entries().size());
        for (const ProfileEntry& entry : Entries()) {
            result.push_back(entry.key);
        }
        return result;
    }();
    return keys;
}

Profile ReadProfile(const IniFile& file) {
    Profile profile;
    for (const ProfileEntry& entry : Entries()) {
        // The gradient colours come earlier in the table, so a file from before the stop list
        // finds them read here.
        if (entry.field == Field{&Profile::gradientStops}) {
            profile.gradientStops =
                GradientStopsText({profile.gradientBeginColor, profile.gradientEndColor});
        }
        std::visit([&](auto member) { ReadInto(profile.*member, file, entry.key); }, entry.field);
    }
    return profile;
}

std::string WrittenValue(const Profile& profile, const ProfileKey& key) {
    const ProfileEntry* entry = EntryOf(key);
    if (entry == nullptr) {
        return {};
    }
    return std::visit([&](auto member) { return Written(profile.*member, key.kind); },
                      entry->field);
}

void WriteProfile(IniFile& file, const Profile& profile) {
    std::vector<IniEntry> writes;
    writes.reserve(Entries().size());
    for (const ProfileEntry& entry : Entries()) {
        writes.push_back(
            {std::string(entry.key.section), std::string(entry.key.name),
             std::visit([&](auto member) { return Written(profile.*member, entry.key.kind); },
                        entry.field)});
    }
    file.WriteStrings(writes);
}

std::string EncodeLinesText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] == '\r') {
            result.append(kLinesSeparator);
            ++pos;  // the LF of the pair, or whatever stands in its place
        } else {
            result.push_back(text[pos]);
        }
    }
    return result;
}

std::string EncodeLinesList(const std::vector<std::string>& items) {
    std::string result;
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (index > 0) {
            result.append(kLinesSeparator);
        }
        result.append(items[index]);
    }
    return result;
}

std::string DecodeLinesText(std::string_view value) {
    std::string result;
    result.reserve(value.size());
    for (std::size_t pos = 0; pos < value.size();) {
        const std::size_t marker = value.find(kLinesSeparator, pos);
        result.append(value.substr(pos, marker - pos));
        if (marker == std::string_view::npos) {
            break;
        }
        result.append("\r\n");
        pos = marker + kLinesSeparator.size();
    }
    return result;
}

std::vector<std::string> DecodeLinesList(std::string_view value) {
    std::vector<std::string> items;
    std::size_t pos = 0;
    for (std::size_t marker = value.find(kLinesSeparator); marker != std::string_view::npos;
         marker = value.find(kLinesSeparator, pos)) {
        items.emplace_back(value.substr(pos, marker - pos));
        pos = marker + kLinesSeparator.size();
    }
    if (pos < value.size()) {
        items.emplace_back(value.substr(pos));
    }
    return items;
}

}  // namespace tagforge
