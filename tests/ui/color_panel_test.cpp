#include <QImage>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include "core/format/color_code.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/effect_strips.h"
#include "ui_test_main.h"

namespace tagforge {

class ColorPanelTest : public QObject {
    Q_OBJECT

  private:
    static QImage Rendered(ColorPanel& panel) { return panel.grab().toImage(); }

    static QColor ToQColor(ColorValue value) {
        return QColor(RedOf(value), GreenOf(value), BlueOf(value));
    }

    // A point on the left, halfway down, clear of the frame and of a centred caption.
    static QPoint LeftMiddle(const ColorPanel& panel) { return {4, panel.height() / 2}; }

  private slots:
    void startsWhiteWithBlackText() {
        ColorPanel panel;
        QCOMPARE(panel.color(), kWhite);
        QCOMPARE(panel.textColor(), kBlack);
        QVERIFY(panel.caption().isEmpty());
    }

    void showsTheColourItIsGiven() {
        ColorPanel panel;
        panel.resize(120, 30);
        const ColorValue color = MakeColor(200, 30, 90);
        panel.setColors(color, ContrastTextColor(color));
        QCOMPARE(panel.color(), color);
        QCOMPARE(panel.textColor(), kWhite);
        const QImage image = Rendered(panel);
        QCOMPARE(image.pixelColor(LeftMiddle(panel)), ToQColor(color));
        QCOMPARE(image.pixelColor(panel.width() - 5, 4), ToQColor(color));
    }

    void captionIsDrawnInTheTextColour() {
        ColorPanel panel;
        panel.resize(120, 30);
        panel.setCaption(QStringLiteral("WWWWWW"));
        QCOMPARE(panel.caption(), QStringLiteral("WWWWWW"));
        const ColorValue background = MakeColor(0, 0, 255);
        const ColorValue text = MakeColor(255, 255, 0);
        panel.setColors(background, text);
        const QImage image = Rendered(panel);
        QCOMPARE(image.pixelColor(LeftMiddle(panel)), ToQColor(background));
        // Glyph edges are blended, so look for pixels close to the text colour.
        int textPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.red() > 200 && pixel.green() > 200 && pixel.blue() < 80) {
                    ++textPixels;
                }
            }
        }
        QVERIFY2(textPixels > 10, qPrintable(QString::number(textPixels)));
        panel.setCaption(QString());
        QCOMPARE(Rendered(panel).pixelColor(panel.width() / 2, panel.height() / 2),
                 ToQColor(background));
    }

    void systemColoursAreShownResolved() {
        ColorPanel panel;
        panel.resize(60, 20);
        const ColorValue system = 0x80000000U | 5U;  // the window background colour
        panel.setColors(system, kBlack);
        QCOMPARE(panel.color(), system);
        QCOMPARE(Rendered(panel).pixelColor(LeftMiddle(panel)), ToQColor(ResolveColor(system)));
    }

    void reportsEveryButtonOnRelease() {
        ColorPanel panel;
        panel.resize(60, 20);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QSignalSpy released(&panel, &ColorPanel::mouseReleased);
        const QPoint inside(10, 10);
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            released.clear();
            QTest::mousePress(&panel, button, Qt::NoModifier, inside);
            QCOMPARE(released.count(), 0);
            QTest::mouseRelease(&panel, button, Qt::NoModifier, inside);
            QCOMPARE(released.count(), 1);
            QCOMPARE(released.at(0).at(0).value<Qt::MouseButton>(), button);
            QCOMPARE(released.at(0).at(1).toPoint(), panel.mapToGlobal(inside));
        }
    }

    void disabledPanelReportsNothing() {
        ColorPanel panel;
        panel.resize(60, 20);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.setEnabled(false);
        QSignalSpy released(&panel, &ColorPanel::mouseReleased);
        QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(released.count(), 0);
    }

    // The pictures shown beside the colour effects.
    void stripsHaveTheirSize() {
        QCOMPARE(SpectrumStrip().size(), QSize(160, 15));
        QCOMPARE(RandomStrip().size(), QSize(160, 15));
    }

    void spectrumRunsFromRedBackToRed() {
        const QImage image = SpectrumStrip().toImage();
        for (const int x : {0, image.width() - 1}) {
            const QColor color = image.pixelColor(x, 7);
            QVERIFY2(color.red() == 255 && color.green() < 30 && color.blue() < 30,
                     qPrintable(color.name()));
        }
        const QColor middle = image.pixelColor(image.width() / 2, 7);
        QVERIFY2(middle.hue() > 150 && middle.hue() < 210, qPrintable(middle.name()));
        QCOMPARE(middle.saturation(), 255);
        // Hue keeps rising from left to right until it wraps to red at the end.
        int previousHue = -1;
        for (int x = 0; x < image.width() - 1; ++x) {
            const int hue = image.pixelColor(x, 0).hue();
            QVERIFY(hue >= previousHue);
            previousHue = hue;
        }
    }

    void randomStripIsColourfulAndTheSameEachTime() {
        const QImage first = RandomStrip().toImage();
        QSet<QRgb> colors;
        for (int x = 0; x < first.width(); ++x) {
            colors.insert(first.pixel(x, 7));
        }
        QVERIFY2(colors.size() >= 10, qPrintable(QString::number(colors.size())));
        QCOMPARE(RandomStrip().toImage(), first);
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::ColorPanelTest)
#include "color_panel_test.moc"
