#include <QTest>

#include "gui/common/window_placement.h"

using tagforge::PlaceOnScreens;

// A stored window position the user could never reach, or could not drag by its title bar, is
// brought onto the nearest screen.
class WindowPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void placesTheWindowWhereTheUserCanReachIt_data() {
        QTest::addColumn<qint64>("left");
        QTest::addColumn<qint64>("top");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("placed");
        const QSize window(700, 500);
        QTest::newRow("on the screen")
            << qint64(100) << qint64(50) << window << QRect(100, 50, 700, 500);
        QTest::newRow("partly off the screen stays")
            << qint64(-650) << qint64(900) << window << QRect(-650, 900, 700, 500);
        QTest::newRow("far above")
            << qint64(-99999999) << qint64(10) << window << QRect(0, 10, 700, 500);
        QTest::newRow("far right") << qint64(2147483647) << qint64(100) << window
                                   << QRect(1280 + 1920 - 700, 100, 700, 500);
        QTest::newRow("far below the left screen")
            << qint64(200) << qint64(2147483647) << window << QRect(200, 1024 - 500, 700, 500);
        QTest::newRow("too large for the screen")
            << qint64(-5000) << qint64(-5000) << QSize(3000, 3000) << QRect(0, 0, 1280, 1024);
        // The window overlaps the screen, but its title bar, the only handle to drag it by, is
        // above the top edge.
        QTest::newRow("title bar above the top")
            << qint64(100) << qint64(-20) << window << QRect(100, 0, 700, 500);
        QTest::newRow("title bar a pixel above the top")
            << qint64(300) << qint64(-1) << window << QRect(300, 0, 700, 500);
        QTest::newRow("title bar at the top")
            << qint64(300) << qint64(0) << window << QRect(300, 0, 700, 500);
        QTest::newRow("title bar below the bottom")
            << qint64(200) << qint64(1010) << window << QRect(200, 1024 - 500, 700, 500);
        QTest::newRow("title bar just above the bottom")
            << qint64(200) << qint64(1000) << window << QRect(200, 1000, 700, 500);
        QTest::newRow("only the left end of the title bar shows")
            << qint64(-690) << qint64(300) << window << QRect(0, 300, 700, 500);
        QTest::newRow("title bar across both screens")
            << qint64(1000) << qint64(300) << window << QRect(1000, 300, 700, 500);
        QTest::newRow("larger than the screen holding its title bar")
            << qint64(40) << qint64(30) << QSize(2000, 1500) << QRect(40, 30, 1280, 1024);
        // The right screen is shorter: a title bar below it is off every screen.
        QTest::newRow("below the shorter right screen")
            << qint64(1500) << qint64(900) << window << QRect(1500, 768 - 500, 700, 500);
    }
    void placesTheWindowWhereTheUserCanReachIt() {
        QFETCH(qint64, left);
        QFETCH(qint64, top);
        QFETCH(QSize, size);
        QFETCH(QRect, placed);
        const QList<QRect> screens{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 768)};
        QCOMPARE(PlaceOnScreens(left, top, size, screens), placed);
    }
};

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
