#include "gui/app/settings_effects.h"

#include <QApplication>
#include <QWidget>

#include "gui/common/tool_tip_blocker.h"
#include "gui/platform/platform_services.h"
#include "gui/settings/settings_page.h"

namespace tagforge {

SettingsEffects::SettingsEffects(const SettingsPage& page, MessageBoxes& messages, QWidget* window)
    : QObject(window),
      window_(window),
      messages_(messages),
      hintBlocker_(new ToolTipBlocker(window)) {
    connect(&page, &SettingsPage::singleInstanceChanged, this, &SettingsEffects::setSingleInstance);
    connect(&page, &SettingsPage::hintsShownChanged, this, &SettingsEffects::setHintsShown);
}

void SettingsEffects::setSingleInstance(bool forbidsOthers) {
    if (forbidsOthers) {
        exclusivityLock_.Create(kExclusivityLockName);
    } else if (!exclusivityLock_.Release()) {
        messages_.information(window_, QStringLiteral("Не освободить мутекс"));
    }
}

void SettingsEffects::setHintsShown(bool shown) {
    if (shown) {
        qApp->removeEventFilter(hintBlocker_);
    } else {
        qApp->installEventFilter(hintBlocker_);
    }
}

}  // namespace tagforge
