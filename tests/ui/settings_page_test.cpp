#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "control_lookup.h"
#include "core/store/settings.h"
#include "gui/common/text_bridge.h"
#include "gui/settings/settings_page.h"
#include "gui/tray/tray_controller.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

Q_DECLARE_METATYPE(tagforge::Settings)

namespace tagforge {

namespace {

// A page on its own, its input font set on a plain field as the window sets it on the message.
struct PageHarness {
    test::FakePlatform platform;
    QPlainTextEdit input;
    SettingsPage page{platform.messages, platform.fonts};

    PageHarness() { page.setInputField(&input); }
};

}  // namespace

class SettingsPageTest : public QObject {
    Q_OBJECT

  private slots:
    void settingsComeBackAsApplied_data() {
        QTest::addColumn<Settings>("settings");
        Settings chosen;
        chosen.autoSave = false;
        chosen.enableResultLimit = false;
        chosen.resultLimit = 1234;
        chosen.minimizeToTray = false;
        chosen.restoreMethod = 0;
        chosen.showSmilesEntry = kShowSmilesNever;
        chosen.showHint = false;
        chosen.enableSmileSeparate = true;
        chosen.smileSeparate = 7;
        chosen.previewBgColor = FromColorCode("00FF00");
        chosen.previewWordWrap = false;
        chosen.smileFrequentlyUsed = false;
        chosen.autoRun = true;
        chosen.fontName = "Tahoma";
        chosen.fontSize = 11;
        chosen.charset = 0;
        chosen.bold = true;
        chosen.italic = true;
        QTest::newRow("defaults") << Settings{};
        QTest::newRow("every choice changed") << chosen;
    }
    void settingsComeBackAsApplied() {
        QFETCH(Settings, settings);
        PageHarness harness;
        harness.page.applySettings(settings);
        Settings read;
        harness.page.fillSettings(read);
        QVERIFY(read == settings);
    }

    // Their captions differ in width; the lists still start at one edge.
    void listsOnConsecutiveRowsLineUp() {
        PageHarness harness;
        harness.page.show();
        const auto* restore = test::control<QComboBox>(harness.page, "ComboHowToRestore");
        const auto* smiles = test::control<QComboBox>(harness.page, "comboShowSmiles");
        QCOMPARE(restore->x(), smiles->x());
        QVERIFY(restore->geometry().bottom() < smiles->y());
    }

    void thresholdTickAndNumberAreKeptApart() {
        PageHarness harness;
        Settings settings;
        settings.resultLimit = 500;
        for (const bool ticked : {true, false}) {
            settings.enableResultLimit = ticked;
            harness.page.applySettings(settings);
            Settings filled;
            harness.page.fillSettings(filled);
            QCOMPARE(filled.enableResultLimit, ticked);
            QCOMPARE(filled.resultLimit, 500L);
        }
    }

    void restoreGestureFollowsTheStoredMethod_data() {
        QTest::addColumn<long>("method");
        QTest::addColumn<bool>("byClick");
        QTest::addColumn<bool>("byDoubleClick");
        QTest::addColumn<bool>("byMiddleClick");
        QTest::newRow("click") << 0L << true << false << false;
        QTest::newRow("double click") << 1L << false << true << false;
        QTest::newRow("not listed: any click") << 5L << true << true << true;
    }
    void restoreGestureFollowsTheStoredMethod() {
        QFETCH(long, method);
        QFETCH(bool, byClick);
        QFETCH(bool, byDoubleClick);
        QFETCH(bool, byMiddleClick);
        PageHarness harness;
        Settings settings;
        settings.restoreMethod = method;
        harness.page.applySettings(settings);
        QCOMPARE(harness.page.restoresOn(TrayGesture::LeftClick), byClick);
        QCOMPARE(harness.page.restoresOn(TrayGesture::DoubleClick), byDoubleClick);
        QCOMPARE(harness.page.restoresOn(TrayGesture::MiddleClick), byMiddleClick);
    }

    void minimizingToTrayNeedsATray() {
        PageHarness harness;
        QWidget window;
        const TrayController tray(&window, harness.platform.tray, &harness.page, QString());
        Settings settings;
        settings.minimizeToTray = true;
        harness.page.applySettings(settings);
        QVERIFY(tray.minimizesToTray());
        harness.platform.tray.availableTray = false;
        QVERIFY(!tray.minimizesToTray());
        QVERIFY(harness.page.minimizesToTray());
    }

    // The tray icon, the tool tips and the lock reach past the page: it only reports them.
    void choicesBeyondThePageAreReported_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QByteArray>("report");
        QTest::newRow("tray") << "cbToTray" << QByteArray(SIGNAL(toTrayChanged(bool)));
        QTest::newRow("hints") << "cbShowHint" << QByteArray(SIGNAL(hintsShownChanged(bool)));
        QTest::newRow("single instance")
            << "cbMultiLoad" << QByteArray(SIGNAL(singleInstanceChanged(bool)));
    }
    void choicesBeyondThePageAreReported() {
        QFETCH(QString, box);
        QFETCH(QByteArray, report);
        PageHarness harness;
        QSignalSpy reports(&harness.page, report.constData());
        auto* check = test::control<QCheckBox>(harness.page, qPrintable(box));
        const bool before = check->isChecked();
        check->setChecked(!before);
        check->setChecked(before);
        QCOMPARE(reports.size(), 2);
        QCOMPARE(reports[0][0].toBool(), !before);
        QCOMPARE(reports[1][0].toBool(), before);
    }

    void appliedHintsAreReportedEvenWhenTheBoxKeepsItsState() {
        PageHarness harness;
        Settings settings;
        settings.showHint = false;
        harness.page.applySettings(settings);
        QSignalSpy reports(&harness.page, &SettingsPage::hintsShownChanged);
        harness.page.applySettings(settings);
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports[0][0].toBool(), false);
    }

    void baseSettingsOnlyWhenConfirmed() {
        PageHarness harness;
        Settings settings;
        settings.resultLimit = 42;
        settings.fontName = "Tahoma";
        harness.page.applySettings(settings);
        harness.platform.messages.answer = false;
        harness.page.applyBaseSettings();
        Settings kept;
        harness.page.fillSettings(kept);
        QCOMPARE(kept.resultLimit, 42L);
        QCOMPARE(harness.input.font().family(), QStringLiteral("Tahoma"));

        harness.platform.messages.answer = true;
        harness.page.applyBaseSettings();
        const Settings base;
        Settings reset;
        harness.page.fillSettings(reset);
        QCOMPARE(reset.resultLimit, base.resultLimit);
        QCOMPARE(harness.page.smileGroupSize(), static_cast<int>(base.smileSeparate));
        QCOMPARE(harness.input.font().family(), FromCp1251(base.fontName));
        QCOMPARE(harness.input.font().pointSize(), static_cast<int>(base.fontSize));
        QCOMPARE(harness.platform.messages.shown.size(), std::size_t{2});
        // Every value the page shows is back at its default.
        Settings read;
        read.resultLimit = 1;
        read.charset = 0;
        harness.page.fillSettings(read);
        QVERIFY(read == base);
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::SettingsPageTest)
#include "settings_page_test.moc"
