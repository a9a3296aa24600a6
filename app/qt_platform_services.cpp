#include "app/qt_platform_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

#include "app/text_bridge.h"

namespace tagforge {

void QtClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString QtClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}

bool QtClipboard::hasText() const {
    return !QGuiApplication::clipboard()->text().isEmpty();
}

void QtMessageBoxes::error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}

void QtMessageBoxes::warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QApplication::applicationName(), text);
}

void QtMessageBoxes::information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<ColorValue> QtColorPicker::pick(QWidget* parent, std::optional<ColorValue> preset) {
    const QColor initial = preset ? ToQColor(*preset) : last_;
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    last_ = chosen;
    return FromQColor(chosen);
}

int QtDialogRunner::exec(QDialog& dialog) {
    return dialog.exec();
}

void QtUrlOpener::open(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

}  // namespace tagforge
