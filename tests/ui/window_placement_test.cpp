#include <QTest>

#include "gui/app/window_placement.h"

using tagforge::PlaceOnScreens;

// A stored window position the user could never reach is brought onto the nearest screen.
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
    }
    void placesTheWindowWhereTheUserCanReachIt() {
        QFETCH(qint64, left);
        QFETCH(qint64, top);
        QFETCH(QSize, size);
        QFETCH(QRect, placed);
        const QList<QRect> screens{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1024)};
        QCOMPARE(PlaceOnScreens(left, top, size, screens), placed);
    }
};

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
