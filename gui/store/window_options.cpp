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

#include "gui/app/tform1.h"
#include "gui/app/widget_factory.h"

namespace tagforge {

namespace {

const QString kHideCaption = QStringLiteral("Спрятать");
const QString kShowCaption = QStringLiteral("Показать");

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

void TForm1::CreateTrayMenu() {
    PopupMenu1 = ui::Named(new QMenu(this), "PopupMenu1");
    N11 = PopupMenu1->addAction(style()->standardIcon(QStyle::SP_TitleBarMinButton), kHideCaption);
    N11->setObjectName(QStringLiteral("N11"));
    N21 = PopupMenu1->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                QStringLiteral("Закрыть"));
    N21->setObjectName(QStringLiteral("N21"));
    connect(N11, &QAction::triggered, this, &TForm1::N11Click);
    connect(N21, &QAction::triggered, this, &TForm1::N21Click);
    services_.tray.setup(QString::fromLatin1(kApplicationTitle), PopupMenu1,
                         [this](TrayGesture gesture) { TrayIcon1Gesture(gesture); });
}

bool TForm1::minimizesToTray() const {
    return cbToTray->isChecked() && services_.tray.available();
}

void TForm1::cbToTrayClick() {
    services_.tray.setVisible(cbToTray->isChecked());
}

void TForm1::ComboHowToRestoreChange() {
    restoreOnAnyClick_ = false;
    switch (ComboHowToRestore->currentIndex()) {
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

void TForm1::TrayIcon1Gesture(TrayGesture gesture) {
    // The right button only opens the menu, which the icon does by itself.
    if (gesture == TrayGesture::Context) {
        return;
    }
    if ((restoreOnAnyClick_ || gesture == restoreGesture_) && isHidden()) {
        TrayIcon1Restore();
    }
}

void TForm1::TrayIcon1Minimize() {
    hide();
    N11->setText(kShowCaption);
    N11->setIcon(style()->standardIcon(QStyle::SP_TitleBarNormalButton));
}

void TForm1::TrayIcon1Restore() {
    showNormal();
    raise();
    activateWindow();
    N11->setText(kHideCaption);
    N11->setIcon(style()->standardIcon(QStyle::SP_TitleBarMinButton));
}

void TForm1::N11Click() {
    if (N11->text() == kShowCaption) {
        TrayIcon1Restore();
    } else {
        TrayIcon1Minimize();
    }
}

void TForm1::N21Click() {
    // A window hidden in the tray does not end the program by closing, so end it here.
    if (close()) {
        QCoreApplication::quit();
    }
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && minimizesToTray()) {
        // Hiding inside the state change confuses some window managers; do it right after.
        QTimer::singleShot(0, this, [this] {
            if (isMinimized()) {
                TrayIcon1Minimize();
            }
        });
    }
}

void TForm1::cbShowHintClick() {
    if (hintBlocker_ == nullptr) {
        hintBlocker_ = new HintBlocker(this);
    }
    if (cbShowHint->isChecked()) {
        qApp->removeEventFilter(hintBlocker_);
    } else {
        qApp->installEventFilter(hintBlocker_);
    }
}

void TForm1::cbMultiLoadClick() {
    if (cbMultiLoad->isChecked()) {
        exclusivityLock_.Create(kExclusivityLockName);
    } else if (!exclusivityLock_.Release()) {
        services_.messages.information(this, QStringLiteral("Не освободить мутекс"));
    }
}

bool TForm1::eNumOfSmilesKeyPress(const QString& typed) const {
    if (typed.isEmpty()) {
        return true;  // keys without a character: arrows, Delete, Home
    }
    const QChar ch = typed.front();
    return typed.size() == 1 &&
           ((ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || ch == QLatin1Char('\b'));
}

void TForm1::ClampNumericField(QLineEdit* field, QSpinBox* upDown) {
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

void TForm1::Edit1Exit() {
    ClampNumericField(Edit1, UpDown2);
}

void TForm1::eNumOfSmilesExit() {
    ClampNumericField(eNumOfSmiles, UpDown1);
}

void TForm1::SpeedButton7Click() {
    const std::optional<QFont> chosen = services_.fonts.pick(this, MainText->font());
    if (chosen) {
        MainText->setFont(*chosen);
    }
}

bool TForm1::HandleSettingsKeys(QObject* watched, QEvent* event) {
    if (watched != Edit1 && watched != eNumOfSmiles) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        // Editing keys, focus moves and dialog keys never reach a field as characters.
        const auto* key = static_cast<QKeyEvent*>(event);
        return !IsEditingKey(key->key()) && !eNumOfSmilesKeyPress(key->text());
    }
    if (event->type() == QEvent::FocusOut) {
        if (watched == Edit1) {
            Edit1Exit();
        } else {
            eNumOfSmilesExit();
        }
    }
    return false;
}

}  // namespace tagforge
