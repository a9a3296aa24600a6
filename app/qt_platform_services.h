#pragma once

#include <QColorDialog>
#include <memory>

#include "app/platform_services.h"

namespace tagforge {

class QtClipboard final : public Clipboard {
  public:
    void setText(const QString& text) override;
    QString text() const override;
    bool hasText() const override;
};

class QtMessageBoxes final : public MessageBoxes {
  public:
    void error(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
};

class QtColorPicker final : public ColorPicker {
  public:
    std::optional<ColorValue> pick(QWidget* parent, std::optional<ColorValue> preset) override;

  private:
    QColor last_ = Qt::white;
};

class QtDialogRunner final : public DialogRunner {
  public:
    int exec(QDialog& dialog) override;
};

class QtUrlOpener final : public UrlOpener {
  public:
    void open(const QString& address) override;
};

class SystemClock final : public Clock {
  public:
    QDateTime now() const override;
};

// The desktop's own services, for the real program.
class QtPlatform {
  public:
    PlatformServices services() {
        return PlatformServices{clipboard_, messages_, colors_, dialogs_, urls_, clock_};
    }

  private:
    QtClipboard clipboard_;
    QtMessageBoxes messages_;
    QtColorPicker colors_;
    QtDialogRunner dialogs_;
    QtUrlOpener urls_;
    SystemClock clock_;
};

}  // namespace tagforge
