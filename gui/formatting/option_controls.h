#pragma once

#include <utility>
#include <vector>

#include "core/options/option_table.h"

class QWidget;

namespace tagforge {

// The value a control shows for an option of the table, in the form the table moves it.
OptionValue ControlValue(const QWidget* control, ControlKind kind);
void SetControlValue(QWidget* control, ControlKind kind, const OptionValue& value);

// Every option of the table with its control below `root`, found by object name.
using BoundOption = std::pair<const HandMadeOption*, QWidget*>;
std::vector<BoundOption> BindOptions(const QWidget& root);

}  // namespace tagforge
