#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "core/options/option_table.h"

class QWidget;

namespace tagforge {

// The value a control shows for an option of the table, in the form the table moves it.
OptionValue ControlValue(const QWidget* control, ControlKind kind);
void SetControlValue(QWidget* control, ControlKind kind, const OptionValue& value);

// The control named `name` below `root`; a missing control is a programming error and stops.
QWidget* OptionControl(const QWidget& root, std::string_view name);

// Every option of `table` with its control below `root`, found by object name.
template <class Option>
std::vector<std::pair<const Option*, QWidget*>> BindControls(const QWidget& root,
                                                             const std::vector<Option>& table) {
    std::vector<std::pair<const Option*, QWidget*>> bound;
    bound.reserve(table.size());
    for (const Option& option : table) {
        bound.emplace_back(&option, OptionControl(root, option.controlName));
    }
    return bound;
}

using BoundOption = std::pair<const FormatterOptionRow*, QWidget*>;
// Every row of the formatter option table with its control below `root`, which must hold the
// settings page as well, as the threshold's controls live there.
std::vector<BoundOption> BindOptions(const QWidget& root);

}  // namespace tagforge
