// Times what the user waits for in the shown window on long messages: a copy, and a preview from
// the click on its page until the browser view reports the page loaded. The preview's time is
// also split at the moment the program hands the page file to the view: what comes before is
// ours (building the result and the page, writing the file), what comes after is the engine's
// (reading, parsing, layout). Prints one line per message size, each time the median of a few
// runs, after the first preview, which also starts the engine's renderer process. The length
// meter's rebuild after a typing pause is timed with the threshold on (all twenty attempts), and
// the strip under the message from the pause's end until it has painted the line.
//
//   tagforge_window_bench [--quick]
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/format/result_assembly.h"
#include "core/preview/preview_page.h"
#include "gui/app/main_window.h"
#include "gui/formatting/length_meter.h"
#include "gui/platform/graphics_setup.h"
#include "gui/platform/qt_platform_services.h"
#include "tests/ui/control_lookup.h"

using tagforge::test::control;

namespace {

// A page that has not loaded after this long counts as a failed run.
constexpr int kLoadTimeoutMs = 180'000;
constexpr int kStripRuns = 7;

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

double Milliseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct PreviewTime {
    bool loaded = false;
    double ours = 0;   // the click until the page file is handed to the view
    double total = 0;  // the click until loadFinished
};

class PreviewTimer {
  public:
    explicit PreviewTimer(tagforge::MainWindow& window)
        : pages_(control<QTabWidget>(window, "PageControl1")),
          formatting_(control<QWidget>(window, "FormatPage")),
          preview_(control<QWidget>(window, "PreviewPage")),
          window_(window) {}

    // Leaves the preview, so that the next run starts from the formatting page as a user would.
    void leave() { pages_->setCurrentWidget(formatting_); }

    // Opens the preview page, as a click on its tab does, and waits for the page to load.
    PreviewTime open() {
        PreviewTime time;
        QEventLoop loop;
        QElapsedTimer timer;
        QTimer::singleShot(kLoadTimeoutMs, &loop, &QEventLoop::quit);
        timer.start();
        // The page is written and handed to the view before the tab change returns; the view
        // itself comes with the first showing, so it is looked up only now.
        pages_->setCurrentWidget(preview_);
        time.ours = Milliseconds(timer.nsecsElapsed());
        const auto finished = QObject::connect(control<QWebEngineView>(window_, "CppWebBrowser1"),
                                               &QWebEngineView::loadFinished, &loop, [&](bool ok) {
                                                   time.total = Milliseconds(timer.nsecsElapsed());
                                                   time.loaded = ok;
                                                   loop.quit();
                                               });
        loop.exec();
        QObject::disconnect(finished);
        return time;
    }

  private:
    QTabWidget* pages_;
    QWidget* formatting_;
    QWidget* preview_;
    tagforge::MainWindow& window_;
};

// Lets the window system show the window and the event loop settle.
void Settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    tagforge::PrepareGraphics();
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

    QTemporaryDir folder;
    const std::filesystem::path programFolder = folder.path().toStdString();
    tagforge::DesktopRegistry registry(
        tagforge::StandardDesktopRegistryPaths(programFolder, programFolder / "config"));
    // Starting with the system stays off here, so no autostart entry needs a command.
    const tagforge::PlatformServices services{clipboard, messages,    colors,       dialogs,  urls,
                                              clock,     fonts,       tray,         registry, files,
                                              input,     fontCatalog, std::string()};
    tagforge::MainWindow window(programFolder, services);
    window.show();
    Settle(500);
    // Long results would stop at the length warning box; the time of interest is the build.
    control<QCheckBox>(window, "cbThreshold")->setChecked(false);
    auto* colorEffect = control<QCheckBox>(window, "cbColorMark");
    control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(tagforge::kEffectSpectrum);
    auto* message = control<QPlainTextEdit>(window, "MainText");
    PreviewTimer preview(window);

    preview.leave();
    const PreviewTime first = preview.open();
    std::printf("first preview, empty message (starts the renderer): %.1f ms%s\n", first.total,
                first.loaded ? "" : " (NOT LOADED)");

    const std::vector<int> sizes =
        quick ? std::vector<int>{1024} : std::vector<int>{1024, 65536, 1048576};
    bool allLoaded = true;
    // Plain text gives a page about as long as the message; a colour per letter, the longest
    // page a message of that length makes, with an element per letter for the engine to lay out.
    for (const bool colored : {false, true}) {
        colorEffect->setChecked(colored);
        std::printf("\n%s\n%10s %12s %9s %8s | %s\n",
                    colored ? "A colour per letter:" : "Plain text:", "letters", "page bytes",
                    "copy ms", "meter ms",
                    "preview ms, median: ours (build, write) + engine = to loadFinished");
        for (const int letters : sizes) {
            preview.leave();
            message->setPlainText(Message(letters));

            QElapsedTimer timer;
            timer.start();
            window.copyResult();
            const double copy = Milliseconds(timer.nsecsElapsed());
            control<QCheckBox>(window, "cbThreshold")->setChecked(true);
            timer.restart();
            window.buildCurrentResult();
            const double meter = Milliseconds(timer.nsecsElapsed());
            control<QCheckBox>(window, "cbThreshold")->setChecked(false);

            // A page of a million coloured letters takes the engine a minute, if it manages.
            const int runs = quick ? 1 : letters < 1048576 ? 7 : colored ? 1 : 3;
            std::vector<double> ours;
            std::vector<double> totals;
            bool loaded = true;
            for (int run = 0; run < runs; ++run) {
                preview.leave();
                const PreviewTime time = preview.open();
                loaded = loaded && time.loaded;
                ours.push_back(time.ours);
                totals.push_back(time.total);
            }
            allLoaded = allLoaded && loaded;
            const auto pageBytes =
                std::filesystem::file_size(tagforge::PreviewPagePath(programFolder));
            const double total = Median(totals);
            const double own = Median(ours);
            std::printf(
                "%10d %12ju %9.1f %8.1f | %8.1f + %8.1f = %8.1f  (%d runs, fastest %.1f)%s\n",
                letters, static_cast<std::uintmax_t>(pageBytes), copy, meter, own, total - own,
                total, runs, *std::min_element(totals.begin(), totals.end()),
                loaded ? "" : "  NOT LOADED");
            std::fflush(stdout);
        }
    }
    // The strip under the message: from the typing pause's end (the meter's build) until the
    // strip has painted the line, a colour per letter.
    std::printf("\nLive preview, a colour per letter: pause over to strip painted, median of %d\n",
                kStripRuns);
    colorEffect->setChecked(true);
    control<QCheckBox>(window, "cbThreshold")->setChecked(false);
    preview.leave();
    auto* meter = control<tagforge::LengthMeter>(window, "lResultLength");
    auto* strip = control<QWidget>(window, "LivePreview");
    for (const int letters : {100, 1000, 10000}) {
        std::vector<double> times;
        for (int run = 0; run < kStripRuns; ++run) {
            // A new letter each run, so every run builds and renders anew.
            message->setPlainText(Message(letters - 1) + QChar(0x0430 + run));
            Settle(0);
            QElapsedTimer timer;
            timer.start();
            meter->measureNow();
            strip->repaint();
            times.push_back(Milliseconds(timer.nsecsElapsed()));
        }
        std::printf("%10d letters: %7.2f ms (fastest %.2f)\n", letters, Median(times),
                    *std::min_element(times.begin(), times.end()));
        std::fflush(stdout);
    }

    // Only the quick run is a test; a page the engine gives up on is a figure like any other.
    return quick && !allLoaded ? 1 : 0;
}
