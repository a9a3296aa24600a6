#include <QGridLayout>
#include <QStringList>
#include <QTest>

#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

// The named controls of `page` that Tab can reach, in the order Tab visits them.
QStringList TabOrder(QWidget* page) {
    QStringList names;
    for (QWidget* next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain()) {
        if (page->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) != 0 &&
            !next->objectName().isEmpty() &&
            !next->objectName().startsWith(QStringLiteral("qt_"))) {
            names << next->objectName();
        }
    }
    return names;
}

// "row,column,width" of the options grid cell that holds `name`, directly or in a nested box.
QString CellOf(QGridLayout& grid, QWidget* page, const char* name) {
    auto* widget = control<QWidget>(*page, name);
    for (int index = 0; index < grid.count(); ++index) {
        QLayoutItem* item = grid.itemAt(index);
        if (item->widget() == widget ||
            (item->layout() != nullptr && item->layout()->indexOf(widget) >= 0)) {
            int row = 0;
            int column = 0;
            int rows = 0;
            int columns = 0;
            grid.getItemPosition(index, &row, &column, &rows, &columns);
            return QStringLiteral("%1,%2,%3").arg(row).arg(column).arg(columns);
        }
    }
    return {};
}

}  // namespace

// Where the formatting page puts its controls: the screenshots and the users' Tab habits rely on
// the rows and their order.
class FormattingLayoutTest final : public QObject {
    Q_OBJECT

  private slots:
    void tabGoesThroughTheRowsInOrder() {
        test::WindowHarness harness;
        MainWindow& window = harness.open();
        QCOMPARE(TabOrder(&test::HandMadePage(window)),
                 QStringList({"cbOtherName",      "OtherNameNick",
                              "cbOtherNameColor", "cb3rdFace",
                              "OtherNameOwnText", "cbOnlyForYou",
                              "ComboOnlyForYou",  "cbOnlyForYouColor",
                              "OnlyForYouName",   "cbOk",
                              "ComboBox2",        "cbOkColor",
                              "CheckBox1",        "ComboBox1",
                              "cbFontName",       "comboboxFontName",
                              "SpeedButton13",    "cbFontSize",
                              "ComboBoxFontSize", "cbDanceFont",
                              "tbDanceFontRatio", "cbReverseText",
                              "cbColorMark",      "comboboxColorMark",
                              "bAddGradientStop", "bRemoveGradientStop",
                              "cbEffect4",        "cbEffect5",
                              "cbEffect6",        "MainText",
                              "sbClear",          "SpeedButton12",
                              "ListBox2"}));
    }

    void optionsSitInTheirCells_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cell");
        const std::pair<const char*, const char*> cells[] = {
            {"cbOtherName", "0,0,1"},      {"OtherNameNick", "0,1,1"},
            {"OtherNameColor", "0,3,1"},   {"OtherNameOwnText", "0,5,1"},
            {"ImOnlyForYou", "1,3,1"},     {"OnlyForYouName", "1,4,2"},
            {"ImOkColor", "2,3,1"},        {"CheckBox1", "2,4,1"},
            {"ComboBox1", "2,5,1"},        {"comboboxFontName", "3,1,1"},
            {"SpeedButton13", "3,1,1"},    {"cbFontSize", "3,4,1"},
            {"ComboBoxFontSize", "3,5,1"}, {"lDanceFontRatio", "4,1,1"},
            {"cbReverseText", "4,4,2"},    {"comboboxColorMark", "5,1,1"},
            {"Image1", "5,2,4"},           {"GradientStops", "5,2,4"},
            {"cbEffect4", "6,0,6"},        {"cbEffect6", "6,0,6"},
        };
        for (const auto& [name, cell] : cells) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(cell);
        }
    }

    void optionsSitInTheirCells() {
        QFETCH(QString, name);
        QFETCH(QString, cell);
        test::WindowHarness harness;
        MainWindow& window = harness.open();
        QWidget* page = &test::HandMadePage(window);
        auto* grid = qobject_cast<QGridLayout*>(page->layout()->itemAt(0)->layout());
        QVERIFY(grid != nullptr);
        QCOMPARE(CellOf(*grid, page, name.toLatin1().constData()), cell);
        QCOMPARE(grid->columnStretch(1), 1);
        QCOMPARE(grid->columnStretch(5), 1);
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::FormattingLayoutTest)
#include "formatting_layout_test.moc"
