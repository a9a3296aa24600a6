#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/store/settings.h"
#include "gui/common/text_bridge.h"
#include "gui/menus/font_manager.h"
#include "ui_test_files.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

using test::Restart;
using test::WindowHarness;

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;

// The text fields of the main window that share the edit menu.
const char* const kMenuFields[] = {
    "MainText",      "ComboOnlyForYou",  "OnlyForYouName", "ComboBox2",
    "OtherNameNick", "OtherNameOwnText", "Edit5",          "cbKillWhere",
    "cbKillAction",  "cbKillTime",       "cbKillReason",   "KillName",
    "VictimName",    "SolitudeWhatDo",   "SolitudeNick",   "PersonallyErrorMessage",
    "ComboProfiles"};

// Gives a field its text with the characters [start, start + length) selected.
void SetSelected(QWidget* target, const QString& text, int start, int length) {
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        edit->setText(text);
        edit->setSelection(start, length);
    } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
        combo->setEditText(text);
        combo->lineEdit()->setSelection(start, length);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
        memo->setPlainText(text);
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    } else {
        QFAIL("not a text field");
    }
}

QString TextOf(const QWidget* target) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(target)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(target)) {
        return combo->currentText();
    }
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(target)) {
        return memo->toPlainText();
    }
    return QStringLiteral("<not a text field>");
}

// Right-clicks a field where the user would: a combo box's text, a memo's page. Gives the
// point clicked, on the screen.
QPoint RightClick(QWidget* target) {
    QWidget* receiver = target;
    if (auto* combo = qobject_cast<QComboBox*>(target)) {
        receiver = combo->lineEdit();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
        receiver = memo->viewport();
    }
    const QPoint inside(3, 3);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, receiver->mapToGlobal(inside));
    QApplication::sendEvent(receiver, &event);
    return receiver->mapToGlobal(inside);
}

void OpenMenu(MainWindow& window, QWidget* target) {
    const QPoint clicked = RightClick(target);
    QVERIFY2(control<QMenu>(window, "PopupNickMenu")->isVisible(),
             qPrintable(target->objectName()));
    QCOMPARE(window.editMenuTarget(), target);
    QCOMPARE(control<QMenu>(window, "PopupNickMenu")->pos(), clicked);
}

// Clicks a command of the open menu, as the user would.
void Choose(MainWindow& window, QAction* command) {
    QVERIFY(control<QMenu>(window, "PopupNickMenu")->isVisible());
    QVERIFY(command->isEnabled());
    QTest::mouseClick(control<QMenu>(window, "PopupNickMenu"), Qt::LeftButton, {},
                      control<QMenu>(window, "PopupNickMenu")->actionGeometry(command).center());
    QVERIFY(!control<QMenu>(window, "PopupNickMenu")->isVisible());
}

QStringList Captions(const QMenu* submenu) {
    QStringList captions;
    for (const QAction* item : submenu->actions()) {
        captions << item->text();
    }
    return captions;
}

// Picks the item of a nick submenu of the open menu.
void ChooseNick(MainWindow& window, QMenu* submenu, const QString& caption) {
    QVERIFY(control<QMenu>(window, "PopupNickMenu")->isVisible());
    QVERIFY(submenu->isEnabled());
    for (QAction* item : submenu->actions()) {
        if (item->text() == caption) {
            item->trigger();
            control<QMenu>(window, "PopupNickMenu")->close();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no nick item ") + caption));
}

void SaveNick(MainWindow& window, QLineEdit* field, const QString& nick) {
    SetSelected(field, nick, 0, static_cast<int>(nick.size()));
    OpenMenu(window, field);
    Choose(window, control<QAction>(window, "N1"));
}

QStringList Texts(const std::vector<std::string>& bytes) {
    QStringList texts;
    for (const std::string& text : bytes) {
        texts << FromCp1251(text);
    }
    return texts;
}

// A single-line edit of a class of its own, which the menu does not know.
class OwnLineEdit final : public QLineEdit {
    Q_OBJECT
};

}  // namespace

class NickMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void menuHasItsItemsInOrder();
    void editCommandsHavePicturesWithoutAnIconTheme();
    void commandsFollowTheSelectionTheClipboardAndTheNicks();
    void selectAllIsOfferedWhileSomethingIsLeftToSelect();
    void savedNicksAreTrimmedUniqueAndSorted();
    void clearRemovesOnlyTheSelection();
    void cutCopyAndPasteGoThroughTheClipboard();
    void insertedNickReplacesTheSelectedPartOfAComboBoxText();
    void deletedNickLeavesBothSubmenus();
    void everyTextFieldOffersTheMenu();
    void controlsOfOtherClassesAreLeftAlone();
    void fontManagerTestFieldOffersTheMenu();
    void nicksSurviveARestart();
    void closingStoresExactlyTheNicks();
    void lineBreaksNeverEnterASingleLineField_data();
    void lineBreaksNeverEnterASingleLineField();
};

void NickMenuTest::menuHasItsItemsInOrder() {
    WindowHarness harness;
    auto& window = harness.open();
    QStringList captions;
    QStringList names;
    for (const QAction* item : control<QMenu>(window, "PopupNickMenu")->actions()) {
        captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
        names << item->objectName();
    }
    QCOMPARE(
        captions,
        QStringList({QStringLiteral("Отменить"), QStringLiteral("-"), QStringLiteral("Вырезать"),
                     QStringLiteral("Копировать"), QStringLiteral("Вставить"),
                     QStringLiteral("Очистить"), QStringLiteral("Выделить всё"),
                     QStringLiteral("-"), QStringLiteral("Сохранить как ник"),
                     QStringLiteral("Вставить ник"), QStringLiteral("Удалить ник")}));
    QCOMPARE(names.mid(0, 9),
             QStringList({"N10", "N12", "N6", "N7", "N8", "N9", "N3", "N5", "N1"}));
    QCOMPARE(control<QMenu>(window, "PopupNickMenu")->actions().at(9),
             control<QMenu>(window, "N2")->menuAction());
    QCOMPARE(control<QMenu>(window, "PopupNickMenu")->actions().at(10),
             control<QMenu>(window, "N4")->menuAction());
    QCOMPARE(control<QAction>(window, "N10")->shortcut(), QKeySequence(QKeySequence::Undo));
}

// Desktops whose icon theme lacks the editing pictures, or that have no theme, still show them.
void NickMenuTest::editCommandsHavePicturesWithoutAnIconTheme() {
    const QString theme = QIcon::themeName();
    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QStringList fallbackPaths = QIcon::fallbackSearchPaths();
    const QTemporaryDir noThemes;
    QIcon::setThemeSearchPaths({noThemes.path()});
    QIcon::setFallbackSearchPaths({});
    QIcon::setThemeName(QString());
    QVERIFY(QIcon::fromTheme(QStringLiteral("edit-cut")).isNull());
    {
        WindowHarness harness;
        auto& window = harness.open();
        const QMenu* menu = control<QMenu>(window, "PopupNickMenu");
        for (const char* name : {"N10", "N6", "N7", "N8", "N1", "N2", "N4"}) {
            const QAction* command = menu->findChild<QAction*>(QString::fromLatin1(name));
            if (command == nullptr) {
                command = control<QMenu>(window, name)->menuAction();
            }
            const QImage picture = command->icon().pixmap(16, 16).toImage();
            bool drawn = false;
            for (int y = 0; y < picture.height() && !drawn; ++y) {
                for (int x = 0; x < picture.width() && !drawn; ++x) {
                    drawn = qAlpha(picture.pixel(x, y)) > 0;
                }
            }
            QVERIFY2(drawn, name);
        }
    }
    QIcon::setThemeSearchPaths(searchPaths);
    QIcon::setFallbackSearchPaths(fallbackPaths);
    QIcon::setThemeName(theme);
}

void NickMenuTest::commandsFollowTheSelectionTheClipboardAndTheNicks() {
    WindowHarness harness;
    auto& window = harness.open();

    // Undo is offered once the field has an edit to take back.
    OpenMenu(window, control<QLineEdit>(window, "KillName"));
    QVERIFY(!control<QAction>(window, "N10")->isEnabled());
    control<QMenu>(window, "PopupNickMenu")->close();
    test::TypeText(control<QLineEdit>(window, "KillName"), QStringLiteral("ab"));
    OpenMenu(window, control<QLineEdit>(window, "KillName"));
    Choose(window, control<QAction>(window, "N10"));
    QCOMPARE(control<QLineEdit>(window, "KillName")->text(), QString());

    // Blanks only: nothing to save as a nick, but something to cut, copy and clear.
    SetSelected(control<QLineEdit>(window, "OtherNameNick"), QStringLiteral("a   b"), 1, 3);
    OpenMenu(window, control<QLineEdit>(window, "OtherNameNick"));
    QVERIFY(!control<QAction>(window, "N1")->isEnabled());
    QVERIFY(control<QAction>(window, "N6")->isEnabled());
    QVERIFY(control<QAction>(window, "N7")->isEnabled());
    QVERIFY(control<QAction>(window, "N9")->isEnabled());
    QVERIFY(!control<QAction>(window, "N8")->isEnabled());
    QVERIFY(!control<QMenu>(window, "N2")->menuAction()->isEnabled());
    QVERIFY(!control<QMenu>(window, "N4")->menuAction()->isEnabled());
    control<QMenu>(window, "PopupNickMenu")->close();

    // No selection: only what needs none.
    harness.platform.clipboard.setText(QStringLiteral("x"));
    window.settings().setNicks({"Bob"});
    SetSelected(control<QLineEdit>(window, "OtherNameNick"), QStringLiteral("ab"), 1, 0);
    OpenMenu(window, control<QLineEdit>(window, "OtherNameNick"));
    QVERIFY(!control<QAction>(window, "N1")->isEnabled());
    QVERIFY(!control<QAction>(window, "N6")->isEnabled());
    QVERIFY(!control<QAction>(window, "N7")->isEnabled());
    QVERIFY(!control<QAction>(window, "N9")->isEnabled());
    QVERIFY(control<QAction>(window, "N8")->isEnabled());
    QVERIFY(control<QMenu>(window, "N2")->menuAction()->isEnabled());
    QVERIFY(control<QMenu>(window, "N4")->menuAction()->isEnabled());
    control<QMenu>(window, "PopupNickMenu")->close();
}

void NickMenuTest::selectAllIsOfferedWhileSomethingIsLeftToSelect() {
    WindowHarness harness;
    auto& window = harness.open();
    struct Case {
        QString text;
        int start;
        int length;
        bool offered;
    };
    for (QWidget* field :
         std::initializer_list<QWidget*>{control<QLineEdit>(window, "OnlyForYouName"),
                                         control<QPlainTextEdit>(window, "MainText"),
                                         control<QComboBox>(window, "ComboBox2")}) {
        for (const Case& item :
             {Case{QString(), 0, 0, false}, Case{QStringLiteral("abc"), 0, 3, false},
              Case{QStringLiteral("abc"), 0, 2, true}, Case{QStringLiteral("abc"), 1, 2, true},
              Case{QStringLiteral("abc"), 3, 0, true}}) {
            SetSelected(field, item.text, item.start, item.length);
            OpenMenu(window, field);
            QVERIFY2(control<QAction>(window, "N3")->isEnabled() == item.offered,
                     qPrintable(field->objectName() + QLatin1Char(' ') + item.text));
            control<QMenu>(window, "PopupNickMenu")->close();
        }
        SetSelected(field, QStringLiteral("abc"), 2, 1);
        OpenMenu(window, field);
        Choose(window, control<QAction>(window, "N3"));
        OpenMenu(window, field);
        QVERIFY(!control<QAction>(window, "N3")->isEnabled());
        control<QMenu>(window, "PopupNickMenu")->close();
    }
}

void NickMenuTest::savedNicksAreTrimmedUniqueAndSorted() {
    WindowHarness harness;
    auto& window = harness.open();
    SaveNick(window, control<QLineEdit>(window, "OtherNameNick"), QStringLiteral("  Bob  "));
    QCOMPARE(Texts(window.settings().nicks()), QStringList({QStringLiteral("Bob")}));
    SaveNick(window, control<QLineEdit>(window, "OtherNameNick"), QStringLiteral("bob"));
    QCOMPARE(Texts(window.settings().nicks()), QStringList({QStringLiteral("Bob")}));

    SaveNick(window, control<QLineEdit>(window, "OtherNameNick"), QStringLiteral("Zed"));
    SaveNick(window, control<QLineEdit>(window, "OtherNameNick"), QStringLiteral("adam"));
    SaveNick(window, control<QLineEdit>(window, "OtherNameNick"), QStringLiteral("R&D"));
    OpenMenu(window, control<QLineEdit>(window, "OtherNameNick"));
    const QStringList shown = {QStringLiteral("adam"), QStringLiteral("Bob"),
                               QStringLiteral("R&&D"), QStringLiteral("Zed")};
    QCOMPARE(Captions(control<QMenu>(window, "N2")), shown);
    QCOMPARE(Captions(control<QMenu>(window, "N4")), shown);
    control<QMenu>(window, "PopupNickMenu")->close();
    QCOMPARE(Texts(window.settings().nicks()),
             QStringList({QStringLiteral("adam"), QStringLiteral("Bob"), QStringLiteral("R&D"),
                          QStringLiteral("Zed")}));

    // The nick goes in as saved, not as its caption shows it.
    SetSelected(control<QLineEdit>(window, "OnlyForYouName"), QString(), 0, 0);
    OpenMenu(window, control<QLineEdit>(window, "OnlyForYouName"));
    ChooseNick(window, control<QMenu>(window, "N2"), QStringLiteral("R&&D"));
    QCOMPARE(control<QLineEdit>(window, "OnlyForYouName")->text(), QStringLiteral("R&D"));
}

void NickMenuTest::clearRemovesOnlyTheSelection() {
    WindowHarness harness;
    auto& window = harness.open();
    for (QWidget* field : std::initializer_list<QWidget*>{
             control<QLineEdit>(window, "KillName"), control<QPlainTextEdit>(window, "MainText"),
             control<QComboBox>(window, "cbKillReason")}) {
        SetSelected(field, QStringLiteral("abcd"), 1, 2);
        OpenMenu(window, field);
        Choose(window, control<QAction>(window, "N9"));
        QCOMPARE(TextOf(field), QStringLiteral("ad"));
    }
    QVERIFY(!harness.platform.clipboard.hasText());
}

void NickMenuTest::cutCopyAndPasteGoThroughTheClipboard() {
    WindowHarness harness;
    auto& window = harness.open();
    auto& clipboard = harness.platform.clipboard;

    SetSelected(control<QPlainTextEdit>(window, "MainText"), QStringLiteral("one\ntwo three"), 2,
                5);
    OpenMenu(window, control<QPlainTextEdit>(window, "MainText"));
    Choose(window, control<QAction>(window, "N7"));
    QCOMPARE(clipboard.text(), QStringLiteral("e\ntwo"));
    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->toPlainText(),
             QStringLiteral("one\ntwo three"));

    SetSelected(control<QLineEdit>(window, "SolitudeNick"), QStringLiteral("Вася Пупкин"), 4, 7);
    OpenMenu(window, control<QLineEdit>(window, "SolitudeNick"));
    Choose(window, control<QAction>(window, "N6"));
    QCOMPARE(clipboard.text(), QStringLiteral(" Пупкин"));
    QCOMPARE(control<QLineEdit>(window, "SolitudeNick")->text(), QStringLiteral("Вася"));

    SetSelected(control<QComboBox>(window, "cbKillAction"), QStringLiteral("[удаляет]"), 1, 7);
    OpenMenu(window, control<QComboBox>(window, "cbKillAction"));
    Choose(window, control<QAction>(window, "N8"));
    QCOMPARE(control<QComboBox>(window, "cbKillAction")->currentText(),
             QStringLiteral("[ Пупкин]"));

    // Without a selection the pasted text goes in at the caret.
    SetSelected(control<QPlainTextEdit>(window, "MainText"), QStringLiteral("ab"), 1, 0);
    OpenMenu(window, control<QPlainTextEdit>(window, "MainText"));
    Choose(window, control<QAction>(window, "N8"));
    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->toPlainText(),
             QStringLiteral("a Пупкинb"));
}

void NickMenuTest::insertedNickReplacesTheSelectedPartOfAComboBoxText() {
    WindowHarness harness;
    auto& window = harness.open();
    window.settings().setNicks({ToCp1251(QStringLiteral("Маша")), "Bob"});
    SetSelected(control<QComboBox>(window, "ComboOnlyForYou"), QStringLiteral("только для вас, "),
                7, 3);
    OpenMenu(window, control<QComboBox>(window, "ComboOnlyForYou"));
    QCOMPARE(Captions(control<QMenu>(window, "N2")),
             QStringList({QStringLiteral("Bob"), QStringLiteral("Маша")}));
    ChooseNick(window, control<QMenu>(window, "N2"), QStringLiteral("Маша"));
    QCOMPARE(control<QComboBox>(window, "ComboOnlyForYou")->currentText(),
             QStringLiteral("только Маша вас, "));
}

void NickMenuTest::deletedNickLeavesBothSubmenus() {
    WindowHarness harness;
    auto& window = harness.open();
    window.settings().setNicks({"adam", "Bob", "Zed"});
    OpenMenu(window, control<QLineEdit>(window, "VictimName"));
    ChooseNick(window, control<QMenu>(window, "N4"), QStringLiteral("Bob"));
    QCOMPARE(Texts(window.settings().nicks()),
             QStringList({QStringLiteral("adam"), QStringLiteral("Zed")}));
    QVERIFY(harness.platform.messages.shown.empty());

    OpenMenu(window, control<QLineEdit>(window, "VictimName"));
    QCOMPARE(Captions(control<QMenu>(window, "N2")),
             QStringList({QStringLiteral("adam"), QStringLiteral("Zed")}));
    QCOMPARE(Captions(control<QMenu>(window, "N4")),
             QStringList({QStringLiteral("adam"), QStringLiteral("Zed")}));
    ChooseNick(window, control<QMenu>(window, "N4"), QStringLiteral("adam"));
    OpenMenu(window, control<QLineEdit>(window, "VictimName"));
    ChooseNick(window, control<QMenu>(window, "N4"), QStringLiteral("Zed"));
    OpenMenu(window, control<QLineEdit>(window, "VictimName"));
    QVERIFY(!control<QMenu>(window, "N2")->menuAction()->isEnabled());
    QVERIFY(!control<QMenu>(window, "N4")->menuAction()->isEnabled());
    control<QMenu>(window, "PopupNickMenu")->close();
}

void NickMenuTest::everyTextFieldOffersTheMenu() {
    WindowHarness harness;
    auto& window = harness.open();
    window.settings().setNicks({"Zed"});
    for (const char* name : kMenuFields) {
        auto* field = window.findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY2(field != nullptr, name);
        QCOMPARE(field->contextMenuPolicy(), Qt::CustomContextMenu);
        SetSelected(field, QStringLiteral("abc"), 1, 1);
        OpenMenu(window, field);
        QVERIFY2(control<QAction>(window, "N1")->isEnabled(), name);
        ChooseNick(window, control<QMenu>(window, "N2"), QStringLiteral("Zed"));
        QCOMPARE(TextOf(field), QStringLiteral("aZedc"));
    }
}

void NickMenuTest::controlsOfOtherClassesAreLeftAlone() {
    WindowHarness harness;
    auto& window = harness.open();
    window.settings().setNicks({"Zed"});
    harness.platform.clipboard.setText(QStringLiteral("pasted"));
    OwnLineEdit derived;
    derived.setText(QStringLiteral("abc"));
    derived.setSelection(0, 2);
    QComboBox& fixedList = *control<QComboBox>(window, "comboboxColorMark");
    for (QWidget* target : std::initializer_list<QWidget*>{&derived, &fixedList}) {
        const QString before = TextOf(target);
        window.openEditMenu(target, QPoint(10, 10));
        QVERIFY(control<QMenu>(window, "PopupNickMenu")->isVisible());
        for (const QAction* command :
             {control<QAction>(window, "N6"), control<QAction>(window, "N7"),
              control<QAction>(window, "N9"), control<QAction>(window, "N3"),
              control<QAction>(window, "N1")}) {
            QVERIFY2(!command->isEnabled(), qPrintable(command->objectName()));
        }
        Choose(window, control<QAction>(window, "N8"));
        window.openEditMenu(target, QPoint(10, 10));
        ChooseNick(window, control<QMenu>(window, "N2"), QStringLiteral("Zed"));
        QCOMPARE(TextOf(target), before);
    }
    QCOMPARE(Texts(window.settings().nicks()), QStringList({QStringLiteral("Zed")}));
}

void NickMenuTest::fontManagerTestFieldOffersTheMenu() {
    WindowHarness harness;
    auto& window = harness.open();
    window.settings().setNicks({"Zed"});
    QString typed;
    harness.platform.dialogs.script = [&](QDialog& dialog) {
        auto* memo = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        if (memo == nullptr) {
            return -1;
        }
        SetSelected(memo, QStringLiteral("abc"), 0, 2);
        RightClick(memo);
        if (window.editMenuTarget() != memo ||
            !control<QMenu>(window, "PopupNickMenu")->isVisible()) {
            return -1;
        }
        ChooseNick(window, control<QMenu>(window, "N2"), QStringLiteral("Zed"));
        typed = memo->toPlainText();
        dialog.close();
        return 0;
    };
    control<QPushButton>(window, "SpeedButton13")->click();
    QCOMPARE(harness.platform.dialogs.runs, 1);
    QCOMPARE(typed, QStringLiteral("Zedc"));
    // The test field is gone with its window; the menu must not act on it any more.
    QVERIFY((window.editMenuTarget() == nullptr));
}

void NickMenuTest::nicksSurviveARestart() {
    WindowHarness harness;
    {
        auto& window = harness.open();
        SaveNick(window, control<QLineEdit>(window, "OtherNameNick"), QStringLiteral("Zed"));
        SaveNick(window, control<QLineEdit>(window, "OtherNameNick"), QStringLiteral(" Петя "));
        QVERIFY(window.close());
    }
    Restart restart(harness.programFolder());
    auto& window = restart.open();
    QCOMPARE(Texts(window.settings().nicks()),
             QStringList({QStringLiteral("Zed"), QStringLiteral("Петя")}));
    OpenMenu(window, control<QLineEdit>(window, "OtherNameNick"));
    QCOMPARE(Captions(control<QMenu>(window, "N2")),
             QStringList({QStringLiteral("Zed"), QStringLiteral("Петя")}));
    control<QMenu>(window, "PopupNickMenu")->close();
}

void NickMenuTest::closingStoresExactlyTheNicks() {
    WindowHarness harness;
    QVERIFY(harness.platform.registry->WriteValue(kMachine, kNicksKey, "old", "data"));
    {
        auto& window = harness.open();
        window.settings().setNicks({});
        SaveNick(window, control<QLineEdit>(window, "OtherNameNick"), QStringLiteral("b"));
        SaveNick(window, control<QLineEdit>(window, "OtherNameNick"), QStringLiteral("a"));
        QVERIFY(window.close());
    }
    Restart restart(harness.programFolder());
    Registry& store = *restart.platform.registry;
    QCOMPARE(store.ValueNames(kMachine, kNicksKey),
             std::optional<std::vector<std::string>>({"a", "b"}));
    QCOMPARE(store.ReadValue(kMachine, kNicksKey, "a"), std::optional<std::string>(""));
    QCOMPARE(store.ReadValue(kMachine, kNicksKey, "b"), std::optional<std::string>(""));
}

void NickMenuTest::lineBreaksNeverEnterASingleLineField_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::newRow("Ctrl+V, LF") << QStringLiteral("keys") << QStringLiteral("line1\nline2");
    QTest::newRow("Ctrl+V, CR LF") << QStringLiteral("keys") << QStringLiteral("line1\r\nline2");
    QTest::newRow("menu paste, CR LF")
        << QStringLiteral("menu") << QStringLiteral("line1\r\nline2");
    QTest::newRow("menu paste, CR") << QStringLiteral("menu") << QStringLiteral("line1\rline2");
    QTest::newRow("nick saved from two lines")
        << QStringLiteral("nick") << QStringLiteral("line1\nline2");
}

// Each line break becomes one space, in the field, in the nick list and in the profile.
void NickMenuTest::lineBreaksNeverEnterASingleLineField() {
    QFETCH(QString, how);
    QFETCH(QString, text);
    WindowHarness harness;
    auto& window = harness.open();
    control<QLineEdit>(window, "OtherNameNick")->clear();
    if (how == QLatin1String("keys")) {
        QApplication::clipboard()->setText(text);
        // X11 gives Ctrl+V the text 0x16.
        QTest::sendKeyEvent(QTest::Click, control<QLineEdit>(window, "OtherNameNick"), Qt::Key_V,
                            QStringLiteral("\x16"), Qt::ControlModifier);
    } else if (how == QLatin1String("menu")) {
        harness.platform.clipboard.setText(text);
        OpenMenu(window, control<QLineEdit>(window, "OtherNameNick"));
        Choose(window, control<QAction>(window, "N8"));
    } else {
        SetSelected(control<QPlainTextEdit>(window, "MainText"), text, 0,
                    static_cast<int>(text.size()));
        OpenMenu(window, control<QPlainTextEdit>(window, "MainText"));
        Choose(window, control<QAction>(window, "N1"));
        QCOMPARE(Texts(window.settings().nicks()), QStringList({QStringLiteral("line1 line2")}));
        OpenMenu(window, control<QLineEdit>(window, "OtherNameNick"));
        ChooseNick(window, control<QMenu>(window, "N2"), QStringLiteral("line1 line2"));
    }
    QCOMPARE(control<QLineEdit>(window, "OtherNameNick")->text(), QStringLiteral("line1 line2"));

    control<QCheckBox>(window, "cbAutoSave")->setChecked(true);
    QVERIFY(window.close());
    const auto stored = test::ReadBytes(harness.programFolder() / "Profiles" / "Default.tfp");
    QVERIFY(stored && stored->find("\r\nOtherName=\"line1 line2\"\r\n") != std::string::npos);
}

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::NickMenuTest)
#include "nick_menu_test.moc"
