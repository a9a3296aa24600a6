#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "format/color_code.h"

class QDialog;
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
};

// The system colour dialog. It keeps its custom colours and the last colour chosen between uses;
// without a preset it opens on that last colour.
class ColorPicker {
  public:
    virtual ~ColorPicker() = default;
    virtual std::optional<ColorValue> pick(QWidget* parent, std::optional<ColorValue> preset) = 0;
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

// Everything the window needs from the desktop; tests pass their own doubles.
struct PlatformServices {
    Clipboard& clipboard;
    MessageBoxes& messages;
    ColorPicker& colors;
    DialogRunner& dialogs;
    UrlOpener& urls;
    Clock& clock;
};

}  // namespace tagforge
