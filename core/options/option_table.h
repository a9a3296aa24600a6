#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/format/result_assembly.h"
#include "core/store/profile.h"

namespace tagforge {

// The tabs of the template page in tab order; [Page2] ActivePage keeps the index.
enum class TemplateTab : long { KillLine = 0, Solitude = 1, Notification = 2, AsciiArt = 3 };

// The sub-pages of the formatting page in tab order; [Form] ActivePage keeps the index.
enum class FormattingTab : long { HandMade = 0, Templates = 1 };

// How a control shows its option.
enum class ControlKind {
    Check,        // a check box: on or off
    Text,         // a line edit or an editable list box: its text
    Message,      // the message memo: lines joined by CR LF
    ColourPanel,  // a colour panel: its colour
    Slider,       // a track bar or an up-down box: its position
    ListIndex,    // a fixed list box: the index of its entry
};

// Whether the table alone moves an option between profile, controls and formatter, or whether
// the option has rules of its own (a list the value must be found in, a range, a text that only
// replaces when it is not empty), which its users apply themselves.
enum class OptionRule { Plain, OwnRules };

using ProfileField = std::variant<std::monostate, bool Profile::*, long Profile::*,
                                  std::string Profile::*, ColorValue Profile::*>;
// Brings a stored number into the range its control can show.
using Normaliser = long (*)(long);

using FormatterField =
    std::variant<std::monostate, bool FormatterOptions::*, int FormatterOptions::*,
                 std::string FormatterOptions::*, ColorValue FormatterOptions::*>;

// One option the formatter reads: the control that shows it (by its object name), the profile
// field that keeps it (under the key the profile table gives that field; the field's initial
// value is the default), the formatter field that reads it and, for a number the control cannot
// show in full, what brings it into range.
struct FormatterOptionRow {
    std::string_view controlName;
    ControlKind control;
    ProfileField profileField;
    FormatterField formatterField;
    OptionRule rule;
    Normaliser normalise = nullptr;
};

// The size list offers the sizes 1 to kFontSizeCount.
inline constexpr long kFontSizeCount = 7;

// The stored font size, or 0 (no size chosen) when the size list does not offer it.
long NormalisedFontSize(long size);
// The size list's entry showing `size`; -1 when the list does not offer it.
int FontSizeEntry(long size);
// The effect list's entry; an index outside the list selects no effect.
long NormalisedEffect(long stored);
// The dance ratio slider's position, 0 to 100.
long NormalisedDanceRatio(long stored);

// Every option the formatter reads: those of the hand-made page, in the order the profile file
// keeps them, then the threshold, which lives on the settings page and in the settings store.
const std::vector<FormatterOptionRow>& FormatterOptionTable();

// The option shown by the control named `controlName`; nullptr for other names.
const FormatterOptionRow* FindFormatterOptionRow(std::string_view controlName);

// One field of the template page: the control that shows it (by its object name) and the
// profile field that keeps it. A stored text replaces the control's text only when it is not
// empty, so an empty key keeps the presets the boxes start with.
struct TemplateOption {
    std::string_view controlName;
    ControlKind control;
    ProfileField profileField;
};

// The template page's fields in the order the profile file keeps them, except the nick list and
// the notification kind, whose rules the page applies itself.
const std::vector<TemplateOption>& TemplateOptions();

// A value on its way between a profile, a control and the formatter.
using OptionValue = std::variant<bool, long, std::string, ColorValue>;

// The value a fresh profile holds for the option.
OptionValue DefaultValue(const FormatterOptionRow& option);
// The value as the option's control can show it; values other than numbers pass unchanged.
OptionValue NormalisedValue(const FormatterOptionRow& option, const OptionValue& value);

// The field's value in the profile; a field the profile does not keep gives false.
OptionValue ProfileValue(const Profile& profile, const ProfileField& field);
void SetProfileValue(Profile& profile, const ProfileField& field, const OptionValue& value);
// Sets the formatter field; a number becomes the field's int, a text its string.
void SetFormatterValue(FormatterOptions& options, const FormatterOptionRow& option,
                       const OptionValue& value);

// The stops of the profile's gradient through stops; a list that is not 2 to 8 colour codes gives
// the two gradient colours.
std::vector<ColorValue> GradientStopsOf(const Profile& profile);

// The formatter options that follow from a profile through its plain options alone.
FormatterOptions PlainFormatterOptions(const Profile& profile);

}  // namespace tagforge
