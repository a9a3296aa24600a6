#include "gui/tray/tray_controller.h"

#include <QCoreApplication>
#include <QWidget>

#include "gui/settings/settings_page.h"
#include "gui/tray/tray_menu.h"

namespace tagforge {

TrayController::TrayController(QWidget* window, TrayIcon& tray, const SettingsPage* settingsPage,
                               const QString& hint)
    : QObject(window),
      window_(window),
      settingsPage_(settingsPage),
      trayMenu_(new TrayMenu(window)) {
    connect(trayMenu_, &TrayMenu::hideOrShowChosen, this, &TrayController::toggleHidden);
    connect(trayMenu_, &TrayMenu::closeChosen, this, &TrayController::closeFromTray);
    tray.setup(hint, trayMenu_, [this](TrayGesture gesture) { trayGesture(gesture); });
}

bool TrayController::minimizesToTray() const {
    return settingsPage_->minimizesToTray();
}

void TrayController::trayGesture(TrayGesture gesture) {
    // The right button only opens the menu, which the icon does by itself.
    if (gesture == TrayGesture::Context) {
        return;
    }
    if (settingsPage_->restoresOn(gesture) && window_->isHidden()) {
        restoreFromTray();
    }
}

void TrayController::minimizeToTray() {
    window_->hide();
    trayMenu_->setWindowHidden(true);
}

void TrayController::restoreFromTray() {
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
    trayMenu_->setWindowHidden(false);
}

void TrayController::toggleHidden() {
    if (trayMenu_->offersToShow()) {
        restoreFromTray();
    } else {
        minimizeToTray();
    }
}

void TrayController::closeFromTray() {
    // A window hidden in the tray does not end the program by closing, so end it here.
    if (window_->close()) {
        QCoreApplication::quit();
    }
}

}  // namespace tagforge
