#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "gui/common/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "ui_test_files.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

namespace fs = std::filesystem;
using test::WindowHarness;

constexpr int kStopsEffect = 6;

// A profile file as written by hand: Windows-1251 lines ending in CR LF.
void WriteProfile(const WindowHarness& harness, const std::string& name, const QStringList& lines) {
    std::string text;
    for (const QString& line : lines) {
        text += ToCp1251(line) + "\r\n";
    }
    test::WriteBytes(harness.programFolder() / "Profiles" / (name + ".tfp"), text);
}

void Pick(MainWindow& window, const QString& name) {
    auto* profiles = control<QComboBox>(window, "ComboProfiles");
    const int index = profiles->findText(name);
    QVERIFY2(index >= 0, qPrintable(name));
    profiles->setCurrentIndex(index);
    emit profiles->activated(index);
}

MainWindow& OpenShown(WindowHarness& harness) {
    std::filesystem::create_directories(harness.programFolder() / "Profiles");
    MainWindow& window = harness.open();
    test::ShowHandMadePage(window);
    return window;
}

// The codes of the stop panels shown, in order.
QStringList ShownStops(const MainWindow& window) {
    QStringList codes;
    for (int stop = 1; stop <= 8; ++stop) {
        const QByteArray name = QByteArrayLiteral("GradientStop") + QByteArray::number(stop);
        const ColorPanel* panel = control<ColorPanel>(window, name.constData());
        if (panel->isVisibleTo(&window)) {
            codes << FromCp1251(ToColorCode(panel->color()));
        }
    }
    return codes;
}

QPushButton* AddButton(const MainWindow& window) {
    return control<QPushButton>(window, "bAddGradientStop");
}

QPushButton* RemoveButton(const MainWindow& window) {
    return control<QPushButton>(window, "bRemoveGradientStop");
}

}  // namespace

class GradientStopsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void aProfileShowsItsStops_data() {
        QTest::addColumn<QString>("stopsLine");
        QTest::addColumn<QStringList>("shown");
        const QStringList twoColours{QStringLiteral("112233"), QStringLiteral("445566")};
        QTest::newRow("three stops") << QStringLiteral("GradientStops=\"FF0000 00ff00 0000FF\"")
                                     << QStringList{"FF0000", "00FF00", "0000FF"};
        QTest::newRow("eight stops")
            << QStringLiteral(
                   "GradientStops=\"010101 020202 030303 040404 050505 060606 070707 "
                   "080808\"")
            << QStringList{"010101", "020202", "030303", "040404",
                           "050505", "060606", "070707", "080808"};
        QTest::newRow("no key: the gradient colours") << QString() << twoColours;
        QTest::newRow("one stop") << QStringLiteral("GradientStops=\"FF0000\"") << twoColours;
        QTest::newRow("nine stops")
            << QStringLiteral(
                   "GradientStops=\"010101 020202 030303 040404 050505 060606 070707 "
                   "080808 090909\"")
            << twoColours;
        QTest::newRow("not hex") << QStringLiteral("GradientStops=\"FF0000 GG0000\"") << twoColours;
    }
    void aProfileShowsItsStops() {
        QFETCH(QString, stopsLine);
        QFETCH(QStringList, shown);
        WindowHarness harness;
        QStringList lines{QStringLiteral("[Page1]"), QStringLiteral("ColorEffectEnabled=1"),
                          QStringLiteral("ColorEffect=6"),
                          QStringLiteral("GradientBeginColor=\"112233\""),
                          QStringLiteral("GradientEndColor=\"445566\"")};
        if (!stopsLine.isEmpty()) {
            lines << stopsLine;
        }
        fs::create_directories(harness.programFolder() / "Profiles");
        WriteProfile(harness, "Stops", lines);
        MainWindow& window = OpenShown(harness);
        Pick(window, QStringLiteral("Stops"));
        QCOMPARE(control<QComboBox>(window, "comboboxColorMark")->currentIndex(), kStopsEffect);
        QCOMPARE(control<QComboBox>(window, "comboboxColorMark")->currentText(),
                 QStringLiteral("Градиент по цветам"));
        QCOMPARE(ShownStops(window), shown);
        QVERIFY(!control<ColorPanel>(window, "Image6")->isVisibleTo(&window));
        QVERIFY(!control<ColorPanel>(window, "Image7")->isVisibleTo(&window));
        QCOMPARE(AddButton(window)->isEnabled(), shown.size() < 8);
        QCOMPARE(RemoveButton(window)->isEnabled(), shown.size() > 2);

        // The copied result runs through the stops shown; the last letter gets what the last
        // segment reaches, which may fall a step short of the last stop.
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("abcdefghij"));
        window.copyResult();
        for (const QString& code : shown.first(shown.size() - 1)) {
            QVERIFY2(harness.platform.clipboard.text().contains(code, Qt::CaseInsensitive),
                     qPrintable(code));
        }
    }

    void addAndRemoveStayWithinTwoToEight() {
        WindowHarness harness;
        MainWindow& window = OpenShown(harness);
        control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(kStopsEffect);
        QCOMPARE(ShownStops(window), QStringList({"00FF00", "0000FF"}));
        QVERIFY(!RemoveButton(window)->isEnabled());
        struct Step {
            QPushButton* button;
            int clicks;
            int shown;
        };
        for (const Step step :
             {Step{AddButton(window), 1, 3}, Step{AddButton(window), 10, 8},
              Step{RemoveButton(window), 3, 5}, Step{RemoveButton(window), 10, 2}}) {
            for (int click = 0; click < step.clicks; ++click) {
                QTest::mouseClick(step.button, Qt::LeftButton);
            }
            QCOMPARE(ShownStops(window).size(), step.shown);
            QCOMPARE(AddButton(window)->isEnabled(), step.shown < 8);
            QCOMPARE(RemoveButton(window)->isEnabled(), step.shown > 2);
        }
        // A new stop starts as the last one.
        QTest::mouseClick(AddButton(window), Qt::LeftButton);
        QCOMPARE(ShownStops(window), QStringList({"00FF00", "0000FF", "0000FF"}));
    }

    void pickedStopsAreSavedAndComeBack() {
        WindowHarness harness;
        MainWindow& window = OpenShown(harness);
        control<QCheckBox>(window, "cbColorMark")->setChecked(true);
        control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(kStopsEffect);
        QTest::mouseClick(AddButton(window), Qt::LeftButton);
        QTest::mouseClick(AddButton(window), Qt::LeftButton);
        // Right click: the hex dialog; left click: the colour dialog, as on the other panels.
        harness.platform.dialogs.script = [](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("ABCDEF"));
            QTest::keyClick(edit, Qt::Key_Return);
            return dialog.result();
        };
        QTest::mouseClick(control<ColorPanel>(window, "GradientStop3"), Qt::RightButton);
        harness.platform.colors.answer = FromColorCode("123456");
        QTest::mouseClick(control<ColorPanel>(window, "GradientStop4"), Qt::LeftButton);
        QCOMPARE(ShownStops(window), QStringList({"00FF00", "0000FF", "ABCDEF", "123456"}));

        // Another effect and back keeps the row, as the other effect colours are kept.
        control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(1);
        QVERIFY(!control<ColorPanel>(window, "GradientStop1")->isVisibleTo(&window));
        control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(kStopsEffect);
        QCOMPARE(ShownStops(window).size(), 4);

        auto* profiles = control<QComboBox>(window, "ComboProfiles");
        profiles->clearEditText();
        test::TypeText(profiles->lineEdit(), QStringLiteral("Rainbow"));
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton2"), Qt::LeftButton);
        const auto saved = test::ReadBytes(harness.programFolder() / "Profiles" / "Rainbow.tfp");
        QVERIFY(saved.has_value());
        QVERIFY2(saved->find("ColorEffect=6\r\nGradientStops=\"00FF00 0000FF ABCDEF 123456\"") !=
                     std::string::npos,
                 saved->c_str());

        test::Restart restart(harness.programFolder());
        MainWindow& again = restart.open();
        test::ShowHandMadePage(again);
        Pick(again, QStringLiteral("Rainbow"));
        QCOMPARE(control<QComboBox>(again, "comboboxColorMark")->currentIndex(), kStopsEffect);
        QCOMPARE(ShownStops(again), QStringList({"00FF00", "0000FF", "ABCDEF", "123456"}));
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::GradientStopsWindowTest)
#include "gradient_stops_window_test.moc"
