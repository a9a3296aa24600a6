#include "gui/tray/tray_controller.h"

#include <QWidget>

#include "gui/settings/settings_page.h"
#include "gui/tray/tray_menu.h"

namespace tagforge {

TrayController::TrayController(QWidget* window, TrayIcon& tray, const SettingsPage* settingsPage,
                               const QString& hint)
    : QObject(window),
      window_(window),
      tray_(tray),
      settingsPage_(settingsPage),
      trayMenu_(new TrayMenu(window)) {
    connect(trayMenu_, &TrayMenu::hideOrShowChosen, this, &TrayController::toggleHidden);
    connect(trayMenu_, &TrayMenu::closeChosen, this, &TrayController::closeChosen);
    connect(settingsPage_, &SettingsPage::toTrayChanged, this,
            [this](bool toTray) { tray_.setVisible(toTray); });
    tray.setup(hint, trayMenu_, [this](TrayGesture gesture) { trayGesture(gesture); });
}

bool TrayController::minimizesToTray() const {
    // Without a tray, minimising stays ordinary and the option is kept for a later start.
    return settingsPage_->minimizesToTray() && tray_.available();
}

void TrayController::trayGesture(TrayGesture gesture) {
    // The right button only opens the menu, which the icon does by itself.
    if (gesture == TrayGesture::Context) {
        return;
    }
    // Whether hidden, minimised or just behind other windows, the window comes to the front.
    if (settingsPage_->restoresOn(gesture)) {
        bringToFront();
    }
}

void TrayController::minimizeToTray() {
    window_->hide();
    trayMenu_->setWindowHidden(true);
}

void TrayController::bringToFront() {
    // Only the minimised flag goes; a maximised window comes back maximised.
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    trayMenu_->setWindowHidden(false);
}

void TrayController::toggleHidden() {
    if (trayMenu_->offersToShow()) {
        bringToFront();
    } else {
        minimizeToTray();
    }
}

}  // namespace tagforge
