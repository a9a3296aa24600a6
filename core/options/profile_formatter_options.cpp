#include "core/options/profile_formatter_options.h"

#include "core/format/effect_selection.h"
#include "core/options/option_table.h"
#include "core/store/tag_list.h"

namespace tagforge {
namespace {

void ApplyEffectPanels(const Profile& profile, FormatterOptions& options, RandomSource& random,
                       std::uint32_t seed) {
    const RememberedEffectColors remembered{profile.solidColor, profile.gradientBeginColor,
                                            profile.gradientEndColor, profile.alternationFirstColor,
                                            profile.alternationSecondColor};
    const EffectPanels panels =
        SelectEffectPanels(options.colorEffect, remembered, EffectPanels{}, random, seed);
    options.firstEffectColor = panels.first;
    options.secondEffectColor = panels.second;
}

}  // namespace

FormatterOptions FormatterOptionsFromProfile(const Profile& profile,
                                             const std::optional<std::vector<std::string>>& tagList,
                                             RandomSource& random, std::uint32_t randomSolidSeed) {
    FormatterOptions options = PlainFormatterOptions(profile);
    // A fresh window takes these texts from the profile as they are.
    options.message = profile.text;
    options.otherNickName = profile.otherName;
    options.ownText = profile.page1OwnText;
    options.addressee = profile.reciever;

    options.fontNameEnabled = !profile.fontName.empty() && profile.fontNameEnabled;
    options.fontName = profile.fontName;
    const long fontSize = NormalisedFontSize(profile.fontSize);
    options.fontSize = fontSize != 0 ? std::to_string(fontSize) : std::string();

    if (tagList) {
        options.tagEnabled = profile.tagEnabled;
        const int pick = PickEntry(*tagList, profile.tag);
        options.tag = pick < 0 ? std::string() : (*tagList)[static_cast<std::size_t>(pick)];
    }

    options.danceRatioPercent = static_cast<int>(NormalisedDanceRatio(profile.jumpFontValue));
    options.colorEffect = static_cast<int>(NormalisedEffect(profile.colorEffect));
    options.gradientStops = GradientStopsOf(profile);

    ApplyEffectPanels(profile, options, random, randomSolidSeed);
    return options;
}

}  // namespace tagforge
