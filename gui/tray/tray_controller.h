#pragma once

#include <QObject>

#include "gui/platform/platform_services.h"

class QWidget;

namespace tagforge {

class SettingsPage;
class TrayMenu;

// Hides the window in the tray and brings it back, as the tray menu, the icon and the window
// options ask; shows the icon while the settings page asks for it.
class TrayController final : public QObject {
    Q_OBJECT

  public:
    // Puts the icon with its menu in the tray; `hint` is the icon's tooltip.
    TrayController(QWidget* window, TrayIcon& tray, const SettingsPage* settingsPage,
                   const QString& hint);

    bool minimizesToTray() const;
    void minimizeToTray();
    // Shows the window, restored from the tray or from being minimised, raised and active.
    void bringToFront();
    void trayGesture(TrayGesture gesture);
    void toggleHidden();

  signals:
    // "Закрыть" in the tray menu: the program is to end.
    void closeChosen();

  private:
    QWidget* window_;
    TrayIcon& tray_;
    const SettingsPage* settingsPage_;
    TrayMenu* trayMenu_;
};

}  // namespace tagforge
