#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "core/format/cp1251.h"
#include "core/format/random_source.h"
#include "core/format/result_assembly.h"
#include "core/store/profile.h"
#include "core/templates/template_lines.h"
#include "gui/common/text_bridge.h"
#include "ui_test_files.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

// What the user types, into a list, the message or a profile name, is what the program uses and
// what it shows again after a save, a restart or a profile load.
namespace tagforge {

namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::Restart;
using test::WindowHarness;
using test::WriteBytes;

fs::path ProfileFile(const fs::path& programFolder, const std::string& name) {
    return programFolder / "Profiles" / (name + ".tfp");
}

// Types `text` the way an input method commits it: whole characters, emoji included.
void Commit(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

// Types a message line by line, with Enter between the lines.
void TypeMessage(MainWindow& window, const QString& message) {
    auto* box = control<QPlainTextEdit>(window, "MainText");
    box->setFocus();
    const QStringList lines = message.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            QTest::keyClick(box, Qt::Key_Return);
        }
        Commit(box, lines[i]);
    }
    QCOMPARE(box->toPlainText(), message);
}

// Brings the tabs that hold `field` to the front, so it can take the keyboard.
void Reveal(QWidget* field) {
    for (QWidget* child = field; child->parentWidget() != nullptr; child = child->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(child->parentWidget()->parentWidget())) {
            if (tabs->indexOf(child) >= 0) {
                tabs->setCurrentWidget(child);
            }
        }
    }
}

// Replaces a list's text by `typed` as the keyboard does, key by key into the focused field, and
// confirms it with Enter.
void TypeIntoList(QComboBox* list, const QString& typed) {
    Reveal(list);
    list->setFocus();
    QVERIFY2(list->lineEdit()->hasFocus(), qPrintable(list->objectName()));
    list->clearEditText();
    for (const QChar ch : typed) {
        QTest::sendKeyEvent(QTest::Click, list->lineEdit(),
                            static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch),
                            Qt::NoModifier);
    }
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
}

QString CopyWithButton(WindowHarness& harness) {
    QTest::mouseClick(control<QPushButton>(harness.window(), "SpeedButton3"), Qt::LeftButton);
    return harness.platform.clipboard.text();
}

void SaveProfileAs(MainWindow& window, const QString& name) {
    auto* box = control<QComboBox>(window, "ComboProfiles");
    box->setEditText(name);
    QTest::mouseClick(control<QPushButton>(window, "SpeedButton2"), Qt::LeftButton);
}

QString MessageOf(const MainWindow& window) {
    return control<QPlainTextEdit>(window, "MainText")->toPlainText();
}

// Ctrl+Z where the keyboard is: the field that has the window's focus.
void PressUndo(MainWindow& window) {
    QWidget* focused = window.focusWidget();
    QVERIFY(focused != nullptr);
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
}

}  // namespace

class TypedTextTest : public QObject {
    Q_OBJECT

  private slots:
    void typedListTextIsUsedAsTyped();
    void storedMessageComesBackAsTypedAndLeavesAsBefore();
    void clearResetAndLoadAreUndoneInOneStep();
};

void TypedTextTest::typedListTextIsUsedAsTyped() {
    WindowHarness harness;
    WriteBytes(ProfileFile(harness.programFolder(), "Evening"), "[Form]\r\nActivePage=0\r\n");
    auto& window = harness.open();
    test::ShowHandMadePage(window);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // No editable list of the window completes what is typed to one of its entries, whatever
    // part of an entry is typed and however the edit ends.
    for (QComboBox* list : window.findChildren<QComboBox*>()) {
        if (!list->isEditable()) {
            continue;
        }
        QVERIFY2(list->count() > 0, qPrintable(list->objectName()));
        for (int i = 0; i < list->count(); ++i) {
            const QString entry = list->itemText(i);
            for (const QString& typed : {entry.left(entry.size() / 2), entry.toLower()}) {
                TypeIntoList(list, typed);
                QCOMPARE(list->currentText(), typed);
            }
        }
    }

    enum class Use { Result, KillLine, ProfileName };
    struct Row {
        const char* list;
        QString typed;
        Use use;
    };
    const std::vector<Row> rows = {
        {"ComboBox2", QStringLiteral("Ok"), Use::Result},
        {"ComboBox2", QStringLiteral("ok?"), Use::Result},
        {"ComboBox2", QStringLiteral("Да"), Use::Result},
        {"ComboOnlyForYou", QStringLiteral("только"), Use::Result},
        {"cbKillTime", QStringLiteral("на 1"), Use::KillLine},
        {"cbKillWhere", QStringLiteral("В"), Use::KillLine},
        {"cbKillAction", QStringLiteral("пре"), Use::KillLine},
        {"cbKillReason", QStringLiteral("мат"), Use::KillLine},
        {"ComboProfiles", QStringLiteral("Even"), Use::ProfileName},
    };
    control<QCheckBox>(window, "cbOk")->setChecked(true);
    control<QCheckBox>(window, "cbOnlyForYou")->setChecked(true);
    control<QLineEdit>(window, "OnlyForYouName")->setText(QStringLiteral("Вася"));
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("Привет"));
    for (const Row& row : rows) {
        const QByteArray what = QByteArray(row.list) + ": " + row.typed.toUtf8();
        auto* list = control<QComboBox>(window, row.list);
        switch (row.use) {
            case Use::Result: {
                control<QComboBox>(window, "ComboBox2")->setEditText(QStringLiteral("Yes!"));
                control<QComboBox>(window, "ComboOnlyForYou")
                    ->setEditText(QStringLiteral("только для вас, "));
                FormatterOptions expected = test::HandMadePage(window).formatterOptions();
                (list->objectName() == QLatin1String("ComboBox2") ? expected.linkText
                                                                  : expected.onlyForYouWording) =
                    ToCp1251(row.typed);
                DefaultRandomSource random;
                TypeIntoList(list, row.typed);
                QVERIFY2(CopyWithButton(harness) == FromCp1251(BuildResultText(expected, random)),
                         what.constData());
                break;
            }
            case Use::KillLine: {
                KillLineFields expected{"own",    "where",  "action", "period",
                                        "killer", "victim", "reason"};
                control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("own"));
                control<QComboBox>(window, "cbKillWhere")->setEditText(QStringLiteral("where"));
                control<QComboBox>(window, "cbKillAction")->setEditText(QStringLiteral("action"));
                control<QComboBox>(window, "cbKillTime")->setEditText(QStringLiteral("period"));
                control<QLineEdit>(window, "KillName")->setText(QStringLiteral("killer"));
                control<QLineEdit>(window, "VictimName")->setText(QStringLiteral("victim"));
                control<QComboBox>(window, "cbKillReason")->setEditText(QStringLiteral("reason"));
                const std::string typed = ToCp1251(row.typed);
                const std::string_view name = row.list;
                (name == "cbKillWhere"    ? expected.where
                 : name == "cbKillAction" ? expected.action
                 : name == "cbKillTime"   ? expected.period
                                          : expected.reason) = typed;
                TypeIntoList(list, row.typed);
                QVERIFY2(CopyWithButton(harness) ==
                             FromCp1251(BuildKillLine(expected, FormatClockTime(9, 5, 3))),
                         what.constData());
                break;
            }
            case Use::ProfileName: {
                const auto before = ReadBytes(ProfileFile(harness.programFolder(), "Evening"));
                harness.platform.messages.shown.clear();
                TypeIntoList(list, row.typed);
                QTest::mouseClick(control<QPushButton>(window, "SpeedButton2"), Qt::LeftButton);
                QVERIFY2(harness.platform.messages.shown.empty(), what.constData());
                QVERIFY2(fs::exists(ProfileFile(harness.programFolder(), ToCp1251(row.typed))),
                         what.constData());
                QCOMPARE(ReadBytes(ProfileFile(harness.programFolder(), "Evening")), before);
                QVERIFY(test::Items(list).contains(row.typed));
                break;
            }
        }
    }
}

// A message saved, then shown again after a restart or a profile load: characters outside the
// code page come back as themselves, while the stored file and the copied result stay exactly
// what they were.
void TypedTextTest::storedMessageComesBackAsTypedAndLeavesAsBefore() {
    struct Row {
        const char* why;
        QString typed;
        QString shownAgain;
    };
    const std::vector<Row> rows = {
        {"emoji", QStringLiteral("роза 🌹"), QStringLiteral("роза 🌹")},
        {"emoji on two lines", QStringLiteral("два 😀\nряда 👍🏽"),
         QStringLiteral("два 😀\nряда 👍🏽")},
        {"joined emoji", QStringLiteral("🏳️‍🌈 флаг"),
         QStringLiteral("🏳️‍🌈 флаг")},
        {"other scripts", QStringLiteral("é 中文"), QStringLiteral("é 中文")},
        {"typed references the code page has or spelt otherwise",
         QStringLiteral("&#1055; &#65; &#x1F339; &#0127801;"),
         QStringLiteral("&#1055; &#65; &#x1F339; &#0127801;")},
        {"a typed reference of a character the code page lacks", QStringLiteral("&#127801;"),
         QStringLiteral("🌹")},
    };
    for (const Row& row : rows) {
        WindowHarness harness;
        auto& first = harness.open();
        TypeMessage(first, row.typed);
        const QString copied = CopyWithButton(harness);
        SaveProfileAs(first, QStringLiteral("Default"));
        const auto saved = ReadBytes(ProfileFile(harness.programFolder(), "Default"));
        QVERIFY2(saved.has_value(), row.why);

        // The file holds what the core makes of the typed text.
        const std::string typedBytes = ToCp1251Lines(row.typed);
        const std::string textLine = "\r\nText=\"" + EncodeLinesText(typedBytes) + "\"\r\n";
        QVERIFY2(saved->find(textLine) != std::string::npos, row.why);
        DefaultRandomSource random;
        FormatterOptions options = test::HandMadePage(first).formatterOptions();
        options.message = typedBytes;
        QVERIFY2(copied == FromCp1251(BuildResultText(options, random)), row.why);

        // A restart shows the message; copying and saving it again change nothing.
        Restart restart(harness.programFolder());
        auto& second = restart.open();
        QVERIFY2(MessageOf(second) == row.shownAgain, row.why);
        QTest::mouseClick(control<QPushButton>(second, "SpeedButton3"), Qt::LeftButton);
        QVERIFY2(restart.platform.clipboard.text() == copied, row.why);
        SaveProfileAs(second, QStringLiteral("Default"));
        QVERIFY2(ReadBytes(ProfileFile(harness.programFolder(), "Default")) == saved, row.why);

        // So does picking the profile from the list.
        control<QPlainTextEdit>(second, "MainText")->clear();
        auto* profiles = control<QComboBox>(second, "ComboProfiles");
        profiles->setCurrentIndex(profiles->findText(QStringLiteral("Default")));
        emit profiles->activated(profiles->currentIndex());
        QVERIFY2(MessageOf(second) == row.shownAgain, row.why);
    }
}

// "Очистить текст", "Сбросить всё" and a profile load each replace the message as one step that
// Ctrl+Z in the message, or "Отменить" in its edit menu, takes back.
void TypedTextTest::clearResetAndLoadAreUndoneInOneStep() {
    struct Row {
        const char* why;
        std::function<void(WindowHarness&)> replace;
        QString replacedBy;
        bool undoFromTheMenu;
    };
    const auto click = [](const char* button) {
        return [button](WindowHarness& harness) {
            QTest::mouseClick(control<QPushButton>(harness.window(), button), Qt::LeftButton);
        };
    };
    const auto pick = [](WindowHarness& harness) {
        auto* profiles = control<QComboBox>(harness.window(), "ComboProfiles");
        profiles->setCurrentIndex(profiles->findText(QStringLiteral("Other")));
        emit profiles->activated(profiles->currentIndex());
    };
    const std::vector<Row> rows = {
        {"clear", click("sbClear"), QString(), false},
        {"reset", click("SpeedButton12"), QString(), false},
        {"profile load", pick, QStringLiteral("из профиля"), false},
        {"clear, undone from the menu", click("sbClear"), QString(), true},
        {"reset, undone from the menu", click("SpeedButton12"), QString(), true},
    };
    const QString typed = QStringLiteral("первая строка\nвторая 🌹");
    for (const Row& row : rows) {
        WindowHarness harness;
        WriteBytes(ProfileFile(harness.programFolder(), "Other"),
                   "[Page1]\r\nText=\"" + ToCp1251(QStringLiteral("из профиля")) + "\"\r\n");
        auto& window = harness.open();
        test::ShowHandMadePage(window);
        TypeMessage(window, typed);

        row.replace(harness);
        QVERIFY2(MessageOf(window) == row.replacedBy, row.why);
        if (row.undoFromTheMenu) {
            window.openEditMenu(control<QPlainTextEdit>(window, "MainText"), window.pos());
            control<QAction>(window, "N10")->trigger();
            control<QMenu>(window, "PopupNickMenu")->close();
        } else {
            PressUndo(window);
        }
        QVERIFY2(MessageOf(window) == typed, row.why);
        // The next step back is the user's own typing.
        PressUndo(window);
        QVERIFY2(MessageOf(window) != typed, row.why);
    }
}

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::TypedTextTest)
#include "typed_text_test.moc"
