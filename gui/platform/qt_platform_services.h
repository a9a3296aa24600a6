#pragma once

#include <QColorDialog>
#include <QPointer>
#include <filesystem>
#include <optional>

#if defined(_WIN32)
#include "core/store/windows_registry.h"
#else
#include "core/store/desktop_registry.h"
#endif
#include "gui/platform/platform_services.h"

class QSystemTrayIcon;

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
    void notice(QWidget* parent, const QString& title, const QString& text) override;
};

class QtFontPicker final : public FontPicker {
  public:
    std::optional<QFont> pick(QWidget* parent, const QFont& initial) override;
};

class QtTrayIcon final : public TrayIcon {
  public:
    QtTrayIcon();
    ~QtTrayIcon() override;
    QtTrayIcon(const QtTrayIcon&) = delete;
    QtTrayIcon& operator=(const QtTrayIcon&) = delete;

    bool available() const override;
    void setup(const QString& hint, QMenu* menu,
               std::function<void(TrayGesture)> gestures) override;
    void setVisible(bool visible) override;
    bool isVisible() const override;

  private:
    QPointer<QSystemTrayIcon> icon_;
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

class QtFileDialogs final : public FileDialogs {
  public:
    std::optional<QStringList> openFiles(QWidget* parent, const QString& folder,
                                         const QString& description,
                                         const QString& pattern) override;
};

class QtTextInput final : public TextInput {
  public:
    std::optional<QString> ask(QWidget* parent, const QString& caption, const QString& prompt,
                               const QString& initial) override;
};

class QtFontCatalog final : public FontCatalog {
  public:
    QStringList families() const override;
};

// The desktop's own services, for the real program whose settings store lives in
// `programFolder`; the autostart entry lives below `configHome` (see ConfigHome), when known, and
// starts the program by name when it is `installed`, by its full path when not.
class QtPlatform {
  public:
    QtPlatform(const std::filesystem::path& programFolder,
               const std::optional<std::filesystem::path>& configHome, bool installed);

    // Once the application object exists, which knows the executable's path.
    PlatformServices services();

  private:
    bool installed_;
    QtClipboard clipboard_;
    QtMessageBoxes messages_;
    QtColorPicker colors_;
    QtDialogRunner dialogs_;
    QtUrlOpener urls_;
    SystemClock clock_;
    QtFontPicker fonts_;
    QtTrayIcon tray_;
#if defined(_WIN32)
    WindowsRegistry registry_;
#else
    DesktopRegistry registry_;
#endif
    QtFileDialogs files_;
    QtTextInput input_;
    QtFontCatalog fontCatalog_;
};

}  // namespace tagforge
