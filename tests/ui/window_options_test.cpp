#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <memory>

#include "core/store/registry_file.h"
#include "core/store/settings.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

namespace fs = std::filesystem;

using test::FakePlatform;
using test::FakeTrayIcon;
using test::Restart;
using test::WindowHarness;

const QString kHide = QStringLiteral("Спрятать");
const QString kShow = QStringLiteral("Показать");
constexpr int kByClick = 0;
constexpr int kByDoubleClick = 1;

// Shows the window on the settings page and makes it the active one, so focus and tool tips
// behave as for a user.
void ShowOnSettingsPage(MainWindow& window) {
    control<QTabWidget>(window, "PageControl1")
        ->setCurrentWidget(control<QWidget>(window, "SettingsPage"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// What a focus move away from the field delivers to it.
void Leave(QLineEdit* field) {
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &focusOut);
}

// A field with its arrows: the threshold (four digits) or the smileys per group (three).
struct NumberPair {
    QLineEdit* field;
    QSpinBox* upDown;
    int digits;
};

NumberPair PairNamed(MainWindow& window, const QString& name) {
    if (name == QLatin1String("Edit1")) {
        return {control<QLineEdit>(window, "Edit1"), control<QSpinBox>(window, "UpDown2"), 4};
    }
    return {control<QLineEdit>(window, "eNumOfSmiles"), control<QSpinBox>(window, "UpDown1"), 3};
}

void AddFieldRows() {
    QTest::addColumn<QString>("name");
    QTest::newRow("threshold") << QStringLiteral("Edit1");
    QTest::newRow("smileys per group") << QStringLiteral("eNumOfSmiles");
}

// Minimises as the title bar button does; the tray hides the window right after.
void Minimize(MainWindow& window) {
    window.setWindowState(window.windowState() | Qt::WindowMinimized);
    QVERIFY(window.isMinimized());
}

// Asks `widget` for its tool tip as hovering does. Hiding a tip takes a moment, so the previous
// one is gone before asking; otherwise its label would still be showing.
bool ShowsToolTip(QWidget* widget) {
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); })) {
        qWarning("a tool tip stays on the screen");
        return false;
    }
    const QPoint inside(2, 2);
    QHelpEvent help(QEvent::ToolTip, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &help);
    return QToolTip::isVisible() && QToolTip::text() == widget->toolTip();
}

}  // namespace

class WindowOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void numberFieldsTakeDigitsOnly_data();
    void numberFieldsTakeDigitsOnly();
    void editingKeysWithControlTextStillEdit_data();
    void editingKeysWithControlTextStillEdit();
    void numberFieldsSelectAllForRetyping_data();
    void numberFieldsSelectAllForRetyping();
    void leavingAFieldTidiesItsNumber_data();
    void leavingAFieldTidiesItsNumber();
    void leavingByARealFocusMoveTidiesTheNumber();
    void pastedTextIsRefusedOnLeaving_data();
    void pastedTextIsRefusedOnLeaving();
    void trayIconFollowsTheOptionWithItsHintAndMenu();
    void minimisingToTheTrayHidesUntilTheChosenGesture_data();
    void minimisingToTheTrayHidesUntilTheChosenGesture();
    void minimisingWithTheOptionOffLeavesAMinimisedWindow();
    void hideMenuItemTogglesTheWindow();
    void closeMenuItemRunsTheClosingSave();
    void withoutATrayMinimisingIsOrdinaryAndTheOptionIsKept();
    void hintsFollowTheCheckBoxAtOnce();
    void storedHintsOffHoldFromTheStart();
    void fontButtonStartsFromTheInputFont();
};

void WindowOptionsTest::numberFieldsTakeDigitsOnly_data() {
    AddFieldRows();
}

void WindowOptionsTest::numberFieldsTakeDigitsOnly() {
    QFETCH(QString, name);
    WindowHarness harness;
    auto& window = harness.open();
    ShowOnSettingsPage(window);
    const NumberPair pair = PairNamed(window, name);
    pair.field->setFocus();
    pair.field->clear();

    QTest::keyClick(pair.field, Qt::Key_1);
    QTest::keyClick(pair.field, Qt::Key_2);
    QTest::keyClick(pair.field, Qt::Key_A);
    QTest::keyClick(pair.field, Qt::Key_Period);
    test::TypeText(pair.field, QStringLiteral("ж-"));
    QTest::keyClick(pair.field, Qt::Key_5);
    QCOMPARE(pair.field->text(), QStringLiteral("125"));
    // The arrows follow what is typed at once.
    QCOMPARE(pair.upDown->value(), 125);

    QTest::keyClick(pair.field, Qt::Key_Backspace);
    QCOMPARE(pair.field->text(), QStringLiteral("12"));
    QCOMPARE(pair.upDown->value(), 12);

    pair.field->clear();
    QTest::keyClicks(pair.field, QStringLiteral("987654"));
    QCOMPARE(pair.field->text(), QStringLiteral("987654").left(pair.digits));
    QCOMPARE(pair.field->text().size(), pair.digits);
    QCOMPARE(pair.upDown->value(), pair.field->text().toInt());
    QVERIFY(harness.platform.messages.shown.empty());
}

void WindowOptionsTest::editingKeysWithControlTextStillEdit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    // The keys as X11 delivers them, control characters as their text.
    for (const QString& name : {QStringLiteral("Edit1"), QStringLiteral("eNumOfSmiles")}) {
        QTest::addRow("%s, Delete", qPrintable(name))
            << name << int(Qt::Key_Delete) << QStringLiteral("\x7f") << QStringLiteral("13");
        QTest::addRow("%s, Backspace", qPrintable(name))
            << name << int(Qt::Key_Backspace) << QStringLiteral("\b") << QStringLiteral("23");
    }
}

void WindowOptionsTest::editingKeysWithControlTextStillEdit() {
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    WindowHarness harness;
    auto& window = harness.open();
    const NumberPair pair = PairNamed(window, name);
    pair.field->setText(QStringLiteral("123"));
    pair.field->setCursorPosition(1);
    QTest::sendKeyEvent(QTest::Click, pair.field, Qt::Key(key), text, Qt::NoModifier);
    QCOMPARE(pair.field->text(), expected);
}

// Enum values of the ways into a number field below.
enum class Entry { ClickThenSelectAll, TabFromBefore, BacktabFromAfter };

// The widget Tab (forward) or Shift+Tab (backward) leaves for `field`.
QWidget* TabNeighbour(QWidget* field, bool before) {
    QWidget* widget = field;
    do {
        widget = before ? widget->previousInFocusChain() : widget->nextInFocusChain();
    } while (widget != field && !(widget->isVisible() && widget->isEnabled() &&
                                  (widget->focusPolicy() & Qt::TabFocus)));
    return widget;
}

void WindowOptionsTest::numberFieldsSelectAllForRetyping_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("selectAllText");  // what Ctrl+A carries as its text
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    const QString x11 = QStringLiteral("\x01");
    for (const QString& name : {QStringLiteral("Edit1"), QStringLiteral("eNumOfSmiles")}) {
        const QByteArray field = name.toLatin1();
        QTest::addRow("%s, Ctrl+A as X11 sends it", field.constData())
            << name << int(Entry::ClickThenSelectAll) << x11 << QStringLiteral("12")
            << QStringLiteral("12");
        QTest::addRow("%s, Ctrl+A with the plain letter", field.constData())
            << name << int(Entry::ClickThenSelectAll) << QStringLiteral("a")
            << QStringLiteral("120") << QStringLiteral("120");
        // The shortcut selects; letters are still refused and leave the selection alone.
        QTest::addRow("%s, Ctrl+A, then letters and digits", field.constData())
            << name << int(Entry::ClickThenSelectAll) << x11 << QStringLiteral("ab7")
            << QStringLiteral("7");
        QTest::addRow("%s, Tab", field.constData())
            << name << int(Entry::TabFromBefore) << QString() << QStringLiteral("12")
            << QStringLiteral("12");
        QTest::addRow("%s, Shift+Tab", field.constData())
            << name << int(Entry::BacktabFromAfter) << QString() << QStringLiteral("12")
            << QStringLiteral("12");
    }
}

// "1200" typed over "900" gave "9001": the field must be selected whole first.
void WindowOptionsTest::numberFieldsSelectAllForRetyping() {
    QFETCH(QString, name);
    QFETCH(int, entry);
    QFETCH(QString, selectAllText);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    WindowHarness harness;
    auto& window = harness.open();
    ShowOnSettingsPage(window);
    const NumberPair pair = PairNamed(window, name);
    pair.field->setText(QString(pair.digits - 1, QLatin1Char('9')));
    switch (Entry(entry)) {
        case Entry::ClickThenSelectAll:
            QTest::mouseClick(pair.field, Qt::LeftButton);
            QTRY_VERIFY(pair.field->hasFocus());
            QVERIFY(!pair.field->hasSelectedText());
            QTest::sendKeyEvent(QTest::Click, pair.field, Qt::Key_A, selectAllText,
                                Qt::ControlModifier);
            break;
        case Entry::TabFromBefore:
        case Entry::BacktabFromAfter: {
            const bool forward = Entry(entry) == Entry::TabFromBefore;
            QWidget* neighbour = TabNeighbour(pair.field, forward);
            neighbour->setFocus(Qt::MouseFocusReason);
            QTRY_VERIFY(neighbour->hasFocus());
            QTest::keyClick(neighbour, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                            forward ? Qt::NoModifier : Qt::ShiftModifier);
            QTRY_VERIFY(pair.field->hasFocus());
            break;
        }
    }
    QCOMPARE(pair.field->selectedText(), pair.field->text());
    QTest::keyClicks(pair.field, typed);
    QCOMPARE(pair.field->text(), expected);
    QCOMPARE(pair.upDown->value(), expected.toInt());
    QVERIFY(harness.platform.messages.shown.empty());
}

void WindowOptionsTest::leavingAFieldTidiesItsNumber_data() {
    AddFieldRows();
}

void WindowOptionsTest::leavingAFieldTidiesItsNumber() {
    QFETCH(QString, name);
    WindowHarness harness;
    auto& window = harness.open();
    const NumberPair pair = PairNamed(window, name);

    pair.field->clear();
    Leave(pair.field);
    QCOMPARE(pair.field->text(), QStringLiteral("0"));
    QCOMPARE(pair.upDown->value(), 0);

    pair.field->clear();
    QTest::keyClicks(pair.field, QStringLiteral("090"));
    Leave(pair.field);
    QCOMPARE(pair.field->text(), QStringLiteral("90"));
    QCOMPARE(pair.upDown->value(), 90);
    QVERIFY(harness.platform.messages.shown.empty());
}

void WindowOptionsTest::leavingByARealFocusMoveTidiesTheNumber() {
    WindowHarness harness;
    auto& window = harness.open();
    ShowOnSettingsPage(window);
    control<QLineEdit>(window, "Edit1")->setFocus();
    QTRY_VERIFY(control<QLineEdit>(window, "Edit1")->hasFocus());
    control<QLineEdit>(window, "Edit1")->clear();
    QTest::keyClicks(control<QLineEdit>(window, "Edit1"), QStringLiteral("0900"));
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), QStringLiteral("0900"));

    control<QLineEdit>(window, "eNumOfSmiles")->setFocus();
    QTRY_VERIFY(control<QLineEdit>(window, "eNumOfSmiles")->hasFocus());
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), QStringLiteral("900"));
    QCOMPARE(control<QSpinBox>(window, "UpDown2")->value(), 900);

    control<QLineEdit>(window, "eNumOfSmiles")->clear();
    control<QLineEdit>(window, "Edit1")->setFocus();
    QTRY_VERIFY(control<QLineEdit>(window, "Edit1")->hasFocus());
    QCOMPARE(control<QLineEdit>(window, "eNumOfSmiles")->text(), QStringLiteral("0"));
    QCOMPARE(control<QSpinBox>(window, "UpDown1")->value(), 0);
}

void WindowOptionsTest::pastedTextIsRefusedOnLeaving_data() {
    AddFieldRows();
}

void WindowOptionsTest::pastedTextIsRefusedOnLeaving() {
    QFETCH(QString, name);
    WindowHarness harness;
    auto& window = harness.open();
    const NumberPair pair = PairNamed(window, name);
    pair.field->clear();
    QTest::keyClicks(pair.field, QStringLiteral("34"));
    QCOMPARE(pair.upDown->value(), 34);

    // Pasting goes around the key filter, as the edit menu's Paste does.
    pair.field->selectAll();
    pair.field->insert(QStringLiteral("12x"));
    QCOMPARE(pair.field->text(), QStringLiteral("12x"));
    Leave(pair.field);

    const auto& shown = harness.platform.messages.shown;
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown[0].kind, QStringLiteral("error"));
    QVERIFY2(shown[0].text.contains(QStringLiteral("'12x'")), qPrintable(shown[0].text));
    // The text stays for mending and the arrows keep the last number.
    QCOMPARE(pair.field->text(), QStringLiteral("12x"));
    QCOMPARE(pair.upDown->value(), 34);
}

void WindowOptionsTest::trayIconFollowsTheOptionWithItsHintAndMenu() {
    WindowHarness harness;
    const FakeTrayIcon& tray = harness.platform.tray;
    auto& window = harness.open();
    QCOMPARE(tray.hint, QStringLiteral("Orbel TagForge"));
    QCOMPARE(tray.menu, control<QMenu>(window, "PopupMenu1"));
    const QList<QAction*> actions = control<QMenu>(window, "PopupMenu1")->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0], control<QAction>(window, "N11"));
    QCOMPARE(actions[1], control<QAction>(window, "N21"));
    QCOMPARE(control<QAction>(window, "N11")->objectName(), QStringLiteral("N11"));
    QCOMPARE(control<QAction>(window, "N21")->objectName(), QStringLiteral("N21"));
    QCOMPARE(control<QAction>(window, "N11")->text(), kHide);
    QCOMPARE(control<QAction>(window, "N21")->text(), QStringLiteral("Закрыть"));

    // The option is on by default, so the icon is there from the start.
    QVERIFY(control<QCheckBox>(window, "cbToTray")->isChecked());
    QVERIFY(tray.isVisible());
    control<QCheckBox>(window, "cbToTray")->setChecked(false);
    QVERIFY(!tray.isVisible());
    control<QCheckBox>(window, "cbToTray")->setChecked(true);
    QVERIFY(tray.isVisible());
}

void WindowOptionsTest::minimisingToTheTrayHidesUntilTheChosenGesture_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("ignored");
    QTest::addColumn<int>("restoring");
    QTest::newRow("double click") << kByDoubleClick << static_cast<int>(TrayGesture::LeftClick)
                                  << static_cast<int>(TrayGesture::DoubleClick);
    QTest::newRow("click") << kByClick << static_cast<int>(TrayGesture::MiddleClick)
                           << static_cast<int>(TrayGesture::LeftClick);
}

void WindowOptionsTest::minimisingToTheTrayHidesUntilTheChosenGesture() {
    QFETCH(int, method);
    QFETCH(int, ignored);
    QFETCH(int, restoring);
    WindowHarness harness;
    const FakeTrayIcon& tray = harness.platform.tray;
    auto& window = harness.open();
    control<QComboBox>(window, "ComboHowToRestore")->setCurrentIndex(method);
    ShowOnSettingsPage(window);

    Minimize(window);
    QTRY_VERIFY(window.isHidden());
    QCOMPARE(control<QAction>(window, "N11")->text(), kShow);
    QVERIFY(tray.isVisible());

    tray.click(static_cast<TrayGesture>(ignored));
    QTest::qWait(20);
    QVERIFY(window.isHidden());
    // The right button only opens the menu.
    tray.click(TrayGesture::Context);
    QTest::qWait(20);
    QVERIFY(window.isHidden());
    QCOMPARE(control<QAction>(window, "N11")->text(), kShow);

    tray.click(static_cast<TrayGesture>(restoring));
    QVERIFY(window.isVisible());
    QTRY_VERIFY(!window.isMinimized());
    QCOMPARE(control<QAction>(window, "N11")->text(), kHide);

    // A restoring gesture while the window is up changes nothing.
    tray.click(static_cast<TrayGesture>(restoring));
    QVERIFY(window.isVisible());
    QCOMPARE(control<QAction>(window, "N11")->text(), kHide);
}

void WindowOptionsTest::minimisingWithTheOptionOffLeavesAMinimisedWindow() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QCheckBox>(window, "cbToTray")->setChecked(false);
    ShowOnSettingsPage(window);
    Minimize(window);
    QTest::qWait(50);
    QVERIFY(window.isVisible());
    QVERIFY(window.isMinimized());
    QCOMPARE(control<QAction>(window, "N11")->text(), kHide);
    QVERIFY(!harness.platform.tray.isVisible());
}

void WindowOptionsTest::hideMenuItemTogglesTheWindow() {
    WindowHarness harness;
    auto& window = harness.open();
    ShowOnSettingsPage(window);
    control<QAction>(window, "N11")->trigger();
    QVERIFY(window.isHidden());
    QCOMPARE(control<QAction>(window, "N11")->text(), kShow);
    control<QAction>(window, "N11")->trigger();
    QVERIFY(window.isVisible());
    QCOMPARE(control<QAction>(window, "N11")->text(), kHide);
}

void WindowOptionsTest::closeMenuItemRunsTheClosingSave() {
    WindowHarness harness;
    const fs::path profile = harness.programFolder() / "Profiles" / "Default.tfp";
    auto& window = harness.open();
    ShowOnSettingsPage(window);
    QVERIFY(control<QCheckBox>(window, "cbAutoSave")->isChecked());
    control<QSpinBox>(window, "UpDown2")->setValue(555);
    QVERIFY(!fs::exists(profile));

    control<QAction>(window, "N21")->trigger();
    QVERIFY(!window.isVisible());
    QVERIFY(fs::exists(profile));
    const RegistryFile store(harness.programFolder() / "TagForge.registry");
    QCOMPARE(QString::fromStdString(store.ReadValue(kSettingsKey, "ResultLimit").value_or("")),
             QStringLiteral("555"));
}

void WindowOptionsTest::withoutATrayMinimisingIsOrdinaryAndTheOptionIsKept() {
    WindowHarness harness;
    harness.platform.tray.availableTray = false;
    const fs::path folder = harness.programFolder();
    {
        auto& window = harness.open();
        QVERIFY(control<QCheckBox>(window, "cbToTray")->isChecked());
        QVERIFY(!window.tray().minimizesToTray());
        QVERIFY(!harness.platform.tray.isVisible());
        ShowOnSettingsPage(window);
        Minimize(window);
        QTest::qWait(50);
        QVERIFY(window.isVisible());
        QVERIFY(window.isMinimized());
        QCOMPARE(control<QAction>(window, "N11")->text(), kHide);

        control<QCheckBox>(window, "cbToTray")->setChecked(false);
        QVERIFY(window.close());
    }
    {
        Restart restart(folder);
        restart.platform.tray.availableTray = false;
        auto& window = restart.open();
        QVERIFY(!control<QCheckBox>(window, "cbToTray")->isChecked());
        control<QCheckBox>(window, "cbToTray")->setChecked(true);
        QVERIFY(window.close());
    }
    Restart restart(folder);
    restart.platform.tray.availableTray = false;
    auto& window = restart.open();
    QVERIFY(control<QCheckBox>(window, "cbToTray")->isChecked());
    QVERIFY(!restart.platform.tray.isVisible());
    QVERIFY(restart.platform.messages.shown.empty());
}

void WindowOptionsTest::hintsFollowTheCheckBoxAtOnce() {
    WindowHarness harness;
    auto& window = harness.open();
    ShowOnSettingsPage(window);
    QVERIFY(!control<QPushButton>(window, "SpeedButton3")->toolTip().isEmpty());
    QVERIFY(!control<QPushButton>(window, "SpeedButton9")->toolTip().isEmpty());
    // A widget of another window, whose tips the option must leave alone.
    QPushButton other(QStringLiteral("other"));
    other.setToolTip(QStringLiteral("other tip"));
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));

    QVERIFY(control<QCheckBox>(window, "cbShowHint")->isChecked());
    QVERIFY(ShowsToolTip(control<QPushButton>(window, "SpeedButton3")));
    QVERIFY(ShowsToolTip(control<QPushButton>(window, "SpeedButton9")));

    control<QCheckBox>(window, "cbShowHint")->setChecked(false);
    QVERIFY(!ShowsToolTip(control<QPushButton>(window, "SpeedButton3")));
    QVERIFY(!ShowsToolTip(control<QPushButton>(window, "SpeedButton9")));
    QVERIFY(ShowsToolTip(&other));

    control<QCheckBox>(window, "cbShowHint")->setChecked(true);
    QVERIFY(ShowsToolTip(control<QPushButton>(window, "SpeedButton3")));
    QVERIFY(ShowsToolTip(control<QPushButton>(window, "SpeedButton9")));
}

void WindowOptionsTest::storedHintsOffHoldFromTheStart() {
    WindowHarness harness;
    QVERIFY(harness.platform.registry->WriteValue(RegistryRoot::LocalMachine, kSettingsKey,
                                                  "ShowHint", "0"));
    auto& window = harness.open();
    QVERIFY(!control<QCheckBox>(window, "cbShowHint")->isChecked());
    ShowOnSettingsPage(window);
    QVERIFY(!ShowsToolTip(control<QPushButton>(window, "SpeedButton9")));
    control<QCheckBox>(window, "cbShowHint")->setChecked(true);
    QVERIFY(ShowsToolTip(control<QPushButton>(window, "SpeedButton9")));
}

void WindowOptionsTest::fontButtonStartsFromTheInputFont() {
    WindowHarness harness;
    auto& fonts = harness.platform.fonts;
    auto& window = harness.open();
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(15);
    chosen.setBold(true);
    fonts.answer = chosen;

    QTest::mouseClick(control<QPushButton>(window, "SpeedButton7"), Qt::LeftButton);
    QCOMPARE(fonts.initials.size(), std::size_t{1});
    QCOMPARE(fonts.initials[0].family(), QStringLiteral("Courier New"));
    QCOMPARE(fonts.initials[0].pointSize(), 8);
    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->font().family(),
             QStringLiteral("DejaVu Sans"));
    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->font().pointSize(), 15);
    QVERIFY(control<QPlainTextEdit>(window, "MainText")->font().bold());

    // Cancelling keeps the font; the dialog opened on the one just chosen.
    fonts.answer.reset();
    QTest::mouseClick(control<QPushButton>(window, "SpeedButton7"), Qt::LeftButton);
    QCOMPARE(fonts.initials.size(), std::size_t{2});
    QCOMPARE(fonts.initials[1].family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(fonts.initials[1].pointSize(), 15);
    QVERIFY(fonts.initials[1].bold());
    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->font().family(),
             QStringLiteral("DejaVu Sans"));
    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->font().pointSize(), 15);
    QVERIFY(harness.platform.messages.shown.empty());
}

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::WindowOptionsTest)
#include "window_options_test.moc"
