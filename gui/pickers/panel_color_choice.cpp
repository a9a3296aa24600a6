#include "gui/pickers/panel_color_choice.h"

#include "gui/common/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/hex_color_dialog.h"

namespace tagforge {

namespace {

constexpr int kHexDialogOk = 1;

}  // namespace

void SetPanelColor(ColorPanel* panel, ColorValue color) {
    panel->setColors(color, ContrastTextColor(color));
}

std::optional<QString> AskHexColor(DialogRunner& dialogs, QWidget* parent, const QString& value,
                                   QPoint cursor) {
    HexColorDialog dialog(parent);
    dialog.move(cursor);
    dialog.setText(value);
    if (dialogs.exec(dialog) != kHexDialogOk) {
        return std::nullopt;
    }
    return dialog.text();
}

void ChoosePanelColor(ColorPanel* panel, Qt::MouseButton button, QPoint globalPos,
                      const PlatformServices& services, QWidget* parent) {
    if (button == Qt::RightButton) {
        const auto typed = AskHexColor(services.dialogs, parent,
                                       FromCp1251(ToColorCode(panel->color())), globalPos);
        if (typed) {
            SetPanelColor(panel, FromColorCode(ToCp1251(*typed)));
        }
    } else if (button == Qt::LeftButton) {
        if (const auto chosen = services.colors.pick(parent, panel->color())) {
            SetPanelColor(panel, *chosen);
        }
    }
}

}  // namespace tagforge
