#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWebEngineView>
#include <functional>
#include <set>

#include "core/format/result_assembly.h"
#include "core/preview/rich_text_line.h"
#include "core/smileys/smile_images.h"
#include "gui/common/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/panel_color_choice.h"
#include "tests/ui/ui_test_files.h"

#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

using test::WindowHarness;

// The smallest GIF: one transparent pixel.
constexpr char kPixelGif[] =
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff\x21\xf9\x04\x01\x00\x00\x00\x00"
    "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b";

QTextBrowser* Strip(const MainWindow& window) {
    return control<QTextBrowser>(window, "LivePreview");
}

// Waits for the meter's next reading, which the strip is filled by as well.
void Settle(MainWindow& window) {
    auto* meter = control<QLabel>(window, "lResultLength");
    meter->clear();
    [&] { QTRY_VERIFY(!meter->text().isEmpty()); }();
}

void SetThreshold(MainWindow& window, int threshold) {
    control<QCheckBox>(window, "cbThreshold")->setChecked(threshold != 0);
    control<QSpinBox>(window, "UpDown2")->setValue(threshold);
}

void SetEffect(MainWindow& window, int effect) {
    control<QCheckBox>(window, "cbColorMark")->setChecked(true);
    control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(effect);
}

// The pieces of text of `document`, each with its colour, in order; pictures are U+FFFC.
QStringList ColoredRuns(const QTextDocument* document) {
    QStringList runs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            runs << fragment.fragment().charFormat().foreground().color().name() +
                        QLatin1Char(' ') + fragment.fragment().text();
        }
        runs << QStringLiteral("\n");
    }
    return runs;
}

// The text colours of the strip's letters.
std::set<QRgb> LetterColors(const QTextBrowser* strip) {
    std::set<QRgb> colors;
    for (QTextBlock block = strip->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (!fragment.fragment().text().trimmed().isEmpty()) {
                colors.insert(fragment.fragment().charFormat().foreground().color().rgb());
            }
        }
    }
    return colors;
}

// What the chat shows of the copied line: its coloured runs.
QStringList ShownRuns(const QString& copied, const std::filesystem::path& programFolder) {
    RichTextOptions options;
    options.pictures = [&](std::string_view name) { return FindSmileImage(programFolder, name); };
    QTextDocument document;
    document.setHtml(QString::fromStdString(ChatLineToRichText(ToCp1251(copied), options).html));
    return ColoredRuns(&document);
}

void Copy(MainWindow& window) {
    QTest::mouseClick(control<QPushButton>(window, "SpeedButton3"), Qt::LeftButton);
}

MainWindow& OpenShown(WindowHarness& harness) {
    std::filesystem::create_directories(harness.programFolder() / "Profiles");
    std::filesystem::create_directories(harness.programFolder() / "Smiles");
    test::WriteBytes(harness.programFolder() / "Smiles" / "smile.gif",
                     std::string(kPixelGif, sizeof kPixelGif - 1));
    MainWindow& window = harness.open();
    test::ShowHandMadePage(window);
    SetThreshold(window, 0);
    return window;
}

}  // namespace

class LivePreviewTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheColoursAndFollowsTheEffect() {
        WindowHarness harness;
        MainWindow& window = OpenShown(harness);
        SetEffect(window, kEffectSolid);
        SetPanelColor(control<ColorPanel>(window, "Image6"), MakeColor(255, 0, 0));
        auto* message = control<QPlainTextEdit>(window, "MainText");
        message->setFocus();
        test::TypeText(message, QStringLiteral("Привет всем"));
        Settle(window);
        QCOMPARE(Strip(window)->toPlainText(), QStringLiteral("Привет всем"));
        QCOMPARE(LetterColors(Strip(window)), std::set<QRgb>{qRgb(255, 0, 0)});

        control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(kEffectSpectrum);
        Settle(window);
        QVERIFY(LetterColors(Strip(window)).size() > 5);
        // No browser engine is started for it.
        QVERIFY(window.findChildren<QWebEngineView*>().isEmpty());
    }

    // What the strip shows is what the copy puts on the clipboard, random colours included.
    void showsWhatTheCopyCopies_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<std::function<void(MainWindow&)>>("options");
        QTest::addColumn<QString>("shown");  // a part of the strip's text, or nothing
        const auto none = [](MainWindow&) {};
        QTest::newRow("random per letter")
            << QStringLiteral("Случайные цвета") << std::function<void(MainWindow&)>([](auto& w) {
                   SetEffect(w, kEffectRandomPerLetter);
               })
            << QString();
        QTest::newRow("random solid nick line")
            << QStringLiteral("Привет") << std::function<void(MainWindow&)>([](auto& w) {
                   control<QCheckBox>(w, "cbOtherName")->setChecked(true);
                   control<QLineEdit>(w, "OtherNameNick")->setText(QStringLiteral("Петя"));
                   control<QCheckBox>(w, "cb3rdFace")->setChecked(true);
               })
            << QStringLiteral("Петя");
        QTest::newRow("smiley") << QStringLiteral("Улыбка [::smile::] и [::нет::]")
                                << std::function<void(MainWindow&)>(none)
                                << QStringLiteral("[::нет::]");
        QTest::newRow("emoji") << QStringLiteral("Роза 🌹") << std::function<void(MainWindow&)>(none)
                               << QStringLiteral("🌹");
        QTest::newRow("line break and prefix")
            << QStringLiteral("первая\nвторая") << std::function<void(MainWindow&)>([](auto& w) {
                   control<QCheckBox>(w, "cbOnlyForYou")->setChecked(true);
                   control<QLineEdit>(w, "OnlyForYouName")->setText(QStringLiteral("Маша"));
               })
            << QStringLiteral("первая\nвторая");
        QTest::newRow("coarsened by the threshold")
            << QString(200, QLatin1Char('x')) << std::function<void(MainWindow&)>([](auto& w) {
                   SetEffect(w, kEffectGradient);
                   SetThreshold(w, 3000);
               })
            << QString();
    }
    void showsWhatTheCopyCopies() {
        QFETCH(QString, message);
        QFETCH(std::function<void(MainWindow&)>, options);
        QFETCH(QString, shown);
        WindowHarness harness;
        MainWindow& window = OpenShown(harness);
        options(window);
        control<QPlainTextEdit>(window, "MainText")->setPlainText(message);
        Settle(window);
        const QString stripText = Strip(window)->toPlainText();
        const QString stripHtml = Strip(window)->toHtml();
        const QStringList stripRuns = ColoredRuns(Strip(window)->document());
        Copy(window);
        QCOMPARE(stripRuns, ShownRuns(harness.platform.clipboard.text(), harness.programFolder()));
        QVERIFY2(stripText.contains(shown), qPrintable(stripText));
        if (message.contains(QStringLiteral("[::smile::]"))) {
            QVERIFY(stripHtml.contains(QStringLiteral("smile.gif")));
            QVERIFY(!stripText.contains(QStringLiteral("[::smile::]")));
        }
        // The strip now shows the next line to copy, a newly drawn random colour included.
        const QStringList next = ColoredRuns(Strip(window)->document());
        Copy(window);
        QCOMPARE(next, ShownRuns(harness.platform.clipboard.text(), harness.programFolder()));
    }

    void longMessagesShowTheirStart() {
        WindowHarness harness;
        MainWindow& window = OpenShown(harness);
        SetEffect(window, kEffectSpectrum);
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QString(5000, QLatin1Char('x')));
        Settle(window);
        const QString text = Strip(window)->toPlainText();
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("… и ещё \\d+ символ"))),
                 qPrintable(text.right(40)));
        QVERIFY(text.size() < 2000);
    }

    void takesThePreviewLook() {
        WindowHarness harness;
        MainWindow& window = OpenShown(harness);
        for (const ColorValue background : {MakeColor(255, 255, 255), MakeColor(0, 0, 64)}) {
            SetPanelColor(control<ColorPanel>(window, "Image2"), background);
            control<QCheckBox>(window, "cbWordWrap")->click();
            Settle(window);
            QCOMPARE(Strip(window)->palette().color(QPalette::Base), ToQColor(background));
            QCOMPARE(Strip(window)->palette().color(QPalette::Text),
                     ToQColor(ContrastTextColor(background)));
            QCOMPARE(Strip(window)->lineWrapMode() == QTextEdit::WidgetWidth,
                     control<QCheckBox>(window, "cbWordWrap")->isChecked());
        }
    }

    void theSettingHidesItAcrossARestart() {
        WindowHarness harness;
        {
            MainWindow& window = OpenShown(harness);
            QVERIFY(Strip(window)->isVisible());
            const int messageHeight = control<QPlainTextEdit>(window, "MainText")->height();
            control<QCheckBox>(window, "cbShowLivePreview")->click();
            QVERIFY(!Strip(window)->isVisibleTo(&window));
            // The room goes to the message box.
            QTRY_VERIFY(control<QPlainTextEdit>(window, "MainText")->height() > messageHeight);
            QVERIFY(window.close());
        }
        test::Restart restart(harness.programFolder());
        MainWindow& again = restart.open();
        test::ShowHandMadePage(again);
        QVERIFY(!control<QCheckBox>(again, "cbShowLivePreview")->isChecked());
        QVERIFY(!Strip(again)->isVisibleTo(&again));
        control<QCheckBox>(again, "cbShowLivePreview")->click();
        control<QPlainTextEdit>(again, "MainText")->setPlainText(QStringLiteral("снова"));
        Settle(again);
        QVERIFY(Strip(again)->isVisible());
        QCOMPARE(Strip(again)->toPlainText(), QStringLiteral("снова"));
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::LivePreviewTest)
#include "live_preview_test.moc"
