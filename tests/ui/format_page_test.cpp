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

#include "gui/app/result_memo.h"
#include "gui/app/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "ui_test_files.h"
#include "ui_test_support.h"

using tagforge::FromCp1251;
using tagforge::test::WindowHarness;

namespace {

const QString kThresholdWarning =
    QStringLiteral("Результирующее сообщение превышает пороговую длину");

void Copy(tagforge::TForm1& window) {
    QTest::mouseClick(window.SpeedButton3, Qt::LeftButton);
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
    QCOMPARE(window.PageControl1->count(), 4);
    QCOMPARE(window.PageControl1->tabText(0), QStringLiteral("Форматирование"));
    QCOMPARE(window.PageControl1->tabText(1), QStringLiteral("Просмотр"));
    QCOMPARE(window.PageControl1->tabText(2), QStringLiteral("Настройки"));
    QCOMPARE(window.PageControl1->tabText(3), QStringLiteral("О проге"));
    QCOMPARE(window.PageControl2->tabPosition(), QTabWidget::South);
    QCOMPARE(window.PageControl2->tabText(0), QStringLiteral("Вручную"));
    QCOMPARE(window.PageControl2->tabText(1), QStringLiteral("Шаблоны"));

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
    QCOMPARE(window.comboboxColorMark->count(), 6);
    QCOMPARE(window.comboboxColorMark->itemText(3), QStringLiteral("Сплошной cлучайно"));
    QCOMPARE(window.ComboBox2->count(), 5);
    QCOMPARE(window.ComboBoxFontSize->count(), 7);
    QCOMPARE(window.ComboBoxFontSize->currentText(), QStringLiteral("4"));
    QCOMPARE(window.tbDanceFontRatio->value(), 50);
    QCOMPARE(window.tbDanceFontRatio->maximum(), 100);
    QCOMPARE(window.UpDown2->maximum(), 9999);
    QCOMPARE(window.Edit1->text(), QStringLiteral("900"));
    QCOMPARE(window.Edit1->maxLength(), 4);
    // A first start has no stored settings, so the threshold takes its default: on.
    QVERIFY(window.cbThreshold->isChecked());
    QVERIFY(window.ResultText->isReadOnly());
    QVERIFY(!window.ResultText->isVisibleTo(&window));
    QVERIFY(!window.cbMultiLoad->isVisibleTo(&window));
    QVERIFY(!window.cbMultiLoad->isChecked());
    // A missing profile gives the defaults: the modifier keeps its trailing space.
    QCOMPARE(window.ComboOnlyForYou->currentText(), QStringLiteral("только для вас, "));
    QCOMPARE(window.ComboBox2->currentText(), QStringLiteral("Ok?"));
    QCOMPARE(window.comboboxColorMark->currentIndex(), 0);
    QCOMPARE(window.OtherNameColor->color(), tagforge::FromColorCode("3399FF"));
    QCOMPARE(window.ImOnlyForYou->color(), tagforge::FromColorCode("99FF33"));
    QCOMPARE(window.ImOkColor->color(), tagforge::FromColorCode("0099FF"));
    // No chosen fonts yet: the font option cannot be used.
    QVERIFY(!window.cbFontName->isEnabled());
    QVERIFY(!window.comboboxFontName->isEnabled());
}

void FormatPageTest::workedResultsThroughTheControls() {
    {
        WindowHarness harness;
        auto& window = harness.open();
        tagforge::test::TypeText(window.MainText, QStringLiteral("Привет"));
        window.cbEffect6->setChecked(true);
        window.cbColorMark->setChecked(true);
        window.comboboxColorMark->setCurrentIndex(0);
        window.cbFontSize->setChecked(true);
        window.ComboBoxFontSize->setCurrentIndex(2);
        window.cbOk->setChecked(true);
        Copy(window);
        QCOMPARE(harness.platform.clipboard.text(),
                 QStringLiteral("<font size=3><b><font color=FF0000>Привет</font></b></font> "
                                "<u><font color=0099FF>Ok?</font></u>"));
        QCOMPARE(FromCp1251(window.resultText()), harness.platform.clipboard.text());
        QCOMPARE(window.ResultText->toPlainText(), harness.platform.clipboard.text());
    }
    {
        WindowHarness harness;
        auto& window = harness.open();
        tagforge::test::TypeText(window.MainText, QStringLiteral("Привет"));
        window.cbOnlyForYou->setChecked(true);
        tagforge::test::TypeText(window.OnlyForYouName, QStringLiteral("Вася"));
        Copy(window);
        QCOMPARE(harness.platform.clipboard.text(),
                 QStringLiteral("<font color=99FF33>(только для вас, Вася)</font>"
                                "<font color=3399FF>: </font>Привет"));
    }
    {
        WindowHarness harness;
        auto& window = harness.open();
        tagforge::test::TypeText(window.MainText, QStringLiteral("Привет"));
        window.cbOtherName->setChecked(true);
        tagforge::test::TypeText(window.OtherNameNick, QStringLiteral("Петя"));
        tagforge::test::TypeText(window.OtherNameOwnText, QStringLiteral("всем привет"));
        Copy(window);
        QCOMPARE(harness.platform.clipboard.text(),
                 QStringLiteral("всем привет<br><font color=3399FF><u>Петя</u>: </font>Привет"));
    }
    {
        WindowHarness harness;
        auto& window = harness.open();
        QTest::keyClicks(window.MainText, QStringLiteral("a"));
        QTest::keyClick(window.MainText, Qt::Key_Return);
        QTest::keyClicks(window.MainText, QStringLiteral("b"));
        Copy(window);
        QCOMPARE(harness.platform.clipboard.text(), QStringLiteral("a<br>b"));
    }
    {
        // Characters outside Windows-1251 reach the clipboard as character references.
        WindowHarness harness;
        auto& window = harness.open();
        window.MainText->setPlainText(QStringLiteral("ok \U0001F600"));
        Copy(window);
        QCOMPARE(harness.platform.clipboard.text(), QStringLiteral("ok &#128512;"));
    }
}

void FormatPageTest::otherNickWithThreeStarsDrawsOneOfTheActionColours() {
    WindowHarness harness;
    auto& window = harness.open();
    window.MainText->setPlainText(QStringLiteral("Привет"));
    window.cbOtherName->setChecked(true);
    window.OtherNameNick->setText(QStringLiteral("Петя"));
    window.OtherNameOwnText->setText(QStringLiteral("всем привет"));
    window.cb3rdFace->setChecked(true);
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
    window.cbThreshold->setChecked(true);
    window.UpDown2->setValue(900);
    QCOMPARE(window.Edit1->text(), QStringLiteral("900"));

    window.MainText->setPlainText(QString(900, QLatin1Char('x')));
    Copy(window);
    QCOMPARE(harness.platform.clipboard.text().size(), 900);
    QCOMPARE(Warnings(harness), 0);

    window.MainText->setPlainText(QString(901, QLatin1Char('x')));
    Copy(window);
    QCOMPARE(harness.platform.clipboard.text(), QString(901, QLatin1Char('x')));
    QCOMPARE(Warnings(harness), 1);

    // The threshold counts bytes: 451 Cyrillic letters are 451 bytes, not 902.
    window.MainText->setPlainText(QString(451, QChar(0x0416)));
    Copy(window);
    QCOMPARE(Warnings(harness), 1);

    // A typed threshold counts at once.
    window.Edit1->clear();
    QTest::keyClicks(window.Edit1, QStringLiteral("450"));
    QCOMPARE(window.UpDown2->value(), 450);
    Copy(window);
    QCOMPARE(Warnings(harness), 2);

    window.UpDown2->setValue(0);
    window.MainText->setPlainText(QString(5000, QLatin1Char('x')));
    Copy(window);
    QCOMPARE(Warnings(harness), 2);

    window.UpDown2->setValue(10);
    window.cbThreshold->setChecked(false);
    Copy(window);
    QCOMPARE(Warnings(harness), 2);
}

void FormatPageTest::typingDoesNotRebuildUntilThePageIsShown() {
    WindowHarness harness;
    auto& window = harness.open();
    window.PageControl1->setCurrentWidget(window.FormatPage);
    const QString before = window.ResultText->toPlainText();
    QTest::keyClicks(window.MainText, QStringLiteral("new text"));
    window.cbEffect4->setChecked(true);
    QCOMPARE(window.ResultText->toPlainText(), before);

    window.PageControl1->setCurrentWidget(window.SettingsPage);
    QCOMPARE(window.ResultText->toPlainText(), before);
    window.PageControl1->setCurrentWidget(window.FormatPage);
    QCOMPARE(window.ResultText->toPlainText(), QStringLiteral("<u>new text</u>"));
}

void FormatPageTest::clearKeepsTheOptions() {
    WindowHarness harness;
    auto& window = harness.open();
    window.MainText->setPlainText(QStringLiteral("text"));
    window.cbColorMark->setChecked(true);
    window.comboboxColorMark->setCurrentIndex(0);
    QTest::mouseClick(window.sbClear, Qt::LeftButton);
    QVERIFY(window.MainText->toPlainText().isEmpty());
    QVERIFY(window.cbColorMark->isChecked());
    QCOMPARE(window.ResultText->toPlainText(), QStringLiteral("<font color=FF0000></font>"));
}

void FormatPageTest::resetRestoresTheDefaults() {
    WindowHarness harness;
    auto& window = harness.open();
    window.MainText->setPlainText(QStringLiteral("text"));
    window.cbEffect6->setChecked(true);
    window.cbDanceFont->setChecked(true);
    window.tbDanceFontRatio->setValue(10);
    window.comboboxColorMark->setCurrentIndex(5);
    window.ComboBox2->setEditText(QStringLiteral("Да!"));
    window.ComboOnlyForYou->setEditText(QString());
    window.ComboBoxFontSize->setCurrentIndex(6);
    window.OtherNameNick->setText(QStringLiteral("Петя"));
    window.OnlyForYouName->setText(QStringLiteral("Вася"));
    window.cbOnlyForYou->setChecked(true);
    window.KillName->setText(QStringLiteral("Модер"));
    window.SetPanelColor(window.ImOkColor, tagforge::MakeColor(1, 2, 3));

    QTest::mouseClick(window.SpeedButton12, Qt::LeftButton);

    QVERIFY(window.MainText->toPlainText().isEmpty());
    QVERIFY(!window.cbEffect6->isChecked());
    QVERIFY(!window.cbDanceFont->isChecked());
    QVERIFY(!window.cbOnlyForYou->isChecked());
    QCOMPARE(window.tbDanceFontRatio->value(), 50);
    QCOMPARE(window.lDanceFontRatio->text(), QStringLiteral("50"));
    QCOMPARE(window.comboboxColorMark->currentIndex(), 0);
    QCOMPARE(window.Image6->color(), tagforge::FromColorCode("FF0000"));
    QCOMPARE(window.ComboBox2->currentText(), QStringLiteral("Ok?"));
    QCOMPARE(window.ComboOnlyForYou->currentText(), QStringLiteral("только для вас, "));
    QCOMPARE(window.ComboBoxFontSize->currentText(), QStringLiteral("4"));
    QCOMPARE(window.ImOkColor->color(), tagforge::FromColorCode("0099FF"));
    // Empty stored texts never clear these fields, and the addressee is cleared only while the
    // prefix is on.
    QCOMPARE(window.OtherNameNick->text(), QStringLiteral("Петя"));
    QCOMPARE(window.OnlyForYouName->text(), QStringLiteral("Вася"));
    QCOMPARE(window.KillName->text(), QStringLiteral("Модер"));
    QCOMPARE(window.ResultText->toPlainText(), QString());
}

void FormatPageTest::feedbackCaptions() {
    WindowHarness harness;
    auto& window = harness.open();
    window.tbDanceFontRatio->setValue(0);
    QCOMPARE(window.lDanceFontRatio->text(), QStringLiteral("0"));
    QCOMPARE(window.cbDanceFont->text(), QStringLiteral("пляшущий шрифт"));
    window.tbDanceFontRatio->setValue(100);
    QCOMPARE(window.cbDanceFont->text(), QStringLiteral("ПЛЯШУЩИЙ ШРИФТ"));
    window.tbDanceFontRatio->setValue(50);
    QCOMPARE(window.cbDanceFont->text(), QStringLiteral("пЛяШуЩиЙ ШрИфТ"));

    window.cbReverseText->setChecked(true);
    QCOMPARE(window.cbReverseText->text(), QStringLiteral("торобоан тскеТ"));
    window.cbReverseText->setChecked(false);
    QCOMPARE(window.cbReverseText->text(), QStringLiteral("Текст наоборот"));

    window.cbEffect4->setChecked(true);
    window.cbEffect5->setChecked(true);
    window.cbEffect6->setChecked(true);
    QVERIFY(window.cbEffect4->font().underline());
    QVERIFY(window.cbEffect5->font().italic());
    QVERIFY(window.cbEffect6->font().bold());
    QVERIFY(!window.cbEffect4->font().italic());
    window.cbEffect5->setChecked(false);
    QVERIFY(!window.cbEffect5->font().italic());

    QTest::mousePress(window.SpeedButton3, Qt::LeftButton);
    QCOMPARE(window.SpeedButton3->palette().color(QPalette::ButtonText), QColor(Qt::red));
    QTest::mouseRelease(window.SpeedButton3, Qt::LeftButton);
    QCOMPARE(window.SpeedButton3->palette().color(QPalette::ButtonText), QColor(Qt::black));
    QTest::mousePress(window.SpeedButton3, Qt::RightButton);
    QCOMPARE(window.SpeedButton3->palette().color(QPalette::ButtonText), QColor(Qt::red));
    QTest::mouseRelease(window.SpeedButton3, Qt::RightButton);
    QCOMPARE(window.SpeedButton3->palette().color(QPalette::ButtonText), QColor(Qt::black));
}

void FormatPageTest::copyWithRandomSolidColourDrawsTheNextColour() {
    WindowHarness harness;
    auto& window = harness.open();
    window.MainText->setPlainText(QStringLiteral("x"));
    window.cbColorMark->setChecked(true);
    window.comboboxColorMark->setCurrentIndex(3);
    const tagforge::ColorValue first = window.Image6->color();
    Copy(window);
    const QString expected =
        QStringLiteral("<font color=%1>x</font>").arg(FromCp1251(tagforge::ToColorCode(first)));
    QCOMPARE(harness.platform.clipboard.text(), expected);
    // Within the same second the clock gives the same seed, so the same colour comes back.
    QCOMPARE(window.Image6->color(), first);

    harness.platform.clock.time = harness.platform.clock.time.addSecs(1);
    Copy(window);
    QCOMPARE(harness.platform.clipboard.text(), expected);
    QVERIFY(window.Image6->color() != first);
}

void FormatPageTest::tagListEnablesTheTagOption() {
    {
        WindowHarness harness;
        auto& window = harness.open();
        QVERIFY(!window.CheckBox1->isEnabled());
        QVERIFY(!window.ComboBox1->isEnabled());
    }
    WindowHarness harness;
    tagforge::test::WriteBytes(harness.programFolder() / "Profiles" / "tags.asc",
                               tagforge::ToCp1251(QStringLiteral("<b>\r\n[Ж]\r\n<a>\r\n")));
    auto& window = harness.open();
    QVERIFY(window.CheckBox1->isEnabled());
    QVERIFY(window.ComboBox1->isEnabled());
    QCOMPARE(window.ComboBox1->count(), 3);
    QCOMPARE(window.ComboBox1->itemText(0), QStringLiteral("<a>"));
    QCOMPARE(window.ComboBox1->currentIndex(), 0);
    window.ComboBox1->setCurrentIndex(2);
    window.CheckBox1->setChecked(true);
    window.MainText->setPlainText(QStringLiteral("hi"));
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
    QVERIFY(window.CheckBox1->isEnabled());
    QCOMPARE(window.ComboBox1->currentText(), QStringLiteral("<b>"));
    window.CheckBox1->setChecked(true);
    window.MainText->setPlainText(QStringLiteral("hi"));
    Copy(window);
    QCOMPARE(harness.platform.clipboard.text(), QStringLiteral("<b> hi"));

    // The list is gone: the box stays ticked but disabled, and the user cannot untick it.
    std::filesystem::remove(tags);
    QTest::mouseClick(window.SpeedButton12, Qt::LeftButton);
    QVERIFY(!window.CheckBox1->isEnabled());
    window.MainText->setPlainText(QStringLiteral("hi"));
    Copy(window);
    QCOMPARE(harness.platform.clipboard.text(), QStringLiteral("hi"));
}

QTEST_MAIN(FormatPageTest)
#include "format_page_test.moc"
