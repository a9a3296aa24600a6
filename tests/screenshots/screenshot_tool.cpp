// Starts the program over a scratch program folder, fills in a sample message and saves a PNG of
// every page into the output folder.
//
//   tagforge-screenshots PROGRAM_FOLDER OUTPUT_FOLDER
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QWebEngineView>
#include <iostream>

#include "app/application.h"
#include "app/qt_platform_services.h"
#include "app/tform1.h"

namespace {

constexpr int kSettleMs = 400;
constexpr int kPreviewLoadMs = 15000;

void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void FillSample(tagforge::TForm1& window) {
    window.MainText->setPlainText(QStringLiteral("Всем привет! Как дела в чате?"));
    window.cbColorMark->setChecked(true);
    window.comboboxColorMark->setCurrentIndex(1);
    window.cbEffect6->setChecked(true);
    window.cbOk->setChecked(true);
    window.cbOnlyForYou->setChecked(true);
    window.OnlyForYouName->setText(QStringLiteral("Лиса"));
    window.Edit5->setText(QStringLiteral("Внимание!"));
    window.cbKillWhere->setCurrentIndex(1);
    window.KillName->setText(QStringLiteral("Модер"));
    window.cbKillAction->setCurrentIndex(0);
    window.VictimName->setText(QStringLiteral("Гость"));
    window.cbKillTime->setCurrentIndex(2);
    window.cbKillReason->setCurrentIndex(6);
}

bool Save(tagforge::TForm1& window, const QDir& output, const QString& name) {
    Wait(kSettleMs);
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    const QString path = output.filePath(name + QStringLiteral(".png"));
    const bool saved = shot.save(path);
    std::cout << (saved ? "saved " : "could not save ") << path.toStdString() << std::endl;
    return saved;
}

void ShowPreview(tagforge::TForm1& window) {
    QEventLoop loop;
    QObject::connect(window.CppWebBrowser1, &QWebEngineView::loadFinished, &loop,
                     &QEventLoop::quit);
    QTimer::singleShot(kPreviewLoadMs, &loop, &QEventLoop::quit);
    window.PageControl1->setCurrentWidget(window.PreviewPage);
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
    tagforge::QtPlatform platform(argv[1]);
    bool allSaved = true;
    const int code = tagforge::RunApplication(
        argc, argv, argv[1], [&platform] { return platform.services(); },
        [&](tagforge::TForm1& window) {
            window.resize(760, 520);
            window.move(0, 0);
            FillSample(window);
            window.PageControl1->setCurrentWidget(window.AboutPage);
            allSaved &= Save(window, output, QStringLiteral("about"));
            window.PageControl1->setCurrentWidget(window.FormatPage);
            window.PageControl2->setCurrentWidget(window.HandMadePage);
            allSaved &= Save(window, output, QStringLiteral("format-hand-made"));
            ShowPreview(window);
            allSaved &= Save(window, output, QStringLiteral("preview"));
            window.PageControl1->setCurrentWidget(window.FormatPage);
            window.PageControl2->setCurrentWidget(window.TemplatePage);
            window.PageControl3->setCurrentWidget(window.KillPage);
            allSaved &= Save(window, output, QStringLiteral("format-templates-kill-line"));
            window.PageControl3->setCurrentWidget(window.SolitudePage);
            window.ListBox1->addItems({QStringLiteral("Лиса"), QStringLiteral("Волк")});
            allSaved &= Save(window, output, QStringLiteral("format-templates-solitude"));
            window.PageControl3->setCurrentWidget(window.InOutPage);
            allSaved &= Save(window, output, QStringLiteral("format-templates-notification"));
            ShowPreview(window);
            allSaved &= Save(window, output, QStringLiteral("preview-template"));
            window.PageControl1->setCurrentWidget(window.SettingsPage);
            allSaved &= Save(window, output, QStringLiteral("settings"));
            QTimer::singleShot(0, &window, &QWidget::close);
        });
    return code == 0 && allSaved ? 0 : 1;
}
