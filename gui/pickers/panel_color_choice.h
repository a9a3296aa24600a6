#pragma once

#include <QPoint>
#include <QString>
#include <optional>

#include "core/format/color_code.h"
#include "gui/platform/platform_services.h"

class QWidget;

namespace tagforge {

class ColorPanel;

// Shows `color` on `panel`, its text in the contrasting colour.
void SetPanelColor(ColorPanel* panel, ColorValue color);

// Runs the hex colour dialog at `cursor`, opened on `value`; the typed text on OK.
std::optional<QString> AskHexColor(DialogRunner& dialogs, QWidget* parent, const QString& value,
                                   QPoint cursor);

// A right click asks for a hex code, a left click opens the colour dialog; other buttons and
// cancelled dialogs leave the panel as it is.
void ChoosePanelColor(ColorPanel* panel, Qt::MouseButton button, QPoint globalPos,
                      const PlatformServices& services, QWidget* parent);

}  // namespace tagforge
