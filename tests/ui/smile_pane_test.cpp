#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QWebEngineView>
#include <filesystem>

#include "core/preview/page_escaping.h"
#include "gui/common/text_bridge.h"
#include "gui/smileys/smile_web_page.h"
#include "smile_test_support.h"
#include "ui_test_main.h"

using tagforge::test::control;

namespace tagforge {

namespace {

namespace fs = std::filesystem;
using test::FileBytes;
using test::GroupFile;
using test::kLoadTimeoutMs;
using test::OpenOnFormatPage;
using test::PageFile;
using test::PathText;
using test::PutGroup;
using test::PutSmiley;
using test::RunScript;
using test::StoreShowSmilesType;
using test::WaitForSmilePage;
using test::WindowHarness;

// Clicks the smiley whose link is `base` in the pane, as the user would.
void ClickSmiley(MainWindow& window, const QString& base) {
    const QString script = QStringLiteral(
                               "(function(){var a=document.querySelector('a[href=\"%1\"]');"
                               "if(!a)return false;a.click();return true;})()")
                               .arg(base);
    QVERIFY2(RunScript(control<QWebEngineView>(window, "CppWebBrowser2"), script).toBool(),
             qPrintable(base));
}

// A window showing the pane with the group "Fun" made of `groupFile`.
MainWindow& OpenWithGroup(WindowHarness& harness, const std::string& groupFile) {
    const fs::path folder = harness.programFolder();
    for (const char* name : {"a.gif", "b.gif", "c.gif", "d.gif", "X.GIF"}) {
        PutSmiley(folder, name);
    }
    PutGroup(folder, "Fun", groupFile);
    StoreShowSmilesType(harness, "3");
    MainWindow& window = OpenOnFormatPage(harness);
    return window;
}

void SelectText(QPlainTextEdit* edit, int from, int to) {
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

}  // namespace

class SmilePaneTest : public QObject {
    Q_OBJECT

  private slots:
    void scriptsOnThePanePageNeverRun() {
        QTemporaryDir folder;
        const QString page = folder.filePath(QStringLiteral("Smiles.htm"));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><script>document.title = 'ran';</script></body></html>");
        file.close();
        QWebEngineView view;
        auto* pane = new tagforge::SmileWebPage([](const QUrl&) { return true; }, &view);
        view.setPage(pane);
        QSignalSpy loaded(pane, &QWebEnginePage::loadFinished);
        pane->showPageFile(page);
        QVERIFY(loaded.wait(kLoadTimeoutMs));
        QCOMPARE(RunScript(&view, QStringLiteral("document.title")).toString(), QString());
    }

    void paneShowsTheSelectedGroup() {
        WindowHarness harness;
        MainWindow& window = OpenWithGroup(harness, "b.gif\r\na.gif\r\n");
        QVERIFY(control<QPushButton>(window, "SmileButton")->isChecked());
        QVERIFY(control<QWidget>(window, "SmilePane")->isVisibleTo(&window));
        QCOMPARE(control<QPushButton>(window, "SmileButton")->toolTip(),
                 QStringLiteral("Спрятать смайлы"));
        QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->currentText(),
                 QStringLiteral("Fun"));
        QVERIFY(WaitForSmilePage(window));
        QCOMPARE(RunScript(control<QWebEngineView>(window, "CppWebBrowser2"),
                           QStringLiteral("Array.from(document.links).map(function(a){"
                                          "return a.getAttribute('href')}).join(',')"))
                     .toString(),
                 QStringLiteral("a,b"));
        QCOMPARE(RunScript(control<QWebEngineView>(window, "CppWebBrowser2"),
                           QStringLiteral("Array.from(document.images).map(function(i){"
                                          "return i.naturalWidth}).join(',')"))
                     .toString(),
                 QStringLiteral("1,1"));
        QVERIFY(harness.platform.messages.shown.empty());
    }

    void pageRunsOfThreeForSevenSmileys() {
        WindowHarness harness;
        PutGroup(harness.programFolder(), "Seven",
                 "g.gif\r\nf.gif\r\ne.gif\r\nd.gif\r\nc.gif\r\nb.gif\r\na.gif\r\n");
        MainWindow& window = OpenOnFormatPage(harness);
        control<QCheckBox>(window, "cbNumOfSmiles")->setChecked(true);
        control<QSpinBox>(window, "UpDown1")->setValue(3);
        control<QCheckBox>(window, "cbFrequentlyUsed")->setChecked(false);
        control<QPushButton>(window, "SmileButton")->click();
        QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->currentText(),
                 QStringLiteral("Seven"));
        auto smiley = [](const char* base) {
            return QByteArray("<A HREF=\"") + base + "\"><IMAGE BORDER=0 SRC=\"..\\Smiles\\" +
                   base + ".gif\" ALT=\"" + base + "\"></A>\r\n";
        };
        auto header = [](int run) {
            return QByteArray("<HR><FONT COLOR=FF0000 SIZE=1>-= ") + QByteArray::number(run) +
                   " =-</FONT><BR>\r\n";
        };
        const QByteArray head = "<HTML>\r\n<BODY BGCOLOR=000000>\r\n<CENTER>\r\n";
        const QByteArray tail = "</CENTER>\r\n</BODY>\r\n</HTML>\r\n";
        QCOMPARE(FileBytes(PageFile(harness.programFolder())),
                 head + header(1) + smiley("a") + smiley("b") + smiley("c") + header(2) +
                     smiley("d") + smiley("e") + smiley("f") + header(3) + smiley("g") +
                     "<HR>\r\n" + tail);

        // Neither size 0 nor the check box off makes runs.
        const QByteArray plain = head + smiley("a") + smiley("b") + smiley("c") + smiley("d") +
                                 smiley("e") + smiley("f") + smiley("g") + tail;
        control<QSpinBox>(window, "UpDown1")->setValue(0);
        tagforge::test::SmileyPaneOf(window).smileGroupChosen();
        QCOMPARE(FileBytes(PageFile(harness.programFolder())), plain);
        control<QSpinBox>(window, "UpDown1")->setValue(3);
        control<QCheckBox>(window, "cbNumOfSmiles")->setChecked(false);
        tagforge::test::SmileyPaneOf(window).smileGroupChosen();
        QCOMPARE(FileBytes(PageFile(harness.programFolder())), plain);
    }

    void clickInsertsTheMarkerAndCountsTheUse() {
        WindowHarness harness;
        MainWindow& window = OpenWithGroup(harness, "b.gif|2\r\na.gif|2\r\nc.gif|5\r\nd.gif\r\n");
        QVERIFY(control<QCheckBox>(window, "cbFrequentlyUsed")->isChecked());
        const fs::path group = GroupFile(harness.programFolder(), "Fun");
        QCOMPARE(FileBytes(group), QByteArray("c.gif|5\r\na.gif|2\r\nb.gif|2\r\nd.gif\r\n"));
        QVERIFY(WaitForSmilePage(window));
        QSignalSpy reloads(control<QWebEngineView>(window, "CppWebBrowser2"),
                           &QWebEngineView::loadFinished);

        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("abc"));
        SelectText(control<QPlainTextEdit>(window, "MainText"), 1, 2);
        ClickSmiley(window, QStringLiteral("d"));
        QTRY_COMPARE_WITH_TIMEOUT(control<QPlainTextEdit>(window, "MainText")->toPlainText(),
                                  QStringLiteral("a[::d::]c"), kLoadTimeoutMs);
        QCOMPARE(control<QPlainTextEdit>(window, "MainText")->textCursor().position(), 8);
        QCOMPARE(FileBytes(group), QByteArray("c.gif|5\r\na.gif|2\r\nb.gif|2\r\nd.gif|1\r\n"));

        // Each use rebuilds the pane in the new order.
        QTRY_COMPARE_WITH_TIMEOUT(reloads.count(), 1, kLoadTimeoutMs);
        ClickSmiley(window, QStringLiteral("d"));
        QTRY_COMPARE_WITH_TIMEOUT(reloads.count(), 2, kLoadTimeoutMs);
        ClickSmiley(window, QStringLiteral("d"));
        QTRY_COMPARE_WITH_TIMEOUT(reloads.count(), 3, kLoadTimeoutMs);
        QCOMPARE(control<QPlainTextEdit>(window, "MainText")->toPlainText(),
                 QStringLiteral("a[::d::][::d::][::d::]c"));
        QCOMPARE(FileBytes(group), QByteArray("c.gif|5\r\nd.gif|3\r\na.gif|2\r\nb.gif|2\r\n"));
        // A script sent while a reload is still under way gets no answer, so ask until the pane
        // has settled.
        QTRY_COMPARE_WITH_TIMEOUT(
            RunScript(control<QWebEngineView>(window, "CppWebBrowser2"),
                      QStringLiteral("Array.from(document.links).map(function(a){"
                                     "return a.getAttribute('href')}).join(',')"))
                .toString(),
            QStringLiteral("c,d,a,b"), kLoadTimeoutMs);
        QCOMPARE(control<QWebEngineView>(window, "CppWebBrowser2")->url(),
                 QUrl::fromLocalFile(PathText(PageFile(harness.programFolder()))));
        QVERIFY(harness.platform.messages.shown.empty());
    }

    void frequencyOrderingOffWritesNothing() {
        WindowHarness harness;
        MainWindow& window = OpenWithGroup(harness, "b.gif|2\r\na.gif|2\r\nc.gif|5\r\nd.gif\r\n");
        control<QCheckBox>(window, "cbFrequentlyUsed")->setChecked(false);
        tagforge::test::SmileyPaneOf(window).smileGroupChosen();
        const fs::path group = GroupFile(harness.programFolder(), "Fun");
        const QByteArray ordered = "a.gif|2\r\nb.gif|2\r\nc.gif|5\r\nd.gif\r\n";
        QCOMPARE(FileBytes(group), ordered);
        QVERIFY(WaitForSmilePage(window));
        ClickSmiley(window, QStringLiteral("d"));
        QTRY_COMPARE_WITH_TIMEOUT(control<QPlainTextEdit>(window, "MainText")->toPlainText(),
                                  QStringLiteral("[::d::]"), kLoadTimeoutMs);
        QCOMPARE(FileBytes(group), ordered);
    }

    void upperCaseExtensionIsNotCounted() {
        WindowHarness harness;
        MainWindow& window = OpenWithGroup(harness, "X.GIF\r\na.gif|1\r\n");
        const fs::path group = GroupFile(harness.programFolder(), "Fun");
        const QByteArray before = FileBytes(group);
        QCOMPARE(before, QByteArray("a.gif|1\r\nX.GIF\r\n"));
        QVERIFY(WaitForSmilePage(window));
        ClickSmiley(window, QStringLiteral("X"));
        QTRY_COMPARE_WITH_TIMEOUT(control<QPlainTextEdit>(window, "MainText")->toPlainText(),
                                  QStringLiteral("[::X::]"), kLoadTimeoutMs);
        QCOMPARE(FileBytes(group), before);
    }

    // The page is Windows-1251 like the group file; the image file name on disk is the system's.
    void cyrillicNamesRoundTrip() {
        WindowHarness harness;
        PutSmiley(harness.programFolder(), "смех.gif");
        PutGroup(harness.programFolder(), "Fun", "\xF1\xEC\xE5\xF5.gif\r\n");
        test::StoreShowSmilesType(harness, "3");
        MainWindow& window = OpenOnFormatPage(harness);
        QVERIFY(WaitForSmilePage(window));
        QCOMPARE(RunScript(control<QWebEngineView>(window, "CppWebBrowser2"),
                           QStringLiteral("document.images[0].naturalWidth"))
                     .toInt(),
                 1);
        ClickSmiley(window, QStringLiteral("смех"));
        QTRY_COMPARE_WITH_TIMEOUT(control<QPlainTextEdit>(window, "MainText")->toPlainText(),
                                  QStringLiteral("[::смех::]"), kLoadTimeoutMs);
        QCOMPARE(FileBytes(GroupFile(harness.programFolder(), "Fun")),
                 QByteArray("\xF1\xEC\xE5\xF5.gif|1\r\n"));
    }

    // Names that need escaping show their own picture, a hostile one runs nothing, and a click
    // on each inserts its marker.
    void awkwardNamesShowTheirPictureAndInsertThemselves() {
        WindowHarness harness;
        const fs::path folder = harness.programFolder();
        const QStringList names = {QStringLiteral("a b"), QStringLiteral("50%"),
                                   QStringLiteral("hash#1"), QStringLiteral("смех ёж")};
        std::string group =
            "\"><script>document.body.innerHTML=\"<h1>PWNED</h1>\"</script>.gif\r\n";
        for (const QString& name : names) {
            PutSmiley(folder, (name + QStringLiteral(".gif")).toStdString());
            group += ToCp1251(name) + ".gif\r\n";
        }
        PutGroup(folder, "Fun", group);
        test::StoreShowSmilesType(harness, "3");
        MainWindow& window = OpenOnFormatPage(harness);
        control<QCheckBox>(window, "cbFrequentlyUsed")->setChecked(false);
        QVERIFY(WaitForSmilePage(window));
        QCOMPARE(RunScript(control<QWebEngineView>(window, "CppWebBrowser2"),
                           QStringLiteral("document.querySelectorAll('h1, script').length"))
                     .toInt(),
                 0);
        QString inserted;
        for (const QString& name : names) {
            const QString width =
                QStringLiteral("Array.from(document.images).find(i => i.alt == '%1').naturalWidth")
                    .arg(name);
            QCOMPARE(RunScript(control<QWebEngineView>(window, "CppWebBrowser2"), width).toInt(),
                     1);
            ClickSmiley(window, FromCp1251(PercentEncodeName(ToCp1251(name))));
            inserted += QStringLiteral("[::") + name + QStringLiteral("::]");
            QTRY_COMPARE_WITH_TIMEOUT(control<QPlainTextEdit>(window, "MainText")->toPlainText(),
                                      inserted, kLoadTimeoutMs);
        }
    }

    void clickOnTheTemplatesPageInsertsNothing() {
        WindowHarness harness;
        MainWindow& window = OpenWithGroup(harness, "a.gif\r\nd.gif\r\n");
        const fs::path group = GroupFile(harness.programFolder(), "Fun");
        const QByteArray before = FileBytes(group);
        QVERIFY(WaitForSmilePage(window));
        control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("text"));
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
        ClickSmiley(window, QStringLiteral("d"));
        // A later click on the hand-made page shows that the first one has been dealt with.
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "HandMadePage"));
        ClickSmiley(window, QStringLiteral("a"));
        QTRY_COMPARE_WITH_TIMEOUT(control<QPlainTextEdit>(window, "MainText")->toPlainText(),
                                  QStringLiteral("[::a::]text"), kLoadTimeoutMs);
        QCOMPARE(FileBytes(group), QByteArray("a.gif|1\r\nd.gif\r\n"));
        QCOMPARE(before, QByteArray("a.gif\r\nd.gif\r\n"));
        QCOMPARE(control<QWebEngineView>(window, "CppWebBrowser2")->url(),
                 QUrl::fromLocalFile(PathText(PageFile(harness.programFolder()))));
    }

    void navigationsOtherThanThePageAreCancelled() {
        WindowHarness harness;
        MainWindow& window = OpenWithGroup(harness, "a.gif\r\n");
        const QString folder = PathText(harness.programFolder());
        QVERIFY(tagforge::test::SmileyPaneOf(window).acceptSmileNavigation(
            QUrl::fromLocalFile(folder + QStringLiteral("/SmileGroups/smiles.HTM"))));
        QVERIFY(control<QPlainTextEdit>(window, "MainText")->toPlainText().isEmpty());
        QVERIFY(!tagforge::test::SmileyPaneOf(window).acceptSmileNavigation(
            QUrl::fromLocalFile(folder + QStringLiteral("/SmileGroups/my.smile"))));
        QVERIFY(!tagforge::test::SmileyPaneOf(window).acceptSmileNavigation(
            QUrl::fromLocalFile(folder + QStringLiteral("/SmileGroups/смех"))));
        QCOMPARE(control<QPlainTextEdit>(window, "MainText")->toPlainText(),
                 QStringLiteral("[::my.smile::][::смех::]"));
    }

    // The browser engine starts only for what shows a page: each view comes with the first
    // showing of its page or pane, once, and serves every later showing.
    void browserViewsComeWithTheirFirstShowing() {
        WindowHarness harness;
        PutSmiley(harness.programFolder(), "a.gif");
        PutGroup(harness.programFolder(), "Fun", "a.gif\r\n");
        MainWindow& window = OpenOnFormatPage(harness);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto views = [&] { return window.findChildren<QWebEngineView*>(); };
        QVERIFY(views().isEmpty());
        auto* pages = control<QTabWidget>(window, "PageControl1");
        const QUrl preview = QUrl::fromLocalFile(PathText(harness.programFolder() / "preview.htm"));
        for (int round = 0; round < 2; ++round) {
            pages->setCurrentWidget(control<QWidget>(window, "PreviewPage"));
            QCOMPARE(views().size(), 1);
            QCOMPARE(views().at(0)->objectName(), QStringLiteral("CppWebBrowser1"));
            QTRY_COMPARE_WITH_TIMEOUT(views().at(0)->url(), preview, kLoadTimeoutMs);
            pages->setCurrentWidget(control<QWidget>(window, "FormatPage"));
        }
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(control<QPushButton>(window, "SmileButton"), Qt::LeftButton);
            QCOMPARE(views().size(), 2);
            QVERIFY(WaitForSmilePage(window));
            QTest::mouseClick(control<QPushButton>(window, "SmileButton"), Qt::LeftButton);
            QVERIFY(control<QWidget>(window, "SmilePane")->isHidden());
        }
    }

    void windowGrowsByThePaneAndShrinksBack() {
        WindowHarness harness;
        PutGroup(harness.programFolder(), "Fun", "a.gif\r\n");
        MainWindow& window = OpenOnFormatPage(harness);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(control<QWidget>(window, "SmilePane")->isHidden());
        QCOMPARE(control<QPushButton>(window, "SmileButton")->toolTip(),
                 QStringLiteral("Показать смайлы"));
        const int narrow = window.width();

        QTest::mouseClick(control<QPushButton>(window, "SmileButton"), Qt::LeftButton);
        QVERIFY(control<QPushButton>(window, "SmileButton")->isChecked());
        QVERIFY(control<QWidget>(window, "SmilePane")->isVisible());
        QTRY_VERIFY(window.width() >= narrow + control<QWidget>(window, "SmilePane")->width());
        QVERIFY(window.width() < narrow + 2 * control<QWidget>(window, "SmilePane")->width());
        const int wide = window.width();
        QTRY_COMPARE(control<QWebEngineView>(window, "CppWebBrowser2")->width(), 210);
        QVERIFY(control<QWebEngineView>(window, "CppWebBrowser2")->height() >= 395);
        QCOMPARE(control<QPushButton>(window, "SpeedButton10")->size(), QSize(21, 21));
        QCOMPARE(control<QPushButton>(window, "SpeedButton8")->size(), QSize(21, 21));
        QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->width(), 163);
        // The pane is the right-hand strip of the window.
        QVERIFY(
            control<QWebEngineView>(window, "CppWebBrowser2")->mapTo(&window, QPoint(0, 0)).x() >
            control<QTabWidget>(window, "PageControl1")->mapTo(&window, QPoint(0, 0)).x() +
                control<QTabWidget>(window, "PageControl1")->width() - 1);

        QTest::mouseClick(control<QPushButton>(window, "SmileButton"), Qt::LeftButton);
        QVERIFY(!control<QPushButton>(window, "SmileButton")->isChecked());
        QVERIFY(control<QWidget>(window, "SmilePane")->isHidden());
        QCOMPARE(control<QPushButton>(window, "SmileButton")->toolTip(),
                 QStringLiteral("Показать смайлы"));
        QTRY_COMPARE(window.width(), narrow);

        QTest::mouseClick(control<QPushButton>(window, "SmileButton"), Qt::LeftButton);
        QTRY_COMPARE(window.width(), wide);
    }

    void startShowingThePaneWithoutGroupsOpensTheCreateDialogue() {
        WindowHarness harness;
        StoreShowSmilesType(harness, "0");
        MainWindow& window = OpenOnFormatPage(harness);
        QCOMPARE(control<QComboBox>(window, "comboShowSmiles")->currentText(),
                 QStringLiteral("Всегда"));
        const auto& asked = harness.platform.input.asked;
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked[0].caption, QStringLiteral("Новая группа смайлов"));
        QCOMPARE(asked[0].prompt, QStringLiteral("Имя группы:"));
        QCOMPARE(asked[0].initial, QString());
        // Cancelled: the button comes up and the pane stays hidden.
        QVERIFY(!control<QPushButton>(window, "SmileButton")->isChecked());
        QVERIFY(control<QWidget>(window, "SmilePane")->isHidden());
        QVERIFY(fs::is_directory(harness.programFolder() / "Smiles"));
    }

    void startCreatingAGroupShowsIt() {
        WindowHarness harness;
        StoreShowSmilesType(harness, "0");
        PutSmiley(harness.programFolder(), "a.gif");
        harness.platform.input.answers.push_back(QStringLiteral("Fun"));
        harness.platform.files.answer =
            QStringList{PathText(harness.programFolder() / "Smiles" / "a.gif")};
        MainWindow& window = OpenOnFormatPage(harness);
        QVERIFY(control<QPushButton>(window, "SmileButton")->isChecked());
        QVERIFY(control<QWidget>(window, "SmilePane")->isVisibleTo(&window));
        QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->currentText(),
                 QStringLiteral("Fun"));
        QCOMPARE(FileBytes(GroupFile(harness.programFolder(), "Fun")), QByteArray("a.gif\r\n"));
        QVERIFY(WaitForSmilePage(window));
    }

    void showingThePaneMakesTheSmilesFolderAgain() {
        WindowHarness harness;
        PutGroup(harness.programFolder(), "Fun", "a.gif\r\n");
        MainWindow& window = OpenOnFormatPage(harness);
        QVERIFY(!fs::exists(harness.programFolder() / "Smiles"));
        control<QPushButton>(window, "SmileButton")->click();
        QVERIFY(fs::is_directory(harness.programFolder() / "Smiles"));
        QVERIFY(control<QWidget>(window, "SmilePane")->isVisibleTo(&window));
    }

    void unmakeableSmilesFolderStopsTheShowing() {
        WindowHarness harness;
        PutGroup(harness.programFolder(), "Fun", "a.gif\r\n");
        test::PutFile(harness.programFolder() / "Smiles", "in the way");
        MainWindow& window = OpenOnFormatPage(harness);
        control<QPushButton>(window, "SmileButton")->click();
        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].kind, QStringLiteral("error"));
        QCOMPARE(shown[0].text, QStringLiteral("Cannot create ") +
                                    PathText(harness.programFolder()) +
                                    QStringLiteral("/Smiles directory."));
        QVERIFY(control<QWidget>(window, "SmilePane")->isHidden());
        QVERIFY(!fs::exists(PageFile(harness.programFolder())));
    }

    void unwritablePageKeepsThePaneSilently() {
        WindowHarness harness;
        MainWindow& window = OpenWithGroup(harness, "a.gif\r\n");
        QVERIFY(WaitForSmilePage(window));
        PutGroup(harness.programFolder(), "Other", "b.gif\r\n");
        fs::remove(PageFile(harness.programFolder()));
        fs::create_directory(PageFile(harness.programFolder()));
        control<QComboBox>(window, "comboSelectSmilesGroup")->addItem(QStringLiteral("Other"));
        control<QComboBox>(window, "comboSelectSmilesGroup")->setCurrentIndex(1);
        tagforge::test::SmileyPaneOf(window).smileGroupChosen();
        QVERIFY(harness.platform.messages.shown.empty());
        // The selector was not refilled from the folder, so it keeps the item added above.
        QCOMPARE(test::Items(control<QComboBox>(window, "comboSelectSmilesGroup")),
                 QStringList({QStringLiteral("Fun"), QStringLiteral("Other")}));
        QCOMPARE(RunScript(control<QWebEngineView>(window, "CppWebBrowser2"),
                           QStringLiteral("document.links[0].href"))
                     .toString()
                     .section(QLatin1Char('/'), -1),
                 QStringLiteral("a"));
    }

    // The preview names images "Smiles\name.GIF"; the file is found whatever its case.
    void previewFindsSmileyImagesInAnyCase() {
        WindowHarness harness;
        PutSmiley(harness.programFolder(), "smile.gif");
        MainWindow& window = OpenOnFormatPage(harness);
        control<QPlainTextEdit>(window, "MainText")
            ->setPlainText(QStringLiteral("[::smile::] [::missing::]"));
        control<QTabWidget>(window, "PageControl1")
            ->setCurrentWidget(control<QWidget>(window, "PreviewPage"));
        const QUrl preview = QUrl::fromLocalFile(PathText(harness.programFolder() / "preview.htm"));
        QVERIFY(QTest::qWaitFor(
            [&] {
                return control<QWebEngineView>(window, "CppWebBrowser1")->url() == preview &&
                       RunScript(control<QWebEngineView>(window, "CppWebBrowser1"),
                                 QStringLiteral("document.readyState"))
                               .toString() == QLatin1String("complete");
            },
            kLoadTimeoutMs));
        QCOMPARE(RunScript(control<QWebEngineView>(window, "CppWebBrowser1"),
                           QStringLiteral("Array.from(document.images).map(function(i){"
                                          "return i.naturalWidth}).join(',')"))
                     .toString(),
                 QStringLiteral("1,0"));
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::SmilePaneTest)
#include "smile_pane_test.moc"
