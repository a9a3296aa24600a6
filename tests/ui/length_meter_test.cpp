#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

using test::WindowHarness;

constexpr int kNoEffect = -1;
constexpr int kGradient = 1;
constexpr int kSpectrum = 2;
constexpr int kStops = 6;

MainWindow& OpenShown(WindowHarness& harness) {
    std::filesystem::create_directories(harness.programFolder() / "Profiles");
    MainWindow& window = harness.open();
    test::ShowHandMadePage(window);
    return window;
}

void SetThreshold(MainWindow& window, int threshold) {
    control<QCheckBox>(window, "cbThreshold")->setChecked(threshold != 0);
    control<QSpinBox>(window, "UpDown2")->setValue(threshold);
}

// Waits for the meter's next reading after the edits made so far.
QLabel* SettledMeter(MainWindow& window) {
    auto* meter = control<QLabel>(window, "lResultLength");
    meter->clear();
    [&] { QTRY_VERIFY(!meter->text().isEmpty()); }();
    return meter;
}

bool Red(const QLabel* meter) {
    return meter->palette().color(QPalette::WindowText) == QColor(Qt::red);
}

bool Warned(const WindowHarness& harness) {
    return std::ranges::any_of(harness.platform.messages.shown,
                               [](const auto& shown) { return shown.kind == "warning"; });
}

}  // namespace

class LengthMeterTest : public QObject {
    Q_OBJECT

  private slots:
    // 200 letters under a gradient take 26 bytes of tags per group: 5400 bytes one letter per
    // colour, 2800 two, 1942 three, 1240 five.
    void showsTheLengthTheCopyButtonCopies_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("red");
        const QString letters(200, QLatin1Char('x'));
        QTest::newRow("typed, no threshold") << QStringLiteral("Привет, мир") << kNoEffect << 0
                                             << QStringLiteral("Длина: %1") << false;
        QTest::newRow("within the threshold")
            << letters << kGradient << 9000 << QStringLiteral("Длина: %1 из 9000") << false;
        QTest::newRow("two letters per colour")
            << letters << kGradient << 3000
            << QStringLiteral("Длина: %1 из 3000, по 2 буквы на цвет") << false;
        QTest::newRow("three, through stops")
            << letters << kStops << 2500 << QStringLiteral("Длина: %1 из 2500, по 3 буквы на цвет")
            << false;
        QTest::newRow("five") << letters << kGradient << 1400
                              << QStringLiteral("Длина: %1 из 1400, по 5 букв на цвет") << false;
        QTest::newRow("over at the coarsest")
            << letters << kSpectrum << 100 << QStringLiteral("Длина: %1 из 100, по 20 букв на цвет")
            << true;
        QTest::newRow("over without effect")
            << letters << kNoEffect << 100 << QStringLiteral("Длина: %1 из 100") << true;
    }
    void showsTheLengthTheCopyButtonCopies() {
        QFETCH(QString, message);
        QFETCH(int, effect);
        QFETCH(int, threshold);
        QFETCH(QString, expected);
        QFETCH(bool, red);
        WindowHarness harness;
        MainWindow& window = OpenShown(harness);
        SetThreshold(window, threshold);
        control<QCheckBox>(window, "cbColorMark")->setChecked(effect != kNoEffect);
        control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(effect);
        auto* messageEdit = control<QPlainTextEdit>(window, "MainText");
        messageEdit->clear();
        messageEdit->setFocus();
        test::TypeText(messageEdit, message.left(20));
        messageEdit->setPlainText(message);

        QLabel* meter = SettledMeter(window);
        const QString measured = meter->text();
        const bool measuredRed = Red(meter);
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton3"), Qt::LeftButton);
        const qsizetype copied = harness.platform.clipboard.text().size();
        QCOMPARE(measured, expected.arg(copied));
        QCOMPARE(measuredRed, red);
        QCOMPARE(Warned(harness), red);
        QCOMPARE(meter->text(), measured);
    }

    void followsTheThresholdAndTheEffect() {
        WindowHarness harness;
        MainWindow& window = OpenShown(harness);
        SetThreshold(window, 0);
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QString(200, QLatin1Char('x')));
        QCOMPARE(SettledMeter(window)->text(), QStringLiteral("Длина: 200"));
        control<QCheckBox>(window, "cbColorMark")->setChecked(true);
        control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(kStops);
        QCOMPARE(SettledMeter(window)->text(), QStringLiteral("Длина: 5400"));
        SetThreshold(window, 3000);
        QCOMPARE(SettledMeter(window)->text(),
                 QStringLiteral("Длина: 2800 из 3000, по 2 буквы на цвет"));
        // More stops colour the same groups, so the length stays.
        QTest::mouseClick(control<QPushButton>(window, "bAddGradientStop"), Qt::LeftButton);
        QCOMPARE(SettledMeter(window)->text(),
                 QStringLiteral("Длина: 2800 из 3000, по 2 буквы на цвет"));
        control<QCheckBox>(window, "cbColorMark")->setChecked(false);
        QCOMPARE(SettledMeter(window)->text(), QStringLiteral("Длина: 200 из 3000"));
    }

    void measuresTheTemplateLine() {
        WindowHarness harness;
        MainWindow& window = OpenShown(harness);
        SetThreshold(window, 10);
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
        control<QLineEdit>(window, "KillName")->setText(QStringLiteral("Модер"));
        QLabel* meter = SettledMeter(window);
        const QString measured = meter->text();
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton3"), Qt::LeftButton);
        const qsizetype copied = harness.platform.clipboard.text().size();
        QVERIFY(copied > 10);
        QCOMPARE(measured, QStringLiteral("Длина: %1 из 10").arg(copied));
        QVERIFY(Red(meter));
    }
};

}  // namespace tagforge

QTEST_MAIN(tagforge::LengthMeterTest)
#include "length_meter_test.moc"
