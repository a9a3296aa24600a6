#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "core/store/desktop_registry.h"
#include "core/store/settings.h"
#include "gui/app/main_window.h"
#include "gui/common/text_bridge.h"
#include "gui/formatting/formatting_page.h"
#include "gui/pickers/panel_color_choice.h"
#include "gui/platform/platform_services.h"
#include "gui/smileys/smiley_pane.h"
#include "tests/ui/control_lookup.h"

// Test doubles of the desktop services and a window in a temporary program folder.
namespace tagforge::test {

class FakeClipboard final : public Clipboard {
  public:
    void setText(const QString& text) override { text_ = text; }
    QString text() const override { return text_; }
    bool hasText() const override { return !text_.isEmpty(); }

  private:
    QString text_;
};

struct ShownMessage {
    QString kind;  // "error", "warning", "information", "confirm" or "notice"
    QString text;
    QString title;  // notices only
};

class FakeMessages final : public MessageBoxes {
  public:
    void error(QWidget*, const QString& text) override { shown.push_back({"error", text, {}}); }
    void warning(QWidget*, const QString& text) override { shown.push_back({"warning", text, {}}); }
    void information(QWidget*, const QString& text) override {
        shown.push_back({"information", text, {}});
    }
    bool confirm(QWidget*, const QString& text) override {
        shown.push_back({"confirm", text, {}});
        return answer;
    }
    void notice(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({"notice", text, title});
    }

    std::vector<ShownMessage> shown;
    bool answer = true;
};

// Answers the colour dialog with `answer` (nullopt: cancelled) and records its presets.
class FakeColorPicker final : public ColorPicker {
  public:
    std::optional<ColorValue> pick(QWidget*, std::optional<ColorValue> preset) override {
        presets.push_back(preset);
        return answer;
    }

    std::optional<ColorValue> answer;
    std::vector<std::optional<ColorValue>> presets;
};

// Runs the program's own dialogs through a script that drives the real dialog and returns its
// result; without a script every dialog is cancelled (result 2).
class ScriptedDialogs final : public DialogRunner {
  public:
    int exec(QDialog& dialog) override {
        ++runs;
        lastPosition = dialog.pos();
        if (!script) {
            return 2;
        }
        dialog.show();
        const int result = script(dialog);
        dialog.hide();
        return result;
    }

    std::function<int(QDialog&)> script;
    int runs = 0;
    QPoint lastPosition;
};

class FakeUrlOpener final : public UrlOpener {
  public:
    void open(const QString& address) override { opened.push_back(address); }
    std::vector<QString> opened;
};

// Answers the font dialog with `answer` (nullopt: cancelled) and records the fonts it opened on.
class FakeFontPicker final : public FontPicker {
  public:
    std::optional<QFont> pick(QWidget*, const QFont& initial) override {
        initials.push_back(initial);
        return answer;
    }

    std::optional<QFont> answer;
    std::vector<QFont> initials;
};

// A tray icon that a test can click; `available` says whether the desktop has a tray.
class FakeTrayIcon final : public TrayIcon {
  public:
    bool available() const override { return availableTray; }
    void setup(const QString& text, QMenu* popup,
               std::function<void(TrayGesture)> report) override {
        hint = text;
        menu = popup;
        gestures = std::move(report);
    }
    void setVisible(bool shown) override { visible = shown && availableTray; }
    bool isVisible() const override { return visible; }

    void click(TrayGesture gesture) const { gestures(gesture); }

    bool availableTray = true;
    bool visible = false;
    QString hint;
    QMenu* menu = nullptr;
    std::function<void(TrayGesture)> gestures;
};

class FixedClock final : public Clock {
  public:
    QDateTime now() const override { return time; }
    QDateTime time = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 3));
};

// Answers the file-open dialog with `answer` (nullopt: cancelled) and records how it was opened.
class FakeFileDialogs final : public FileDialogs {
  public:
    std::optional<QStringList> openFiles(QWidget*, const QString& folder,
                                         const QString& description,
                                         const QString& pattern) override {
        opened.push_back({folder, description, pattern});
        return answer;
    }

    struct Opening {
        QString folder;
        QString description;
        QString pattern;
    };
    std::optional<QStringList> answer;
    std::vector<Opening> opened;
};

// Answers the text queries in turn from `answers` (an empty queue or nullopt: cancelled) and
// records each query's caption, prompt and pre-filled text.
class FakeTextInput final : public TextInput {
  public:
    std::optional<QString> ask(QWidget*, const QString& caption, const QString& prompt,
                               const QString& initial) override {
        asked.push_back({caption, prompt, initial});
        if (answers.empty()) {
            return std::nullopt;
        }
        const bool cancelled = !answers.front().has_value();
        const QString text = answers.front().value_or(QString());
        answers.pop_front();
        if (cancelled) {
            return std::nullopt;
        }
        return text;
    }

    struct Query {
        QString caption;
        QString prompt;
        QString initial;
    };
    std::deque<std::optional<QString>> answers;
    std::vector<Query> asked;
};

// A fixed list of installed fonts.
class FakeFontCatalog final : public FontCatalog {
  public:
    QStringList families() const override { return installed; }
    QStringList installed{QStringLiteral("Arial"), QStringLiteral("Courier New"),
                          QStringLiteral("Tahoma"), QStringLiteral("Verdana")};
};

struct FakePlatform {
    FakeClipboard clipboard;
    FakeMessages messages;
    FakeColorPicker colors;
    ScriptedDialogs dialogs;
    FakeUrlOpener urls;
    FixedClock clock;
    FakeFontPicker fonts;
    FakeTrayIcon tray;
    std::unique_ptr<DesktopRegistry> registry;
    FakeFileDialogs files;
    FakeTextInput input;
    FakeFontCatalog fontCatalog;

    // The settings store of a program in `programFolder`, its user part in programFolder/config.
    void useFolder(const std::filesystem::path& programFolder) {
        registry = std::make_unique<DesktopRegistry>(
            StandardDesktopRegistryPaths(programFolder, configHome(programFolder)));
    }
    static std::filesystem::path configHome(const std::filesystem::path& programFolder) {
        return programFolder / "config";
    }

    // The test program stands in for the installed or the portable program.
    bool installed = false;

    PlatformServices services() {
        return PlatformServices{
            clipboard,
            messages,
            colors,
            dialogs,
            urls,
            clock,
            fonts,
            tray,
            *registry,
            files,
            input,
            fontCatalog,
            AutostartCommand(ToCp1251(QCoreApplication::applicationFilePath()), installed)};
    }
};

// Types any text key by key; QTest::keyClicks takes Latin-1 only.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// A main window over a fresh temporary program folder.
class WindowHarness {
  public:
    WindowHarness() {
        QVERIFY2(folder_.isValid(), "no temporary folder");
        platform.useFolder(programFolder());
    }

    // Builds the window; call after putting files into the folder.
    MainWindow& open(const std::filesystem::path& starterFolder = {}) {
        window_ = std::make_unique<MainWindow>(programFolder(), platform.services(), starterFolder);
        return *window_;
    }

    MainWindow& window() { return *window_; }
    std::filesystem::path programFolder() const { return folder_.path().toStdString(); }

    FakePlatform platform;

  private:
    QTemporaryDir folder_;
    std::unique_ptr<MainWindow> window_;
};

// Another start of the program over the same folder. Its platform is new, so the store is read
// from the files again instead of from the first window's memory.
class Restart {
  public:
    explicit Restart(std::filesystem::path folder) : folder_(std::move(folder)) {
        platform.useFolder(folder_);
    }

    MainWindow& open() {
        window_ = std::make_unique<MainWindow>(folder_, platform.services());
        return *window_;
    }

    FakePlatform platform;

  private:
    std::filesystem::path folder_;
    std::unique_ptr<MainWindow> window_;
};

// The hand-made formatting page of `window`.
inline FormattingPage& HandMadePage(const MainWindow& window) {
    return *control<FormattingPage>(window, "HandMadePage");
}

// Shows `window` on its hand-made formatting page, so visibility and sizes are real.
inline void ShowHandMadePage(MainWindow& window) {
    control<QTabWidget>(window, "PageControl1")
        ->setCurrentWidget(control<QWidget>(window, "FormatPage"));
    control<QTabWidget>(window, "PageControl2")
        ->setCurrentWidget(control<QWidget>(window, "HandMadePage"));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        qWarning("the window was not exposed");
    }
}

// The smiley pane of `window`.
inline SmileyPane& SmileyPaneOf(const MainWindow& window) {
    return *control<SmileyPane>(window, "SmilePane");
}

inline QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

inline QStringList Nicks(const QListWidget* list) {
    QStringList nicks;
    for (int i = 0; i < list->count(); ++i) {
        nicks << list->item(i)->text();
    }
    return nicks;
}

}  // namespace tagforge::test
