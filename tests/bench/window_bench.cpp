// Times what the user waits for in the window on long messages: a copy and a preview, each with
// the whole rebuild of the result, and the length meter's rebuild after a typing pause with the
// threshold on (all twenty attempts). Prints one line per message size.
//
//   tagforge_window_bench [--quick]
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <vector>

#include "gui/app/main_window.h"
#include "gui/app/qt_platform_services.h"
#include "tests/ui/control_lookup.h"

using tagforge::test::control;

namespace {

// Cyrillic letters in lines of 50, like a long chat message.
QString Message(int letters) {
    QString text;
    text.reserve(letters);
    for (int i = 0; i < letters; ++i) {
        text += i % 50 == 49 ? QChar(u'\n') : QChar(0x0430 + i % 32);
    }
    return text;
}

// The clipboard is the desktop's; here only the time to hand the text over is of interest.
class DiscardingClipboard final : public tagforge::Clipboard {
  public:
    void setText(const QString& text) override { size_ = text.size(); }
    QString text() const override { return {}; }
    bool hasText() const override { return size_ > 0; }

  private:
    qsizetype size_ = 0;
};

double Milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    tagforge::QtMessageBoxes messages;
    tagforge::QtColorPicker colors;
    tagforge::QtDialogRunner dialogs;
    tagforge::QtUrlOpener urls;
    tagforge::SystemClock clock;
    tagforge::QtFontPicker fonts;
    tagforge::QtTrayIcon tray;
    tagforge::QtFileDialogs files;
    tagforge::QtTextInput input;
    tagforge::QtFontCatalog fontCatalog;
    DiscardingClipboard clipboard;

    std::printf("%10s %14s %10s %12s %10s\n", "letters", "result bytes", "copy ms", "preview ms",
                "meter ms");
    const std::vector<int> sizes =
        quick ? std::vector<int>{1024} : std::vector<int>{1024, 65536, 1048576};
    for (const int letters : sizes) {
        QTemporaryDir folder;
        const std::filesystem::path programFolder = folder.path().toStdString();
        tagforge::DesktopRegistry registry(
            tagforge::StandardDesktopRegistryPaths(programFolder, programFolder / "config"));
        const tagforge::PlatformServices services{clipboard, messages, colors, dialogs,
                                                  urls,      clock,    fonts,  tray,
                                                  registry,  files,    input,  fontCatalog};
        tagforge::MainWindow window(programFolder, services);
        // Long results would stop at the length warning box; the time of interest is the build.
        control<QCheckBox>(window, "cbThreshold")->setChecked(false);
        control<QPlainTextEdit>(window, "MainText")->setPlainText(Message(letters));
        control<QCheckBox>(window, "cbColorMark")->setChecked(true);
        control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(2);

        QElapsedTimer timer;
        timer.start();
        window.copyResult();
        const double copy = Milliseconds(timer);
        timer.restart();
        control<QTabWidget>(window, "PageControl1")
            ->setCurrentWidget(control<QWidget>(window, "PreviewPage"));
        const double preview = Milliseconds(timer);
        const std::size_t bytes = window.resultText().size();
        control<QTabWidget>(window, "PageControl1")
            ->setCurrentWidget(control<QWidget>(window, "FormatPage"));
        control<QCheckBox>(window, "cbThreshold")->setChecked(true);
        timer.restart();
        window.buildCurrentResult();
        const double meter = Milliseconds(timer);
        std::printf("%10d %14zu %10.1f %12.1f %10.1f\n", letters, bytes, copy, preview, meter);
    }
    return 0;
}
