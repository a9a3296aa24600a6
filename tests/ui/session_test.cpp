#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTest>
#include <csignal>
#include <memory>
#include <optional>

#include "../core/forwarding_registry.h"
#include "core/store/ini_file.h"
#include "core/store/registry_file.h"
#include "core/store/settings.h"
#include "gui/app/session_requests.h"
#include "gui/common/application_icon.h"
#include "gui/common/text_bridge.h"
#include "gui/platform/qt_platform_services.h"
#include "ui_test_files.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

namespace fs = std::filesystem;

const QString kMessage = QStringLiteral("вечер");

// The settings store, counting the batches written to it: one per save.
class CountingRegistry final : public test::ForwardingRegistry {
  public:
    using ForwardingRegistry::ForwardingRegistry;

    std::vector<bool> Apply(const std::vector<RegistryChange>& changes) override {
        ++saves;
        return inner().Apply(changes);
    }

    int saves = 0;
};

// The running program over a temporary folder: the window with the outside requests (signals,
// the desktop's quit) attached, as the program's entry attaches them.
class RunningProgram {
  public:
    explicit RunningProgram(const std::function<void(const fs::path&)>& prepare = {}) {
        platform.useFolder(folder());
        if (prepare) {
            prepare(folder());
        }
        store_ = std::make_unique<CountingRegistry>(*platform.registry);
        const PlatformServices services = platform.services();
        window_ = std::make_unique<MainWindow>(
            folder(),
            PlatformServices{services.clipboard, services.messages, services.colors,
                             services.dialogs, services.urls, services.clock, services.fonts,
                             services.tray, *store_, services.files, services.input,
                             services.fontCatalog, services.autostartCommand});
        requests_ = std::make_unique<SessionRequests>(InstanceClaim());
        requests_->attach(*window_);
        finished_ = std::make_unique<QSignalSpy>(&window_->sessionEnd(), &SessionEnd::finished);
    }

    MainWindow& window() { return *window_; }
    fs::path folder() const { return dir_.path().toStdString(); }
    int saves() const { return store_->saves; }
    int timesFinished() const { return static_cast<int>(finished_->count()); }
    std::vector<test::ShownMessage>& messages() { return platform.messages.shown; }

    // What the user leaves in the window before it ends.
    void changeOptions() {
        control<QSpinBox>(*window_, "UpDown2")->setValue(555);
        control<QPlainTextEdit>(*window_, "MainText")->setPlainText(kMessage);
    }

    // Whether the files hold what changeOptions() left.
    bool changesStored() const {
        const IniFile profile(folder() / "Profiles" / "Default.tfp");
        const RegistryFile store(folder() / "TagForge.registry");
        return profile.ReadString("Page1", "Text", "") == ToCp1251(kMessage) &&
               store.ReadValue(kSettingsKey, "ResultLimit").value_or("") == "555";
    }

    test::FakePlatform platform;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<CountingRegistry> store_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<SessionRequests> requests_;
    std::unique_ptr<QSignalSpy> finished_;
};

// Puts the window into `state`: "shown", "minimised" (the tray option off) or "in the tray".
void PutWindow(MainWindow& window, const QString& state) {
    control<QCheckBox>(window, "cbToTray")->setChecked(state != QLatin1String("minimised"));
    test::ShowHandMadePage(window);
    if (state != QLatin1String("shown")) {
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
    }
    if (state == QLatin1String("in the tray")) {
        QTRY_VERIFY(window.isHidden());
    } else {
        QVERIFY(window.isVisible());
        QCOMPARE(window.isMinimized(), state == QLatin1String("minimised"));
    }
}

int SignalNamed(const QString& way) {
    return way == QLatin1String("SIGTERM")  ? SIGTERM
           : way == QLatin1String("SIGINT") ? SIGINT
                                            : SIGHUP;
}

// Asks the program to end `way`: "close", "tray menu", a signal's name, or "logout" (the
// desktop's commit, then its order to quit). Returns whether the program ended.
bool EndProgram(RunningProgram& program, const QString& way) {
    MainWindow& window = program.window();
    if (way == QLatin1String("close")) {
        window.close();
    } else if (way == QLatin1String("tray menu")) {
        control<QAction>(window, "N21")->trigger();
    } else if (way == QLatin1String("logout")) {
        window.sessionEnd().commitData([] { return true; });
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    } else {
        std::raise(SignalNamed(way));
        // The signal reaches the window through the event loop.
        [[maybe_unused]] const bool arrived =
            QTest::qWaitFor([&window] { return window.sessionEnd().ended(); }, 2000);
        QTest::qWait(20);
    }
    return window.sessionEnd().ended();
}

const QStringList kStates{"shown", "minimised", "in the tray"};

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

  private slots:
    void everyWayOfEndingSavesOnce_data();
    void everyWayOfEndingSavesOnce();
    void failedSaveAtTheEndIsToldOnce_data();
    void failedSaveAtTheEndIsToldOnce();
    void restoreGestureBringsTheWindowForward_data();
    void restoreGestureBringsTheWindowForward();
    void trayIconGoesWithTheWindow();
    void trayShowsTheApplicationIcon();
};

void SessionTest::everyWayOfEndingSavesOnce_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("way");
    for (const QString& state : kStates) {
        for (const char* way : {"close", "tray menu", "SIGTERM", "SIGINT", "SIGHUP", "logout"}) {
            QTest::addRow("%s, %s", qPrintable(state), way) << state << QString::fromLatin1(way);
        }
    }
}

// Whatever the window's state, every way of ending stores the options and settings a close
// stores, exactly once, and ends the program.
void SessionTest::everyWayOfEndingSavesOnce() {
    QFETCH(QString, state);
    QFETCH(QString, way);
    RunningProgram program;
    MainWindow& window = program.window();
    program.changeOptions();
    PutWindow(window, state);
    const int savesBefore = program.saves();

    QVERIFY(EndProgram(program, way));
    QVERIFY(!window.isVisible());
    QCOMPARE(program.timesFinished(), 1);
    QCOMPARE(program.saves() - savesBefore, 1);
    QVERIFY(program.changesStored());
    QVERIFY(program.messages().empty());

    // Any later request finds the program ended and stores nothing again.
    window.close();
    QCOMPARE(program.saves() - savesBefore, 1);
    QCOMPARE(program.timesFinished(), 1);
}

void SessionTest::failedSaveAtTheEndIsToldOnce_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("ends");
    for (const char* way : {"close", "tray menu", "SIGTERM", "logout"}) {
        const bool userAsked = QByteArray(way) == "close" || QByteArray(way) == "tray menu";
        // The user's own ways keep the window when the options were lost, so the user can act.
        QTest::addRow("profile cannot be written, %s", way)
            << "profile" << QString::fromLatin1(way) << !userAsked;
        QTest::addRow("disk full, %s", way)
            << "disk full" << QString::fromLatin1(way) << !userAsked;
        // Lost settings never keep the window.
        QTest::addRow("store unusable, %s", way) << "store" << QString::fromLatin1(way) << true;
    }
}

// A save at the end that fails is told in one message, never one per value; the system's ways
// end all the same, the user's keep the window and store all once the fault is gone.
void SessionTest::failedSaveAtTheEndIsToldOnce() {
    QFETCH(QString, fault);
    QFETCH(QString, way);
    QFETCH(bool, ends);
    const fs::path blocker = fault == QLatin1String("store") ? fs::path("TagForge.registry")
                                                             : fs::path("Profiles/Default.tfp");
    RunningProgram program([&](const fs::path& folder) {
        if (fault != QLatin1String("disk full")) {
            fs::create_directories(folder / blocker);
        }
    });
    MainWindow& window = program.window();
    program.changeOptions();
    PutWindow(window, QStringLiteral("in the tray"));
    program.messages().clear();
    {
        std::optional<test::FileSizeLimit> full;
        if (fault == QLatin1String("disk full")) {
            full.emplace(0);
        }
        QCOMPARE(EndProgram(program, way), ends);
    }
    QCOMPARE(program.messages().size(), std::size_t{1});
    QCOMPARE(program.timesFinished(), ends ? 1 : 0);
    if (ends) {
        return;
    }
    // The fault is gone: the same way now stores everything and ends.
    fs::remove_all(program.folder() / blocker);
    QVERIFY(EndProgram(program, way));
    QVERIFY(program.changesStored());
    QCOMPARE(program.messages().size(), std::size_t{1});
}

void SessionTest::restoreGestureBringsTheWindowForward_data() {
    QTest::addColumn<QString>("state");
    QTest::newRow("in front") << "in front";
    QTest::newRow("under another window") << "under another window";
    QTest::newRow("in the tray") << "in the tray";
    QTest::newRow("maximised, in the tray") << "maximised, in the tray";
}

// The tray's restore gesture shows the window, raised and active, whatever its state, and
// keeps it maximised when it was.
void SessionTest::restoreGestureBringsTheWindowForward() {
    QFETCH(QString, state);
    RunningProgram program;
    MainWindow& window = program.window();
    const bool maximised = state.startsWith(QLatin1String("maximised"));
    if (maximised) {
        window.setWindowState(Qt::WindowMaximized);
    }
    test::ShowHandMadePage(window);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget cover;
    if (state == QLatin1String("under another window")) {
        cover.setGeometry(window.frameGeometry());
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        cover.raise();
        cover.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&cover));
        QCOMPARE(QApplication::topLevelAt(window.geometry().center()), &cover);
    } else if (state.endsWith(QLatin1String("in the tray"))) {
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
        QTRY_VERIFY(window.isHidden());
    }

    program.platform.tray.click(TrayGesture::DoubleClick);
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
    QCOMPARE(window.isMaximized(), maximised);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(QApplication::topLevelAt(window.geometry().center()), &window);
    QCOMPARE(control<QAction>(window, "N11")->text(), QStringLiteral("Спрятать"));
}

// The desktop's tray icon is a widget of its own: left until after the application, it crashed
// the program at its very end, once everything was saved.
void SessionTest::trayIconGoesWithTheWindow() {
    QtTrayIcon tray;
    auto* menu = new QMenu;
    tray.setup(QStringLiteral("hint"), menu, [](TrayGesture) {});
    tray.setVisible(true);
    const QPointer<QSystemTrayIcon> icon = menu->findChild<QSystemTrayIcon*>();
    QVERIFY(icon);
    delete menu;
    QVERIFY(icon.isNull());
    QVERIFY(!tray.isVisible());
}

// The tray shows the program's own icon, drawn for each small size a panel asks for.
void SessionTest::trayShowsTheApplicationIcon() {
    QtTrayIcon tray;
    QMenu menu;
    tray.setup(QStringLiteral("hint"), &menu, [](TrayGesture) {});
    const QSystemTrayIcon* icon = menu.findChild<QSystemTrayIcon*>();
    QVERIFY(icon);
    const QIcon application = ApplicationIcon();
    for (const int side : {16, 22, 24}) {
        QVERIFY2(application.availableSizes().contains(QSize(side, side)),
                 qPrintable(QString::number(side)));
        QCOMPARE(icon->icon().pixmap(side).toImage(), application.pixmap(side).toImage());
    }
}

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::SessionTest)
#include "session_test.moc"
