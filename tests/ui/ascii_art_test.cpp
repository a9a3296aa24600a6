#include <sys/resource.h>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include "gui/common/text_bridge.h"
#include "gui/templates/ascii_manager.h"
#include "ui_test_files.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

namespace fs = std::filesystem;
using test::FileSizeLimit;
using test::Items;
using test::ReadBytes;
using test::Restart;
using test::WindowHarness;
using test::WriteBytes;

// Three pictures: one left out of the template's list, one without any include key.
constexpr char kZooCatalogue[] =
    "[Owl]\r\nhtml=<pre>{o,o}</pre>\r\ninclude=1\r\n"
    "[Cat]\r\nhtml=<pre>=^.^=</pre>\r\ninclude=0\r\n"
    "[Dog]\r\nhtml=\"<pre>U_U</pre>\"\r\n";

fs::path CataloguePath(const fs::path& programFolder) {
    return programFolder / "Profiles" / "ascii.asc";
}

fs::path ManagerPagePath(const fs::path& programFolder) {
    return programFolder / "ascii.htm";
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

MainWindow& OpenWithCatalogue(WindowHarness& harness, const std::string& catalogue) {
    WriteBytes(CataloguePath(harness.programFolder()), catalogue);
    return harness.open();
}

QString TemplateText(const MainWindow& window) {
    return FromCp1251(window.templateText());
}

void ShowAsciiTab(MainWindow& window) {
    control<QTabWidget>(window, "PageControl2")
        ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
    control<QTabWidget>(window, "PageControl3")
        ->setCurrentWidget(control<QWidget>(window, "AsciiPage"));
    QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(),
             control<QWidget>(window, "AsciiPage"));
}

bool AsciiTabVisible(const MainWindow& window) {
    return control<QTabWidget>(window, "PageControl3")
        ->isTabVisible(control<QTabWidget>(window, "PageControl3")
                           ->indexOf(control<QWidget>(window, "AsciiPage")));
}

QString CopyWithButton(WindowHarness& harness) {
    QTest::mouseClick(control<QPushButton>(harness.window(), "SpeedButton3"), Qt::LeftButton);
    return harness.platform.clipboard.text();
}

struct ListedPicture {
    QString name;
    bool ticked;

    bool operator==(const ListedPicture&) const = default;
};

QList<ListedPicture> Listed(const QListWidget* list) {
    QList<ListedPicture> listed;
    for (int row = 0; row < list->count(); ++row) {
        listed.push_back({list->item(row)->text(), list->item(row)->checkState() == Qt::Checked});
    }
    return listed;
}

// Opens the manager with the button and lets `drive` work the real dialog while it is shown.
void RunManager(MainWindow& window, test::FakePlatform& platform,
                const std::function<void(AsciiManagerDialog&)>& drive) {
    const int runsBefore = platform.dialogs.runs;
    bool driven = false;
    platform.dialogs.script = [&](QDialog& dialog) {
        auto* form = qobject_cast<AsciiManagerDialog*>(&dialog);
        if (form == nullptr) {
            return 2;
        }
        drive(*form);
        driven = true;
        return 0;
    };
    QTest::mouseClick(control<QPushButton>(window, "SpeedButton11"), Qt::LeftButton);
    platform.dialogs.script = nullptr;
    QCOMPARE(platform.dialogs.runs, runsBefore + 1);
    QVERIFY(driven);
}

void RunManager(WindowHarness& harness, const std::function<void(AsciiManagerDialog&)>& drive) {
    RunManager(harness.window(), harness.platform, drive);
}

void SelectPicture(MainWindow& window, const QString& name) {
    const int index = control<QComboBox>(window, "comboASCIIart")->findText(name);
    QVERIFY2(index >= 0, qPrintable(name));
    control<QComboBox>(window, "comboASCIIart")->setCurrentIndex(index);
}

}  // namespace

class AsciiArtTest : public QObject {
    Q_OBJECT

  private slots:
    // The template's list

    void excludedPictureIsListedInTheManagerOnly() {
        WindowHarness harness;
        MainWindow& window = OpenWithCatalogue(harness, kZooCatalogue);
        QVERIFY(AsciiTabVisible(window));
        QCOMPARE(Items(control<QComboBox>(window, "comboASCIIart")), (QStringList{"Dog", "Owl"}));
        QVERIFY(control<QComboBox>(window, "comboASCIIart")->isEnabled());
        QVERIFY(!control<QComboBox>(window, "comboASCIIart")->isEditable());
        QCOMPARE(control<QComboBox>(window, "comboASCIIart")->currentText(), QStringLiteral("Dog"));
        QCOMPARE(control<QPushButton>(window, "SpeedButton11")->text(),
                 QStringLiteral("Ascii - Менеджер"));
        QCOMPARE(control<QPushButton>(window, "SpeedButton11")->toolTip(),
                 QStringLiteral("Открыть ASCII менеджер"));

        RunManager(harness, [](AsciiManagerDialog& form) {
            QVERIFY(control<QListWidget>(form, "CheckListBox1")->isEnabled());
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->objectName(),
                     QStringLiteral("CheckListBox1"));
            QCOMPARE(Listed(control<QListWidget>(form, "CheckListBox1")),
                     (QList<ListedPicture>{{"Cat", false}, {"Dog", true}, {"Owl", true}}));
        });
        // Closing writes every tick, also where the key was missing.
        QCOMPARE(ReadBytes(CataloguePath(harness.programFolder())),
                 std::optional<std::string>("[Owl]\r\nhtml=<pre>{o,o}</pre>\r\ninclude=1\r\n"
                                            "[Cat]\r\nhtml=<pre>=^.^=</pre>\r\ninclude=0\r\n"
                                            "[Dog]\r\nhtml=\"<pre>U_U</pre>\"\r\ninclude=1\r\n"));
        QCOMPARE(Items(control<QComboBox>(window, "comboASCIIart")), (QStringList{"Dog", "Owl"}));
        QVERIFY(harness.platform.messages.shown.empty());
    }

    // The template line

    void pictureFollowsTheOwnText() {
        WindowHarness harness;
        MainWindow& window =
            OpenWithCatalogue(harness, "[x]\r\nhtml=<pre>x</pre>\r\n[y]\r\nhtml=<b>y</b>\r\n");
        ShowAsciiTab(window);
        control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("Смотри:"));
        QCOMPARE(CopyWithButton(harness), QStringLiteral("Смотри:<pre>x</pre>"));
        QCOMPARE(TemplateText(window), QStringLiteral("Смотри:<pre>x</pre>"));
        // Picking another picture rebuilds nothing until the next copy.
        SelectPicture(window, QStringLiteral("y"));
        QCOMPARE(TemplateText(window), QStringLiteral("Смотри:<pre>x</pre>"));
        QCOMPARE(CopyWithButton(harness), QStringLiteral("Смотри:<b>y</b>"));
    }

    void longPictureIsCutTo2047Characters() {
        WindowHarness harness;
        const std::string html = "<pre>" + std::string(2990, '#') + "</pre>";
        QCOMPARE(html.size(), std::size_t{3001});
        MainWindow& window = OpenWithCatalogue(harness, "[big]\r\nhtml=" + html + "\r\n");
        ShowAsciiTab(window);
        control<QLineEdit>(window, "Edit5")->clear();
        CopyWithButton(harness);
        QCOMPARE(window.templateText(), html.substr(0, 2047));
    }

    void switchingSubPagesEndsWithTheAsciiLine() {
        WindowHarness harness;
        MainWindow& window = OpenWithCatalogue(harness, kZooCatalogue);
        control<QTabWidget>(window, "PageControl3")
            ->setCurrentWidget(control<QWidget>(window, "KillPage"));
        control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("Вот:"));
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
        QCOMPARE(TemplateText(window), QStringLiteral("Вот:<pre>U_U</pre>"));
    }

    void everyPictureUntickedLeavesOnlyTheOwnText() {
        WindowHarness harness;
        MainWindow& window = OpenWithCatalogue(harness, kZooCatalogue);
        ShowAsciiTab(window);
        control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("Свой"));
        RunManager(harness, [](AsciiManagerDialog& form) {
            QCOMPARE(control<QPushButton>(form, "SpeedButton1")->text(),
                     QStringLiteral("Сбросить все"));
            QTest::mouseClick(control<QPushButton>(form, "SpeedButton1"), Qt::LeftButton);
            QCOMPARE(Listed(control<QListWidget>(form, "CheckListBox1")),
                     (QList<ListedPicture>{{"Cat", false}, {"Dog", false}, {"Owl", false}}));
        });
        QCOMPARE(control<QComboBox>(window, "comboASCIIart")->count(), 0);
        QVERIFY(!control<QComboBox>(window, "comboASCIIart")->isEnabled());
        QVERIFY(AsciiTabVisible(window));
        QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(),
                 control<QWidget>(window, "AsciiPage"));
        QCOMPARE(CopyWithButton(harness), QStringLiteral("Свой"));
        const std::string written = ReadBytes(CataloguePath(harness.programFolder())).value_or("");
        QCOMPARE(Occurrences(written, "include=0"), 3);
        QCOMPARE(Occurrences(written, "include=1"), 0);

        RunManager(harness, [](AsciiManagerDialog& form) {
            QCOMPARE(control<QPushButton>(form, "SpeedButton2")->text(),
                     QStringLiteral("Включить все"));
            QTest::mouseClick(control<QPushButton>(form, "SpeedButton2"), Qt::LeftButton);
        });
        QCOMPARE(Items(control<QComboBox>(window, "comboASCIIart")),
                 (QStringList{"Cat", "Dog", "Owl"}));
        QVERIFY(control<QComboBox>(window, "comboASCIIart")->isEnabled());
        QCOMPARE(CopyWithButton(harness), QStringLiteral("Свой<pre>=^.^=</pre>"));
    }

    void untickingTheChosenPictureSelectsTheFirstLeft() {
        WindowHarness harness;
        MainWindow& window = OpenWithCatalogue(
            harness, std::string(kZooCatalogue) + "[Ant]\r\nhtml=.\r\ninclude=1\r\n");
        QCOMPARE(Items(control<QComboBox>(window, "comboASCIIart")),
                 (QStringList{"Ant", "Dog", "Owl"}));
        SelectPicture(window, QStringLiteral("Owl"));
        RunManager(harness, [](AsciiManagerDialog& form) {
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->item(3)->text(),
                     QStringLiteral("Owl"));
            control<QListWidget>(form, "CheckListBox1")->item(3)->setCheckState(Qt::Unchecked);
            control<QListWidget>(form, "CheckListBox1")->item(0)->setCheckState(Qt::Unchecked);
        });
        QCOMPARE(Items(control<QComboBox>(window, "comboASCIIart")), (QStringList{"Dog"}));
        QCOMPARE(control<QComboBox>(window, "comboASCIIart")->currentText(), QStringLiteral("Dog"));
        const std::string written = ReadBytes(CataloguePath(harness.programFolder())).value_or("");
        QVERIFY(written.starts_with("[Owl]\r\nhtml=<pre>{o,o}</pre>\r\ninclude=0\r\n"));
        QVERIFY(written.ends_with("[Ant]\r\nhtml=.\r\ninclude=0\r\n"));

        // The chosen picture stays chosen while it is still offered.
        RunManager(harness, [](AsciiManagerDialog& form) {
            control<QListWidget>(form, "CheckListBox1")->item(0)->setCheckState(Qt::Checked);
        });
        QCOMPARE(Items(control<QComboBox>(window, "comboASCIIart")), (QStringList{"Ant", "Dog"}));
        QCOMPARE(control<QComboBox>(window, "comboASCIIart")->currentText(), QStringLiteral("Dog"));
    }

    // The manager

    void managerWindowAndLayout() {
        WindowHarness harness;
        MainWindow& window = OpenWithCatalogue(harness, kZooCatalogue);
        window.show();
        RunManager(harness, [](AsciiManagerDialog& form) {
            QCOMPARE(form.windowTitle(), QStringLiteral("Ascii - Менеджер"));
            QCOMPARE(form.minimumSize(), QSize(500, 200));
            QVERIFY(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
            QCOMPARE(form.size(), QSize(756, 506));
            QCOMPARE(control<QWidget>(form, "Panel1")->width(), 300);
            QCOMPARE(control<QWidget>(form, "Panel1")->minimumWidth(), 200);
            QCOMPARE(control<QWidget>(form, "Panel1")->maximumWidth(), 500);
            QCOMPARE(control<QWidget>(form, "Panel3")->width(), 300);
            QCOMPARE(control<QPushButton>(form, "SpeedButton1")->x(), 3);
            QCOMPARE(control<QPushButton>(form, "SpeedButton1")->width(), 144);
            QCOMPARE(control<QPushButton>(form, "SpeedButton2")->x(), 3 + 144 + 6);
            QCOMPARE(control<QPushButton>(form, "SpeedButton2")->width(), 144);

            // Dragging the splitter lays the buttons out again.
            QWidget* handle = control<QSplitter>(form, "Splitter1")->handle(1);
            const QPoint grip = handle->rect().center();
            QTest::mousePress(handle, Qt::LeftButton, {}, grip);
            QTest::mouseMove(handle, grip + QPoint(101, 0));
            QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(101, 0));
            QCOMPARE(control<QWidget>(form, "Panel1")->width(), 401);
            control<QWidget>(form, "Panel3")->layout()->activate();
            QCOMPARE(control<QPushButton>(form, "SpeedButton1")->width(), 401 / 2 - 6);
            QCOMPARE(control<QPushButton>(form, "SpeedButton2")->width(), 401 / 2 - 6);
            QCOMPARE(control<QPushButton>(form, "SpeedButton2")->x(), 3 + 401 / 2 - 6 + 6);

            // A wider window leaves the list as it is.
            form.resize(900, 506);
            QCOMPARE(control<QWidget>(form, "Panel1")->width(), 401);
        });
    }

    void managerPageHoldsTheSelectedPicture() {
        WindowHarness harness;
        OpenWithCatalogue(harness, ToCp1251(QStringLiteral("[Кот]\r\nhtml= \"<b>Мяу</b> \" \r\n"
                                                           "[Ёж]\r\nhtml=[::smile::]\r\n")));
        const fs::path page = ManagerPagePath(harness.programFolder());
        RunManager(harness, [&](AsciiManagerDialog& form) {
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->currentRow(), 0);
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->currentItem()->text(),
                     QStringLiteral("Ёж"));
            control<QListWidget>(form, "CheckListBox1")->setCurrentRow(1);
            QCOMPARE(
                ReadBytes(page),
                std::optional(ToCp1251(QStringLiteral(
                    "<HTML>\r\n<HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
                    "charset=windows-1251\"></HEAD>\r\n<BODY BGCOLOR=000000>\r\n<NOBR>\r\n"
                    "<FONT COLOR=FFFFFF>\r\n<b>Мяу</b> \r\n</FONT>\r\n</BODY>\r\n</HTML>\r\n"))));
            QCOMPARE(control<QWebEngineView>(form, "wbAscii")->page()->requestedUrl(),
                     QUrl::fromLocalFile(QString::fromStdString(page.string())));
            control<QListWidget>(form, "CheckListBox1")->setCurrentRow(0);
            QVERIFY(ReadBytes(page).value_or("").find("\r\n[::smile::]\r\n") != std::string::npos);
        });
        QVERIFY(harness.platform.messages.shown.empty());
    }

    void managerReopensOnTheLastPicture() {
        WindowHarness harness;
        MainWindow& window = OpenWithCatalogue(harness, kZooCatalogue);
        const fs::path page = ManagerPagePath(harness.programFolder());
        RunManager(harness, [](AsciiManagerDialog& form) {
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->currentRow(), 0);
            control<QListWidget>(form, "CheckListBox1")->setCurrentRow(2);
        });
        QVERIFY(ReadBytes(page).value_or("").find("{o,o}") != std::string::npos);
        RunManager(harness, [](AsciiManagerDialog& form) {
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->currentRow(), 2);
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->currentItem()->text(),
                     QStringLiteral("Owl"));
        });

        // Another start opens on the first picture.
        Restart restart(harness.programFolder());
        MainWindow& again = restart.open();
        RunManager(again, restart.platform, [](AsciiManagerDialog& form) {
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->currentRow(), 0);
        });
        QVERIFY(ReadBytes(page).value_or("").find("=^.^=") != std::string::npos);

        // The first window's remembered picture is gone from the file meanwhile.
        const auto pageBefore = ReadBytes(page);
        WriteBytes(CataloguePath(harness.programFolder()), "[Cat]\r\nhtml=<i>c</i>\r\n");
        RunManager(harness, [&](AsciiManagerDialog& form) {
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->count(), 1);
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->currentRow(), -1);
            QCOMPARE(ReadBytes(page), pageBefore);
            QCOMPARE(control<QWebEngineView>(form, "wbAscii")->page()->requestedUrl(),
                     QUrl::fromLocalFile(QString::fromStdString(page.string())));
        });
        QCOMPARE(ReadBytes(page), pageBefore);
        QCOMPARE(Items(control<QComboBox>(window, "comboASCIIart")), (QStringList{"Cat"}));
    }

    // A missing catalogue

    void missingCatalogueHidesTheTab() {
        WindowHarness harness;
        MainWindow& window = OpenWithCatalogue(harness, kZooCatalogue);
        ShowAsciiTab(window);
        QVERIFY(window.profiles().saveProfile("Art", false, false));
        control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("Только"));
        const fs::path catalogue = CataloguePath(harness.programFolder());
        const fs::path away = catalogue.parent_path() / "ascii.bak";
        fs::rename(catalogue, away);

        // A profile that opens the hand-made sub-page leaves the template tabs alone, but the
        // ASCII tab cannot stay the active one.
        QVERIFY(!window.profiles().loadProfile("No such profile"));
        QVERIFY(!AsciiTabVisible(window));
        QCOMPARE(control<QTabWidget>(window, "PageControl2")->currentWidget(),
                 control<QWidget>(window, "HandMadePage"));
        QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(),
                 control<QWidget>(window, "KillPage"));

        fs::rename(away, catalogue);
        QVERIFY(window.profiles().loadProfile("Art"));
        QVERIFY(AsciiTabVisible(window));
        QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(),
                 control<QWidget>(window, "AsciiPage"));
        fs::rename(catalogue, away);
        QVERIFY(window.profiles().loadProfile("Art"));
        QVERIFY(!AsciiTabVisible(window));
        QCOMPARE(control<QTabWidget>(window, "PageControl2")->currentWidget(),
                 control<QWidget>(window, "TemplatePage"));
        QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(),
                 control<QWidget>(window, "KillPage"));

        // Without the catalogue the manager has nothing to list and writes nothing.
        RunManager(harness, [](AsciiManagerDialog& form) {
            QVERIFY(!control<QListWidget>(form, "CheckListBox1")->isEnabled());
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->count(), 0);
            QVERIFY(control<QWebEngineView>(form, "wbAscii")->page()->requestedUrl().isEmpty());
        });
        QVERIFY(!fs::exists(catalogue));
        QVERIFY(!fs::exists(ManagerPagePath(harness.programFolder())));
        QVERIFY(harness.platform.messages.shown.empty());
        // Coming back to the template sub-page builds every line, the ASCII one last.
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "HandMadePage"));
        control<QTabWidget>(window, "PageControl2")
            ->setCurrentWidget(control<QWidget>(window, "TemplatePage"));
        QCOMPARE(TemplateText(window), QStringLiteral("Только"));
    }

    void catalogueFoundWhateverTheCaseOfItsName() {
        WindowHarness harness;
        WriteBytes(harness.programFolder() / "Profiles" / "ASCII.ASC", kZooCatalogue);
        MainWindow& window = harness.open();
        QVERIFY(AsciiTabVisible(window));
        QCOMPARE(Items(control<QComboBox>(window, "comboASCIIart")), (QStringList{"Dog", "Owl"}));
    }

    // Profiles

    void profileKeepsThePictureAndTheTab() {
        WindowHarness harness;
        MainWindow& window = OpenWithCatalogue(harness, kZooCatalogue);
        ShowAsciiTab(window);
        SelectPicture(window, QStringLiteral("Owl"));
        QVERIFY(window.profiles().saveProfile("Art", false, false));
        const std::string saved =
            ReadBytes(harness.programFolder() / "Profiles" / "Art.tfp").value_or("");
        QVERIFY(saved.find("[Page2]\r\nActivePage=3\r\n") != std::string::npos);
        QVERIFY(saved.ends_with("ASCIIName=\"Owl\"\r\n"));

        SelectPicture(window, QStringLiteral("Dog"));
        control<QTabWidget>(window, "PageControl3")
            ->setCurrentWidget(control<QWidget>(window, "SolitudePage"));
        QVERIFY(window.profiles().loadProfile("Art"));
        QCOMPARE(control<QComboBox>(window, "comboASCIIart")->currentText(), QStringLiteral("Owl"));
        QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(),
                 control<QWidget>(window, "AsciiPage"));

        // The name matches without regard to case; an unknown one selects the first picture.
        WriteBytes(harness.programFolder() / "Profiles" / "Low.tfp",
                   "[Form]\r\nActivePage=1\r\n[Page2]\r\nActivePage=3\r\nASCIIName=\"owl\"\r\n");
        SelectPicture(window, QStringLiteral("Dog"));
        QVERIFY(window.profiles().loadProfile("Low"));
        QCOMPARE(control<QComboBox>(window, "comboASCIIart")->currentText(), QStringLiteral("Owl"));
        WriteBytes(harness.programFolder() / "Profiles" / "Gone.tfp",
                   "[Page2]\r\nActivePage=3\r\nASCIIName=\"Bat\"\r\n");
        QVERIFY(window.profiles().loadProfile("Gone"));
        QCOMPARE(control<QComboBox>(window, "comboASCIIart")->currentText(), QStringLiteral("Dog"));
        // The hand-made sub-page is open, so the template tab is left alone.
        QCOMPARE(control<QTabWidget>(window, "PageControl2")->currentWidget(),
                 control<QWidget>(window, "HandMadePage"));
        QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(),
                 control<QWidget>(window, "AsciiPage"));
    }

    // Write failures

    void unwritableCatalogueIsReported() {
        WindowHarness harness;
        MainWindow& window = OpenWithCatalogue(harness, kZooCatalogue);
        const fs::path catalogue = CataloguePath(harness.programFolder());
        const auto before = ReadBytes(catalogue);
        std::optional<FileSizeLimit> cap;
        RunManager(harness, [&](AsciiManagerDialog& form) {
            QTest::mouseClick(control<QPushButton>(form, "SpeedButton2"), Qt::LeftButton);
            cap.emplace(8);
        });
        cap.reset();
        QCOMPARE(ReadBytes(catalogue), before);
        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].kind, QStringLiteral("error"));
        QVERIFY2(shown[0].text.startsWith(QStringLiteral("Unable to write to ")) &&
                     shown[0].text.contains(QStringLiteral("ascii.asc")),
                 qPrintable(shown[0].text));
        QCOMPARE(fs::directory_iterator(catalogue.parent_path())->path(), catalogue);
        QCOMPARE(std::distance(fs::directory_iterator(catalogue.parent_path()),
                               fs::directory_iterator()),
                 1);
        // The list follows what the file holds.
        QCOMPARE(Items(control<QComboBox>(window, "comboASCIIart")), (QStringList{"Dog", "Owl"}));
    }

    void catalogueRemovedWhileTheManagerIsOpenIsNotMadeAgain() {
        WindowHarness harness;
        MainWindow& window = OpenWithCatalogue(harness, kZooCatalogue);
        ShowAsciiTab(window);
        const fs::path catalogue = CataloguePath(harness.programFolder());
        RunManager(harness, [&](AsciiManagerDialog& form) {
            QCOMPARE(control<QListWidget>(form, "CheckListBox1")->count(), 3);
            fs::remove(catalogue);
        });
        QVERIFY(!fs::exists(catalogue));
        const auto& shown = harness.platform.messages.shown;
        QCOMPARE(shown.size(), std::size_t{1});
        QVERIFY2(shown[0].text.contains(QStringLiteral("ascii.asc")), qPrintable(shown[0].text));
        QVERIFY(!AsciiTabVisible(window));
        QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(),
                 control<QWidget>(window, "KillPage"));
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::AsciiArtTest)
#include "ascii_art_test.moc"
