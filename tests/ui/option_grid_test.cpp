#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QString>
#include <QTest>
#include <QWidget>
#include <memory>

#include "gui/formatting/option_grid.h"
#include "ui_test_main.h"

namespace tagforge {

namespace {

// "row,column,width" of the grid cell holding `item`; empty when the grid does not hold it.
template <class Item>
QString CellOf(QGridLayout& grid, Item* item) {
    const int index = grid.indexOf(item);
    if (index < 0) {
        return {};
    }
    int row = 0;
    int column = 0;
    int rows = 0;
    int columns = 0;
    grid.getItemPosition(index, &row, &column, &rows, &columns);
    return QStringLiteral("%1,%2,%3").arg(row).arg(column).arg(columns);
}

}  // namespace

// The row builder on its own: each row starts at column 0 and its cells take the next columns.
class OptionGridTest final : public QObject {
    Q_OBJECT

  private slots:
    void cellsTakeTheNextColumnsOfTheirRow() {
        QWidget page;
        OptionGrid grid(4);
        auto* a = new QLabel;
        auto* b = new QLabel;
        auto* c = new QLabel;
        auto* d = new QLabel;
        auto* e = new QLabel;
        QHBoxLayout* nested = PackedLeft({new QLabel});
        grid.addRow({a, {b, 2}, c});
        grid.addRow({OptionGrid::Cell::gap(1), nested, d});
        grid.addRow({{e, 4}});
        grid.stretchColumn(2);
        page.setLayout(grid.layout());

        QGridLayout& layout = *grid.layout();
        QCOMPARE(CellOf(layout, a), QStringLiteral("0,0,1"));
        QCOMPARE(CellOf(layout, b), QStringLiteral("0,1,2"));
        QCOMPARE(CellOf(layout, c), QStringLiteral("0,3,1"));
        QCOMPARE(CellOf(layout, nested), QStringLiteral("1,1,1"));
        QCOMPARE(CellOf(layout, d), QStringLiteral("1,2,1"));
        QCOMPARE(CellOf(layout, e), QStringLiteral("2,0,4"));
        // A gap adds no item: five widgets and one box.
        QCOMPARE(layout.count(), 6);
        QCOMPARE(layout.rowCount(), 3);
        QCOMPARE(layout.columnStretch(2), 1);
        QCOMPARE(layout.columnStretch(1), 0);
    }

    void boxesKeepTheirSpareWidthWhereTheyPutIt() {
        auto* grows = new QLabel;
        auto* beside = new QLabel;
        std::unique_ptr<QHBoxLayout> growing(GrowingBeside(grows, beside));
        QCOMPARE(growing->stretch(0), 1);
        QCOMPARE(growing->stretch(1), 0);

        std::unique_ptr<QHBoxLayout> left(PackedLeft({new QLabel, new QLabel}, 0));
        QCOMPARE(left->spacing(), 0);
        QCOMPARE(left->count(), 3);
        QVERIFY(left->itemAt(2)->spacerItem() != nullptr);

        std::unique_ptr<QHBoxLayout> right(PackedRight({new QLabel}));
        QCOMPARE(right->count(), 2);
        QVERIFY(right->itemAt(0)->spacerItem() != nullptr);

        for (QHBoxLayout* box : {growing.get(), left.get(), right.get()}) {
            while (QLayoutItem* item = box->takeAt(0)) {
                delete item->widget();
                delete item;
            }
        }
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::OptionGridTest)
#include "option_grid_test.moc"
