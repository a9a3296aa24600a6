// Starts the program the way its entry does, over a program folder given on the command line,
// with message boxes that print instead of waiting for a click. The start-up tests run it as a
// second process next to themselves.
//
//   start_probe FOLDER [--multiload] [--hold] [--save-forever]
//
// Prints "started" once the window is shown; with --multiload it then takes the single-instance
// lock through the hidden option and prints "holding". Without --hold the window closes at once.
// With --save-forever it changes options and runs the closing save over and over, printing
// "saved" after each, until it is killed.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>
#include <cstring>
#include <iostream>

#include "gui/app/application.h"
#include "gui/app/main_window.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace {

class PrintedMessages final : public tagforge::MessageBoxes {
  public:
    void error(QWidget* /*parent*/, const QString& text) override { Print("error", text); }
    void warning(QWidget* /*parent*/, const QString& text) override { Print("warning", text); }
    void information(QWidget* /*parent*/, const QString& text) override {
        Print("information", text);
    }
    bool confirm(QWidget* /*parent*/, const QString& text) override {
        Print("confirm", text);
        return false;
    }
    void notice(QWidget* /*parent*/, const QString& title, const QString& text) override {
        Print("notice", title + QStringLiteral(": ") + text);
    }

  private:
    static void Print(const char* kind, const QString& text) {
        std::cout << kind << ": " << text.toStdString() << std::endl;
    }
};

bool HasFlag(int argc, char** argv, const char* flag) {
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], flag) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: start_probe FOLDER [--multiload] [--hold]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const bool multiload = HasFlag(argc, argv, "--multiload");
    const bool hold = HasFlag(argc, argv, "--hold");
    const bool saveForever = HasFlag(argc, argv, "--save-forever");
    constexpr int kHoldLimitMs = 120000;

    tagforge::test::FakePlatform platform;
    platform.useFolder(folder);
    PrintedMessages messages;
    return tagforge::RunApplication(
        argc, argv, folder,
        [&] {
            auto services = platform.services();
            return tagforge::PlatformServices{
                services.clipboard, messages,       services.colors, services.dialogs,
                services.urls,      services.clock, services.fonts,  services.tray,
                services.registry,  services.files, services.input,  services.fontCatalog};
        },
        [&](tagforge::MainWindow& window) {
            std::cout << "started" << std::endl;
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
            // A held probe still ends by itself should its test die before killing it.
            QTimer::singleShot(hold ? kHoldLimitMs : 0, &window, &QWidget::close);
        });
}
