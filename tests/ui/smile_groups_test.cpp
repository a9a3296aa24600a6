#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "gui/smileys/copy_progress.h"
#include "smile_test_support.h"
#include "ui_test_main.h"

using tagforge::test::control;

namespace tagforge {

namespace {

namespace fs = std::filesystem;
using test::FileBytes;
using test::GroupFile;
using test::Items;
using test::OpenOnFormatPage;
using test::PageFile;
using test::PathText;
using test::PutFile;
using test::PutGroup;
using test::PutSmiley;
using test::WindowHarness;

const QString kNameCaption = QStringLiteral("Новая группа смайлов");
const QString kLimitMessage = QStringLiteral(
    "Выбрано слишком большое количество смайлов.\nБудут подключены только первые 500 "
    "смайлов.\nДля подключения остальных следует создать новую группу смайлов.");

// Records every showing of the copy progress window, with its caption and bar at each caption.
class ProgressWatch final : public QObject {
  public:
    ProgressWatch() { qApp->installEventFilter(this); }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }
    ProgressWatch(const ProgressWatch&) = delete;
    ProgressWatch& operator=(const ProgressWatch&) = delete;

    int shows = 0;
    QStringList captions;
    QList<int> bars;
    QSize clientSize;
    // The bar's value at each painting of the window or its bar.
    QList<int> paintedBars;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // The window or the bar inside it.
            auto* painted = qobject_cast<CopyProgressWindow*>(watched);
            if (painted == nullptr && watched->parent() != nullptr) {
                painted = qobject_cast<CopyProgressWindow*>(watched->parent());
            }
            if (painted != nullptr) {
                paintedBars << control<QProgressBar>(*painted, "ProgressBar1")->value();
            }
            return false;
        }
        auto* progress = qobject_cast<CopyProgressWindow*>(watched);
        if (progress == nullptr) {
            return false;
        }
        if (event->type() == QEvent::Show) {
            ++shows;
            clientSize = progress->size();
        } else if (event->type() == QEvent::WindowTitleChange) {
            captions << progress->windowTitle();
            bars << control<QProgressBar>(*progress, "ProgressBar1")->value();
        }
        return false;
    }
};

fs::path Source(const WindowHarness& harness) {
    return harness.programFolder() / "source";
}

QString PutSource(const WindowHarness& harness, const std::string& name, const std::string& bytes) {
    PutFile(Source(harness) / name, bytes);
    return PathText(Source(harness) / name);
}

int ProgressWindowsLeft(MainWindow& window) {
    return static_cast<int>(window.findChildren<CopyProgressWindow*>().size());
}

}  // namespace

class SmileGroupsTest : public QObject {
    Q_OBJECT

  private slots:
    void newGroupCopiesOnlyMissingImages() {
        WindowHarness harness;
        const fs::path smiles = harness.programFolder() / "Smiles";
        PutFile(smiles / "b.gif", "old b");
        PutFile(smiles / "d.gif", "d");
        MainWindow& window = OpenOnFormatPage(harness);
        harness.platform.input.answers.push_back(QStringLiteral("Fun"));
        harness.platform.files.answer =
            QStringList{PutSource(harness, "c.gif", "c"), PutSource(harness, "b.gif", "new b"),
                        PathText(smiles / "d.gif"), PutSource(harness, "a.gif", "a")};
        ProgressWatch watch;
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton10"), Qt::LeftButton);

        const auto& opened = harness.platform.files.opened;
        QCOMPARE(opened.size(), std::size_t{1});
        QCOMPARE(opened[0].folder, PathText(smiles));
        QCOMPARE(opened[0].description, QStringLiteral("GIF Image"));
        QCOMPARE(opened[0].pattern, QStringLiteral("*.gif"));
        QCOMPARE(FileBytes(smiles / "c.gif"), QByteArray("c"));
        QCOMPARE(FileBytes(smiles / "a.gif"), QByteArray("a"));
        QCOMPARE(FileBytes(smiles / "b.gif"), QByteArray("old b"));
        QCOMPARE(FileBytes(smiles / "d.gif"), QByteArray("d"));
        // The dialog's order, without counts.
        QCOMPARE(FileBytes(GroupFile(harness.programFolder(), "Fun")),
                 QByteArray("c.gif\r\nb.gif\r\nd.gif\r\na.gif\r\n"));

        QCOMPARE(watch.shows, 1);
        QCOMPARE(watch.captions, QStringList({QStringLiteral("Копирование смайлов : 0/4"),
                                              QStringLiteral("Копирование смайлов : 3/4")}));
        QCOMPARE(watch.bars, QList<int>({0, 75}));
        QCOMPARE(watch.clientSize, QSize(446, 16));
        QCOMPARE(ProgressWindowsLeft(window), 0);

        // The page shows the new group, which the selector lists and selects.
        QCOMPARE(Items(control<QComboBox>(window, "comboSelectSmilesGroup")),
                 QStringList({QStringLiteral("Fun")}));
        QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->currentText(),
                 QStringLiteral("Fun"));
        QVERIFY(FileBytes(PageFile(harness.programFolder())).contains("<A HREF=\"c\">"));
        QVERIFY(harness.platform.messages.shown.empty());
    }

    void progressIsPaintedWhileTheFilesAreCopied() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        harness.platform.input.answers.push_back(QStringLiteral("Fun"));
        QStringList files;
        for (int i = 0; i < 20; ++i) {
            files << PutSource(harness, "s" + std::to_string(i) + ".gif", "x");
        }
        harness.platform.files.answer = files;
        ProgressWatch watch;
        QVERIFY(tagforge::test::SmileyPaneOf(window).createSmileGroup());
        // Painted before the copying ends, and again as the bar moves on.
        QVERIFY2(watch.paintedBars.size() >= 2,
                 qPrintable(QString::number(watch.paintedBars.size())));
        QVERIFY(watch.paintedBars.last() > watch.paintedBars.first());
        QCOMPARE(ProgressWindowsLeft(window), 0);
    }

    void nothingToCopyNeverShowsTheProgress() {
        WindowHarness harness;
        PutSmiley(harness.programFolder(), "a.gif");
        PutSmiley(harness.programFolder(), "b.gif");
        MainWindow& window = OpenOnFormatPage(harness);
        harness.platform.input.answers.push_back(QStringLiteral("Fun"));
        // Matched by name alone, in any case, wherever the chosen file is.
        harness.platform.files.answer =
            QStringList{PutSource(harness, "B.GIF", "other b"),
                        PathText(harness.programFolder() / "Smiles" / "a.gif")};
        ProgressWatch watch;
        QVERIFY(tagforge::test::SmileyPaneOf(window).createSmileGroup());
        QCOMPARE(watch.shows, 0);
        QCOMPARE(FileBytes(GroupFile(harness.programFolder(), "Fun")),
                 QByteArray("B.GIF\r\na.gif\r\n"));
        QVERIFY(!fs::exists(harness.programFolder() / "Smiles" / "B.GIF"));
        QCOMPARE(FileBytes(harness.programFolder() / "Smiles" / "b.gif"),
                 QByteArray(test::kTinyGif.data(), test::kTinyGif.size()));
    }

    void atMostFiveHundredSmileys_data() {
        QTest::addColumn<int>("chosen");
        QTest::newRow("500") << 500;
        QTest::newRow("501") << 501;
    }

    void atMostFiveHundredSmileys() {
        QFETCH(int, chosen);
        WindowHarness harness;
        QStringList files;
        QByteArray expected;
        for (int i = 0; i < chosen; ++i) {
            const std::string name = "s" + std::to_string(i) + ".gif";
            files << PutSource(harness, name, name);
            if (i < 500) {
                expected += QByteArray::fromStdString(name) + "\r\n";
            }
        }
        MainWindow& window = OpenOnFormatPage(harness);
        harness.platform.input.answers.push_back(QStringLiteral("Many"));
        harness.platform.files.answer = files;
        ProgressWatch watch;
        QVERIFY(tagforge::test::SmileyPaneOf(window).createSmileGroup());

        const auto& shown = harness.platform.messages.shown;
        if (chosen > 500) {
            QCOMPARE(shown.size(), std::size_t{1});
            QCOMPARE(shown[0].kind, QStringLiteral("information"));
            QCOMPARE(shown[0].text, kLimitMessage);
        } else {
            QVERIFY(shown.empty());
        }
        QCOMPARE(FileBytes(GroupFile(harness.programFolder(), "Many")), expected);
        QVERIFY(fs::exists(harness.programFolder() / "Smiles" / "s499.gif"));
        QVERIFY(!fs::exists(harness.programFolder() / "Smiles" / "s500.gif"));
        QCOMPARE(watch.captions.size(), 500);
        QCOMPARE(watch.captions.last(), QStringLiteral("Копирование смайлов : 499/500"));
        QCOMPARE(watch.bars.last(), 99);
    }

    void nameIsTrimmed() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        harness.platform.input.answers.push_back(QStringLiteral("  Fun  "));
        harness.platform.files.answer = QStringList{PutSource(harness, "a.gif", "a")};
        QVERIFY(!fs::exists(harness.programFolder() / "Smiles"));
        QVERIFY(tagforge::test::SmileyPaneOf(window).createSmileGroup());
        // The images folder is made when it is missing, so the copy is not lost.
        QCOMPARE(FileBytes(harness.programFolder() / "Smiles" / "a.gif"), QByteArray("a"));
        QVERIFY(fs::exists(GroupFile(harness.programFolder(), "Fun")));
        QCOMPARE(Items(control<QComboBox>(window, "comboSelectSmilesGroup")),
                 QStringList({QStringLiteral("Fun")}));
    }

    void refusedNameIsAskedAgain() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        auto& input = harness.platform.input;
        input.answers = {QStringLiteral("a/b"), QStringLiteral("   "), QStringLiteral("Good")};
        harness.platform.files.answer = QStringList{PutSource(harness, "a.gif", "a")};
        QVERIFY(tagforge::test::SmileyPaneOf(window).createSmileGroup());

        QCOMPARE(input.asked.size(), std::size_t{3});
        for (const auto& query : input.asked) {
            QCOMPARE(query.caption, kNameCaption);
            QCOMPARE(query.prompt, QStringLiteral("Имя группы:"));
        }
        QCOMPARE(input.asked[0].initial, QString());
        QCOMPARE(input.asked[1].initial, QStringLiteral("a/b"));
        // An empty name is asked again without a message.
        QCOMPARE(input.asked[2].initial, QString());
        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].kind, QStringLiteral("error"));
        QCOMPARE(shown[0].text, QStringLiteral("Название группы не должно содержать \\/:*?\"<>|"));
        QCOMPARE(harness.platform.files.opened.size(), std::size_t{1});
        QVERIFY(fs::exists(GroupFile(harness.programFolder(), "Good")));
    }

    void existingNameInAnotherCaseAsksFirst() {
        WindowHarness harness;
        PutGroup(harness.programFolder(), "Fun", "old.gif\r\n");
        MainWindow& window = OpenOnFormatPage(harness);
        harness.platform.input.answers.push_back(QStringLiteral("FUN"));
        harness.platform.messages.answer = false;
        QVERIFY(!tagforge::test::SmileyPaneOf(window).createSmileGroup());
        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].kind, QStringLiteral("confirm"));
        QCOMPARE(shown[0].text,
                 QStringLiteral("Группа с именем 'FUN' уже существует. Перезаписать?"));
        QVERIFY(harness.platform.files.opened.empty());
        QCOMPARE(harness.platform.input.asked.size(), std::size_t{1});
        QCOMPARE(FileBytes(GroupFile(harness.programFolder(), "Fun")), QByteArray("old.gif\r\n"));

        // Yes overwrites the group's file, keeping its spelling.
        harness.platform.input.answers.push_back(QStringLiteral("fun"));
        harness.platform.messages.answer = true;
        harness.platform.files.answer = QStringList{PutSource(harness, "new.gif", "n")};
        QVERIFY(tagforge::test::SmileyPaneOf(window).createSmileGroup());
        QCOMPARE(FileBytes(GroupFile(harness.programFolder(), "Fun")), QByteArray("new.gif\r\n"));
        QCOMPARE(Items(control<QComboBox>(window, "comboSelectSmilesGroup")),
                 QStringList({QStringLiteral("Fun")}));
    }

    void cancelledFileDialogWritesNothing() {
        WindowHarness harness;
        PutGroup(harness.programFolder(), "Old", "a.gif\r\n");
        test::StoreShowSmilesType(harness, "3");
        MainWindow& window = OpenOnFormatPage(harness);
        QVERIFY(control<QPushButton>(window, "SmileButton")->isChecked());
        harness.platform.input.answers.push_back(QStringLiteral("Fun"));
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton10"), Qt::LeftButton);
        QCOMPARE(harness.platform.files.opened.size(), std::size_t{1});
        QVERIFY(!fs::exists(GroupFile(harness.programFolder(), "Fun")));
        QVERIFY(!control<QPushButton>(window, "SmileButton")->isChecked());
        // The pane itself stays until the next toggle.
        QVERIFY(control<QWidget>(window, "SmilePane")->isVisibleTo(&window));
        QVERIFY(harness.platform.messages.shown.empty());
    }

    void unmakeableGroupsFolderStopsBeforeTheFileDialog() {
        WindowHarness harness;
        PutFile(harness.programFolder() / "SmileGroups", "in the way");
        MainWindow& window = OpenOnFormatPage(harness);
        harness.platform.input.answers.push_back(QStringLiteral("Fun"));
        QVERIFY(!tagforge::test::SmileyPaneOf(window).createSmileGroup());
        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].kind, QStringLiteral("error"));
        QCOMPARE(shown[0].text, QStringLiteral("Cannot create ") +
                                    PathText(harness.programFolder()) +
                                    QStringLiteral("/SmileGroups directory."));
        QVERIFY(harness.platform.files.opened.empty());
    }

    void unwritableGroupFileIsReported() {
        WindowHarness harness;
        fs::create_directories(GroupFile(harness.programFolder(), "Fun"));
        MainWindow& window = OpenOnFormatPage(harness);
        harness.platform.input.answers.push_back(QStringLiteral("Fun"));
        harness.platform.files.answer = QStringList{PutSource(harness, "a.gif", "a")};
        ProgressWatch watch;
        QVERIFY(!tagforge::test::SmileyPaneOf(window).createSmileGroup());
        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{2});
        QCOMPARE(shown[0].kind, QStringLiteral("confirm"));
        QCOMPARE(shown[1].kind, QStringLiteral("error"));
        QVERIFY2(shown[1].text.contains(QStringLiteral("Fun.sgr")), qPrintable(shown[1].text));
        // The copy was made, the progress window is gone, and no page was built.
        QCOMPARE(watch.shows, 1);
        QCOMPARE(ProgressWindowsLeft(window), 0);
        QVERIFY(fs::exists(harness.programFolder() / "Smiles" / "a.gif"));
        QVERIFY(!fs::exists(PageFile(harness.programFolder())));
    }

    void selectingWritesTheGroupInDisplayOrder_data() {
        QTest::addColumn<bool>("byUse");
        QTest::addColumn<QByteArray>("ordered");
        QTest::newRow("by use") << true << QByteArray("c.gif|5\r\na.gif|2\r\nb.gif|2\r\nd.gif\r\n");
        QTest::newRow("alphabetical")
            << false << QByteArray("a.gif|2\r\nb.gif|2\r\nc.gif|5\r\nd.gif\r\n");
    }

    void selectingWritesTheGroupInDisplayOrder() {
        QFETCH(bool, byUse);
        QFETCH(QByteArray, ordered);
        WindowHarness harness;
        PutGroup(harness.programFolder(), "Fun", "b.gif|2\r\na.gif|2\r\nc.gif|5\r\nd.gif\r\n");
        MainWindow& window = OpenOnFormatPage(harness);
        control<QCheckBox>(window, "cbFrequentlyUsed")->setChecked(byUse);
        control<QCheckBox>(window, "cbNumOfSmiles")->setChecked(false);
        QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->currentText(),
                 QStringLiteral("Fun"));
        tagforge::test::SmileyPaneOf(window).smileGroupChosen();
        QCOMPARE(FileBytes(GroupFile(harness.programFolder(), "Fun")), ordered);
        QByteArray links;
        for (const QByteArray& line : FileBytes(PageFile(harness.programFolder())).split('\n')) {
            if (line.startsWith("<A HREF=\"")) {
                links += line.mid(9, 1);
            }
        }
        QCOMPARE(links, byUse ? QByteArray("cabd") : QByteArray("abcd"));
    }

    void missingGroupFileIsReportedAndThePaneKept() {
        WindowHarness harness;
        PutGroup(harness.programFolder(), "Fun", "a.gif\r\n");
        MainWindow& window = OpenOnFormatPage(harness);
        tagforge::test::SmileyPaneOf(window).smileGroupChosen();
        const QByteArray page = FileBytes(PageFile(harness.programFolder()));
        QVERIFY(page.contains("a.gif"));
        fs::remove(GroupFile(harness.programFolder(), "Fun"));
        tagforge::test::SmileyPaneOf(window).smileGroupChosen();
        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].kind, QStringLiteral("error"));
        QVERIFY2(shown[0].text.contains(QStringLiteral("Fun.sgr")), qPrintable(shown[0].text));
        QCOMPARE(FileBytes(PageFile(harness.programFolder())), page);
        QVERIFY(!fs::exists(GroupFile(harness.programFolder(), "Fun")));
    }

    void deletingGroupsDownToTheLast() {
        WindowHarness harness;
        PutSmiley(harness.programFolder(), "a.gif");
        PutGroup(harness.programFolder(), "Alpha", "a.gif\r\n");
        PutGroup(harness.programFolder(), "Beta", "b.gif\r\n");
        test::StoreShowSmilesType(harness, "3");
        MainWindow& window = OpenOnFormatPage(harness);
        QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->currentText(),
                 QStringLiteral("Alpha"));
        auto& messages = harness.platform.messages;

        messages.answer = false;
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton8"), Qt::LeftButton);
        QCOMPARE(messages.shown.back().text, QStringLiteral("Удалить группу 'Alpha' ?"));
        QVERIFY(fs::exists(GroupFile(harness.programFolder(), "Alpha")));

        messages.answer = true;
        QTest::mouseClick(control<QPushButton>(window, "SpeedButton8"), Qt::LeftButton);
        QVERIFY(!fs::exists(GroupFile(harness.programFolder(), "Alpha")));
        QVERIFY(fs::exists(harness.programFolder() / "Smiles" / "a.gif"));
        QCOMPARE(Items(control<QComboBox>(window, "comboSelectSmilesGroup")),
                 QStringList({QStringLiteral("Beta")}));
        QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->currentText(),
                 QStringLiteral("Beta"));
        QVERIFY(FileBytes(PageFile(harness.programFolder())).contains("b.gif"));
        QVERIFY(control<QPushButton>(window, "SmileButton")->isChecked());
        QVERIFY(control<QWidget>(window, "SmilePane")->isVisibleTo(&window));

        QTest::mouseClick(control<QPushButton>(window, "SpeedButton8"), Qt::LeftButton);
        QCOMPARE(messages.shown.back().text, QStringLiteral("Удалить группу 'Beta' ?"));
        QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->count(), 0);
        QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->currentText(), QString());
        QVERIFY(!control<QPushButton>(window, "SmileButton")->isChecked());
        QVERIFY(control<QWidget>(window, "SmilePane")->isHidden());
        QCOMPARE(control<QPushButton>(window, "SmileButton")->toolTip(),
                 QStringLiteral("Показать смайлы"));
        QCOMPARE(messages.shown.size(), std::size_t{3});
    }

    void controlsOfThePane() {
        WindowHarness harness;
        MainWindow& window = OpenOnFormatPage(harness);
        QCOMPARE(control<QPushButton>(window, "SpeedButton10")->toolTip(),
                 QStringLiteral("Создать новую группу смайлов"));
        QCOMPARE(control<QPushButton>(window, "SpeedButton8")->toolTip(),
                 QStringLiteral("Удалить группу смайлов"));
        QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->toolTip(),
                 QStringLiteral("Выбирай группу смайлов"));
        QVERIFY(!control<QComboBox>(window, "comboSelectSmilesGroup")->isEditable());
        QVERIFY(control<QPushButton>(window, "SmileButton")->isCheckable());
        QVERIFY(control<QPushButton>(window, "SmileButton")->isFlat());
        QVERIFY(control<QPushButton>(window, "SmileButton")->isVisibleTo(&window));
        for (QWidget* target :
             {static_cast<QWidget*>(control<QPushButton>(window, "SpeedButton10")),
              static_cast<QWidget*>(control<QPushButton>(window, "SpeedButton8")),
              static_cast<QWidget*>(control<QComboBox>(window, "comboSelectSmilesGroup"))}) {
            QCOMPARE(target->parentWidget()->objectName(), QStringLiteral("SmilePane"));
        }
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::SmileGroupsTest)
#include "smile_groups_test.moc"
