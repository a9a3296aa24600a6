#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;
using tagforge::test::WindowHarness;

// A copy and a saved profile are confirmed by a quiet note under the message, not by a box.
class FeedbackTest : public QObject {
    Q_OBJECT

  private slots:
    void ctrlEnterCopiesAndTheNoteTellsHowLong_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("note");
        QTest::newRow("one") << QStringLiteral("a") << 0 << QStringLiteral("Скопировано: 1 символ");
        QTest::newRow("three") << QStringLiteral("abc") << 0
                               << QStringLiteral("Скопировано: 3 символа");
        QTest::newRow("twelve") << QStringLiteral("abcdefghijkl") << 0
                                << QStringLiteral("Скопировано: 12 символов");
        QTest::newRow("with the threshold")
            << QStringLiteral("Привет") << 900
            << QStringLiteral("Скопировано: 6 символов (порог 900)");
    }
    void ctrlEnterCopiesAndTheNoteTellsHowLong() {
        QFETCH(QString, message);
        QFETCH(int, threshold);
        QFETCH(QString, note);
        WindowHarness harness;
        std::filesystem::create_directory(harness.programFolder() / "Profiles");
        auto& window = harness.open();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        control<QCheckBox>(window, "cbThreshold")->setChecked(threshold != 0);
        control<QSpinBox>(window, "UpDown2")->setValue(threshold);
        auto* messageEdit = control<QPlainTextEdit>(window, "MainText");
        messageEdit->setFocus();
        tagforge::test::TypeText(messageEdit, message);
        QTest::keyClick(messageEdit, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(messageEdit->toPlainText(), message);
        QCOMPARE(harness.platform.clipboard.text(), message);
        QCOMPARE(control<QLabel>(window, "TransientNote")->text(), note);
        // The note stands in the meter's place, so the row needs no more room than before.
        QVERIFY(control<QLabel>(window, "TransientNote")->isVisible());
        QVERIFY(!control<QLabel>(window, "lResultLength")->isVisible());
        QVERIFY(harness.platform.messages.shown.empty());
    }

    void aSavedProfileIsConfirmed() {
        WindowHarness harness;
        std::filesystem::create_directory(harness.programFolder() / "Profiles");
        auto& window = harness.open();
        auto* profiles = control<QComboBox>(window, "ComboProfiles");
        profiles->clearEditText();
        tagforge::test::TypeText(profiles->lineEdit(), QStringLiteral("Work"));
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton2"), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(harness.programFolder() / "Profiles" / "Work.tfp"));
        QCOMPARE(control<QLabel>(window, "TransientNote")->text(),
                 QStringLiteral("Профиль «Work» сохранён"));
        // After its few seconds the note gives the meter its place back.
        QVERIFY(!control<QLabel>(window, "TransientNote")->isHidden());
        QVERIFY(control<QLabel>(window, "lResultLength")->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(control<QLabel>(window, "TransientNote")->isHidden() &&
                                     !control<QLabel>(window, "lResultLength")->isHidden(),
                                 6000);
    }
};

TAGFORGE_UI_TEST_MAIN(FeedbackTest)
#include "feedback_test.moc"
