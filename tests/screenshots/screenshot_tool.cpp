// Starts the program over a scratch program folder, fills in a sample message and saves a PNG of
// every page, of the smiley pane and of the two managers into the output folder.
//
//   tagforge-screenshots PROGRAM_FOLDER OUTPUT_FOLDER
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QWebEngineView>
#include <iostream>
#include <utility>

#include "core/store/data_location.h"
#include "gui/app/application.h"
#include "gui/app/main_window.h"
#include "gui/formatting/formatting_page.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/panel_color_choice.h"
#include "gui/platform/qt_platform_services.h"
#include "gui/smileys/smiley_pane.h"
#include "tests/ui/control_lookup.h"

using tagforge::test::control;

namespace {

constexpr int kSettleMs = 400;
constexpr int kPreviewLoadMs = 15000;
constexpr int kPageLoadMs = 2500;

void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void FillSample(tagforge::MainWindow& window) {
    control<QPlainTextEdit>(window, "MainText")
        ->setPlainText(QStringLiteral("Всем привет! Как дела в чате?"));
    control<QCheckBox>(window, "cbColorMark")->setChecked(true);
    control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(1);
    control<QCheckBox>(window, "cbEffect6")->setChecked(true);
    control<QCheckBox>(window, "cbOk")->setChecked(true);
    control<QCheckBox>(window, "cbOnlyForYou")->setChecked(true);
    control<QLineEdit>(window, "OnlyForYouName")->setText(QStringLiteral("Лиса"));
    control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("Внимание!"));
    control<QComboBox>(window, "cbKillWhere")->setCurrentIndex(1);
    control<QLineEdit>(window, "KillName")->setText(QStringLiteral("Модер"));
    control<QComboBox>(window, "cbKillAction")->setCurrentIndex(0);
    control<QLineEdit>(window, "VictimName")->setText(QStringLiteral("Гость"));
    control<QComboBox>(window, "cbKillTime")->setCurrentIndex(2);
    control<QComboBox>(window, "cbKillReason")->setCurrentIndex(6);
}

bool Save(tagforge::MainWindow& window, const QDir& output, const QString& name) {
    Wait(kSettleMs);
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    const QString path = output.filePath(name + QStringLiteral(".png"));
    const bool saved = shot.save(path);
    std::cout << (saved ? "saved " : "could not save ") << path.toStdString() << std::endl;
    return saved;
}

// The gradient through four stops, and the length meter once the threshold has made the colours
// coarser; the sample comes back afterwards.
bool SaveGradientStops(tagforge::MainWindow& window, const QDir& output) {
    auto* message = control<QPlainTextEdit>(window, "MainText");
    auto* effect = control<QComboBox>(window, "comboboxColorMark");
    auto* thresholdCheck = control<QCheckBox>(window, "cbThreshold");
    auto* threshold = control<QSpinBox>(window, "UpDown2");
    const QString sample = message->toPlainText();
    const int sampleEffect = effect->currentIndex();
    const bool sampleThresholdOn = thresholdCheck->isChecked();
    const int sampleThreshold = threshold->value();

    message->setPlainText(sample.repeated(4));
    effect->setCurrentIndex(6);
    for (int added = 0; added < 2; ++added) {
        control<QPushButton>(window, "bAddGradientStop")->click();
    }
    for (const auto& [name, code] :
         {std::pair{"GradientStop1", "FF0000"}, std::pair{"GradientStop2", "FFCC00"},
          std::pair{"GradientStop3", "00CC66"}, std::pair{"GradientStop4", "3366FF"}}) {
        tagforge::SetPanelColor(control<tagforge::ColorPanel>(window, name),
                                tagforge::FromColorCode(code));
    }
    control<tagforge::FormattingPage>(window, "HandMadePage")->colorPanelClicked();
    thresholdCheck->setChecked(true);
    threshold->setValue(2500);
    const bool saved = Save(window, output, QStringLiteral("format-gradient-stops-meter"));

    message->setPlainText(sample);
    effect->setCurrentIndex(sampleEffect);
    thresholdCheck->setChecked(sampleThresholdOn);
    threshold->setValue(sampleThreshold);
    return saved;
}

// Qt's own dialogs, to show that they speak Russian with the program.
bool SaveStandardDialogs(QWidget& window, const QDir& output) {
    QColorDialog colors(&window);
    colors.setOption(QColorDialog::DontUseNativeDialog);
    QMessageBox question(QMessageBox::Question, QString::fromLatin1(tagforge::kApplicationTitle),
                         QStringLiteral("Применить базовые настройки ?"),
                         QMessageBox::Yes | QMessageBox::No, &window);
    bool saved = true;
    for (const auto& [dialog, name] :
         {std::pair<QDialog*, QString>{&colors, QStringLiteral("dialog-colour")},
          std::pair<QDialog*, QString>{&question, QStringLiteral("dialog-question")}}) {
        dialog->show();
        Wait(kSettleMs);
        const QString path = output.filePath(name + QStringLiteral(".png"));
        saved &= dialog->screen()->grabWindow(dialog->winId()).save(path);
        std::cout << "saved " << path.toStdString() << std::endl;
        dialog->hide();
    }
    return saved;
}

// Shows each modal window of the program long enough to photograph it, then closes it as the
// user would.
class PhotographingDialogs final : public tagforge::DialogRunner {
  public:
    explicit PhotographingDialogs(QDir output) : output_(std::move(output)) {}

    int exec(QDialog& dialog) override {
        dialog.show();
        Wait(kPageLoadMs);
        const QPixmap shot = dialog.screen()->grabWindow(dialog.winId());
        const QString path = output_.filePath(nextName + QStringLiteral(".png"));
        saved = shot.save(path);
        std::cout << (saved ? "saved " : "could not save ") << path.toStdString() << std::endl;
        dialog.close();
        return QDialog::Rejected;
    }

    QString nextName;
    bool saved = false;

  private:
    QDir output_;
};

void ShowPreview(tagforge::MainWindow& window) {
    QEventLoop loop;
    QTimer::singleShot(kPreviewLoadMs, &loop, &QEventLoop::quit);
    control<QTabWidget>(window, "PageControl1")
        ->setCurrentWidget(control<QWidget>(window, "PreviewPage"));
    // The view comes with the first showing; its page loads once the event loop runs.
    QObject::connect(control<QWebEngineView>(window, "CppWebBrowser1"),
                     &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tagforge-screenshots PROGRAM_FOLDER OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::cerr << "cannot create " << argv[2] << "\n";
        return 1;
    }
    // The program photographed is a portable one, kept in PROGRAM_FOLDER.
    const bool installed = false;
    tagforge::QtPlatform platform(argv[1], tagforge::ConfigHome(tagforge::ProcessEnvironment),
                                  installed);
    PhotographingDialogs dialogs(output);
    bool allSaved = true;
    const int code = tagforge::RunApplication(
        argc, argv, argv[1],
        [&platform, &dialogs] {
            tagforge::PlatformServices services = platform.services();
            return tagforge::PlatformServices{services.clipboard,
                                              services.messages,
                                              services.colors,
                                              dialogs,
                                              services.urls,
                                              services.clock,
                                              services.fonts,
                                              services.tray,
                                              services.registry,
                                              services.files,
                                              services.input,
                                              services.fontCatalog,
                                              services.autostartCommand};
        },
        [&](tagforge::MainWindow& window) {
            window.resize(760, 520);
            window.move(0, 0);
            FillSample(window);
            control<QTabWidget>(window, "PageControl1")
                ->setCurrentWidget(control<QWidget>(window, "AboutPage"));
            allSaved &= Save(window, output, QStringLiteral("about"));
            control<QTabWidget>(window, "PageControl1")
                ->setCurrentWidget(control<QWidget>(window, "FormatPage"));
            control<QTabWidget>(window, "PageControl2")
                ->setCurrentWidget(control<QWidget>(window, "HandMadePage"));
            allSaved &= Save(window, output, QStringLiteral("format-hand-made"));
            allSaved &= SaveGradientStops(window, output);
            control<QPushButton>(window, "SpeedButton3")->click();
            allSaved &= Save(window, output, QStringLiteral("copy-confirmation"));
            allSaved &= SaveStandardDialogs(window, output);
            ShowPreview(window);
            allSaved &= Save(window, output, QStringLiteral("preview"));
            control<QTabWidget>(window, "PageControl1")
                ->setCurrentWidget(control<QWidget>(window, "FormatPage"));
            control<QTabWidget>(window, "PageControl2")
                ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
            control<QTabWidget>(window, "PageControl3")
                ->setCurrentWidget(control<QWidget>(window, "KillPage"));
            allSaved &= Save(window, output, QStringLiteral("format-templates-kill-line"));
            control<QTabWidget>(window, "PageControl3")
                ->setCurrentWidget(control<QWidget>(window, "SolitudePage"));
            control<QListWidget>(window, "ListBox1")
                ->addItems({QStringLiteral("Лиса"), QStringLiteral("Волк")});
            allSaved &= Save(window, output, QStringLiteral("format-templates-solitude"));
            control<QTabWidget>(window, "PageControl3")
                ->setCurrentWidget(control<QWidget>(window, "InOutPage"));
            allSaved &= Save(window, output, QStringLiteral("format-templates-notification"));
            ShowPreview(window);
            allSaved &= Save(window, output, QStringLiteral("preview-template"));
            control<QTabWidget>(window, "PageControl1")
                ->setCurrentWidget(control<QWidget>(window, "SettingsPage"));
            allSaved &= Save(window, output, QStringLiteral("settings"));

            control<QTabWidget>(window, "PageControl1")
                ->setCurrentWidget(control<QWidget>(window, "FormatPage"));
            control<QTabWidget>(window, "PageControl2")
                ->setCurrentWidget(control<QWidget>(window, "HandMadePage"));
            control<QPushButton>(window, "SmileButton")->setChecked(true);
            tagforge::test::control<tagforge::SmileyPane>(window, "SmilePane")
                ->smileButtonToggled();
            Wait(kPageLoadMs);
            allSaved &= Save(window, output, QStringLiteral("smiley-pane"));

            control<QTabWidget>(window, "PageControl2")
                ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
            dialogs.nextName = QStringLiteral("ascii-manager");
            control<QPushButton>(window, "SpeedButton11")->click();
            allSaved &= dialogs.saved;
            dialogs.nextName = QStringLiteral("font-manager");
            dialogs.saved = false;
            control<QPushButton>(window, "SpeedButton13")->click();
            allSaved &= dialogs.saved;
            QTimer::singleShot(0, &window, &QWidget::close);
        });
    return code == 0 && allSaved ? 0 : 1;
}
