#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "gui/common/text_bridge.h"
#include "gui/formatting/result_memo.h"
#include "gui/pickers/color_panel.h"
#include "ui_test_files.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

using tagforge::FromCp1251;
using tagforge::test::WindowHarness;

namespace {

const QString kThresholdWarning =
    QStringLiteral("Результирующее сообщение превышает пороговую длину");

void Copy(tagforge::MainWindow& window) {
    QTest::mouseClick(control<QPushButton>(window, "SpeedButton3"), Qt::LeftButton);
}

int Warnings(const WindowHarness& harness) {
    int count = 0;
    for (const auto& message : harness.platform.messages.shown) {
        if (message.kind == QLatin1String("warning") && message.text == kThresholdWarning) {
            ++count;
        }
    }
    return count;
}

}  // namespace

class FormatPageTest : public QObject {
    Q_OBJECT

  private slots:
    void startsWithControlsNamedAndInTheirInitialStates();
    void workedResultsThroughTheControls();
    void otherNickWithThreeStarsDrawsOneOfTheActionColours();
    void thresholdWarnsAboveTheLimitOnly();
    void typingDoesNotRebuildUntilThePageIsShown();
    void clearKeepsTheOptions();
    void resetRestoresTheDefaults();
    void feedbackCaptions();
    void copyWithRandomSolidColourDrawsTheNextColour();
    void tagListEnablesTheTagOption();
    void tagListIsFoundInAnyCaseAndAddsNothingOnceGone_data();
    void tagListIsFoundInAnyCaseAndAddsNothingOnceGone();
};

void FormatPageTest::startsWithControlsNamedAndInTheirInitialStates() {
    WindowHarness harness;
    auto& window = harness.open();
    QCOMPARE(window.windowTitle(), QStringLiteral("Orbel TagForge Beta 6.1 =)"));
    QCOMPARE(control<QTabWidget>(window, "PageControl1")->count(), 4);
    QCOMPARE(control<QTabWidget>(window, "PageControl1")->tabText(0),
             QStringLiteral("Форматирование"));
    QCOMPARE(control<QTabWidget>(window, "PageControl1")->tabText(1), QStringLiteral("Просмотр"));
    QCOMPARE(control<QTabWidget>(window, "PageControl1")->tabText(2), QStringLiteral("Настройки"));
    QCOMPARE(control<QTabWidget>(window, "PageControl1")->tabText(3), QStringLiteral("О проге"));
    QCOMPARE(control<QTabWidget>(window, "PageControl2")->tabPosition(), QTabWidget::South);
    QCOMPARE(control<QTabWidget>(window, "PageControl2")->tabText(0), QStringLiteral("Вручную"));
    QCOMPARE(control<QTabWidget>(window, "PageControl2")->tabText(1), QStringLiteral("Шаблоны"));

    for (const char* name : {"cbOtherName",
                             "OtherNameNick",
                             "cbOtherNameColor",
                             "OtherNameColor",
                             "cb3rdFace",
                             "OtherNameOwnText",
                             "CheckBox1",
                             "ComboBox1",
                             "cbOnlyForYou",
                             "ComboOnlyForYou",
                             "OnlyForYouName",
                             "cbOnlyForYouColor",
                             "ImOnlyForYou",
                             "cbOk",
                             "ComboBox2",
                             "cbOkColor",
                             "ImOkColor",
                             "cbFontName",
                             "comboboxFontName",
                             "cbFontSize",
                             "ComboBoxFontSize",
                             "cbDanceFont",
                             "tbDanceFontRatio",
                             "lDanceFontRatio",
                             "cbReverseText",
                             "cbColorMark",
                             "comboboxColorMark",
                             "Image1",
                             "Image6",
                             "Image7",
                             "cbEffect4",
                             "cbEffect5",
                             "cbEffect6",
                             "MainText",
                             "ResultText",
                             "sbClear",
                             "SpeedButton12",
                             "SpeedButton3",
                             "ComboProfiles",
                             "cbThreshold",
                             "Edit1",
                             "UpDown2",
                             "Image2",
                             "cbWordWrap",
                             "cbMultiLoad"}) {
        QVERIFY2(window.findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
    }
    QCOMPARE(control<QComboBox>(window, "comboboxColorMark")->count(), 7);
    QCOMPARE(control<QComboBox>(window, "comboboxColorMark")->itemText(6),
             QStringLiteral("Градиент по цветам"));
    QCOMPARE(control<QComboBox>(window, "comboboxColorMark")->itemText(3),
             QStringLiteral("Сплошной cлучайно"));
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->count(), 5);
    QCOMPARE(control<QComboBox>(window, "ComboBoxFontSize")->count(), 7);
    QCOMPARE(control<QComboBox>(window, "ComboBoxFontSize")->currentText(), QStringLiteral("4"));
    QCOMPARE(control<QSlider>(window, "tbDanceFontRatio")->value(), 50);
    QCOMPARE(control<QSlider>(window, "tbDanceFontRatio")->maximum(), 100);
    QCOMPARE(control<QSpinBox>(window, "UpDown2")->maximum(), 9999);
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), QStringLiteral("900"));
    QCOMPARE(control<QLineEdit>(window, "Edit1")->maxLength(), 4);
    // A first start has no stored settings, so the threshold takes its default: on.
    QVERIFY(control<QCheckBox>(window, "cbThreshold")->isChecked());
    QVERIFY(!control<tagforge::ResultMemo>(window, "ResultText")->isVisibleTo(&window));
    QVERIFY(!control<QCheckBox>(window, "cbMultiLoad")->isVisibleTo(&window));
    QVERIFY(!control<QCheckBox>(window, "cbMultiLoad")->isChecked());
    // A missing profile gives the defaults: the modifier keeps its trailing space.
    QCOMPARE(control<QComboBox>(window, "ComboOnlyForYou")->currentText(),
             QStringLiteral("только для вас, "));
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("Ok?"));
    QCOMPARE(control<QComboBox>(window, "comboboxColorMark")->currentIndex(), 0);
    QCOMPARE(control<tagforge::ColorPanel>(window, "OtherNameColor")->color(),
             tagforge::FromColorCode("3399FF"));
    QCOMPARE(control<tagforge::ColorPanel>(window, "ImOnlyForYou")->color(),
             tagforge::FromColorCode("99FF33"));
    QCOMPARE(control<tagforge::ColorPanel>(window, "ImOkColor")->color(),
             tagforge::FromColorCode("0099FF"));
    // No chosen fonts yet: the font option cannot be used.
    QVERIFY(!control<QCheckBox>(window, "cbFontName")->isEnabled());
    QVERIFY(!control<QComboBox>(window, "comboboxFontName")->isEnabled());
}

void FormatPageTest::workedResultsThroughTheControls() {
    {
        WindowHarness harness;
        auto& window = harness.open();
        tagforge::test::TypeText(control<QPlainTextEdit>(window, "MainText"),
                                 QStringLiteral("Привет"));
        control<QCheckBox>(window, "cbEffect6")->setChecked(true);
        control<QCheckBox>(window, "cbColorMark")->setChecked(true);
        control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(0);
        control<QCheckBox>(window, "cbFontSize")->setChecked(true);
        control<QComboBox>(window, "ComboBoxFontSize")->setCurrentIndex(2);
        control<QCheckBox>(window, "cbOk")->setChecked(true);
        Copy(window);
        QCOMPARE(harness.platform.clipboard.text(),
                 QStringLiteral("<font size=3><b><font color=FF0000>Привет</font></b></font> "
                                "<u><font color=0099FF>Ok?</font></u>"));
        QCOMPARE(FromCp1251(window.resultText()), harness.platform.clipboard.text());
        QCOMPARE(control<tagforge::ResultMemo>(window, "ResultText")->toPlainText(),
                 harness.platform.clipboard.text());
    }
    {
        WindowHarness harness;
        auto& window = harness.open();
        tagforge::test::TypeText(control<QPlainTextEdit>(window, "MainText"),
                                 QStringLiteral("Привет"));
        control<QCheckBox>(window, "cbOnlyForYou")->setChecked(true);
        tagforge::test::TypeText(control<QLineEdit>(window, "OnlyForYouName"),
                                 QStringLiteral("Вася"));
        Copy(window);
        QCOMPARE(harness.platform.clipboard.text(),
                 QStringLiteral("<font color=99FF33>(только для вас, Вася)</font>"
                                "<font color=3399FF>: </font>Привет"));
    }
    {
        WindowHarness harness;
        auto& window = harness.open();
        tagforge::test::TypeText(control<QPlainTextEdit>(window, "MainText"),
                                 QStringLiteral("Привет"));
        control<QCheckBox>(window, "cbOtherName")->setChecked(true);
        tagforge::test::TypeText(control<QLineEdit>(window, "OtherNameNick"),
                                 QStringLiteral("Петя"));
        tagforge::test::TypeText(control<QLineEdit>(window, "OtherNameOwnText"),
                                 QStringLiteral("всем привет"));
        Copy(window);
        QCOMPARE(harness.platform.clipboard.text(),
                 QStringLiteral("всем привет<br><font color=3399FF><u>Петя</u>: </font>Привет"));
    }
    {
        WindowHarness harness;
        auto& window = harness.open();
        QTest::keyClicks(control<QPlainTextEdit>(window, "MainText"), QStringLiteral("a"));
        QTest::keyClick(control<QPlainTextEdit>(window, "MainText"), Qt::Key_Return);
        QTest::keyClicks(control<QPlainTextEdit>(window, "MainText"), QStringLiteral("b"));
        Copy(window);
        QCOMPARE(harness.platform.clipboard.text(), QStringLiteral("a<br>b"));
    }
    {
        // Characters outside Windows-1251 reach the clipboard as character references.
        WindowHarness harness;
        auto& window = harness.open();
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("ok \U0001F600"));
        Copy(window);
        QCOMPARE(harness.platform.clipboard.text(), QStringLiteral("ok &#128512;"));
    }
}

void FormatPageTest::otherNickWithThreeStarsDrawsOneOfTheActionColours() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("Привет"));
    control<QCheckBox>(window, "cbOtherName")->setChecked(true);
    control<QLineEdit>(window, "OtherNameNick")->setText(QStringLiteral("Петя"));
    control<QLineEdit>(window, "OtherNameOwnText")->setText(QStringLiteral("всем привет"));
    control<QCheckBox>(window, "cb3rdFace")->setChecked(true);
    Copy(window);
    const QRegularExpression expected(QStringLiteral(
        "^всем привет<br><font color=99FF33>\\*\\*<u>\\*</u></font> <font color=99CCFF>Петя "
        "</font><font color=([0-9A-F]{6})>Привет</font>$"));
    QVERIFY2(expected.match(harness.platform.clipboard.text()).hasMatch(),
             qPrintable(harness.platform.clipboard.text()));
}

void FormatPageTest::thresholdWarnsAboveTheLimitOnly() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QCheckBox>(window, "cbThreshold")->setChecked(true);
    control<QSpinBox>(window, "UpDown2")->setValue(900);
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), QStringLiteral("900"));

    control<QPlainTextEdit>(window, "MainText")->setPlainText(QString(900, QLatin1Char('x')));
    Copy(window);
    QCOMPARE(harness.platform.clipboard.text().size(), 900);
    QCOMPARE(Warnings(harness), 0);

    control<QPlainTextEdit>(window, "MainText")->setPlainText(QString(901, QLatin1Char('x')));
    Copy(window);
    QCOMPARE(harness.platform.clipboard.text(), QString(901, QLatin1Char('x')));
    QCOMPARE(Warnings(harness), 1);

    // The threshold counts bytes: 451 Cyrillic letters are 451 bytes, not 902.
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QString(451, QChar(0x0416)));
    Copy(window);
    QCOMPARE(Warnings(harness), 1);

    // A typed threshold counts at once.
    control<QLineEdit>(window, "Edit1")->clear();
    QTest::keyClicks(control<QLineEdit>(window, "Edit1"), QStringLiteral("450"));
    QCOMPARE(control<QSpinBox>(window, "UpDown2")->value(), 450);
    Copy(window);
    QCOMPARE(Warnings(harness), 2);

    control<QSpinBox>(window, "UpDown2")->setValue(0);
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QString(5000, QLatin1Char('x')));
    Copy(window);
    QCOMPARE(Warnings(harness), 2);

    control<QSpinBox>(window, "UpDown2")->setValue(10);
    control<QCheckBox>(window, "cbThreshold")->setChecked(false);
    Copy(window);
    QCOMPARE(Warnings(harness), 2);
}

void FormatPageTest::typingDoesNotRebuildUntilThePageIsShown() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QTabWidget>(window, "PageControl1")
        ->setCurrentWidget(control<QWidget>(window, "FormatPage"));
    const QString before = control<tagforge::ResultMemo>(window, "ResultText")->toPlainText();
    QTest::keyClicks(control<QPlainTextEdit>(window, "MainText"), QStringLiteral("new text"));
    control<QCheckBox>(window, "cbEffect4")->setChecked(true);
    QCOMPARE(control<tagforge::ResultMemo>(window, "ResultText")->toPlainText(), before);

    control<QTabWidget>(window, "PageControl1")
        ->setCurrentWidget(control<QWidget>(window, "SettingsPage"));
    QCOMPARE(control<tagforge::ResultMemo>(window, "ResultText")->toPlainText(), before);
    control<QTabWidget>(window, "PageControl1")
        ->setCurrentWidget(control<QWidget>(window, "FormatPage"));
    QCOMPARE(control<tagforge::ResultMemo>(window, "ResultText")->toPlainText(),
             QStringLiteral("<u>new text</u>"));
}

void FormatPageTest::clearKeepsTheOptions() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("text"));
    control<QCheckBox>(window, "cbColorMark")->setChecked(true);
    control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(0);
    QTest::mouseClick(control<QPushButton>(window, "sbClear"), Qt::LeftButton);
    QVERIFY(control<QPlainTextEdit>(window, "MainText")->toPlainText().isEmpty());
    QVERIFY(control<QCheckBox>(window, "cbColorMark")->isChecked());
    QCOMPARE(control<tagforge::ResultMemo>(window, "ResultText")->toPlainText(),
             QStringLiteral("<font color=FF0000></font>"));
}

void FormatPageTest::resetRestoresTheDefaults() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("text"));
    control<QCheckBox>(window, "cbEffect6")->setChecked(true);
    control<QCheckBox>(window, "cbDanceFont")->setChecked(true);
    control<QSlider>(window, "tbDanceFontRatio")->setValue(10);
    control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(5);
    control<QComboBox>(window, "ComboBox2")->setEditText(QStringLiteral("Да!"));
    control<QComboBox>(window, "ComboOnlyForYou")->setEditText(QString());
    control<QComboBox>(window, "ComboBoxFontSize")->setCurrentIndex(6);
    control<QLineEdit>(window, "OtherNameNick")->setText(QStringLiteral("Петя"));
    control<QLineEdit>(window, "OnlyForYouName")->setText(QStringLiteral("Вася"));
    control<QCheckBox>(window, "cbOnlyForYou")->setChecked(true);
    control<QLineEdit>(window, "KillName")->setText(QStringLiteral("Модер"));
    tagforge::SetPanelColor(control<tagforge::ColorPanel>(window, "ImOkColor"),
                            tagforge::MakeColor(1, 2, 3));

    QTest::mouseClick(control<QPushButton>(window, "SpeedButton12"), Qt::LeftButton);

    QVERIFY(control<QPlainTextEdit>(window, "MainText")->toPlainText().isEmpty());
    QVERIFY(!control<QCheckBox>(window, "cbEffect6")->isChecked());
    QVERIFY(!control<QCheckBox>(window, "cbDanceFont")->isChecked());
    QVERIFY(!control<QCheckBox>(window, "cbOnlyForYou")->isChecked());
    QCOMPARE(control<QSlider>(window, "tbDanceFontRatio")->value(), 50);
    QCOMPARE(control<QLabel>(window, "lDanceFontRatio")->text(), QStringLiteral("50"));
    QCOMPARE(control<QComboBox>(window, "comboboxColorMark")->currentIndex(), 0);
    QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")->color(),
             tagforge::FromColorCode("FF0000"));
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("Ok?"));
    QCOMPARE(control<QComboBox>(window, "ComboOnlyForYou")->currentText(),
             QStringLiteral("только для вас, "));
    QCOMPARE(control<QComboBox>(window, "ComboBoxFontSize")->currentText(), QStringLiteral("4"));
    QCOMPARE(control<tagforge::ColorPanel>(window, "ImOkColor")->color(),
             tagforge::FromColorCode("0099FF"));
    // Empty stored texts never clear these fields, and the addressee is cleared only while the
    // prefix is on.
    QCOMPARE(control<QLineEdit>(window, "OtherNameNick")->text(), QStringLiteral("Петя"));
    QCOMPARE(control<QLineEdit>(window, "OnlyForYouName")->text(), QStringLiteral("Вася"));
    QCOMPARE(control<QLineEdit>(window, "KillName")->text(), QStringLiteral("Модер"));
    QCOMPARE(control<tagforge::ResultMemo>(window, "ResultText")->toPlainText(), QString());
}

void FormatPageTest::feedbackCaptions() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QSlider>(window, "tbDanceFontRatio")->setValue(0);
    QCOMPARE(control<QLabel>(window, "lDanceFontRatio")->text(), QStringLiteral("0"));
    QCOMPARE(control<QCheckBox>(window, "cbDanceFont")->text(), QStringLiteral("пляшущий шрифт"));
    control<QSlider>(window, "tbDanceFontRatio")->setValue(100);
    QCOMPARE(control<QCheckBox>(window, "cbDanceFont")->text(), QStringLiteral("ПЛЯШУЩИЙ ШРИФТ"));
    control<QSlider>(window, "tbDanceFontRatio")->setValue(50);
    QCOMPARE(control<QCheckBox>(window, "cbDanceFont")->text(), QStringLiteral("пЛяШуЩиЙ ШрИфТ"));

    control<QCheckBox>(window, "cbReverseText")->setChecked(true);
    QCOMPARE(control<QCheckBox>(window, "cbReverseText")->text(), QStringLiteral("торобоан тскеТ"));
    control<QCheckBox>(window, "cbReverseText")->setChecked(false);
    QCOMPARE(control<QCheckBox>(window, "cbReverseText")->text(), QStringLiteral("Текст наоборот"));

    control<QCheckBox>(window, "cbEffect4")->setChecked(true);
    control<QCheckBox>(window, "cbEffect5")->setChecked(true);
    control<QCheckBox>(window, "cbEffect6")->setChecked(true);
    QVERIFY(control<QCheckBox>(window, "cbEffect4")->font().underline());
    QVERIFY(control<QCheckBox>(window, "cbEffect5")->font().italic());
    QVERIFY(control<QCheckBox>(window, "cbEffect6")->font().bold());
    QVERIFY(!control<QCheckBox>(window, "cbEffect4")->font().italic());
    control<QCheckBox>(window, "cbEffect5")->setChecked(false);
    QVERIFY(!control<QCheckBox>(window, "cbEffect5")->font().italic());

    QTest::mousePress(control<QPushButton>(window, "SpeedButton3"), Qt::LeftButton);
    QCOMPARE(control<QPushButton>(window, "SpeedButton3")->palette().color(QPalette::ButtonText),
             QColor(Qt::red));
    QTest::mouseRelease(control<QPushButton>(window, "SpeedButton3"), Qt::LeftButton);
    QCOMPARE(control<QPushButton>(window, "SpeedButton3")->palette().color(QPalette::ButtonText),
             QColor(Qt::black));
    QTest::mousePress(control<QPushButton>(window, "SpeedButton3"), Qt::RightButton);
    QCOMPARE(control<QPushButton>(window, "SpeedButton3")->palette().color(QPalette::ButtonText),
             QColor(Qt::red));
    QTest::mouseRelease(control<QPushButton>(window, "SpeedButton3"), Qt::RightButton);
    QCOMPARE(control<QPushButton>(window, "SpeedButton3")->palette().color(QPalette::ButtonText),
             QColor(Qt::black));
}

void FormatPageTest::copyWithRandomSolidColourDrawsTheNextColour() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("x"));
    control<QCheckBox>(window, "cbColorMark")->setChecked(true);
    control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(3);
    const tagforge::ColorValue first = control<tagforge::ColorPanel>(window, "Image6")->color();
    Copy(window);
    const QString expected =
        QStringLiteral("<font color=%1>x</font>").arg(FromCp1251(tagforge::ToColorCode(first)));
    QCOMPARE(harness.platform.clipboard.text(), expected);
    // Within the same second the clock gives the same seed, so the same colour comes back.
    QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")->color(), first);

    harness.platform.clock.time = harness.platform.clock.time.addSecs(1);
    Copy(window);
    QCOMPARE(harness.platform.clipboard.text(), expected);
    QVERIFY(control<tagforge::ColorPanel>(window, "Image6")->color() != first);
}

void FormatPageTest::tagListEnablesTheTagOption() {
    {
        WindowHarness harness;
        auto& window = harness.open();
        QVERIFY(!control<QCheckBox>(window, "CheckBox1")->isEnabled());
        QVERIFY(!control<QComboBox>(window, "ComboBox1")->isEnabled());
    }
    WindowHarness harness;
    tagforge::test::WriteBytes(harness.programFolder() / "Profiles" / "tags.asc",
                               tagforge::ToCp1251(QStringLiteral("<b>\r\n[Ж]\r\n<a>\r\n")));
    auto& window = harness.open();
    QVERIFY(control<QCheckBox>(window, "CheckBox1")->isEnabled());
    QVERIFY(control<QComboBox>(window, "ComboBox1")->isEnabled());
    QCOMPARE(control<QComboBox>(window, "ComboBox1")->count(), 3);
    QCOMPARE(control<QComboBox>(window, "ComboBox1")->itemText(0), QStringLiteral("<a>"));
    QCOMPARE(control<QComboBox>(window, "ComboBox1")->currentIndex(), 0);
    control<QComboBox>(window, "ComboBox1")->setCurrentIndex(2);
    control<QCheckBox>(window, "CheckBox1")->setChecked(true);
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("hi"));
    Copy(window);
    QCOMPARE(harness.platform.clipboard.text(), QStringLiteral("[Ж] hi"));
}

void FormatPageTest::tagListIsFoundInAnyCaseAndAddsNothingOnceGone_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("lower case") << QStringLiteral("tags.asc");
    QTest::newRow("capital") << QStringLiteral("Tags.asc");
    QTest::newRow("upper case") << QStringLiteral("TAGS.ASC");
}

void FormatPageTest::tagListIsFoundInAnyCaseAndAddsNothingOnceGone() {
    QFETCH(QString, fileName);
    WindowHarness harness;
    const auto tags = harness.programFolder() / "Profiles" / fileName.toStdString();
    tagforge::test::WriteBytes(tags, "<b>\r\n");
    auto& window = harness.open();
    QVERIFY(control<QCheckBox>(window, "CheckBox1")->isEnabled());
    QCOMPARE(control<QComboBox>(window, "ComboBox1")->currentText(), QStringLiteral("<b>"));
    control<QCheckBox>(window, "CheckBox1")->setChecked(true);
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("hi"));
    Copy(window);
    QCOMPARE(harness.platform.clipboard.text(), QStringLiteral("<b> hi"));

    // The list is gone: the box stays ticked but disabled, and the user cannot untick it.
    std::filesystem::remove(tags);
    QTest::mouseClick(control<QPushButton>(window, "SpeedButton12"), Qt::LeftButton);
    QVERIFY(!control<QCheckBox>(window, "CheckBox1")->isEnabled());
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("hi"));
    Copy(window);
    QCOMPARE(harness.platform.clipboard.text(), QStringLiteral("hi"));
}

TAGFORGE_UI_TEST_MAIN(FormatPageTest)
#include "format_page_test.moc"
