#include <QLineEdit>
#include <QTest>

#include "gui/formatting/palette_list.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

namespace tagforge {

namespace {

constexpr int kItemHeight = 16;

}  // namespace

// The hidden palette on its own, driven by mouse releases as the view receives them.
class PaletteListTest final : public QObject {
    Q_OBJECT

  private slots:
    void releaseOverTheList_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("dialogRuns");
        QTest::addColumn<int>("currentRow");
        QTest::addColumn<QString>("thirdItem");
        QTest::newRow("right button on the third item")
            << int(Qt::RightButton) << 2 * kItemHeight + 3 << 1 << 2 << QStringLiteral("ABCDEF");
        QTest::newRow("right button below the items")
            << int(Qt::RightButton) << 7 * kItemHeight + 1 << 0 << -1 << QStringLiteral("0000FF");
        QTest::newRow("left button")
            << int(Qt::LeftButton) << 2 * kItemHeight + 3 << 0 << -1 << QStringLiteral("0000FF");
    }

    void releaseOverTheList() {
        QFETCH(int, button);
        QFETCH(int, y);
        QFETCH(int, dialogRuns);
        QFETCH(int, currentRow);
        QFETCH(QString, thirdItem);
        test::WindowHarness harness;
        harness.platform.dialogs.script = [](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("abcdef"));
            QTest::keyClick(edit, Qt::Key_Return);
            return dialog.result();
        };
        PaletteList list(harness.platform.services());
        list.resize(200, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        QTest::mouseRelease(list.viewport(), static_cast<Qt::MouseButton>(button), {},
                            QPoint(5, y));
        QCOMPARE(harness.platform.dialogs.runs, dialogRuns);
        QCOMPARE(list.currentRow(), currentRow);
        QCOMPARE(list.item(2)->text(), thirdItem);
        // Selecting by the right button opens no colour picker.
        QVERIFY(harness.platform.colors.presets.empty());
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::PaletteListTest)
#include "palette_list_test.moc"
