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

#include "core/templates/template_lines.h"
#include "gui/common/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

using test::Items;
using test::Nicks;
using test::WindowHarness;

// The kill fields FillKillFields types, Windows-1251 as the core takes them. The boxes show
// presets of theirs, except the action, which is typed.
KillLineFields TypedKillFields() {
    KillLineFields fields;
    fields.ownText = ToCp1251(QStringLiteral("Привет"));
    fields.where = ToCp1251(QStringLiteral("В Москве сейчас"));
    fields.killer = ToCp1251(QStringLiteral("Модер"));
    fields.action = ToCp1251(QStringLiteral("удаляет"));
    fields.victim = ToCp1251(QStringLiteral("Гость"));
    fields.period = ToCp1251(QStringLiteral("на 5 минут"));
    fields.reason = ToCp1251(QStringLiteral("Флуд"));
    return fields;
}

// The core's kill line of `fields` at the given clock time.
QString KillLine(const KillLineFields& fields, const QString& time) {
    return FromCp1251(BuildKillLine(fields, ToCp1251(time)));
}

// The core's solitude line of these fields.
QString SolitudeLine(const QString& ownText, const QStringList& nicks, const QString& action) {
    std::vector<std::string> stored;
    for (const QString& nick : nicks) {
        stored.push_back(ToCp1251(nick));
    }
    return FromCp1251(BuildSolitudeLine(ToCp1251(ownText), stored, ToCp1251(action)));
}

// The kill line of the fields FillKillFields types, at the given clock time.
QString FilledKillLine(const QString& time) {
    return KillLine(TypedKillFields(), time);
}

QString TemplateText(const MainWindow& window) {
    return FromCp1251(window.templateText());
}

// Picks the entry with this text from the combo's own list.
void SelectItem(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(combo->objectName() + QStringLiteral(": ") + text));
    combo->setCurrentIndex(index);
    QCOMPARE(combo->currentText(), text);
}

void ShowTemplates(MainWindow& window, QWidget* tab) {
    control<QTabWidget>(window, "PageControl2")
        ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
    control<QTabWidget>(window, "PageControl3")->setCurrentWidget(tab);
    QCOMPARE(control<QTabWidget>(window, "PageControl2")->currentWidget(),
             control<QWidget>(window, "TemplatePage"));
    QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(), tab);
}

void FillKillFields(MainWindow& window) {
    const KillLineFields fields = TypedKillFields();
    control<QLineEdit>(window, "Edit5")->setText(FromCp1251(fields.ownText));
    SelectItem(control<QComboBox>(window, "cbKillWhere"), FromCp1251(fields.where));
    control<QLineEdit>(window, "KillName")->setText(FromCp1251(fields.killer));
    control<QComboBox>(window, "cbKillAction")->setEditText(FromCp1251(fields.action));
    control<QLineEdit>(window, "VictimName")->setText(FromCp1251(fields.victim));
    SelectItem(control<QComboBox>(window, "cbKillTime"), FromCp1251(fields.period));
    SelectItem(control<QComboBox>(window, "cbKillReason"), FromCp1251(fields.reason));
}

void AddNick(MainWindow& window, const QString& nick) {
    control<QLineEdit>(window, "SolitudeNick")->setText(nick);
    QTest::mouseClick(control<QPushButton>(window, "SpeedButton4"), Qt::LeftButton);
}

// Presses the copy button under the pages and returns what reached the clipboard.
QString CopyWithButton(WindowHarness& harness) {
    QTest::mouseClick(control<QPushButton>(harness.window(), "SpeedButton3"), Qt::LeftButton);
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
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "KillPage"));
        FillKillFields(window);
        // The fake clock shows 09:05:03.
        const QString expected = FilledKillLine(QStringLiteral("09:05:03"));
        QCOMPARE(CopyWithButton(harness), expected);
        QCOMPARE(TemplateText(window), expected);
        QVERIFY(harness.platform.messages.shown.empty());
    }

    void everyWherePresetGivesTheSameTime() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "KillPage"));
        FillKillFields(window);
        for (const QString& where :
             {QStringLiteral("В Питере сейчас"), QStringLiteral("В Москве сейчас"),
              QStringLiteral("На системных часах компа")}) {
            SelectItem(control<QComboBox>(window, "cbKillWhere"), where);
            KillLineFields fields = TypedKillFields();
            fields.where = ToCp1251(where);
            QCOMPARE(CopyWithButton(harness), KillLine(fields, QStringLiteral("09:05:03")));
        }
    }

    void typedComboTextIsUsedAsTyped() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "KillPage"));
        FillKillFields(window);
        // Typed over the selected presets; none of these is an entry of its list.
        for (QComboBox* combo :
             {control<QComboBox>(window, "cbKillWhere"), control<QComboBox>(window, "cbKillAction"),
              control<QComboBox>(window, "cbKillTime"),
              control<QComboBox>(window, "cbKillReason")}) {
            combo->lineEdit()->selectAll();
        }
        QTest::keyClicks(control<QComboBox>(window, "cbKillWhere")->lineEdit(),
                         QStringLiteral("Somewhere now"));
        QTest::keyClicks(control<QComboBox>(window, "cbKillAction")->lineEdit(),
                         QStringLiteral("kicks"));
        QTest::keyClicks(control<QComboBox>(window, "cbKillTime")->lineEdit(),
                         QStringLiteral("for 2 days"));
        QTest::keyClicks(control<QComboBox>(window, "cbKillReason")->lineEdit(),
                         QStringLiteral("Spam"));
        QCOMPARE(
            control<QComboBox>(window, "cbKillWhere")->findText(QStringLiteral("Somewhere now")),
            -1);
        KillLineFields typed = TypedKillFields();
        typed.where = "Somewhere now";
        typed.action = "kicks";
        typed.period = "for 2 days";
        typed.reason = "Spam";
        QCOMPARE(CopyWithButton(harness), KillLine(typed, QStringLiteral("09:05:03")));
        // Typing adds nothing to the lists.
        QCOMPARE(control<QComboBox>(window, "cbKillWhere")->count(), 3);
        QCOMPARE(control<QComboBox>(window, "cbKillTime")->count(), 15);
        QCOMPARE(control<QComboBox>(window, "cbKillReason")->count(), 9);
    }

    void emptyFieldsGiveTheBareLine() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "KillPage"));
        QCOMPARE(CopyWithButton(harness), KillLine(KillLineFields{}, QStringLiteral("09:05:03")));
    }

    void everyCopyReadsTheClockAgain() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "KillPage"));
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
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "KillPage"));
        FillKillFields(window);
        SetClock(harness, 0, 0, 0);
        QCOMPARE(CopyWithButton(harness), FilledKillLine(QStringLiteral("00:00:00")));
        SetClock(harness, 23, 59, 59);
        QCOMPARE(CopyWithButton(harness), FilledKillLine(QStringLiteral("23:59:59")));
    }

    void killBoxesOfferTheirPresets() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        QCOMPARE(Items(control<QComboBox>(window, "cbKillWhere")),
                 QStringList({QStringLiteral("В Питере сейчас"), QStringLiteral("В Москве сейчас"),
                              QStringLiteral("На системных часах компа")}));
        QCOMPARE(control<QComboBox>(window, "cbKillTime")->count(), 15);
        QCOMPARE(control<QComboBox>(window, "cbKillTime")->itemText(0),
                 QStringLiteral("на 1 минуту"));
        QCOMPARE(control<QComboBox>(window, "cbKillTime")->itemText(14),
                 QStringLiteral("навсегда"));
        QCOMPARE(control<QComboBox>(window, "cbKillReason")->count(), 9);
        QVERIFY(control<QComboBox>(window, "cbKillAction")->count() > 0);
        for (const QComboBox* combo :
             {control<QComboBox>(window, "cbKillWhere"), control<QComboBox>(window, "cbKillAction"),
              control<QComboBox>(window, "cbKillTime"),
              control<QComboBox>(window, "cbKillReason")}) {
            QVERIFY2(combo->isEditable(), qPrintable(combo->objectName()));
            QVERIFY2(combo->currentText().isEmpty(), qPrintable(combo->objectName()));
        }
        QVERIFY(control<QLineEdit>(window, "KillName")->text().isEmpty());
        QVERIFY(control<QLineEdit>(window, "VictimName")->text().isEmpty());
        QVERIFY(control<QLineEdit>(window, "Edit5")->text().isEmpty());
    }

    // Solitude

    void solitudeLineNamesEveryNick() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "SolitudePage"));
        AddNick(window, QStringLiteral("Лиса"));
        AddNick(window, QStringLiteral("Волк"));
        control<QLineEdit>(window, "SolitudeWhatDo")
            ->setText(QStringLiteral("уединяются в привате"));
        QCOMPARE(CopyWithButton(harness),
                 SolitudeLine({}, {QStringLiteral("Лиса"), QStringLiteral("Волк")},
                              QStringLiteral("уединяются в привате")));
        QCOMPARE(TemplateText(window), harness.platform.clipboard.text());
    }

    void threeNicksAreJoinedTwice() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "SolitudePage"));
        control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("Ого"));
        AddNick(window, QStringLiteral("Лиса"));
        AddNick(window, QStringLiteral("Волк"));
        AddNick(window, QStringLiteral("Ёж"));
        control<QLineEdit>(window, "SolitudeWhatDo")->setText(QStringLiteral("шепчутся"));
        QCOMPARE(
            CopyWithButton(harness),
            SolitudeLine(QStringLiteral("Ого"),
                         {QStringLiteral("Лиса"), QStringLiteral("Волк"), QStringLiteral("Ёж")},
                         QStringLiteral("шепчутся")));
    }

    void solitudeWithoutNicks() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "SolitudePage"));
        control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("Привет"));
        control<QLineEdit>(window, "SolitudeWhatDo")->setText(QStringLiteral("уединяются"));
        QCOMPARE(control<QListWidget>(window, "ListBox1")->count(), 0);
        QCOMPARE(CopyWithButton(harness),
                 SolitudeLine(QStringLiteral("Привет"), {}, QStringLiteral("уединяются")));
    }

    void addingNicks() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "SolitudePage"));
        const std::string before = window.templateText();

        AddNick(window, QString());
        QCOMPARE(control<QListWidget>(window, "ListBox1")->count(), 0);

        AddNick(window, QStringLiteral("Лиса"));
        QCOMPARE(control<QLineEdit>(window, "SolitudeNick")->text(), QStringLiteral("Лиса"));
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton4"), Qt::LeftButton);
        QCOMPARE(Nicks(control<QListWidget>(window, "ListBox1")),
                 QStringList({QStringLiteral("Лиса"), QStringLiteral("Лиса")}));
        QCOMPARE(control<QLineEdit>(window, "SolitudeNick")->text(), QStringLiteral("Лиса"));

        // Typed into the field, as a user would.
        control<QLineEdit>(window, "SolitudeNick")->clear();
        QTest::keyClicks(control<QLineEdit>(window, "SolitudeNick"), QStringLiteral("Wolf"));
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton4"), Qt::LeftButton);
        QCOMPARE(
            Nicks(control<QListWidget>(window, "ListBox1")),
            QStringList({QStringLiteral("Лиса"), QStringLiteral("Лиса"), QStringLiteral("Wolf")}));
        QCOMPARE(control<QLineEdit>(window, "SolitudeNick")->text(), QStringLiteral("Wolf"));
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
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "SolitudePage"));
        for (const QString& nick : QStringList{"A", "B", "C", "D", "E"}) {
            AddNick(window, nick);
        }
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "HandMadePage"));
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
        const std::string before = window.templateText();
        control<QListWidget>(window, "ListBox1")->clearSelection();
        for (const int row : selected) {
            control<QListWidget>(window, "ListBox1")->item(row)->setSelected(true);
        }
        QCOMPARE(control<QListWidget>(window, "ListBox1")->selectedItems().size(), selected.size());
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton5"), Qt::LeftButton);
        QCOMPARE(Nicks(control<QListWidget>(window, "ListBox1")), left);
        QCOMPARE(window.templateText(), before);
    }

    void clearingTheNickList() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "SolitudePage"));
        AddNick(window, QStringLiteral("Лиса"));
        AddNick(window, QStringLiteral("Волк"));
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "HandMadePage"));
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
        const std::string before = window.templateText();
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton6"), Qt::LeftButton);
        QCOMPARE(control<QListWidget>(window, "ListBox1")->count(), 0);
        QCOMPARE(window.templateText(), before);
        control<QLineEdit>(window, "SolitudeWhatDo")->setText(QStringLiteral("спят"));
        QCOMPARE(CopyWithButton(harness), QStringLiteral("<br><font color=ffff33>спят</font>"));
    }

    void nickButtonCaptions() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        QCOMPARE(control<QPushButton>(window, "SpeedButton4")->text(),
                 QStringLiteral("Добавить ник"));
        QCOMPARE(control<QPushButton>(window, "SpeedButton5")->text(),
                 QStringLiteral("Удалить ник"));
    }

    // Notification

    void notificationKindsAreFixed() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        QCOMPARE(Items(control<QComboBox>(window, "comboPersError")),
                 QStringList({QStringLiteral("Нет в чате"), QStringLiteral("Приходит"),
                              QStringLiteral("Тайм-аут")}));
        QVERIFY(!control<QComboBox>(window, "comboPersError")->isEditable());
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
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "InOutPage"));
        control<QLineEdit>(window, "PersonallyErrorMessage")->setText(QStringLiteral("Гость"));
        control<QComboBox>(window, "comboPersError")->setCurrentIndex(kind);
        QCOMPARE(control<QComboBox>(window, "comboPersError")->currentIndex(), kind);
        QCOMPARE(CopyWithButton(harness), expected);
        QCOMPARE(TemplateText(window), expected);
    }

    void arrivalUsesTheChosenNickColour() {
        WindowHarness harness;
        SetClock(harness, 21, 7, 30);
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "InOutPage"));
        control<QLineEdit>(window, "PersonallyErrorMessage")->setText(QStringLiteral("Гость"));
        control<QComboBox>(window, "comboPersError")->setCurrentIndex(1);
        tagforge::SetPanelColor(control<tagforge::ColorPanel>(window, "ComeColor"),
                                MakeColor(255, 0, 0));
        // The colour counts only while its box is checked.
        control<QCheckBox>(window, "cbComeColor")->setChecked(false);
        QCOMPARE(CopyWithButton(harness),
                 QStringLiteral("<br><font color=ffff33 size=-1>[21:07:30] к нам приходит <u><font "
                                "color=3399FF>Гость</font></font></u>"));
        control<QCheckBox>(window, "cbComeColor")->setChecked(true);
        QCOMPARE(CopyWithButton(harness),
                 QStringLiteral("<br><font color=ffff33 size=-1>[21:07:30] к нам приходит <u><font "
                                "color=FF0000>Гость</font></font></u>"));
    }

    void notificationKeepsOwnText() {
        WindowHarness harness;
        SetClock(harness, 21, 7, 30);
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "InOutPage"));
        control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("Эй"));
        control<QLineEdit>(window, "PersonallyErrorMessage")->setText(QStringLiteral("Гость"));
        control<QComboBox>(window, "comboPersError")->setCurrentIndex(2);
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
        MainWindow& window = harness.open();
        QCOMPARE(control<QTabWidget>(window, "PageControl2")->currentWidget(),
                 control<QWidget>(window, "HandMadePage"));
        auto* page = control<QTabWidget>(window, "PageControl3")->findChild<QWidget*>(tab);
        QVERIFY(page);
        control<QTabWidget>(window, "PageControl3")->setCurrentWidget(page);
        FillKillFields(window);
        AddNick(window, QStringLiteral("Лиса"));
        control<QLineEdit>(window, "SolitudeWhatDo")->setText(QStringLiteral("уединяются"));
        control<QLineEdit>(window, "PersonallyErrorMessage")->setText(QStringLiteral("Гость"));
        control<QComboBox>(window, "comboPersError")->setCurrentIndex(1);

        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
        QCOMPARE(control<QTabWidget>(window, "PageControl2")->currentWidget(),
                 control<QWidget>(window, "TemplatePage"));
        QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(), page);
        QCOMPARE(TemplateText(window), QStringLiteral("Привет"));

        control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("Пока"));
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "HandMadePage"));
        QCOMPARE(TemplateText(window), QStringLiteral("Пока"));
    }

    void templatesCopyTheTemplateTextNotTheFormattersResult() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("hello there"));
        control<QCheckBox>(window, "cbColorMark")->setChecked(true);
        control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(3);
        QCOMPARE(control<QComboBox>(window, "comboboxColorMark")->currentText(),
                 QStringLiteral("Сплошной cлучайно"));
        const ColorValue colorBefore = control<tagforge::ColorPanel>(window, "Image6")->color();
        const bool visibleBefore = control<tagforge::ColorPanel>(window, "Image6")
                                       ->isVisibleTo(control<QWidget>(window, "HandMadePage"));
        QVERIFY(visibleBefore);
        const std::string resultBefore = window.resultText();

        ShowTemplates(window, control<QWidget>(window, "KillPage"));
        FillKillFields(window);
        harness.platform.clock.time = harness.platform.clock.time.addSecs(1);
        const QString copied = CopyWithButton(harness);
        QCOMPARE(copied, FilledKillLine(QStringLiteral("09:05:04")));
        QVERIFY(!copied.contains(QStringLiteral("hello")));
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")->color(), colorBefore);
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")
                     ->isVisibleTo(control<QWidget>(window, "HandMadePage")),
                 visibleBefore);
        QCOMPARE(window.resultText(), resultBefore);
    }

    void templateFieldsRebuildNothingByThemselves() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        control<QTabWidget>(window, "PageControl3")
            ->setCurrentWidget(control<QWidget>(window, "KillPage"));
        FillKillFields(window);
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
        const QString built = FilledKillLine(QStringLiteral("09:05:03"));
        QCOMPARE(CopyWithButton(harness), built);
        QCOMPARE(TemplateText(window), built);

        control<QLineEdit>(window, "KillName")->clear();
        QTest::keyClicks(control<QLineEdit>(window, "KillName"), QStringLiteral("Zed"));
        control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("Пока"));
        SelectItem(control<QComboBox>(window, "cbKillWhere"), QStringLiteral("В Питере сейчас"));
        control<QLineEdit>(window, "SolitudeWhatDo")->setText(QStringLiteral("спят"));
        control<QComboBox>(window, "comboPersError")->setCurrentIndex(2);
        harness.platform.clock.time = harness.platform.clock.time.addSecs(5);
        QCOMPARE(TemplateText(window), built);

        KillLineFields edited = TypedKillFields();
        edited.ownText = ToCp1251(QStringLiteral("Пока"));
        edited.where = ToCp1251(QStringLiteral("В Питере сейчас"));
        edited.killer = "Zed";
        const QString rebuilt = KillLine(edited, QStringLiteral("09:05:08"));
        QCOMPARE(CopyWithButton(harness), rebuilt);
        QCOMPARE(TemplateText(window), rebuilt);

        // Editing again; a sub-page switch rebuilds, the ASCII art last.
        control<QLineEdit>(window, "VictimName")->setText(QStringLiteral("Ник"));
        QCOMPARE(TemplateText(window), rebuilt);
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "HandMadePage"));
        QCOMPARE(TemplateText(window), QStringLiteral("Пока"));
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));

        // And showing the preview rebuilds as well.
        control<QLineEdit>(window, "VictimName")->setText(QStringLiteral("Кот"));
        QVERIFY(!TemplateText(window).contains(QStringLiteral("Кот")));
        control<QTabWidget>(window, "PageControl1")
            ->setCurrentWidget(control<QWidget>(window, "PreviewPage"));
        QVERIFY(TemplateText(window).contains(QStringLiteral("<font color=99ff33>Кот</font>")));
    }

    void thresholdWarningAppliesToTemplateCopies() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "KillPage"));
        FillKillFields(window);
        const QString line = FilledKillLine(QStringLiteral("09:05:03"));
        control<QCheckBox>(window, "cbThreshold")->setChecked(true);
        control<QSpinBox>(window, "UpDown2")->setValue(50);
        QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), QStringLiteral("50"));

        QCOMPARE(CopyWithButton(harness), line);
        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].kind, QStringLiteral("warning"));
        QCOMPARE(shown[0].text,
                 QStringLiteral("Результирующее сообщение превышает пороговую длину"));
    }

    void thresholdCountsTheCopiedCharacters() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        ShowTemplates(window, control<QWidget>(window, "KillPage"));
        FillKillFields(window);
        const QString line = FilledKillLine(QStringLiteral("09:05:03"));
        const int length = static_cast<int>(line.size());
        control<QCheckBox>(window, "cbThreshold")->setChecked(true);

        control<QSpinBox>(window, "UpDown2")->setValue(length);
        QCOMPARE(CopyWithButton(harness), line);
        QCOMPARE(harness.platform.messages.shown.size(), std::size_t{0});

        control<QSpinBox>(window, "UpDown2")->setValue(length - 1);
        QCOMPARE(CopyWithButton(harness), line);
        QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});

        // Without the check box no length is too long.
        control<QCheckBox>(window, "cbThreshold")->setChecked(false);
        control<QSpinBox>(window, "UpDown2")->setValue(1);
        QCOMPARE(CopyWithButton(harness), line);
        QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});
    }

    // Tabs

    void asciiTabIsHidden() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        QTabWidget* tabs = control<QTabWidget>(window, "PageControl3");
        QCOMPARE(tabs->count(), 4);
        const int ascii = tabs->indexOf(control<QWidget>(window, "AsciiPage"));
        QVERIFY(ascii >= 0);
        QVERIFY(!tabs->isTabVisible(ascii));
        for (QWidget* page :
             {control<QWidget>(window, "KillPage"), control<QWidget>(window, "SolitudePage"),
              control<QWidget>(window, "InOutPage")}) {
            QVERIFY(tabs->isTabVisible(tabs->indexOf(page)));
        }
        QCOMPARE(tabs->tabText(tabs->indexOf(control<QWidget>(window, "KillPage"))),
                 QStringLiteral("Килл-строка"));
        QCOMPARE(tabs->tabText(tabs->indexOf(control<QWidget>(window, "SolitudePage"))),
                 QStringLiteral("Уединяются"));
        QCOMPARE(tabs->tabText(tabs->indexOf(control<QWidget>(window, "InOutPage"))),
                 QStringLiteral("Уведомление"));
        QCOMPARE(control<QTabWidget>(window, "PageControl2")
                     ->tabText(control<QTabWidget>(window, "PageControl2")
                                   ->indexOf(control<QWidget>(window, "HandMadePage"))),
                 QStringLiteral("Вручную"));
        QCOMPARE(control<QTabWidget>(window, "PageControl2")
                     ->tabText(control<QTabWidget>(window, "PageControl2")
                                   ->indexOf(control<QWidget>(window, "TemplatePage"))),
                 QStringLiteral("Шаблоны"));
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::TemplatePageTest)
#include "template_page_test.moc"
