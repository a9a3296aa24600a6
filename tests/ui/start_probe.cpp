// Starts the program the way its entry does, over a program folder given on the command line,
// with message boxes that print instead of waiting for a click. The start-up tests run it as a
// second process next to themselves.
//
//   start_probe FOLDER [--multiload] [--hold] [--save-forever] [--real-boxes] [--change]
//                      [--to-tray | --minimize | --behind] [--disk-full]
//
// Prints "started" once the window is shown; with --multiload it then takes the single-instance
// lock through the hidden option and prints "holding". Without --hold the window closes at once.
// With --save-forever it changes options and runs the closing save over and over, printing
// "saved" after each, until it is killed.
// --real-boxes: each message is printed, then shown in a real modal box that nobody answers.
// --change: the threshold becomes 555 and the message "probe", for the files to show.
// --to-tray, --minimize, --behind: the window goes to the tray, is minimised (the tray option
// off), or stays shown under another window. "front" and "back" tell whenever the window
// becomes, or stops being, the shown and active one.
// --disk-full: once started, every file write fails as on a full disk.
#include <sys/resource.h>

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>
#include <csignal>
#include <cstring>
#include <iostream>
#include <memory>

#include "gui/app/application.h"
#include "gui/app/main_window.h"
#include "gui/platform/qt_platform_services.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace {

class PrintedMessages final : public tagforge::MessageBoxes {
  public:
    explicit PrintedMessages(bool realBoxes) : realBoxes_(realBoxes) {}

    void error(QWidget* parent, const QString& text) override {
        Print("error", text);
        if (realBoxes_) {
            boxes_.error(parent, text);
        }
    }
    void warning(QWidget* parent, const QString& text) override {
        Print("warning", text);
        if (realBoxes_) {
            boxes_.warning(parent, text);
        }
    }
    void information(QWidget* parent, const QString& text) override {
        Print("information", text);
        if (realBoxes_) {
            boxes_.information(parent, text);
        }
    }
    bool confirm(QWidget* parent, const QString& text) override {
        Print("confirm", text);
        return realBoxes_ && boxes_.confirm(parent, text);
    }
    void notice(QWidget* parent, const QString& title, const QString& text) override {
        Print("notice", title + QStringLiteral(": ") + text);
        if (realBoxes_) {
            boxes_.notice(parent, title, text);
        }
    }

  private:
    static void Print(const char* kind, const QString& text) {
        std::cout << kind << ": " << text.toStdString() << std::endl;
    }

    bool realBoxes_;
    tagforge::QtMessageBoxes boxes_;
};

bool HasFlag(int argc, char** argv, const char* flag) {
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], flag) == 0) {
            return true;
        }
    }
    return false;
}

// Every later write of a file fails, as on a full disk (SIGXFSZ would end the process instead).
void FillTheDisk() {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &limit);
}

// Prints "front" whenever the window becomes the shown, active one, and "back" whenever it stops
// being that (hidden, minimised or under another window).
void ReportWhetherInFront(tagforge::MainWindow& window) {
    auto* timer = new QTimer(&window);
    auto reported = std::make_shared<int>(-1);
    QObject::connect(timer, &QTimer::timeout, &window, [&window, reported] {
        const int front =
            window.isVisible() && !window.isMinimized() && QApplication::activeWindow() == &window;
        if (front != *reported) {
            std::cout << (front ? "front" : "back") << std::endl;
            *reported = front;
        }
    });
    timer->start(50);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: start_probe FOLDER [--multiload] [--hold] ...\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const bool multiload = HasFlag(argc, argv, "--multiload");
    const bool hold = HasFlag(argc, argv, "--hold");
    const bool saveForever = HasFlag(argc, argv, "--save-forever");
    constexpr int kHoldLimitMs = 120000;

    tagforge::test::FakePlatform platform;
    platform.useFolder(folder);
    PrintedMessages messages(HasFlag(argc, argv, "--real-boxes"));
    std::unique_ptr<QWidget> cover;
    return tagforge::RunApplication(
        argc, argv, folder,
        [&] {
            auto services = platform.services();
            return tagforge::PlatformServices{
                services.clipboard,       messages,       services.colors,
                services.dialogs,         services.urls,  services.clock,
                services.fonts,           services.tray,  services.registry,
                services.files,           services.input, services.fontCatalog,
                services.autostartCommand};
        },
        [&](tagforge::MainWindow& window) {
            std::cout << "started" << std::endl;
            // As a desktop gives the focus to a window that has just opened.
            window.activateWindow();
            if (saveForever) {
                // Every round changes what both files hold, so each save really rewrites them.
                for (int round = 0;; ++round) {
                    control<QSpinBox>(window, "UpDown2")->setValue(round % 10000);
                    control<QPlainTextEdit>(window, "MainText")
                        ->setPlainText(QString(round % 500, QLatin1Char('x')));
                    window.profiles().saveProfile("Default", false, true);
                    std::cout << "saved" << std::endl;
                }
            }
            if (multiload) {
                control<QCheckBox>(window, "cbMultiLoad")->setChecked(true);
                std::cout << "holding" << std::endl;
            }
            if (HasFlag(argc, argv, "--change")) {
                control<QSpinBox>(window, "UpDown2")->setValue(555);
                control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("probe"));
            }
            if (HasFlag(argc, argv, "--minimize")) {
                control<QCheckBox>(window, "cbToTray")->setChecked(false);
            }
            if (HasFlag(argc, argv, "--to-tray") || HasFlag(argc, argv, "--minimize")) {
                window.setWindowState(window.windowState() | Qt::WindowMinimized);
            }
            if (HasFlag(argc, argv, "--behind")) {
                cover = std::make_unique<QWidget>();
                cover->setGeometry(window.frameGeometry());
                cover->show();
                cover->raise();
                cover->activateWindow();
            }
            ReportWhetherInFront(window);
            if (HasFlag(argc, argv, "--disk-full")) {
                FillTheDisk();
            }
            // A held probe still ends by itself should its test die before killing it.
            QTimer::singleShot(hold ? kHoldLimitMs : 0, &window, &QWidget::close);
        });
}
