#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui/app/text_bridge.h"
#include "gui/menus/font_manager.h"
#include "core/store/settings.h"
#include "ui_test_files.h"
#include "ui_test_support.h"

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
void SetSelected(QWidget* control, const QString& text, int start, int length) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        edit->setSelection(start, length);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEditText(text);
        combo->lineEdit()->setSelection(start, length);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        memo->setPlainText(text);
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    } else {
        QFAIL("not a text field");
    }
}

QString TextOf(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        return combo->currentText();
    }
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(control)) {
        return memo->toPlainText();
    }
    return QStringLiteral("<not a text field>");
}

// Right-clicks a field where the user would: a combo box's text, a memo's page. Gives the
// point clicked, on the screen.
QPoint RightClick(QWidget* control) {
    QWidget* receiver = control;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        receiver = combo->lineEdit();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        receiver = memo->viewport();
    }
    const QPoint inside(3, 3);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, receiver->mapToGlobal(inside));
    QApplication::sendEvent(receiver, &event);
    return receiver->mapToGlobal(inside);
}

void OpenMenu(TForm1& window, QWidget* control) {
    const QPoint clicked = RightClick(control);
    QVERIFY2(window.PopupNickMenu->isVisible(), qPrintable(control->objectName()));
    QCOMPARE(window.PopupTarget.data(), control);
    QCOMPARE(window.PopupNickMenu->pos(), clicked);
}

// Clicks a command of the open menu, as the user would.
void Choose(TForm1& window, QAction* command) {
    QVERIFY(window.PopupNickMenu->isVisible());
    QVERIFY(command->isEnabled());
    QTest::mouseClick(window.PopupNickMenu, Qt::LeftButton, {},
                      window.PopupNickMenu->actionGeometry(command).center());
    QVERIFY(!window.PopupNickMenu->isVisible());
}

QStringList Captions(const QMenu* submenu) {
    QStringList captions;
    for (const QAction* item : submenu->actions()) {
        captions << item->text();
    }
    return captions;
}

// Picks the item of a nick submenu of the open menu.
void ChooseNick(TForm1& window, QMenu* submenu, const QString& caption) {
    QVERIFY(window.PopupNickMenu->isVisible());
    QVERIFY(submenu->isEnabled());
    for (QAction* item : submenu->actions()) {
        if (item->text() == caption) {
            item->trigger();
            window.PopupNickMenu->close();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no nick item ") + caption));
}

void SaveNick(TForm1& window, QLineEdit* field, const QString& nick) {
    SetSelected(field, nick, 0, static_cast<int>(nick.size()));
    OpenMenu(window, field);
    Choose(window, window.N1);
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
    for (const QAction* item : window.PopupNickMenu->actions()) {
        captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
        names << item->objectName();
    }
    QCOMPARE(captions,
             QStringList({QStringLiteral("Вырезать"), QStringLiteral("Копировать"),
                          QStringLiteral("Вставить"), QStringLiteral("Очистить"),
                          QStringLiteral("Выделить всё"), QStringLiteral("-"),
                          QStringLiteral("Сохранить как ник"), QStringLiteral("Вставить ник"),
                          QStringLiteral("Удалить ник")}));
    QCOMPARE(names.mid(0, 7), QStringList({"N6", "N7", "N8", "N9", "N3", "N5", "N1"}));
    QCOMPARE(window.PopupNickMenu->actions().at(7), window.N2->menuAction());
    QCOMPARE(window.PopupNickMenu->actions().at(8), window.N4->menuAction());
}

void NickMenuTest::commandsFollowTheSelectionTheClipboardAndTheNicks() {
    WindowHarness harness;
    auto& window = harness.open();

    // Blanks only: nothing to save as a nick, but something to cut, copy and clear.
    SetSelected(window.OtherNameNick, QStringLiteral("a   b"), 1, 3);
    OpenMenu(window, window.OtherNameNick);
    QVERIFY(!window.N1->isEnabled());
    QVERIFY(window.N6->isEnabled());
    QVERIFY(window.N7->isEnabled());
    QVERIFY(window.N9->isEnabled());
    QVERIFY(!window.N8->isEnabled());
    QVERIFY(!window.N2->menuAction()->isEnabled());
    QVERIFY(!window.N4->menuAction()->isEnabled());
    window.PopupNickMenu->close();

    // No selection: only what needs none.
    harness.platform.clipboard.setText(QStringLiteral("x"));
    window.NickList = {"Bob"};
    SetSelected(window.OtherNameNick, QStringLiteral("ab"), 1, 0);
    OpenMenu(window, window.OtherNameNick);
    QVERIFY(!window.N1->isEnabled());
    QVERIFY(!window.N6->isEnabled());
    QVERIFY(!window.N7->isEnabled());
    QVERIFY(!window.N9->isEnabled());
    QVERIFY(window.N8->isEnabled());
    QVERIFY(window.N2->menuAction()->isEnabled());
    QVERIFY(window.N4->menuAction()->isEnabled());
    window.PopupNickMenu->close();
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
    for (QWidget* field : std::initializer_list<QWidget*>{window.OnlyForYouName, window.MainText,
                                                          window.ComboBox2}) {
        for (const Case& item :
             {Case{QString(), 0, 0, false}, Case{QStringLiteral("abc"), 0, 3, false},
              Case{QStringLiteral("abc"), 0, 2, true}, Case{QStringLiteral("abc"), 1, 2, true},
              Case{QStringLiteral("abc"), 3, 0, true}}) {
            SetSelected(field, item.text, item.start, item.length);
            OpenMenu(window, field);
            QVERIFY2(window.N3->isEnabled() == item.offered,
                     qPrintable(field->objectName() + QLatin1Char(' ') + item.text));
            window.PopupNickMenu->close();
        }
        SetSelected(field, QStringLiteral("abc"), 2, 1);
        OpenMenu(window, field);
        Choose(window, window.N3);
        OpenMenu(window, field);
        QVERIFY(!window.N3->isEnabled());
        window.PopupNickMenu->close();
    }
}

void NickMenuTest::savedNicksAreTrimmedUniqueAndSorted() {
    WindowHarness harness;
    auto& window = harness.open();
    SaveNick(window, window.OtherNameNick, QStringLiteral("  Bob  "));
    QCOMPARE(Texts(window.NickList), QStringList({QStringLiteral("Bob")}));
    SaveNick(window, window.OtherNameNick, QStringLiteral("bob"));
    QCOMPARE(Texts(window.NickList), QStringList({QStringLiteral("Bob")}));

    SaveNick(window, window.OtherNameNick, QStringLiteral("Zed"));
    SaveNick(window, window.OtherNameNick, QStringLiteral("adam"));
    SaveNick(window, window.OtherNameNick, QStringLiteral("R&D"));
    OpenMenu(window, window.OtherNameNick);
    const QStringList shown = {QStringLiteral("adam"), QStringLiteral("Bob"),
                               QStringLiteral("R&&D"), QStringLiteral("Zed")};
    QCOMPARE(Captions(window.N2), shown);
    QCOMPARE(Captions(window.N4), shown);
    window.PopupNickMenu->close();
    QCOMPARE(Texts(window.NickList), QStringList({QStringLiteral("adam"), QStringLiteral("Bob"),
                                                  QStringLiteral("R&D"), QStringLiteral("Zed")}));

    // The nick goes in as saved, not as its caption shows it.
    SetSelected(window.OnlyForYouName, QString(), 0, 0);
    OpenMenu(window, window.OnlyForYouName);
    ChooseNick(window, window.N2, QStringLiteral("R&&D"));
    QCOMPARE(window.OnlyForYouName->text(), QStringLiteral("R&D"));
}

void NickMenuTest::clearRemovesOnlyTheSelection() {
    WindowHarness harness;
    auto& window = harness.open();
    for (QWidget* field :
         std::initializer_list<QWidget*>{window.KillName, window.MainText, window.cbKillReason}) {
        SetSelected(field, QStringLiteral("abcd"), 1, 2);
        OpenMenu(window, field);
        Choose(window, window.N9);
        QCOMPARE(TextOf(field), QStringLiteral("ad"));
    }
    QVERIFY(!harness.platform.clipboard.hasText());
}

void NickMenuTest::cutCopyAndPasteGoThroughTheClipboard() {
    WindowHarness harness;
    auto& window = harness.open();
    auto& clipboard = harness.platform.clipboard;

    SetSelected(window.MainText, QStringLiteral("one\ntwo three"), 2, 5);
    OpenMenu(window, window.MainText);
    Choose(window, window.N7);
    QCOMPARE(clipboard.text(), QStringLiteral("e\ntwo"));
    QCOMPARE(window.MainText->toPlainText(), QStringLiteral("one\ntwo three"));

    SetSelected(window.SolitudeNick, QStringLiteral("Вася Пупкин"), 4, 7);
    OpenMenu(window, window.SolitudeNick);
    Choose(window, window.N6);
    QCOMPARE(clipboard.text(), QStringLiteral(" Пупкин"));
    QCOMPARE(window.SolitudeNick->text(), QStringLiteral("Вася"));

    SetSelected(window.cbKillAction, QStringLiteral("[удаляет]"), 1, 7);
    OpenMenu(window, window.cbKillAction);
    Choose(window, window.N8);
    QCOMPARE(window.cbKillAction->currentText(), QStringLiteral("[ Пупкин]"));

    // Without a selection the pasted text goes in at the caret.
    SetSelected(window.MainText, QStringLiteral("ab"), 1, 0);
    OpenMenu(window, window.MainText);
    Choose(window, window.N8);
    QCOMPARE(window.MainText->toPlainText(), QStringLiteral("a Пупкинb"));
}

void NickMenuTest::insertedNickReplacesTheSelectedPartOfAComboBoxText() {
    WindowHarness harness;
    auto& window = harness.open();
    window.NickList = {ToCp1251(QStringLiteral("Маша")), "Bob"};
    SetSelected(window.ComboOnlyForYou, QStringLiteral("только для вас, "), 7, 3);
    OpenMenu(window, window.ComboOnlyForYou);
    QCOMPARE(Captions(window.N2), QStringList({QStringLiteral("Bob"), QStringLiteral("Маша")}));
    ChooseNick(window, window.N2, QStringLiteral("Маша"));
    QCOMPARE(window.ComboOnlyForYou->currentText(), QStringLiteral("только Маша вас, "));
}

void NickMenuTest::deletedNickLeavesBothSubmenus() {
    WindowHarness harness;
    auto& window = harness.open();
    window.NickList = {"adam", "Bob", "Zed"};
    OpenMenu(window, window.VictimName);
    ChooseNick(window, window.N4, QStringLiteral("Bob"));
    QCOMPARE(Texts(window.NickList), QStringList({QStringLiteral("adam"), QStringLiteral("Zed")}));
    QVERIFY(harness.platform.messages.shown.empty());

    OpenMenu(window, window.VictimName);
    QCOMPARE(Captions(window.N2), QStringList({QStringLiteral("adam"), QStringLiteral("Zed")}));
    QCOMPARE(Captions(window.N4), QStringList({QStringLiteral("adam"), QStringLiteral("Zed")}));
    ChooseNick(window, window.N4, QStringLiteral("adam"));
    OpenMenu(window, window.VictimName);
    ChooseNick(window, window.N4, QStringLiteral("Zed"));
    OpenMenu(window, window.VictimName);
    QVERIFY(!window.N2->menuAction()->isEnabled());
    QVERIFY(!window.N4->menuAction()->isEnabled());
    window.PopupNickMenu->close();
}

void NickMenuTest::everyTextFieldOffersTheMenu() {
    WindowHarness harness;
    auto& window = harness.open();
    window.NickList = {"Zed"};
    for (const char* name : kMenuFields) {
        auto* field = window.findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY2(field != nullptr, name);
        QCOMPARE(field->contextMenuPolicy(), Qt::CustomContextMenu);
        SetSelected(field, QStringLiteral("abc"), 1, 1);
        OpenMenu(window, field);
        QVERIFY2(window.N1->isEnabled(), name);
        ChooseNick(window, window.N2, QStringLiteral("Zed"));
        QCOMPARE(TextOf(field), QStringLiteral("aZedc"));
    }
}

void NickMenuTest::controlsOfOtherClassesAreLeftAlone() {
    WindowHarness harness;
    auto& window = harness.open();
    window.NickList = {"Zed"};
    harness.platform.clipboard.setText(QStringLiteral("pasted"));
    OwnLineEdit derived;
    derived.setText(QStringLiteral("abc"));
    derived.setSelection(0, 2);
    QComboBox& fixedList = *window.comboboxColorMark;
    for (QWidget* control : std::initializer_list<QWidget*>{&derived, &fixedList}) {
        const QString before = TextOf(control);
        window.OtherNameNickContextPopup(control, QPoint(10, 10));
        QVERIFY(window.PopupNickMenu->isVisible());
        for (const QAction* command : {window.N6, window.N7, window.N9, window.N3, window.N1}) {
            QVERIFY2(!command->isEnabled(), qPrintable(command->objectName()));
        }
        Choose(window, window.N8);
        window.OtherNameNickContextPopup(control, QPoint(10, 10));
        ChooseNick(window, window.N2, QStringLiteral("Zed"));
        QCOMPARE(TextOf(control), before);
    }
    QCOMPARE(Texts(window.NickList), QStringList({QStringLiteral("Zed")}));
}

void NickMenuTest::fontManagerTestFieldOffersTheMenu() {
    WindowHarness harness;
    auto& window = harness.open();
    window.NickList = {"Zed"};
    QString typed;
    harness.platform.dialogs.script = [&](QDialog& dialog) {
        auto* memo = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        if (memo == nullptr) {
            return -1;
        }
        SetSelected(memo, QStringLiteral("abc"), 0, 2);
        RightClick(memo);
        if (window.PopupTarget != memo || !window.PopupNickMenu->isVisible()) {
            return -1;
        }
        ChooseNick(window, window.N2, QStringLiteral("Zed"));
        typed = memo->toPlainText();
        dialog.close();
        return 0;
    };
    window.SpeedButton13->click();
    QCOMPARE(harness.platform.dialogs.runs, 1);
    QCOMPARE(typed, QStringLiteral("Zedc"));
    // The test field is gone with its window; the menu must not act on it any more.
    QVERIFY(window.PopupTarget.isNull());
}

void NickMenuTest::nicksSurviveARestart() {
    WindowHarness harness;
    {
        auto& window = harness.open();
        SaveNick(window, window.OtherNameNick, QStringLiteral("Zed"));
        SaveNick(window, window.OtherNameNick, QStringLiteral(" Петя "));
        QVERIFY(window.close());
    }
    Restart restart(harness.programFolder());
    auto& window = restart.open();
    QCOMPARE(Texts(window.NickList), QStringList({QStringLiteral("Zed"), QStringLiteral("Петя")}));
    OpenMenu(window, window.OtherNameNick);
    QCOMPARE(Captions(window.N2), QStringList({QStringLiteral("Zed"), QStringLiteral("Петя")}));
    window.PopupNickMenu->close();
}

void NickMenuTest::closingStoresExactlyTheNicks() {
    WindowHarness harness;
    QVERIFY(harness.platform.registry->WriteValue(kMachine, kNicksKey, "old", "data"));
    {
        auto& window = harness.open();
        window.NickList.clear();
        SaveNick(window, window.OtherNameNick, QStringLiteral("b"));
        SaveNick(window, window.OtherNameNick, QStringLiteral("a"));
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
    window.OtherNameNick->clear();
    if (how == QLatin1String("keys")) {
        QApplication::clipboard()->setText(text);
        // X11 gives Ctrl+V the text 0x16.
        QTest::sendKeyEvent(QTest::Click, window.OtherNameNick, Qt::Key_V, QStringLiteral("\x16"),
                            Qt::ControlModifier);
    } else if (how == QLatin1String("menu")) {
        harness.platform.clipboard.setText(text);
        OpenMenu(window, window.OtherNameNick);
        Choose(window, window.N8);
    } else {
        SetSelected(window.MainText, text, 0, static_cast<int>(text.size()));
        OpenMenu(window, window.MainText);
        Choose(window, window.N1);
        QCOMPARE(Texts(window.NickList), QStringList({QStringLiteral("line1 line2")}));
        OpenMenu(window, window.OtherNameNick);
        ChooseNick(window, window.N2, QStringLiteral("line1 line2"));
    }
    QCOMPARE(window.OtherNameNick->text(), QStringLiteral("line1 line2"));

    window.cbAutoSave->setChecked(true);
    QVERIFY(window.close());
    const auto stored = test::ReadBytes(harness.programFolder() / "Profiles" / "Default.tfp");
    QVERIFY(stored && stored->find("\r\nOtherName=\"line1 line2\"\r\n") != std::string::npos);
}

}  // namespace tagforge

QTEST_MAIN(tagforge::NickMenuTest)
#include "nick_menu_test.moc"
