// The window's place and size from one start to the next, as the desktop shows them. The test
// runs on an X display of its own, where a window manager can frame its windows without
// disturbing the other window tests, which share theirs.
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <climits>
#include <csignal>
#include <string>

#include "core/store/registry_file.h"
#include "core/store/settings.h"
#include "gui/platform/graphics_setup.h"
#include "smile_test_support.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

namespace fs = std::filesystem;

constexpr int kStarts = 6;  // the first and five restarts
constexpr int kWaitMs = 20000;

// An Xvfb server started before the application connects; DISPLAY names it while it runs.
class OwnDisplay {
  public:
    OwnDisplay() {
        int ready[2];
        if (::pipe(ready) != 0) {
            return;
        }
        server_ = ::fork();
        if (server_ == 0) {
            // The server ends with the test, however the test ends.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            ::close(ready[0]);
            const std::string fd = std::to_string(ready[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(ready[1]);
        std::string number;
        char ch = 0;
        while (server_ > 0 && ::read(ready[0], &ch, 1) == 1 && ch != '\n') {
            number += ch;
        }
        ::close(ready[0]);
        if (!number.empty()) {
            qputenv("DISPLAY", QByteArray(":") + QByteArray::fromStdString(number));
            qputenv("QT_QPA_PLATFORM", "xcb");
            own_ = true;
        }
    }
    ~OwnDisplay() {
        if (server_ > 0) {
            ::kill(server_, SIGTERM);
            ::waitpid(server_, nullptr, 0);
        }
    }
    OwnDisplay(const OwnDisplay&) = delete;
    OwnDisplay& operator=(const OwnDisplay&) = delete;

    // False when the test shares the display it was started on.
    static bool own() { return own_; }

  private:
    pid_t server_ = -1;
    static inline bool own_ = false;
};

// openbox on the test's display, for one row.
class WindowManager {
  public:
    bool start() {
        const QString ready = folder_.filePath(QStringLiteral("ready"));
        manager_.start(QStringLiteral("openbox"),
                       {QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                        QStringLiteral("touch ") + ready});
        return manager_.waitForStarted(kWaitMs) &&
               QTest::qWaitFor([&] { return QFile::exists(ready); }, kWaitMs);
    }
    ~WindowManager() {
        manager_.terminate();
        manager_.waitForFinished(kWaitMs);
    }

  private:
    QTemporaryDir folder_;
    QProcess manager_;
};

QString OutputOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(kWaitMs);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int Field(const QString& text, const QString& label) {
    const auto match = QRegularExpression(label + QStringLiteral(":\\s+(-?\\d+)")).match(text);
    return match.hasMatch() ? match.captured(1).toInt() : INT_MIN;
}

// Where the X server has the window: its frame's corner (the window's own without a window
// manager) and its inner size, as xwininfo and the window manager's frame extents tell.
struct OnScreen {
    QPoint frameCorner;
    QSize inner;
    bool operator==(const OnScreen&) const = default;
};

OnScreen Shown(const QWidget& window) {
    const QString id = QString::number(window.winId());
    const QString info = OutputOf(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    const QString extents = OutputOf(
        QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")});
    // left, right, top, bottom
    const auto frame =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
    const QPoint border =
        frame.hasMatch() ? QPoint(frame.captured(1).toInt(), frame.captured(3).toInt()) : QPoint();
    return {QPoint(Field(info, QStringLiteral("Absolute upper-left X")),
                   Field(info, QStringLiteral("Absolute upper-left Y"))) -
                border,
            QSize(Field(info, QStringLiteral("Width")), Field(info, QStringLiteral("Height")))};
}

char* toString(const OnScreen& shown) {
    return QTest::toString(QStringLiteral("frame at %1,%2, inside %3x%4")
                               .arg(shown.frameCorner.x())
                               .arg(shown.frameCorner.y())
                               .arg(shown.inner.width())
                               .arg(shown.inner.height()));
}

// The window's place and size in the store.
struct Stored {
    QString top, left, width, height;
    bool operator==(const Stored&) const = default;
};

char* toString(const Stored& stored) {
    return QTest::toString(QStringLiteral("Top=%1 Left=%2 Width=%3 Height=%4")
                               .arg(stored.top, stored.left, stored.width, stored.height));
}

Stored StoredPlace(const fs::path& folder) {
    const RegistryFile store(folder / "TagForge.registry");
    const auto value = [&store](const char* name) {
        return QString::fromStdString(store.ReadValue(kSettingsKey, name).value_or("missing"));
    };
    return {value("Top"), value("Left"), value("Width"), value("Height")};
}

void Store(const fs::path& folder, const QString& values) {
    test::FakePlatform platform;
    platform.useFolder(folder);
    for (const QString& pair : values.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList nameAndValue = pair.split(QLatin1Char('='));
        QVERIFY(platform.registry->WriteValue(RegistryRoot::LocalMachine, kSettingsKey,
                                              nameAndValue[0].toStdString(),
                                              nameAndValue[1].toStdString()));
    }
}

}  // namespace

class WindowRestartTest : public QObject {
    Q_OBJECT

  private slots:
    void windowOpensWhereAndAsTheUserLeftIt_data();
    void windowOpensWhereAndAsTheUserLeftIt();
};

void WindowRestartTest::windowOpensWhereAndAsTheUserLeftIt_data() {
    QTest::addColumn<bool>("manager");
    QTest::addColumn<QString>("stored");   // before the first start
    QTest::addColumn<QPoint>("moveTo");    // the frame's corner; null: not moved
    QTest::addColumn<QSize>("resizeTo");   // the inner size; not valid: not resized
    QTest::addColumn<bool>("pane");        // the smiley pane opened
    QTest::addColumn<QString>("closing");  // how the first start ends: hidden, maximised or not
    QTest::addColumn<QPoint>("corner");    // where the frame stays
    QTest::addColumn<QSize>("size");       // the inner size without the pane; not valid: its own
    const QString closed;
    const QString fromTheTray = QStringLiteral("from the tray");
    for (const bool manager : {true, false}) {
        const QByteArray with = manager ? "openbox, " : "no window manager, ";
        QTest::newRow(with + "first start") << manager << QString() << QPoint() << QSize() << false
                                            << closed << QPoint(100, 100) << QSize();
        QTest::newRow(with + "moved and resized")
            << manager << QString() << QPoint(300, 200) << QSize(900, 640) << false << closed
            << QPoint(300, 200) << QSize(900, 640);
        QTest::newRow(with + "store from before sizes were kept")
            << manager << QStringLiteral("Top=150 Left=60") << QPoint() << QSize() << false
            << closed << QPoint(60, 150) << QSize();
        QTest::newRow(with + "title bar above the screen")
            << manager << QStringLiteral("Top=-15 Left=40 Width=900 Height=500") << QPoint()
            << QSize() << false << closed << QPoint(40, 0) << QSize(900, 500);
        QTest::newRow(with + "smiley pane open")
            << manager << QString() << QPoint(20, 30) << QSize(900, 600) << true << closed
            << QPoint(20, 30) << QSize(900, 600);
        QTest::newRow(with + "closed from the tray")
            << manager << QString() << QPoint(250, 120) << QSize() << false << fromTheTray
            << QPoint(250, 120) << QSize();
    }
    // Only a window manager maximises; the place and size kept are those the window had before.
    QTest::newRow("openbox, maximised")
        << true << QString() << QPoint(200, 150) << QSize(880, 560) << false
        << QStringLiteral("maximised") << QPoint(200, 150) << QSize(880, 560);
}

void WindowRestartTest::windowOpensWhereAndAsTheUserLeftIt() {
    QFETCH(bool, manager);
    QFETCH(QString, stored);
    QFETCH(QPoint, moveTo);
    QFETCH(QSize, resizeTo);
    QFETCH(bool, pane);
    QFETCH(QString, closing);
    QFETCH(QPoint, corner);
    QFETCH(QSize, size);
    WindowManager windowManager;
    if (manager && !OwnDisplay::own()) {
        QSKIP("Xvfb could not be started; a window manager would disturb the shared display");
    }
    if (manager && !windowManager.start()) {
        QSKIP("openbox could not be started");
    }
    QTemporaryDir folder;
    const fs::path programFolder = folder.path().toStdString();
    fs::create_directories(programFolder / "Profiles");
    test::PutGroup(programFolder, "Fun", "a.gif\r\n");
    test::PutSmiley(programFolder, "a.gif");
    Store(programFolder, stored);

    for (int start = 0; start < kStarts; ++start) {
        test::Restart restart(programFolder);
        MainWindow& window = restart.open();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (manager) {
            QTRY_VERIFY_WITH_TIMEOUT(!window.windowHandle()->frameMargins().isNull(), kWaitMs);
        }
        const SmileyPane& smileyPane = test::SmileyPaneOf(window);
        if (start == 0) {
            if (pane) {
                QTest::mouseClick(control<QPushButton>(window, "SmileButton"), Qt::LeftButton);
                QTRY_VERIFY_WITH_TIMEOUT(smileyPane.isVisible(), kWaitMs);
            }
            if (!moveTo.isNull()) {
                window.move(moveTo);
            }
            if (resizeTo.isValid()) {
                window.resize(resizeTo.width() + smileyPane.addedWidth(), resizeTo.height());
            }
        }
        if (!size.isValid() && start == 0) {
            size = window.size() - QSize(smileyPane.addedWidth(), 0);
        }
        const OnScreen expected{corner, size + QSize(smileyPane.addedWidth(), 0)};
        QTRY_COMPARE_WITH_TIMEOUT(Shown(window), expected, kWaitMs);
        QCOMPARE(smileyPane.isVisible(), pane);
        if (start == 0 && closing == QStringLiteral("from the tray")) {
            window.hide();
        } else if (start == 0 && closing == QStringLiteral("maximised")) {
            window.showMaximized();
            QTRY_COMPARE_WITH_TIMEOUT(Shown(window).inner.width(),
                                      window.screen()->availableGeometry().width(), kWaitMs);
        }
        QVERIFY(window.close());
        const Stored now = StoredPlace(programFolder);
        QCOMPARE(now, (Stored{QString::number(corner.y()), QString::number(corner.x()),
                              QString::number(size.width()), QString::number(size.height())}));
    }
}

}  // namespace tagforge

int main(int argc, char** argv) {
    const tagforge::OwnDisplay display;
    // The browser engine refuses to run as root inside its sandbox; ctest says so too.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    tagforge::PrepareGraphics();
    QApplication application(argc, argv);
    tagforge::WindowRestartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_restart_test.moc"
