#include "core/options/option_table.h"

#include <algorithm>
#include <type_traits>

#include "core/format/gradient_stops.h"
#include "core/options/list_entry.h"

namespace tagforge {

namespace {

using P = Profile;
using F = FormatterOptions;
using Kind = ControlKind;
constexpr OptionRule kPlain = OptionRule::Plain;
constexpr OptionRule kOwn = OptionRule::OwnRules;

template <class Value, class Held>
Value ConvertedHeld(const Held& held) {
    if constexpr (std::is_same_v<Held, Value>) {
        return held;
    } else if constexpr (std::is_same_v<Value, int> && std::is_same_v<Held, long>) {
        return static_cast<int>(held);
    } else if constexpr (std::is_same_v<Value, long> && std::is_same_v<Held, bool>) {
        return held ? 1 : 0;
    } else if constexpr (std::is_same_v<Value, std::string> && std::is_same_v<Held, long>) {
        return std::to_string(held);
    } else {
        return Value{};
    }
}

template <class Value>
Value Converted(const OptionValue& value) {
    return std::visit([](const auto& held) { return ConvertedHeld<Value>(held); }, value);
}

constexpr long kDanceRatioMax = 100;

}  // namespace

long NormalisedFontSize(long size) {
    return ListEntry(size - 1, kFontSizeCount) + 1;
}

int FontSizeEntry(long size) {
    return static_cast<int>(NormalisedFontSize(size)) - 1;
}

long NormalisedEffect(long stored) {
    return ListEntry(stored, kEffectGradientStops + 1);
}

long NormalisedDanceRatio(long stored) {
    return std::clamp(stored, 0L, kDanceRatioMax);
}

const std::vector<FormatterOptionRow>& FormatterOptionTable() {
    static const std::vector<FormatterOptionRow> options = {
        {"cbOtherName", Kind::Check, &P::otherNameEnabled, &F::otherNick, kPlain},
        {"cbOtherNameColor", Kind::Check, &P::otherNameColorEnabled, &F::otherNickColorEnabled,
         kPlain},
        {"OtherNameNick", Kind::Text, &P::otherName, &F::otherNickName, kOwn},
        {"OtherNameColor", Kind::ColourPanel, &P::otherNickColor, &F::otherNickColor, kPlain},
        {"cb3rdFace", Kind::Check, &P::other3rdFaceEnabled, &F::thirdFace, kPlain},
        {"OtherNameOwnText", Kind::Text, &P::page1OwnText, &F::ownText, kOwn},
        {"CheckBox1", Kind::Check, &P::tagEnabled, &F::tagEnabled, kOwn},
        {"ComboBox1", Kind::Text, &P::tag, &F::tag, kOwn},
        {"cbFontName", Kind::Check, &P::fontNameEnabled, &F::fontNameEnabled, kOwn},
        {"comboboxFontName", Kind::Text, &P::fontName, &F::fontName, kOwn},
        {"cbFontSize", Kind::Check, &P::fontSizeEnabled, &F::fontSizeEnabled, kPlain},
        {"ComboBoxFontSize", Kind::Text, &P::fontSize, &F::fontSize, kOwn, NormalisedFontSize},
        {"ImOnlyForYou", Kind::ColourPanel, &P::onlyForYouColor, &F::onlyForYouColor, kPlain},
        {"cbOnlyForYouColor", Kind::Check, &P::onlyForYouColorEnable, &F::onlyForYouColorEnabled,
         kPlain},
        {"OnlyForYouName", Kind::Text, &P::reciever, &F::addressee, kOwn},
        {"MainText", Kind::Message, &P::text, &F::message, kOwn},
        {"cbOnlyForYou", Kind::Check, &P::onlyForYouEnabled, &F::onlyForYou, kPlain},
        {"ComboOnlyForYou", Kind::Text, &P::onlyForYouModificator, &F::onlyForYouWording, kPlain},
        {"cbOk", Kind::Check, &P::okEnabled, &F::linkEnabled, kPlain},
        {"ComboBox2", Kind::Text, &P::okType, &F::linkText, kPlain},
        {"ImOkColor", Kind::ColourPanel, &P::okColor, &F::linkColor, kPlain},
        {"cbOkColor", Kind::Check, &P::okColorEnabled, &F::linkColorEnabled, kPlain},
        {"cbDanceFont", Kind::Check, &P::jumpFontEnabled, &F::danceCase, kPlain},
        {"cbReverseText", Kind::Check, &P::reverseTextEnabled, &F::reverseText, kPlain},
        {"tbDanceFontRatio", Kind::Slider, &P::jumpFontValue, &F::danceRatioPercent, kOwn,
         NormalisedDanceRatio},
        {"cbColorMark", Kind::Check, &P::colorEffectEnabled, &F::colorEffectEnabled, kPlain},
        {"comboboxColorMark", Kind::ListIndex, &P::colorEffect, &F::colorEffect, kOwn,
         NormalisedEffect},
        {"Image6", Kind::ColourPanel, std::monostate{}, &F::firstEffectColor, kOwn},
        {"Image7", Kind::ColourPanel, std::monostate{}, &F::secondEffectColor, kOwn},
        {"cbEffect4", Kind::Check, &P::underLine, &F::underline, kPlain},
        {"cbEffect5", Kind::Check, &P::italic, &F::italic, kPlain},
        {"cbEffect6", Kind::Check, &P::bold, &F::bold, kPlain},
        {"cbThreshold", Kind::Check, std::monostate{}, &F::thresholdEnabled, kOwn},
        {"UpDown2", Kind::Slider, std::monostate{}, &F::threshold, kOwn},
    };
    return options;
}

const FormatterOptionRow* FindFormatterOptionRow(std::string_view controlName) {
    for (const FormatterOptionRow& option : FormatterOptionTable()) {
        if (option.controlName == controlName) {
            return &option;
        }
    }
    return nullptr;
}

const std::vector<TemplateOption>& TemplateOptions() {
    static const std::vector<TemplateOption> options = {
        {"cbKillWhere", Kind::Text, &P::where},
        {"cbKillAction", Kind::Text, &P::action},
        {"cbKillTime", Kind::Text, &P::period},
        {"KillName", Kind::Text, &P::killerName},
        {"VictimName", Kind::Text, &P::victimName},
        {"cbKillReason", Kind::Text, &P::reasonName},
        {"Edit5", Kind::Text, &P::page2OwnText},
        {"SolitudeWhatDo", Kind::Text, &P::whatDo},
        {"SolitudeNick", Kind::Text, &P::nick},
        {"PersonallyErrorMessage", Kind::Text, &P::personallyErrorMessage},
        {"cbComeColor", Kind::Check, &P::comeColorEnabled},
        {"ComeColor", Kind::ColourPanel, &P::comeColor},
    };
    return options;
}

OptionValue DefaultValue(const FormatterOptionRow& option) {
    return ProfileValue(Profile{}, option.profileField);
}

OptionValue NormalisedValue(const FormatterOptionRow& option, const OptionValue& value) {
    const long* number = std::get_if<long>(&value);
    if (option.normalise == nullptr || number == nullptr) {
        return value;
    }
    return option.normalise(*number);
}

OptionValue ProfileValue(const Profile& profile, const ProfileField& profileField) {
    return std::visit(
        [&](auto field) -> OptionValue {
            if constexpr (std::is_same_v<decltype(field), std::monostate>) {
                return false;
            } else {
                return profile.*field;
            }
        },
        profileField);
}

void SetProfileValue(Profile& profile, const ProfileField& profileField, const OptionValue& value) {
    std::visit(
        [&](auto field) {
            if constexpr (!std::is_same_v<decltype(field), std::monostate>) {
                using Value = std::decay_t<decltype(profile.*field)>;
                profile.*field = Converted<Value>(value);
            }
        },
        profileField);
}

void SetFormatterValue(FormatterOptions& options, const FormatterOptionRow& option,
                       const OptionValue& value) {
    std::visit(
        [&](auto field) {
            if constexpr (!std::is_same_v<decltype(field), std::monostate>) {
                using Value = std::decay_t<decltype(options.*field)>;
                options.*field = Converted<Value>(value);
            }
        },
        option.formatterField);
}

std::vector<ColorValue> GradientStopsOf(const Profile& profile) {
    return EffectiveGradientStops(profile.gradientStops, profile.gradientBeginColor,
                                  profile.gradientEndColor);
}

FormatterOptions PlainFormatterOptions(const Profile& profile) {
    FormatterOptions options;
    for (const FormatterOptionRow& option : FormatterOptionTable()) {
        if (option.rule == OptionRule::Plain) {
            SetFormatterValue(options, option, ProfileValue(profile, option.profileField));
        }
    }
    return options;
}

}  // namespace tagforge
