#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "gui/app/main_window.h"
#include "gui/app/widget_factory.h"
#include "gui/settings/settings_page.h"
#include "gui/tray/tray_menu.h"

namespace tagforge {

void MainWindow::createTrayMenu() {
    trayMenu = new TrayMenu(this);
    connect(trayMenu, &TrayMenu::hideOrShowChosen, this, &MainWindow::toggleHidden);
    connect(trayMenu, &TrayMenu::closeChosen, this, &MainWindow::closeFromTray);
    services_.tray.setup(QString::fromLatin1(kApplicationTitle), trayMenu,
                         [this](TrayGesture gesture) { trayGesture(gesture); });
}

bool MainWindow::minimizesToTray() const {
    return settingsPage->minimizesToTray();
}

void MainWindow::trayGesture(TrayGesture gesture) {
    // The right button only opens the menu, which the icon does by itself.
    if (gesture == TrayGesture::Context) {
        return;
    }
    if (settingsPage->restoresOn(gesture) && isHidden()) {
        restoreFromTray();
    }
}

void MainWindow::minimizeToTray() {
    hide();
    trayMenu->setWindowHidden(true);
}

void MainWindow::restoreFromTray() {
    showNormal();
    raise();
    activateWindow();
    trayMenu->setWindowHidden(false);
}

void MainWindow::toggleHidden() {
    if (trayMenu->offersToShow()) {
        restoreFromTray();
    } else {
        minimizeToTray();
    }
}

void MainWindow::closeFromTray() {
    // A window hidden in the tray does not end the program by closing, so end it here.
    if (close()) {
        QCoreApplication::quit();
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && minimizesToTray()) {
        // Hiding inside the state change confuses some window managers; do it right after.
        QTimer::singleShot(0, this, [this] {
            if (isMinimized()) {
                minimizeToTray();
            }
        });
    }
}

}  // namespace tagforge
