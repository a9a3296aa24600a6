#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "gui/pickers/hex_color_dialog.h"
#include "ui_test_main.h"

class HexColorDialogTest : public QObject {
    Q_OBJECT

  private:
    // An open dialog with its field, ready for typing.
    struct Opened {
        HexColorDialog dialog;
        QLineEdit* edit = nullptr;
        QSignalSpy finished{&dialog, &QDialog::finished};

        Opened() {
            edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
            dialog.open();
        }
    };

  private slots:
    void objectNamesAndCaptions() {
        HexColorDialog dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("TForm2"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("RRGGBB-цвет"));
        QVERIFY(dialog.findChild<QFrame*>(QStringLiteral("Panel1")));
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        QVERIFY(edit);
        QCOMPARE(edit->maxLength(), 6);
        QCOMPARE(edit->width(), 56);
        auto* ok = dialog.findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"));
        auto* cancel = dialog.findChild<QAbstractButton*>(QStringLiteral("SpeedButton2"));
        QVERIFY(ok);
        QVERIFY(cancel);
        QCOMPARE(ok->text(), QStringLiteral("Ok"));
        QCOMPARE(cancel->text(), QStringLiteral("Отмена"));
        QVERIFY(edit->parentWidget() == ok->parentWidget());
        QCOMPARE(dialog.font().pixelSize(), 13);
        QCOMPARE(dialog.font().family(), QStringLiteral("Courier New"));
    }

    void windowIsFramelessAndFixedSize() {
        HexColorDialog dialog;
        QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(dialog.size(), QSize(172, 28));
        QCOMPARE(dialog.minimumSize(), QSize(172, 28));
        QCOMPARE(dialog.maximumSize(), QSize(172, 28));
    }

    void typedLettersShowAsCapitals() {
        Opened o;
        QTest::keyClicks(o.edit, QStringLiteral("1a2b3c"));
        QCOMPARE(o.dialog.text(), QStringLiteral("1A2B3C"));
    }

    void enterWithSixDigitsAccepts() {
        Opened o;
        QTest::keyClicks(o.edit, QStringLiteral("1a2b3c"));
        QTest::keyClick(o.edit, Qt::Key_Return);
        QCOMPARE(o.finished.count(), 1);
        QCOMPARE(o.finished.at(0).at(0).toInt(), 1);
        QCOMPARE(o.dialog.result(), 1);
        QVERIFY(!o.dialog.isVisible());
        QCOMPARE(o.dialog.text(), QStringLiteral("1A2B3C"));
    }

    void keypadEnterAccepts() {
        Opened o;
        QTest::keyClicks(o.edit, QStringLiteral("ABCDEF"));
        QTest::keyClick(o.edit, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(o.finished.count(), 1);
        QCOMPARE(o.dialog.result(), 1);
    }

    void enterWithFiveDigitsStaysOpen() {
        Opened o;
        QTest::keyClicks(o.edit, QStringLiteral("12345"));
        QTest::keyClick(o.edit, Qt::Key_Return);
        QVERIFY(o.dialog.isVisible());
        QCOMPARE(o.dialog.result(), 0);
        QCOMPARE(o.finished.count(), 0);
        QCOMPARE(o.dialog.text(), QStringLiteral("12345"));
    }

    void okButtonChecksOnlyTheLength() {
        Opened o;
        auto* ok = o.dialog.findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"));
        QTest::keyClicks(o.edit, QStringLiteral("123"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(o.dialog.isVisible());
        QCOMPARE(o.finished.count(), 0);
        // A context-menu paste goes around the key filter.
        o.dialog.setText(QStringLiteral("zzzzzz"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(o.finished.count(), 1);
        QCOMPARE(o.dialog.result(), 1);
        QCOMPARE(o.dialog.text(), QStringLiteral("ZZZZZZ"));
    }

    void cancelButtonCancels() {
        Opened o;
        QTest::keyClicks(o.edit, QStringLiteral("ABCDEF"));
        QTest::mouseClick(o.dialog.findChild<QAbstractButton*>(QStringLiteral("SpeedButton2")),
                          Qt::LeftButton);
        QCOMPARE(o.finished.count(), 1);
        QCOMPARE(o.dialog.result(), 2);
    }

    void otherCharactersAreDropped() {
        Opened o;
        QTest::keyClicks(o.edit, QStringLiteral("12"));
        QTest::keyClicks(o.edit, QStringLiteral("g. xG-"));
        QCOMPARE(o.dialog.text(), QStringLiteral("12"));
        QVERIFY(o.dialog.isVisible());
    }

    void seventhCharacterIsRefused() {
        Opened o;
        QTest::keyClicks(o.edit, QStringLiteral("abcdef1"));
        QCOMPARE(o.dialog.text(), QStringLiteral("ABCDEF"));
    }

    void backspaceEdits() {
        Opened o;
        QTest::keyClicks(o.edit, QStringLiteral("abc"));
        QTest::keyClick(o.edit, Qt::Key_Backspace);
        QCOMPARE(o.dialog.text(), QStringLiteral("AB"));
    }

    void keysWithoutTextStillEdit() {
        Opened o;
        QTest::keyClicks(o.edit, QStringLiteral("abc"));
        QTest::keyClick(o.edit, Qt::Key_Home);
        QTest::keyClick(o.edit, Qt::Key_Delete);
        QCOMPARE(o.dialog.text(), QStringLiteral("BC"));
    }

    // The keys as X11 delivers them, control characters as their text.
    void editingKeysWithControlTextStillEdit_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Delete") << int(Qt::Key_Delete) << QStringLiteral("\x7f")
                                << QStringLiteral("AC");
        QTest::newRow("Backspace")
            << int(Qt::Key_Backspace) << QStringLiteral("\b") << QStringLiteral("BC");
    }

    void editingKeysWithControlTextStillEdit() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        Opened o;
        QTest::keyClicks(o.edit, QStringLiteral("abc"));
        o.edit->setCursorPosition(1);
        QTest::sendKeyEvent(QTest::Click, o.edit, Qt::Key(key), text, Qt::NoModifier);
        QCOMPARE(o.dialog.text(), expected);
        QVERIFY(o.dialog.isVisible());
    }

    void escapeCancels() {
        Opened o;
        QTest::keyClicks(o.edit, QStringLiteral("ABCDEF"));
        QTest::keyClick(o.edit, Qt::Key_Escape);
        QCOMPARE(o.finished.count(), 1);
        QCOMPARE(o.finished.at(0).at(0).toInt(), 2);
        QCOMPARE(o.dialog.result(), 2);
        QVERIFY(!o.dialog.isVisible());
    }

    void closingCancels() {
        Opened o;
        o.dialog.close();
        QCOMPARE(o.finished.count(), 1);
        QCOMPARE(o.dialog.result(), 2);
    }

    void clipboardShortcutsDoNothing() {
        Opened o;
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->setText(QStringLiteral("ABCDEF"));
        QTest::keyClick(o.edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(o.dialog.text(), QString());

        QTest::keyClicks(o.edit, QStringLiteral("12"));
        o.edit->selectAll();
        QTest::keyClick(o.edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("ABCDEF"));
        QTest::keyClick(o.edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(o.dialog.text(), QStringLiteral("12"));
        QCOMPARE(clipboard->text(), QStringLiteral("ABCDEF"));

        o.edit->deselect();
        o.edit->end(false);
        QTest::keyClicks(o.edit, QStringLiteral("3"));
        QTest::keyClick(o.edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(o.dialog.text(), QStringLiteral("123"));
        QVERIFY(o.dialog.isVisible());
    }

    void keyFilterDecisions() {
        HexColorDialog dialog;
        for (const QChar ch : QStringLiteral("0123456789ABCDEFabcdef\b")) {
            QVERIFY2(dialog.acceptsKey(ch), qPrintable(QString(ch)));
        }
        for (const QChar ch : QStringLiteral("gGzZ .-#\x03\x16\x18\x1a")) {
            QVERIFY2(!dialog.acceptsKey(ch), qPrintable(QString(ch)));
        }
    }

    void pastedLowerCaseShowsAsCapitals() {
        Opened o;
        o.dialog.setText(QStringLiteral("ab"));
        QCOMPARE(o.dialog.text(), QStringLiteral("AB"));
        o.edit->end(false);
        o.edit->insert(QStringLiteral("c0d"));
        QCOMPARE(o.dialog.text(), QStringLiteral("ABC0D"));
        QApplication::clipboard()->setText(QStringLiteral("e"));
        o.edit->paste();
        QCOMPARE(o.dialog.text(), QStringLiteral("ABC0DE"));
    }

    void existingCodeIsSelectedWhenShown() {
        HexColorDialog dialog;
        dialog.setText(QStringLiteral("FF0000"));
        dialog.open();
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        QTest::keyClicks(edit, QStringLiteral("00ff00"));
        QCOMPARE(dialog.text(), QStringLiteral("00FF00"));
    }
};

TAGFORGE_UI_TEST_MAIN(HexColorDialogTest)
#include "hex_color_dialog_test.moc"
