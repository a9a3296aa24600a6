#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

#include "tests/ui/ui_test_files.h"

#include "ui_test_main.h"
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

// Clicks the tab captioned `caption` of `tabs`, as the user does.
void ClickTab(QTabWidget* tabs, const QString& caption) {
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabText(i) == caption) {
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier,
                              tabs->tabBar()->tabRect(i).center());
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no tab ") + caption));
}

QLabel* ProfileCaption(const MainWindow& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("Профиль:")) {
            return label;
        }
    }
    return nullptr;
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

    // Each tab of the formatting page shows its own line; the meter measures the one shown as
    // soon as the user switches, before any field changes.
    void followsTheTabShown_data() {
        QTest::addColumn<QStringList>("path");  // the tabs clicked in turn: sub-page, template
        QTest::newRow("to the templates") << QStringList{QStringLiteral("Шаблоны")};
        QTest::newRow("kill line to solitude")
            << QStringList{QStringLiteral("Шаблоны"), QStringLiteral("Уединяются")};
        QTest::newRow("solitude to notification") << QStringList{
            QStringLiteral("Шаблоны"), QStringLiteral("Уединяются"), QStringLiteral("Уведомление")};
        QTest::newRow("notification to ASCII") << QStringList{
            QStringLiteral("Шаблоны"), QStringLiteral("Уведомление"), QStringLiteral("ASCII")};
        QTest::newRow("ASCII back to the kill line") << QStringList{
            QStringLiteral("Шаблоны"), QStringLiteral("ASCII"), QStringLiteral("Килл-строка")};
        QTest::newRow("a template back to the message") << QStringList{
            QStringLiteral("Шаблоны"), QStringLiteral("Уединяются"), QStringLiteral("Вручную")};
    }
    void followsTheTabShown() {
        QFETCH(QStringList, path);
        WindowHarness harness;
        test::WriteBytes(harness.programFolder() / "Profiles" / "ascii.asc",
                         "[Owl]\r\nhtml=<pre>{o,o}</pre>\r\ninclude=1\r\n");
        MainWindow& window = OpenShown(harness);
        SetThreshold(window, 0);
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("Привет"));
        auto* meter = control<QLabel>(window, "lResultLength");
        auto* subPages = control<QTabWidget>(window, "PageControl2");
        auto* templates = control<QTabWidget>(window, "PageControl3");
        for (const QString& caption : path) {
            meter->clear();
            ClickTab(caption == QStringLiteral("Шаблоны") || caption == QStringLiteral("Вручную")
                         ? subPages
                         : templates,
                     caption);
            QTRY_VERIFY(!meter->text().isEmpty());
        }
        const QStringList shown{subPages->tabText(subPages->currentIndex()),
                                templates->tabText(templates->currentIndex())};
        QVERIFY(shown.contains(path.back()));
        const QString measured = meter->text();
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton3"), Qt::LeftButton);
        QCOMPARE(measured,
                 QStringLiteral("Длина: %1").arg(harness.platform.clipboard.text().size()));
    }

    // The meter sits between the copy button and the profile bar. At the window's own width a
    // reading of any message a chat could take shows whole, without pushing into "Профиль:";
    // a longer one may widen the window but is not cut either.
    void showsEveryReadingWhole_data() {
        QTest::addColumn<qulonglong>("length");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<int>("lettersPerColor");
        QTest::addColumn<bool>("keepsWidth");
        QTest::newRow("short") << qulonglong(312) << 0 << 1 << true;
        QTest::newRow("five digits, coarsest") << qulonglong(99999) << 9999 << 20 << true;
        QTest::newRow("six digits, coarsest") << qulonglong(912345) << 900 << 20 << true;
        QTest::newRow("seven digits, coarsest") << qulonglong(1288000) << 900 << 20 << true;
        QTest::newRow("seven digits, widest threshold")
            << qulonglong(8888888) << 9999 << 20 << true;
        QTest::newRow("nine digits") << qulonglong(999999999) << 9999 << 20 << true;
        QTest::newRow("twelve digits") << qulonglong(999999999999) << 9999 << 20 << false;
    }
    void showsEveryReadingWhole() {
        QFETCH(qulonglong, length);
        QFETCH(int, threshold);
        QFETCH(int, lettersPerColor);
        QFETCH(bool, keepsWidth);
        WindowHarness harness;
        MainWindow& window = OpenShown(harness);
        const int ownWidth = window.width();
        auto* meter = control<LengthMeter>(window, "lResultLength");
        meter->display({static_cast<std::size_t>(length), threshold, lettersPerColor});
        const QLabel* profile = ProfileCaption(window);
        QVERIFY(profile != nullptr);
        const auto whole = [&] {
            const int right = meter->mapTo(&window, meter->contentsRect().topRight()).x();
            return meter->contentsRect().width() >=
                       meter->fontMetrics().horizontalAdvance(meter->text()) &&
                   right < profile->mapTo(&window, QPoint(0, 0)).x();
        };
        QTRY_VERIFY2(whole(), qPrintable(meter->text()));
        if (keepsWidth) {
            QCOMPARE(window.width(), ownWidth);
        }
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::LengthMeterTest)
#include "length_meter_test.moc"
