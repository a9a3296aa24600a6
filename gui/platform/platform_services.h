#pragma once

#include <QDateTime>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

#include "core/format/color_code.h"
#include "core/store/registry.h"

class QDialog;
class QMenu;
class QWidget;

namespace tagforge {

// The system clipboard, plain text only.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
    virtual bool hasText() const = 0;
};

// Modal message boxes with the program's own texts.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // A failure or a refused input: one OK button.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // A warning about the result: one OK button.
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // A notice: one OK button.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // A question: Yes gives true, No (or closing the box) false.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // A plain box with its own title and one OK button (the settings store's reports).
    virtual void notice(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The system colour dialog. It keeps its custom colours and the last colour chosen between uses;
// without a preset it opens on that last colour.
class ColorPicker {
  public:
    virtual ~ColorPicker() = default;
    virtual std::optional<ColorValue> pick(QWidget* parent, std::optional<ColorValue> preset) = 0;
};

// The system font dialog, limited to scalable fonts, without colour or effects choices.
class FontPicker {
  public:
    virtual ~FontPicker() = default;
    virtual std::optional<QFont> pick(QWidget* parent, const QFont& initial) = 0;
};

// What the user did with the mouse on the tray icon.
enum class TrayGesture { LeftClick, DoubleClick, MiddleClick, Context };

// The system-tray icon. Where the desktop has no tray, available() is false and the icon never
// shows; the rest still works so the window needs no special case.
class TrayIcon {
  public:
    virtual ~TrayIcon() = default;
    virtual bool available() const = 0;
    // Gives the icon its hint and menu (opened by the right button) and reports the gestures.
    virtual void setup(const QString& hint, QMenu* menu,
                       std::function<void(TrayGesture)> gestures) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
};

// Runs the program's own modal dialogs, so tests can drive them instead of blocking.
class DialogRunner {
  public:
    virtual ~DialogRunner() = default;
    virtual int exec(QDialog& dialog) = 0;
};

// Opens an address (mailto:, http:) with the user's default program.
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& address) = 0;
};

// The local clock.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The file-open dialog, several files at once. Gives the chosen paths in the dialog's order, or
// nothing when the user cancels.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QStringList> openFiles(QWidget* parent, const QString& folder,
                                                 const QString& description,
                                                 const QString& pattern) = 0;
};

// The one-line text query. Gives the text, or nothing when the user cancels.
class TextInput {
  public:
    virtual ~TextInput() = default;
    virtual std::optional<QString> ask(QWidget* parent, const QString& caption,
                                       const QString& prompt, const QString& initial) = 0;
};

// The names of the installed fonts, in alphabetical order.
class FontCatalog {
  public:
    virtual ~FontCatalog() = default;
    virtual QStringList families() const = 0;
};

// Everything the window needs from the desktop; tests pass their own doubles.
struct PlatformServices {
    Clipboard& clipboard;
    MessageBoxes& messages;
    ColorPicker& colors;
    DialogRunner& dialogs;
    UrlOpener& urls;
    Clock& clock;
    FontPicker& fonts;
    TrayIcon& tray;
    Registry& registry;
    FileDialogs& files;
    TextInput& input;
    FontCatalog& fontCatalog;
    // The command line that starts this program at login, Windows-1251 (see AutostartCommand).
    std::string autostartCommand;
};

}  // namespace tagforge
