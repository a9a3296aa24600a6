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
#include "gui/formatting/formatting_page.h"
#include "gui/tray/tray_menu.h"

namespace tagforge {

namespace {

// Swallows the tool tips of one window while hints are off; the application hands it every event.
class HintBlocker final : public QObject {
  public:
    explicit HintBlocker(QWidget* window) : QObject(window), window_(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) {
            return false;
        }
        const auto* widget = qobject_cast<QWidget*>(watched);
        return widget != nullptr && widget->window() == window_;
    }

  private:
    QWidget* window_;
};

// Keys that edit or move rather than type. Some carry a control character as their text (on X11
// Delete brings 0x7F), which the character filter must not judge.
bool IsEditingKey(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

}  // namespace

void MainWindow::createTrayMenu() {
    trayMenu = new TrayMenu(this);
    connect(trayMenu, &TrayMenu::hideOrShowChosen, this, &MainWindow::toggleHidden);
    connect(trayMenu, &TrayMenu::closeChosen, this, &MainWindow::closeFromTray);
    services_.tray.setup(QString::fromLatin1(kApplicationTitle), trayMenu,
                         [this](TrayGesture gesture) { trayGesture(gesture); });
}

bool MainWindow::minimizesToTray() const {
    return toTrayCheck->isChecked() && services_.tray.available();
}

void MainWindow::toTrayToggled() {
    services_.tray.setVisible(toTrayCheck->isChecked());
}

void MainWindow::restoreGestureChanged() {
    restoreOnAnyClick_ = false;
    switch (restoreGestureBox->currentIndex()) {
        case 0:
            restoreGesture_ = TrayGesture::LeftClick;
            break;
        case 1:
            restoreGesture_ = TrayGesture::DoubleClick;
            break;
        default:
            restoreOnAnyClick_ = true;
            break;
    }
}

void MainWindow::trayGesture(TrayGesture gesture) {
    // The right button only opens the menu, which the icon does by itself.
    if (gesture == TrayGesture::Context) {
        return;
    }
    if ((restoreOnAnyClick_ || gesture == restoreGesture_) && isHidden()) {
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

void MainWindow::showHintsToggled() {
    if (hintBlocker_ == nullptr) {
        hintBlocker_ = new HintBlocker(this);
    }
    if (showHintsCheck->isChecked()) {
        qApp->removeEventFilter(hintBlocker_);
    } else {
        qApp->installEventFilter(hintBlocker_);
    }
}

void MainWindow::singleInstanceToggled() {
    if (singleInstanceCheck->isChecked()) {
        exclusivityLock_.Create(kExclusivityLockName);
    } else if (!exclusivityLock_.Release()) {
        services_.messages.information(this, QStringLiteral("Не освободить мутекс"));
    }
}

bool MainWindow::acceptsNumberKey(const QString& typed) const {
    if (typed.isEmpty()) {
        return true;  // keys without a character: arrows, Delete, Home
    }
    const QChar ch = typed.front();
    return typed.size() == 1 &&
           ((ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || ch == QLatin1Char('\b'));
}

void MainWindow::clampNumberField(QLineEdit* field, QSpinBox* upDown) {
    const QString text = field->text();
    if (text.isEmpty()) {
        upDown->setValue(upDown->minimum());
    } else {
        bool isNumber = false;
        const int number = text.toInt(&isNumber);
        if (!isNumber) {
            // Only pasting gets here; the field keeps the text so the user can mend it.
            services_.messages.error(this,
                                     QStringLiteral("'%1' is not a valid integer value").arg(text));
            return;
        }
        upDown->setValue(std::min(number, upDown->maximum()));
    }
    field->setText(QString::number(upDown->value()));
}

void MainWindow::thresholdEditLeft() {
    clampNumberField(thresholdEdit, thresholdUpDown);
}

void MainWindow::smileGroupSizeEditLeft() {
    clampNumberField(smileGroupSizeEdit, smileGroupSizeUpDown);
}

void MainWindow::chooseInputFont() {
    const std::optional<QFont> chosen = services_.fonts.pick(this, handMadePage->messageFont());
    if (chosen) {
        handMadePage->setMessageFont(*chosen);
    }
}

bool MainWindow::handleNumberFieldKeys(QObject* watched, QEvent* event) {
    if (watched != thresholdEdit && watched != smileGroupSizeEdit) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        // Editing keys, focus moves and dialog keys never reach a field as characters.
        const auto* key = static_cast<QKeyEvent*>(event);
        return !IsEditingKey(key->key()) && !acceptsNumberKey(key->text());
    }
    if (event->type() == QEvent::FocusOut) {
        if (watched == thresholdEdit) {
            thresholdEditLeft();
        } else {
            smileGroupSizeEditLeft();
        }
    }
    return false;
}

}  // namespace tagforge
