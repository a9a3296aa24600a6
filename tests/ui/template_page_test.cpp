#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTabWidget>
#include <QTest>

#include "gui/app/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "ui_test_support.h"

namespace tagforge {

namespace {

using test::Items;
using test::Nicks;
using test::WindowHarness;

// The kill line of the fields FillKillFields types, at the given clock time.
QString FilledKillLine(const QString& time) {
    return QStringLiteral(
               "Привет<br><font color=ffff33 size=-1><font color=f2aea0>В Москве "
               "сейчас ") +
           time +
           QStringLiteral(
               " и <font color=ffff33>Модер</font> удаляет <font "
               "color=99ff33>Гость</font> на 5 минут. Причина: </font><font "
               "color=808080>Флуд</font></font>");
}

QString TemplateText(const TForm1& window) {
    return FromCp1251(window.templateText());
}

// Picks the entry with this text from the combo's own list.
void SelectItem(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(combo->objectName() + QStringLiteral(": ") + text));
    combo->setCurrentIndex(index);
    QCOMPARE(combo->currentText(), text);
}

void ShowTemplates(TForm1& window, QWidget* tab) {
    window.PageControl2->setCurrentWidget(window.TemplatePage);
    window.PageControl3->setCurrentWidget(tab);
    QCOMPARE(window.PageControl2->currentWidget(), window.TemplatePage);
    QCOMPARE(window.PageControl3->currentWidget(), tab);
}

void FillKillFields(TForm1& window) {
    window.Edit5->setText(QStringLiteral("Привет"));
    SelectItem(window.cbKillWhere, QStringLiteral("В Москве сейчас"));
    window.KillName->setText(QStringLiteral("Модер"));
    window.cbKillAction->setEditText(QStringLiteral("удаляет"));
    window.VictimName->setText(QStringLiteral("Гость"));
    SelectItem(window.cbKillTime, QStringLiteral("на 5 минут"));
    SelectItem(window.cbKillReason, QStringLiteral("Флуд"));
}

void AddNick(TForm1& window, const QString& nick) {
    window.SolitudeNick->setText(nick);
    QTest::mouseClick(window.SpeedButton4, Qt::LeftButton);
}

// Presses the copy button under the pages and returns what reached the clipboard.
QString CopyWithButton(WindowHarness& harness) {
    QTest::mouseClick(harness.window().SpeedButton3, Qt::LeftButton);
    return harness.platform.clipboard.text();
}

void SetClock(WindowHarness& harness, int hour, int minute, int second) {
    harness.platform.clock.time.setTime(QTime(hour, minute, second));
}

}  // namespace

class TemplatePageTest : public QObject {
    Q_OBJECT

  private slots:
    // Kill line

    void killLineIsCopiedWithTheClockTime() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.KillPage);
        FillKillFields(window);
        const QString expected = QStringLiteral(
            "Привет<br><font color=ffff33 size=-1><font color=f2aea0>В Москве сейчас 09:05:03 и "
            "<font color=ffff33>Модер</font> удаляет <font color=99ff33>Гость</font> на 5 минут. "
            "Причина: </font><font color=808080>Флуд</font></font>");
        QCOMPARE(CopyWithButton(harness), expected);
        QCOMPARE(TemplateText(window), expected);
        QCOMPARE(FilledKillLine(QStringLiteral("09:05:03")), expected);
        QVERIFY(harness.platform.messages.shown.empty());
    }

    void everyWherePresetGivesTheSameTime() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.KillPage);
        FillKillFields(window);
        const QString tail = QStringLiteral(
            " 09:05:03 и <font color=ffff33>Модер</font> удаляет <font color=99ff33>Гость</font> "
            "на 5 минут. Причина: </font><font color=808080>Флуд</font></font>");
        for (const QString& where :
             {QStringLiteral("В Питере сейчас"), QStringLiteral("В Москве сейчас"),
              QStringLiteral("На системных часах компа")}) {
            SelectItem(window.cbKillWhere, where);
            QCOMPARE(CopyWithButton(harness),
                     QStringLiteral("Привет<br><font color=ffff33 size=-1><font color=f2aea0>") +
                         where + tail);
        }
    }

    void typedComboTextIsUsedAsTyped() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.KillPage);
        FillKillFields(window);
        // Typed over the selected presets; none of these is an entry of its list.
        for (QComboBox* combo :
             {window.cbKillWhere, window.cbKillAction, window.cbKillTime, window.cbKillReason}) {
            combo->lineEdit()->selectAll();
        }
        QTest::keyClicks(window.cbKillWhere->lineEdit(), QStringLiteral("Somewhere now"));
        QTest::keyClicks(window.cbKillAction->lineEdit(), QStringLiteral("kicks"));
        QTest::keyClicks(window.cbKillTime->lineEdit(), QStringLiteral("for 2 days"));
        QTest::keyClicks(window.cbKillReason->lineEdit(), QStringLiteral("Spam"));
        QCOMPARE(window.cbKillWhere->findText(QStringLiteral("Somewhere now")), -1);
        QCOMPARE(CopyWithButton(harness),
                 QStringLiteral("Привет<br><font color=ffff33 size=-1><font color=f2aea0>Somewhere "
                                "now 09:05:03 и <font color=ffff33>Модер</font> kicks <font "
                                "color=99ff33>Гость</font> for 2 days. Причина: </font><font "
                                "color=808080>Spam</font></font>"));
        // Typing adds nothing to the lists.
        QCOMPARE(window.cbKillWhere->count(), 3);
        QCOMPARE(window.cbKillTime->count(), 15);
        QCOMPARE(window.cbKillReason->count(), 9);
    }

    void emptyFieldsGiveTheBareLine() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.KillPage);
        QCOMPARE(CopyWithButton(harness),
                 QStringLiteral("<br><font color=ffff33 size=-1><font color=f2aea0> 09:05:03 и "
                                "<font color=ffff33></font>  <font color=99ff33></font> . "
                                "Причина: </font><font color=808080></font></font>"));
    }

    void everyCopyReadsTheClockAgain() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.KillPage);
        FillKillFields(window);
        const QString first = CopyWithButton(harness);
        harness.platform.clock.time = harness.platform.clock.time.addSecs(60);
        const QString second = CopyWithButton(harness);
        QVERIFY(first != second);
        QCOMPARE(first, FilledKillLine(QStringLiteral("09:05:03")));
        QCOMPARE(second, FilledKillLine(QStringLiteral("09:06:03")));
    }

    void killClockTimeHasTwoDigitsEach() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.KillPage);
        FillKillFields(window);
        SetClock(harness, 0, 0, 0);
        QCOMPARE(CopyWithButton(harness), FilledKillLine(QStringLiteral("00:00:00")));
        SetClock(harness, 23, 59, 59);
        QCOMPARE(CopyWithButton(harness), FilledKillLine(QStringLiteral("23:59:59")));
    }

    void killBoxesOfferTheirPresets() {
        WindowHarness harness;
        TForm1& window = harness.open();
        QCOMPARE(Items(window.cbKillWhere),
                 QStringList({QStringLiteral("В Питере сейчас"), QStringLiteral("В Москве сейчас"),
                              QStringLiteral("На системных часах компа")}));
        QCOMPARE(window.cbKillTime->count(), 15);
        QCOMPARE(window.cbKillTime->itemText(0), QStringLiteral("на 1 минуту"));
        QCOMPARE(window.cbKillTime->itemText(14), QStringLiteral("навсегда"));
        QCOMPARE(window.cbKillReason->count(), 9);
        QVERIFY(window.cbKillAction->count() > 0);
        for (const QComboBox* combo :
             {window.cbKillWhere, window.cbKillAction, window.cbKillTime, window.cbKillReason}) {
            QVERIFY2(combo->isEditable(), qPrintable(combo->objectName()));
            QVERIFY2(combo->currentText().isEmpty(), qPrintable(combo->objectName()));
        }
        QVERIFY(window.KillName->text().isEmpty());
        QVERIFY(window.VictimName->text().isEmpty());
        QVERIFY(window.Edit5->text().isEmpty());
    }

    // Solitude

    void solitudeLineNamesEveryNick() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.SolitudePage);
        AddNick(window, QStringLiteral("Лиса"));
        AddNick(window, QStringLiteral("Волк"));
        window.SolitudeWhatDo->setText(QStringLiteral("уединяются в привате"));
        QCOMPARE(CopyWithButton(harness),
                 QStringLiteral("<br><font color=ffff33><font color=99ccff>Лиса</font> и <font "
                                "color=99ccff>Волк</font> уединяются в привате</font>"));
        QCOMPARE(TemplateText(window), harness.platform.clipboard.text());
    }

    void threeNicksAreJoinedTwice() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.SolitudePage);
        window.Edit5->setText(QStringLiteral("Ого"));
        AddNick(window, QStringLiteral("Лиса"));
        AddNick(window, QStringLiteral("Волк"));
        AddNick(window, QStringLiteral("Ёж"));
        window.SolitudeWhatDo->setText(QStringLiteral("шепчутся"));
        QCOMPARE(CopyWithButton(harness),
                 QStringLiteral("Ого<br><font color=ffff33><font color=99ccff>Лиса</font> и <font "
                                "color=99ccff>Волк</font> и <font color=99ccff>Ёж</font> "
                                "шепчутся</font>"));
    }

    void solitudeWithoutNicks() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.SolitudePage);
        window.Edit5->setText(QStringLiteral("Привет"));
        window.SolitudeWhatDo->setText(QStringLiteral("уединяются"));
        QCOMPARE(window.ListBox1->count(), 0);
        QCOMPARE(CopyWithButton(harness),
                 QStringLiteral("Привет<br><font color=ffff33>уединяются</font>"));
    }

    void addingNicks() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.SolitudePage);
        const std::string before = window.templateText();

        AddNick(window, QString());
        QCOMPARE(window.ListBox1->count(), 0);

        AddNick(window, QStringLiteral("Лиса"));
        QCOMPARE(window.SolitudeNick->text(), QStringLiteral("Лиса"));
        QTest::mouseClick(window.SpeedButton4, Qt::LeftButton);
        QCOMPARE(Nicks(window.ListBox1),
                 QStringList({QStringLiteral("Лиса"), QStringLiteral("Лиса")}));
        QCOMPARE(window.SolitudeNick->text(), QStringLiteral("Лиса"));

        // Typed into the field, as a user would.
        window.SolitudeNick->clear();
        QTest::keyClicks(window.SolitudeNick, QStringLiteral("Wolf"));
        QTest::mouseClick(window.SpeedButton4, Qt::LeftButton);
        QCOMPARE(
            Nicks(window.ListBox1),
            QStringList({QStringLiteral("Лиса"), QStringLiteral("Лиса"), QStringLiteral("Wolf")}));
        QCOMPARE(window.SolitudeNick->text(), QStringLiteral("Wolf"));
        QCOMPARE(window.templateText(), before);
    }

    void deletingSelectedNicks_data() {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("adjacent") << QList<int>{1, 2} << QStringList{"A", "D", "E"};
        QTest::newRow("apart") << QList<int>{0, 3} << QStringList{"B", "C", "E"};
        QTest::newRow("first and last") << QList<int>{0, 4} << QStringList{"B", "C", "D"};
        QTest::newRow("none") << QList<int>{} << QStringList{"A", "B", "C", "D", "E"};
    }

    void deletingSelectedNicks() {
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, left);
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.SolitudePage);
        for (const QString& nick : QStringList{"A", "B", "C", "D", "E"}) {
            AddNick(window, nick);
        }
        window.PageControl2->setCurrentWidget(window.HandMadePage);
        window.PageControl2->setCurrentWidget(window.TemplatePage);
        const std::string before = window.templateText();
        window.ListBox1->clearSelection();
        for (const int row : selected) {
            window.ListBox1->item(row)->setSelected(true);
        }
        QCOMPARE(window.ListBox1->selectedItems().size(), selected.size());
        QTest::mouseClick(window.SpeedButton5, Qt::LeftButton);
        QCOMPARE(Nicks(window.ListBox1), left);
        QCOMPARE(window.templateText(), before);
    }

    void clearingTheNickList() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.SolitudePage);
        AddNick(window, QStringLiteral("Лиса"));
        AddNick(window, QStringLiteral("Волк"));
        window.PageControl2->setCurrentWidget(window.HandMadePage);
        window.PageControl2->setCurrentWidget(window.TemplatePage);
        const std::string before = window.templateText();
        QTest::mouseClick(window.SpeedButton6, Qt::LeftButton);
        QCOMPARE(window.ListBox1->count(), 0);
        QCOMPARE(window.templateText(), before);
        window.SolitudeWhatDo->setText(QStringLiteral("спят"));
        QCOMPARE(CopyWithButton(harness), QStringLiteral("<br><font color=ffff33>спят</font>"));
    }

    void nickButtonCaptions() {
        WindowHarness harness;
        TForm1& window = harness.open();
        QCOMPARE(window.SpeedButton4->text(), QStringLiteral("Добавить ник"));
        QCOMPARE(window.SpeedButton5->text(), QStringLiteral("Удалить ник"));
    }

    // Notification

    void notificationKindsAreFixed() {
        WindowHarness harness;
        TForm1& window = harness.open();
        QCOMPARE(Items(window.comboPersError),
                 QStringList({QStringLiteral("Нет в чате"), QStringLiteral("Приходит"),
                              QStringLiteral("Тайм-аут")}));
        QVERIFY(!window.comboPersError->isEditable());
    }

    void notificationLine_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("not here") << 0
                                  << QStringLiteral(
                                         "<br><font color=ffdd44>ошибка: человека с "
                                         "именем \"Гость\" сейчас нет..</font>");
        QTest::newRow("arrival") << 1
                                 << QStringLiteral(
                                        "<br><font color=ffff33 size=-1>[21:07:30] к "
                                        "нам приходит <u><font "
                                        "color=3399FF>Гость</font></font></u>");
        QTest::newRow("time-out") << 2
                                  << QStringLiteral(
                                         "<br><font color=ffff33 "
                                         "size=-1>[21:07:30] тайм-аут для Гость</font>");
        QTest::newRow("none selected")
            << -1
            << QStringLiteral(
                   "<br><font color=ffff33 size=-1>[21:07:30] тайм-аут для Гость</font>");
    }

    void notificationLine() {
        QFETCH(int, kind);
        QFETCH(QString, expected);
        WindowHarness harness;
        SetClock(harness, 21, 7, 30);
        TForm1& window = harness.open();
        ShowTemplates(window, window.InOutPage);
        window.PersonallyErrorMessage->setText(QStringLiteral("Гость"));
        window.comboPersError->setCurrentIndex(kind);
        QCOMPARE(window.comboPersError->currentIndex(), kind);
        QCOMPARE(CopyWithButton(harness), expected);
        QCOMPARE(TemplateText(window), expected);
    }

    void arrivalUsesTheChosenNickColour() {
        WindowHarness harness;
        SetClock(harness, 21, 7, 30);
        TForm1& window = harness.open();
        ShowTemplates(window, window.InOutPage);
        window.PersonallyErrorMessage->setText(QStringLiteral("Гость"));
        window.comboPersError->setCurrentIndex(1);
        window.SetPanelColor(window.ComeColor, MakeColor(255, 0, 0));
        // The colour counts only while its box is checked.
        window.cbComeColor->setChecked(false);
        QCOMPARE(CopyWithButton(harness),
                 QStringLiteral("<br><font color=ffff33 size=-1>[21:07:30] к нам приходит <u><font "
                                "color=3399FF>Гость</font></font></u>"));
        window.cbComeColor->setChecked(true);
        QCOMPARE(CopyWithButton(harness),
                 QStringLiteral("<br><font color=ffff33 size=-1>[21:07:30] к нам приходит <u><font "
                                "color=FF0000>Гость</font></font></u>"));
    }

    void notificationKeepsOwnText() {
        WindowHarness harness;
        SetClock(harness, 21, 7, 30);
        TForm1& window = harness.open();
        ShowTemplates(window, window.InOutPage);
        window.Edit5->setText(QStringLiteral("Эй"));
        window.PersonallyErrorMessage->setText(QStringLiteral("Гость"));
        window.comboPersError->setCurrentIndex(2);
        QCOMPARE(CopyWithButton(harness),
                 QStringLiteral("Эй<br><font color=ffff33 size=-1>[21:07:30] тайм-аут для "
                                "Гость</font>"));
    }

    // Switching sub-pages and what the copy button copies

    void switchingSubPagesEndsWithTheAsciiLine_data() {
        QTest::addColumn<QString>("tab");
        QTest::newRow("kill") << QStringLiteral("KillPage");
        QTest::newRow("solitude") << QStringLiteral("SolitudePage");
        QTest::newRow("notification") << QStringLiteral("InOutPage");
    }

    // Every template is rebuilt on a switch, the ASCII art last; without its catalogue that line
    // is the own text alone.
    void switchingSubPagesEndsWithTheAsciiLine() {
        QFETCH(QString, tab);
        WindowHarness harness;
        TForm1& window = harness.open();
        QCOMPARE(window.PageControl2->currentWidget(), window.HandMadePage);
        auto* page = window.PageControl3->findChild<QWidget*>(tab);
        QVERIFY(page);
        window.PageControl3->setCurrentWidget(page);
        FillKillFields(window);
        AddNick(window, QStringLiteral("Лиса"));
        window.SolitudeWhatDo->setText(QStringLiteral("уединяются"));
        window.PersonallyErrorMessage->setText(QStringLiteral("Гость"));
        window.comboPersError->setCurrentIndex(1);

        window.PageControl2->setCurrentWidget(window.TemplatePage);
        QCOMPARE(window.PageControl2->currentWidget(), window.TemplatePage);
        QCOMPARE(window.PageControl3->currentWidget(), page);
        QCOMPARE(TemplateText(window), QStringLiteral("Привет"));

        window.Edit5->setText(QStringLiteral("Пока"));
        window.PageControl2->setCurrentWidget(window.HandMadePage);
        QCOMPARE(TemplateText(window), QStringLiteral("Пока"));
    }

    void templatesCopyTheTemplateTextNotTheFormattersResult() {
        WindowHarness harness;
        TForm1& window = harness.open();
        window.MainText->setPlainText(QStringLiteral("hello there"));
        window.cbColorMark->setChecked(true);
        window.comboboxColorMark->setCurrentIndex(3);
        QCOMPARE(window.comboboxColorMark->currentText(), QStringLiteral("Сплошной cлучайно"));
        const ColorValue colorBefore = window.Image6->color();
        const bool visibleBefore = window.Image6->isVisibleTo(window.HandMadePage);
        QVERIFY(visibleBefore);
        const std::string resultBefore = window.resultText();

        ShowTemplates(window, window.KillPage);
        FillKillFields(window);
        harness.platform.clock.time = harness.platform.clock.time.addSecs(1);
        const QString copied = CopyWithButton(harness);
        QCOMPARE(copied, FilledKillLine(QStringLiteral("09:05:04")));
        QVERIFY(!copied.contains(QStringLiteral("hello")));
        QCOMPARE(window.Image6->color(), colorBefore);
        QCOMPARE(window.Image6->isVisibleTo(window.HandMadePage), visibleBefore);
        QCOMPARE(window.resultText(), resultBefore);
    }

    void templateFieldsRebuildNothingByThemselves() {
        WindowHarness harness;
        TForm1& window = harness.open();
        window.PageControl3->setCurrentWidget(window.KillPage);
        FillKillFields(window);
        window.PageControl2->setCurrentWidget(window.TemplatePage);
        const QString built = FilledKillLine(QStringLiteral("09:05:03"));
        QCOMPARE(CopyWithButton(harness), built);
        QCOMPARE(TemplateText(window), built);

        window.KillName->clear();
        QTest::keyClicks(window.KillName, QStringLiteral("Zed"));
        window.Edit5->setText(QStringLiteral("Пока"));
        SelectItem(window.cbKillWhere, QStringLiteral("В Питере сейчас"));
        window.SolitudeWhatDo->setText(QStringLiteral("спят"));
        window.comboPersError->setCurrentIndex(2);
        harness.platform.clock.time = harness.platform.clock.time.addSecs(5);
        QCOMPARE(TemplateText(window), built);

        const QString rebuilt = QStringLiteral(
            "Пока<br><font color=ffff33 size=-1><font color=f2aea0>В Питере сейчас 09:05:08 и "
            "<font color=ffff33>Zed</font> удаляет <font color=99ff33>Гость</font> на 5 минут. "
            "Причина: </font><font color=808080>Флуд</font></font>");
        QCOMPARE(CopyWithButton(harness), rebuilt);
        QCOMPARE(TemplateText(window), rebuilt);

        // Editing again; a sub-page switch rebuilds, the ASCII art last.
        window.VictimName->setText(QStringLiteral("Ник"));
        QCOMPARE(TemplateText(window), rebuilt);
        window.PageControl2->setCurrentWidget(window.HandMadePage);
        QCOMPARE(TemplateText(window), QStringLiteral("Пока"));
        window.PageControl2->setCurrentWidget(window.TemplatePage);

        // And showing the preview rebuilds as well.
        window.VictimName->setText(QStringLiteral("Кот"));
        QVERIFY(!TemplateText(window).contains(QStringLiteral("Кот")));
        window.PageControl1->setCurrentWidget(window.PreviewPage);
        QVERIFY(TemplateText(window).contains(QStringLiteral("<font color=99ff33>Кот</font>")));
    }

    void thresholdWarningAppliesToTemplateCopies() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.KillPage);
        FillKillFields(window);
        const QString line = FilledKillLine(QStringLiteral("09:05:03"));
        window.cbThreshold->setChecked(true);
        window.UpDown2->setValue(50);
        QCOMPARE(window.Edit1->text(), QStringLiteral("50"));

        QCOMPARE(CopyWithButton(harness), line);
        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].kind, QStringLiteral("warning"));
        QCOMPARE(shown[0].text,
                 QStringLiteral("Результирующее сообщение превышает пороговую длину"));
    }

    void thresholdCountsTheCopiedCharacters() {
        WindowHarness harness;
        TForm1& window = harness.open();
        ShowTemplates(window, window.KillPage);
        FillKillFields(window);
        const QString line = FilledKillLine(QStringLiteral("09:05:03"));
        const int length = static_cast<int>(line.size());
        window.cbThreshold->setChecked(true);

        window.UpDown2->setValue(length);
        QCOMPARE(CopyWithButton(harness), line);
        QCOMPARE(harness.platform.messages.shown.size(), std::size_t{0});

        window.UpDown2->setValue(length - 1);
        QCOMPARE(CopyWithButton(harness), line);
        QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});

        // Without the check box no length is too long.
        window.cbThreshold->setChecked(false);
        window.UpDown2->setValue(1);
        QCOMPARE(CopyWithButton(harness), line);
        QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});
    }

    // Tabs

    void asciiTabIsHidden() {
        WindowHarness harness;
        TForm1& window = harness.open();
        QTabWidget* tabs = window.PageControl3;
        QCOMPARE(tabs->count(), 4);
        const int ascii = tabs->indexOf(window.AsciiPage);
        QVERIFY(ascii >= 0);
        QVERIFY(!tabs->isTabVisible(ascii));
        for (QWidget* page : {window.KillPage, window.SolitudePage, window.InOutPage}) {
            QVERIFY(tabs->isTabVisible(tabs->indexOf(page)));
        }
        QCOMPARE(tabs->tabText(tabs->indexOf(window.KillPage)), QStringLiteral("Килл-строка"));
        QCOMPARE(tabs->tabText(tabs->indexOf(window.SolitudePage)), QStringLiteral("Уединяются"));
        QCOMPARE(tabs->tabText(tabs->indexOf(window.InOutPage)), QStringLiteral("Уведомление"));
        QCOMPARE(window.PageControl2->tabText(window.PageControl2->indexOf(window.HandMadePage)),
                 QStringLiteral("Вручную"));
        QCOMPARE(window.PageControl2->tabText(window.PageControl2->indexOf(window.TemplatePage)),
                 QStringLiteral("Шаблоны"));
    }
};

}  // namespace tagforge

QTEST_MAIN(tagforge::TemplatePageTest)
#include "template_page_test.moc"
