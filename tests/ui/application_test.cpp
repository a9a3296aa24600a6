#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include "gui/app/application.h"

class ApplicationTest : public QObject {
    Q_OBJECT

  private slots:
    void qtDialogsSpeakRussian() {
        tagforge::InstallRussianTranslations(*QCoreApplication::instance());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        QCOMPARE(QCoreApplication::translate("QColorDialog", "Select Color"),
                 QStringLiteral("Выбор цвета"));
    }

    // The window program answers --help and --version without a display, and refuses what it
    // does not know, before Qt is started.
    void answersWithoutADisplay_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << QStringLiteral("tagforge " TAGFORGE_VERSION "\n") << QString();
        QTest::newRow("help") << QStringList{"--help"} << 0 << QStringLiteral("Usage: tagforge")
                              << QString();
        QTest::newRow("help after a Qt option") << QStringList{"-style", "fusion", "-h"} << 0
                                                << QStringLiteral("Usage: tagforge") << QString();
        QTest::newRow("unknown option")
            << QStringList{"--frobnicate"} << 2 << QString()
            << QStringLiteral("tagforge: unknown option: --frobnicate (run 'tagforge --help')\n");
        QTest::newRow("stray argument")
            << QStringList{"file.txt"} << 2 << QString()
            << QStringLiteral("tagforge: unknown option: file.txt (run 'tagforge --help')\n");
        // Qt takes these with the value after "=" as well.
        for (const char* option :
             {"-style=fusion", "--style=fusion", "-stylesheet=x.qss", "-qmljsdebugger=port:1234"}) {
            QTest::newRow(option) << QStringList{option, "-h"} << 0
                                  << QStringLiteral("Usage: tagforge") << QString();
        }
        QTest::newRow("-platform=xcb, which Qt does not take")
            << QStringList{"-platform=xcb", "-h"} << 2 << QString()
            << QStringLiteral("tagforge: unknown option: -platform=xcb (run 'tagforge --help')\n");
        for (const char* option : {"-platform", "--display", "-style", "-style=", "-stylesheet="}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 without a value").arg(option)))
                << QStringList{option} << 2 << QString()
                << QStringLiteral("tagforge: option requires a value: %1 (run 'tagforge --help')\n")
                       .arg(option);
        }
        QTest::newRow("value after the last option")
            << QStringList{"-reverse", "-platform"} << 2 << QString()
            << QStringLiteral(
                   "tagforge: option requires a value: -platform (run 'tagforge --help')\n");
    }
    void answersWithoutADisplay() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TAGFORGE_PATH), args);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY2(QString::fromUtf8(program.readAllStandardOutput()).startsWith(out),
                 qPrintable(out));
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
    }
};

QTEST_GUILESS_MAIN(ApplicationTest)
#include "application_test.moc"
