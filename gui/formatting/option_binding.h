#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/format/result_assembly.h"
#include "gui/formatting/option_controls.h"

namespace tagforge {

class EffectColors;
class FormattingControls;
struct Profile;

// Moves option values between the formatting page's controls and a profile, reads them as the
// formatter's options, and fills the font list the font option chooses from.
class OptionBinding {
  public:
    OptionBinding(const FormattingControls& controls, EffectColors& effects);

    // The option table spans pages, so the window binds it once every page exists.
    void bind(std::vector<BoundOption> options);
    FormatterOptions formatterOptions() const;

    // `tags` is the tag list, none when there is no list file.
    void apply(const Profile& profile, const std::optional<std::vector<std::string>>& tags);
    void store(Profile& profile) const;

    std::vector<std::string> offeredFonts() const;
    std::string shownFont() const;
    // Replaces the font list and shows entry `current`; with no fonts the option is switched off.
    void offerFonts(const std::vector<std::string>& names, int current);
    // Replaces the font list alone, leaving the option as it is.
    void listFonts(const std::vector<std::string>& names);

  private:
    // The font option can be used only while the list offers fonts; without any it is off.
    bool enableFontOption();

    const FormattingControls* controls_;
    EffectColors* effects_;
    std::vector<BoundOption> bound_;
};

}  // namespace tagforge
