#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <filesystem>

#include "core/preview/about_text.h"
#include "core/templates/template_lines.h"
#include "gui/common/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

using test::WindowHarness;

constexpr int kLoadTimeoutMs = 20000;
constexpr char kHeadLine[] =
    "<HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></HEAD>";

QString PreviewPath(const WindowHarness& harness) {
    return QString::fromStdString((harness.programFolder() / "preview.htm").string());
}

QByteArray ReadPreview(const WindowHarness& harness) {
    QFile file(PreviewPath(harness));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

// The lines of the page; every one must end with CR LF, so the text after the last is empty.
QList<QByteArray> PageLines(const QByteArray& page) {
    QList<QByteArray> lines = page.split('\n');
    if (lines.isEmpty() || !lines.last().isEmpty()) {
        return {"<page does not end with a line break>"};
    }
    lines.removeLast();
    for (QByteArray& line : lines) {
        if (!line.endsWith('\r')) {
            return {"<line without CR: " + line + ">"};
        }
        line.chop(1);
    }
    return lines;
}

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray Cp1251(const QString& text) {
    return Bytes(ToCp1251(text));
}

// Shows the preview page; coming from another page, so that it is shown anew.
void ShowPreview(MainWindow& window) {
    if (control<QTabWidget>(window, "PageControl1")->currentWidget() ==
        control<QWidget>(window, "PreviewPage")) {
        control<QTabWidget>(window, "PageControl1")
            ->setCurrentWidget(control<QWidget>(window, "FormatPage"));
    }
    control<QTabWidget>(window, "PageControl1")
        ->setCurrentWidget(control<QWidget>(window, "PreviewPage"));
}

void ShowAbout(MainWindow& window) {
    if (control<QTabWidget>(window, "PageControl1")->currentWidget() ==
        control<QWidget>(window, "AboutPage")) {
        control<QTabWidget>(window, "PageControl1")
            ->setCurrentWidget(control<QWidget>(window, "FormatPage"));
    }
    control<QTabWidget>(window, "PageControl1")
        ->setCurrentWidget(control<QWidget>(window, "AboutPage"));
}

// A window that starts on the formatting page: the profiles folder exists, so it is no first
// start.
MainWindow& OpenOnFormatPage(WindowHarness& harness) {
    std::filesystem::create_directories(harness.programFolder() / "Profiles");
    MainWindow& window = harness.open();
    return window;
}

}  // namespace

class PreviewPageTest : public QObject {
    Q_OBJECT

  private slots:
    // The page written for the preview

    void pageWithoutWordWrap() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        QCOMPARE(control<QTabWidget>(window, "PageControl1")->currentWidget(),
                 control<QWidget>(window, "FormatPage"));
        control<QCheckBox>(window, "cbWordWrap")->setChecked(false);
        control<QPlainTextEdit>(window, "MainText")
            ->setPlainText(QStringLiteral("a [::smile::] b"));
        QVERIFY(!QFile::exists(PreviewPath(harness)));
        ShowPreview(window);
        const QList<QByteArray> expected = {
            "<HTML>",
            kHeadLine,
            "<BODY BGCOLOR=000000>",
            "<NOBR>",
            "<FONT COLOR=FFFFFF>",
            "a <IMAGE SRC=\"Smiles\\smile.GIF\"> b",
            "</FONT>",
            "</BODY>",
            "</HTML>",
        };
        QCOMPARE(PageLines(ReadPreview(harness)), expected);
    }

    void wordWrapLeavesOutNobr() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        QVERIFY(control<QCheckBox>(window, "cbWordWrap")->isChecked());
        control<QPlainTextEdit>(window, "MainText")
            ->setPlainText(QStringLiteral("a [::smile::] b"));
        ShowPreview(window);
        const QList<QByteArray> expected = {
            "<HTML>",
            kHeadLine,
            "<BODY BGCOLOR=000000>",
            "<FONT COLOR=FFFFFF>",
            "a <IMAGE SRC=\"Smiles\\smile.GIF\"> b",
            "</FONT>",
            "</BODY>",
            "</HTML>",
        };
        QCOMPARE(PageLines(ReadPreview(harness)), expected);
    }

    void textColourContrastsWithTheBackground_data() {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("font");
        QTest::newRow("yellow") << 255 << 255 << 0 << QByteArray("<BODY BGCOLOR=FFFF00>")
                                << QByteArray("<FONT COLOR=000000>");
        QTest::newRow("orange") << 255 << 0x7F << 0 << QByteArray("<BODY BGCOLOR=FF7F00>")
                                << QByteArray("<FONT COLOR=FFFFFF>");
        QTest::newRow("green 80") << 0 << 0x80 << 0x10 << QByteArray("<BODY BGCOLOR=008010>")
                                  << QByteArray("<FONT COLOR=000000>");
    }

    void textColourContrastsWithTheBackground() {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, font);
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        control<QCheckBox>(window, "cbWordWrap")->setChecked(false);
        tagforge::SetPanelColor(control<tagforge::ColorPanel>(window, "Image2"),
                                MakeColor(red, green, blue));
        ShowPreview(window);
        const QList<QByteArray> lines = PageLines(ReadPreview(harness));
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[2], body);
        QCOMPARE(lines[3], QByteArray("<NOBR>"));
        QCOMPARE(lines[4], font);
    }

    void pageIsWindows1251() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("Привет"));
        ShowPreview(window);
        const QByteArray page = ReadPreview(harness);
        const QByteArray cp1251 = Cp1251(QStringLiteral("Привет"));
        QCOMPARE(cp1251, QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2"));
        QVERIFY(page.contains(cp1251));
        QVERIFY(!page.contains(QStringLiteral("Привет").toUtf8()));
        QCOMPARE(PageLines(page).value(4), cp1251);
    }

    // Which text is shown

    void handMadePageShowsTheFormattersResult() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        control<QPlainTextEdit>(window, "MainText")
            ->setPlainText(QStringLiteral("a [::smile::] b"));
        ShowPreview(window);
        QCOMPARE(PageLines(ReadPreview(harness)).value(4),
                 QByteArray("a <IMAGE SRC=\"Smiles\\smile.GIF\"> b"));
        QCOMPARE(Bytes(window.resultText()), QByteArray("a [::smile::] b"));
        QCOMPARE(Bytes(window.templateText()), QByteArray("a [::smile::] b"));

        // The message is read again each time the preview is shown.
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("Привет"));
        ShowPreview(window);
        QCOMPARE(PageLines(ReadPreview(harness)).value(4), Cp1251(QStringLiteral("Привет")));
        QCOMPARE(Bytes(window.templateText()), Cp1251(QStringLiteral("Привет")));
    }

    void templatesPageShowsTheTemplateLineOfTheMoment() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("hello"));
        control<QTabWidget>(window, "PageControl3")
            ->setCurrentWidget(control<QWidget>(window, "KillPage"));
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
        control<QLineEdit>(window, "KillName")->setText(QStringLiteral("Модер"));
        control<QLineEdit>(window, "VictimName")->setText(QStringLiteral("Гость"));
        harness.platform.clock.time.setTime(QTime(18, 30, 15));
        ShowPreview(window);
        KillLineFields fields;
        fields.killer = ToCp1251(QStringLiteral("Модер"));
        fields.victim = ToCp1251(QStringLiteral("Гость"));
        const QString expected = FromCp1251(BuildKillLine(fields, "18:30:15"));
        QCOMPARE(PageLines(ReadPreview(harness)).value(4), Cp1251(expected));
        QCOMPARE(FromCp1251(window.templateText()), expected);

        // The solitude tab shows its own line.
        control<QTabWidget>(window, "PageControl3")
            ->setCurrentWidget(control<QWidget>(window, "SolitudePage"));
        control<QLineEdit>(window, "SolitudeNick")->setText(QStringLiteral("Лиса"));
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton4"), Qt::LeftButton);
        control<QLineEdit>(window, "SolitudeWhatDo")->setText(QStringLiteral("спит"));
        ShowPreview(window);
        const QString solitude = FromCp1251(BuildSolitudeLine(
            "", {ToCp1251(QStringLiteral("Лиса"))}, ToCp1251(QStringLiteral("спит"))));
        QCOMPARE(PageLines(ReadPreview(harness)).value(4), Cp1251(solitude));
        QCOMPARE(FromCp1251(window.templateText()), solitude);
    }

    // Failures and the web view

    void unwritablePageShowsAnErrorAndKeepsTheView() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("first"));
        ShowPreview(window);
        // The view comes with the first showing; the page loads once the event loop runs.
        QSignalSpy loaded(control<QWebEngineView>(window, "CppWebBrowser1"),
                          &QWebEngineView::loadFinished);
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, kLoadTimeoutMs);
        const QUrl before = control<QWebEngineView>(window, "CppWebBrowser1")->url();
        QCOMPARE(before, QUrl::fromLocalFile(PreviewPath(harness)));

        control<QTabWidget>(window, "PageControl1")
            ->setCurrentWidget(control<QWidget>(window, "FormatPage"));
        QVERIFY(QFile::remove(PreviewPath(harness)));
        QVERIFY(QDir(QString::fromStdString(harness.programFolder().string()))
                    .mkdir(QStringLiteral("preview.htm")));
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("second"));
        const qsizetype loadsBefore = loaded.count();
        control<QTabWidget>(window, "PageControl1")
            ->setCurrentWidget(control<QWidget>(window, "PreviewPage"));

        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].kind, QStringLiteral("error"));
        QVERIFY2(shown[0].text.contains(QStringLiteral("preview.htm")), qPrintable(shown[0].text));
        QCOMPARE(control<QWebEngineView>(window, "CppWebBrowser1")->url(), before);
        QTest::qWait(300);
        QCOMPARE(loaded.count(), loadsBefore);
        QCOMPARE(control<QWebEngineView>(window, "CppWebBrowser1")->url(), before);
        // No temporary file is left beside it.
        const QStringList left =
            QDir(QString::fromStdString(harness.programFolder().string()))
                .entryList({QStringLiteral("preview.htm*")}, QDir::Files | QDir::NoDotAndDotDot);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
    }

    void unwritablePageOnFirstShowing() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        QVERIFY(QDir(QString::fromStdString(harness.programFolder().string()))
                    .mkdir(QStringLiteral("preview.htm")));
        ShowPreview(window);
        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].kind, QStringLiteral("error"));
        QVERIFY2(shown[0].text.contains(QStringLiteral("preview.htm")), qPrintable(shown[0].text));
        QVERIFY(control<QWebEngineView>(window, "CppWebBrowser1")->url().isEmpty());
    }

    void viewLoadsTheWrittenPage() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("Привет, мир"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ShowPreview(window);
        QSignalSpy loaded(control<QWebEngineView>(window, "CppWebBrowser1"),
                          &QWebEngineView::loadFinished);
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, kLoadTimeoutMs);
        QCOMPARE(loaded.at(0).at(0).toBool(), true);
        QCOMPARE(control<QWebEngineView>(window, "CppWebBrowser1")->url(),
                 QUrl::fromLocalFile(PreviewPath(harness)));

        // The page is read as Windows-1251.
        QString shownText;
        bool answered = false;
        control<QWebEngineView>(window, "CppWebBrowser1")
            ->page()
            ->toPlainText([&](const QString& text) {
                shownText = text;
                answered = true;
            });
        QTRY_VERIFY_WITH_TIMEOUT(answered, kLoadTimeoutMs);
        QVERIFY2(shownText.contains(QStringLiteral("Привет, мир")), qPrintable(shownText));
    }

    // About

    void aboutPageShowsItsText() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        QVERIFY(control<QPlainTextEdit>(window, "Memo1")->toPlainText().isEmpty());
        ShowAbout(window);
        const std::vector<std::string>& lines = AboutLines();
        QCOMPARE(lines.size(), std::size_t{16});
        QTextDocument* document = control<QPlainTextEdit>(window, "Memo1")->document();
        QCOMPARE(document->blockCount(), 16);
        QCOMPARE(document->firstBlock().text(), QStringLiteral("Всем привет !"));
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(document->findBlockByNumber(i).text(),
                     FromCp1251(lines[static_cast<std::size_t>(i)]));
        }
        QVERIFY(control<QPlainTextEdit>(window, "Memo1")->isReadOnly());

        ShowAbout(window);
        QCOMPARE(control<QPlainTextEdit>(window, "Memo1")->document()->blockCount(), 16);
        QCOMPARE(control<QPlainTextEdit>(window, "Memo1")->document()->firstBlock().text(),
                 QStringLiteral("Всем привет !"));
    }

    void firstStartOpensOnTheAboutText() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        QCOMPARE(control<QTabWidget>(window, "PageControl1")->currentWidget(),
                 control<QWidget>(window, "AboutPage"));
        QCOMPARE(control<QPlainTextEdit>(window, "Memo1")->document()->blockCount(), 16);
        ShowAbout(window);
        QCOMPARE(control<QPlainTextEdit>(window, "Memo1")->document()->blockCount(), 16);
    }

    void contactFields() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        const QString email =
            QString::fromLatin1(kMakerEmail.data(), static_cast<qsizetype>(kMakerEmail.size()));
        const QString home = QString::fromLatin1(kMakerHomePage.data(),
                                                 static_cast<qsizetype>(kMakerHomePage.size()));
        const QString icq =
            QString::fromLatin1(kMakerIcq.data(), static_cast<qsizetype>(kMakerIcq.size()));
        QCOMPARE(control<QLineEdit>(window, "Edit3")->text(), email);
        QCOMPARE(control<QLineEdit>(window, "Edit4")->text(), home);
        QVERIFY(home.startsWith(QStringLiteral("http://")));
        QCOMPARE(control<QLineEdit>(window, "Edit2")->text(), QStringLiteral("ICQ: ") + icq);
        QCOMPARE(control<QLineEdit>(window, "Edit3")->toolTip(), QStringLiteral("Напиши письмецо"));
        QCOMPARE(control<QLineEdit>(window, "Edit4")->toolTip(),
                 QStringLiteral("Зайди на домашнюю страницу"));
        QCOMPARE(control<QLineEdit>(window, "Edit2")->toolTip(),
                 QStringLiteral("Постучись в аську"));
    }

    void contactClicks() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        ShowAbout(window);
        auto& opened = harness.platform.urls.opened;

        QTest::mouseClick(control<QLineEdit>(window, "Edit3"), Qt::LeftButton);
        QCOMPARE(opened.size(), std::size_t{1});
        QCOMPARE(opened[0], QStringLiteral("mailto:") +
                                control<QLineEdit>(window, "Edit3")->text() +
                                QStringLiteral("?subject=Orbel%20TagForge"));

        QTest::mouseClick(control<QLineEdit>(window, "Edit4"), Qt::LeftButton);
        QCOMPARE(opened.size(), std::size_t{2});
        QCOMPARE(opened[1], control<QLineEdit>(window, "Edit4")->text());
        QVERIFY(opened[1].startsWith(QStringLiteral("http://")));

        QTest::mouseClick(control<QLineEdit>(window, "Edit2"), Qt::LeftButton);
        QCOMPARE(opened.size(), std::size_t{2});
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::PreviewPageTest)
#include "preview_page_test.moc"
