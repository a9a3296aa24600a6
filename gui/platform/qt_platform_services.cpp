#include "gui/platform/qt_platform_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QUrl>
#include <string>
#include <utility>

#include "core/store/settings.h"
#include "gui/common/application_icon.h"
#include "gui/common/text_bridge.h"

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

void QtMessageBoxes::notice(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::information(parent, title, text);
}

namespace {

// The input font keeps its face, size, bold and italic only. Qt's dialog has no option to leave
// out its effects (strike-out, underline) or its writing-system filter, so they are hidden: the
// effects are the group of check boxes, the filter the one combo box and its label.
// The sample beside them keeps the height they took, since its text has no height of its own.
void HideChoicesNotKept(QFontDialog& dialog) {
    QList<QWidget*> hidden;
    QGroupBox* sample = nullptr;
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (!group->findChildren<QCheckBox*>().isEmpty()) {
            hidden.push_back(group);
        } else {
            sample = group;
        }
    }
    const QList<QComboBox*> combos = dialog.findChildren<QComboBox*>();
    for (QComboBox* combo : combos) {
        hidden.push_back(combo);
    }
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (combos.contains(qobject_cast<QComboBox*>(label->buddy()))) {
            hidden.push_back(label);
        }
    }
    int height = 0;
    for (QWidget* widget : hidden) {
        height += widget->sizeHint().height();
        widget->hide();
    }
    if (sample != nullptr) {
        sample->setMinimumHeight(height);
    }
}

}  // namespace

std::optional<QFont> QtFontPicker::pick(QWidget* parent, const QFont& initial) {
    QFontDialog dialog(parent);
    // Qt's own dialog on every desktop, so that its choices can be trimmed.
    dialog.setOptions(QFontDialog::ScalableFonts | QFontDialog::DontUseNativeDialog);
    dialog.setCurrentFont(initial);
    HideChoicesNotKept(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    QFont chosen = dialog.selectedFont();
    chosen.setUnderline(false);
    chosen.setStrikeOut(false);
    return chosen;
}

QtTrayIcon::QtTrayIcon() = default;

QtTrayIcon::~QtTrayIcon() {
    delete icon_;
}

bool QtTrayIcon::available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::setup(const QString& hint, QMenu* menu,
                       std::function<void(TrayGesture)> gestures) {
    delete icon_;
    // Owned by the menu, so the icon goes with the window, while the application still exists;
    // an icon outliving the application crashes the program as it ends.
    icon_ = new QSystemTrayIcon(ApplicationIcon(), menu);
    icon_->setToolTip(hint);
    icon_->setContextMenu(menu);
    QObject::connect(icon_, &QSystemTrayIcon::activated,
                     [gestures = std::move(gestures)](QSystemTrayIcon::ActivationReason reason) {
                         switch (reason) {
                             case QSystemTrayIcon::Trigger:
                                 gestures(TrayGesture::LeftClick);
                                 break;
                             case QSystemTrayIcon::DoubleClick:
                                 gestures(TrayGesture::DoubleClick);
                                 break;
                             case QSystemTrayIcon::MiddleClick:
                                 gestures(TrayGesture::MiddleClick);
                                 break;
                             default:
                                 gestures(TrayGesture::Context);
                                 break;
                         }
                     });
}

void QtTrayIcon::setVisible(bool visible) {
    // A tray that appears later (a panel started after the program) picks up a visible icon.
    if (icon_ != nullptr) {
        icon_->setVisible(visible);
    }
}

bool QtTrayIcon::isVisible() const {
    return icon_ != nullptr && icon_->isVisible();
}

#if defined(_WIN32)
// The registry is the store; settings an older installation kept machine-wide move in once. The
// Run value always names the program by its full path: Windows looks for no program by name there.
QtPlatform::QtPlatform(const std::filesystem::path& /*programFolder*/,
                       const std::optional<std::filesystem::path>& /*configHome*/,
                       bool /*installed*/)
    : installed_(false) {
    registry_.ImportMachineKey(kSettingsKey);
}
#else
QtPlatform::QtPlatform(const std::filesystem::path& programFolder,
                       const std::optional<std::filesystem::path>& configHome, bool installed)
    : installed_(installed), registry_(StandardDesktopRegistryPaths(programFolder, configHome)) {}
#endif

PlatformServices QtPlatform::services() {
    std::string autostartCommand =
        AutostartCommand(ToCp1251(QCoreApplication::applicationFilePath()), installed_);
    return PlatformServices{clipboard_,
                            messages_,
                            colors_,
                            dialogs_,
                            urls_,
                            clock_,
                            fonts_,
                            tray_,
                            registry_,
                            files_,
                            input_,
                            fontCatalog_,
                            std::move(autostartCommand)};
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

std::optional<QStringList> QtFileDialogs::openFiles(QWidget* parent, const QString& folder,
                                                    const QString& description,
                                                    const QString& pattern) {
    QFileDialog dialog(parent, QString(), folder,
                       description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedFiles();
}

std::optional<QString> QtTextInput::ask(QWidget* parent, const QString& caption,
                                        const QString& prompt, const QString& initial) {
    bool accepted = false;
    QString text =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, initial, &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return text;
}

QStringList QtFontCatalog::families() const {
    QStringList names = QFontDatabase::families();
    names.sort(Qt::CaseInsensitive);
    return names;
}

}  // namespace tagforge
