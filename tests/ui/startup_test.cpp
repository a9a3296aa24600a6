#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <random>

#include "core/store/ini_file.h"
#include "core/store/profile.h"
#include "core/store/registry_file.h"
#include "core/store/settings.h"
#include "core/store/starter_set.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

using tagforge::test::WindowHarness;

namespace {

constexpr int kProcessTimeoutMs = 60000;
const QString kRefusal = QStringLiteral("Один экземпляр программы уже запущен");

struct ProbeRun {
    int exitCode = -1;
    QString output;
};

QStringList ProbeArguments(const QString& folder, const QStringList& flags) {
    return QStringList{folder} + flags;
}

// Starts the program in its own process and waits for it to end.
ProbeRun RunProbe(const QString& folder, const QStringList& flags = {}) {
    QProcess probe;
    probe.start(QStringLiteral(START_PROBE_PATH), ProbeArguments(folder, flags));
    probe.waitForFinished(kProcessTimeoutMs);
    return {probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1,
            QString::fromUtf8(probe.readAllStandardOutput())};
}

// Starts a copy that keeps running; returns once it has printed `line`.
bool StartHolding(QProcess& probe, const QString& folder, const QStringList& flags,
                  const QString& line) {
    probe.start(QStringLiteral(START_PROBE_PATH),
                ProbeArguments(folder, flags + QStringList{"--hold"}));
    QString output;
    while (!output.contains(line)) {
        if (!probe.waitForReadyRead(kProcessTimeoutMs)) {
            return false;
        }
        output += QString::fromUtf8(probe.readAllStandardOutput());
    }
    return true;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void realProgramKeepsItsDataBesideItself();
    void firstStartCreatesProfilesAndOpensOnAbout();
    void firstStartPutsTheStarterSetInPlace_data();
    void firstStartPutsTheStarterSetInPlace();
    void installedProgramKeepsItsDataInTheXdgFolders();
    void installedProgramWithoutAHomeSaysSoOnce();
    void autostartEntryFollowsTheXdgRule_data();
    void autostartEntryFollowsTheXdgRule();
    void laterStartOpensOnTheFormattingPage();
    void profilesFolderThatCannotBeCreatedEndsTheStart();
    void exclusiveCopyRefusesLaterStarts();
    void secondStartBringsTheRunningCopyForward_data();
    void secondStartBringsTheRunningCopyForward();
    void signalEndsTheProgramWhateverFailed_data();
    void signalEndsTheProgramWhateverFailed();
    void killedHolderFreesTheName();
    void releasingWithoutHoldingTellsTheUser();
    void killedInTheMiddleOfASaveLeavesWholeFiles();
};

void StartupTest::realProgramKeepsItsDataBesideItself() {
    // The installed program finds its folder from its own executable, wherever it is started.
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("tagforge"));
    QVERIFY(QFile::copy(QStringLiteral(TAGFORGE_PATH), program));
    QTemporaryDir elsewhere;
    QProcess process;
    process.setWorkingDirectory(elsewhere.path());
    process.start(program, {});
    QVERIFY(process.waitForStarted(kProcessTimeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(QDir(folder.filePath(QStringLiteral("Profiles"))).exists(),
                             kProcessTimeoutMs);
    QVERIFY(QDir(elsewhere.path()).isEmpty());
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished(kProcessTimeoutMs);
}

void StartupTest::firstStartCreatesProfilesAndOpensOnAbout() {
    WindowHarness harness;
    QVERIFY(!std::filesystem::exists(harness.programFolder() / "Profiles"));
    auto& window = harness.open();
    QVERIFY(std::filesystem::is_directory(harness.programFolder() / "Profiles"));
    QCOMPARE(control<QTabWidget>(window, "PageControl1")->currentWidget(),
             control<QWidget>(window, "AboutPage"));
    QCOMPARE(control<QPlainTextEdit>(window, "Memo1")->document()->blockCount(), 16);
}

void StartupTest::firstStartPutsTheStarterSetInPlace_data() {
    QTest::addColumn<bool>("profilesFolder");
    QTest::addColumn<bool>("setComplete");
    QTest::addColumn<bool>("tagsAdded");
    QTest::newRow("first start") << false << false << true;
    // A first start cut short (a full disk) left the set unfinished: a later start finishes it.
    QTest::newRow("later start, set unfinished") << true << false << true;
    // Once complete, a starter file the user deleted stays deleted.
    QTest::newRow("later start, set complete") << true << true << false;
}

void StartupTest::firstStartPutsTheStarterSetInPlace() {
    QFETCH(bool, profilesFolder);
    QFETCH(bool, setComplete);
    QFETCH(bool, tagsAdded);
    QTemporaryDir starter;
    const std::filesystem::path starterFolder = starter.path().toStdString();
    std::filesystem::create_directories(starterFolder / "Profiles");
    std::ofstream(starterFolder / "Profiles" / "tags.asc", std::ios::binary) << "/me\r\n[Tag]\r\n";
    WindowHarness harness;
    if (profilesFolder) {
        std::filesystem::create_directory(harness.programFolder() / "Profiles");
    }
    if (setComplete) {
        std::ofstream(harness.programFolder() / tagforge::kStarterSetMarker);
    }
    auto& window = harness.open(starterFolder);
    QCOMPARE(std::filesystem::exists(harness.programFolder() / "Profiles" / "tags.asc"), tagsAdded);
    QCOMPARE(tagforge::test::Items(control<QComboBox>(window, "ComboBox1")),
             tagsAdded ? QStringList({"/me", "[Tag]"}) : QStringList());
    QVERIFY(std::filesystem::exists(harness.programFolder() / tagforge::kStarterSetMarker));
    QVERIFY(harness.platform.messages.shown.empty());
}

void StartupTest::installedProgramKeepsItsDataInTheXdgFolders() {
    // Installed: the executable's folder has a sibling share/tagforge, as /usr/bin has.
    QTemporaryDir root;
    const std::filesystem::path prefix = std::filesystem::path(root.path().toStdString()) / "usr";
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(prefix / "share" / "tagforge" / "Profiles");
    std::ofstream(prefix / "share" / "tagforge" / "Profiles" / "tags.asc") << "/me\r\n";
    const QString program = QString::fromStdString((prefix / "bin" / "tagforge").string());
    QVERIFY(QFile::copy(QStringLiteral(TAGFORGE_PATH), program));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    process.setProcessEnvironment(environment);
    process.start(program, {});
    QVERIFY(process.waitForStarted(kProcessTimeoutMs));
    const QString data = root.filePath(QStringLiteral("data/TagForge/"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(data + QStringLiteral("Profiles/tags.asc")),
                             kProcessTimeoutMs);
    // The desktop ends a session with SIGTERM: the window closes and saves as usual.
    process.terminate();
    QVERIFY(process.waitForFinished(kProcessTimeoutMs));
    QVERIFY(QFile::exists(data + QStringLiteral("Profiles/Default.tfp")));
    QVERIFY(QFile::exists(root.filePath(QStringLiteral("config/TagForge/TagForge.registry"))));
    QCOMPARE(QDir(QString::fromStdString((prefix / "bin").string()))
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("tagforge")});
}

namespace {

// A copy of the program laid out as installed below `root`: root/usr/bin/tagforge.
QString InstallCopy(const std::filesystem::path& root) {
    const std::filesystem::path prefix = root / "usr";
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(prefix / "share" / "tagforge");
    const QString program = QString::fromStdString((prefix / "bin" / "tagforge").string());
    return QFile::copy(QStringLiteral(TAGFORGE_PATH), program) ? program : QString();
}

}  // namespace

void StartupTest::installedProgramWithoutAHomeSaysSoOnce() {
    QTemporaryDir root;
    const std::filesystem::path rootPath = root.path().toStdString();
    const QString program = InstallCopy(rootPath);
    QVERIFY(!program.isEmpty());
    std::filesystem::create_directories(rootPath / "work");
    QProcess process;
    process.setWorkingDirectory(root.filePath(QStringLiteral("work")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("HOME"));
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    process.setProcessEnvironment(environment);
    process.start(program, {});
    QVERIFY(process.waitForStarted(kProcessTimeoutMs));
    QString error;
    while (!error.contains(QLatin1Char('\n')) && process.waitForReadyRead(kProcessTimeoutMs)) {
        error += QString::fromUtf8(process.readAllStandardError());
    }
    // The same text waits in a box for a user who started it from the menu; it is not clicked here.
    process.kill();
    process.waitForFinished(kProcessTimeoutMs);
    error += QString::fromUtf8(process.readAllStandardError());
    // Qt may add notes of its own after the line; the program says it once.
    QCOMPARE(error.section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("tagforge: Cannot find the home folder: neither HOME nor "
                            "XDG_DATA_HOME is set to an absolute path."));
    QCOMPARE(error.count(QStringLiteral("tagforge:")), 1);
    QVERIFY(std::filesystem::is_empty(rootPath / "work"));
    QVERIFY(!std::filesystem::exists(rootPath / "config"));
}

void StartupTest::autostartEntryFollowsTheXdgRule_data() {
    // "-" leaves the variable unset, "@x" is the folder x below the test's folder, anything else
    // is given as it stands.
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("configHome");
    QTest::addColumn<QString>("entryFolder");  // where the entry belongs; empty: nowhere
    QTest::newRow("home") << "@home"
                          << "-"
                          << "home/.config/autostart";
    QTest::newRow("absolute variable") << "@home"
                                       << "@xdg"
                                       << "xdg/autostart";
    QTest::newRow("relative variable ignored") << "@home"
                                               << "rel"
                                               << "home/.config/autostart";
    QTest::newRow("no home") << "-"
                             << "-"
                             << "";
    QTest::newRow("no home, relative variable") << "-"
                                                << "rel"
                                                << "";
}

// The portable program, started in a working folder that holds stray autostart entries where a
// relative path would lead: it reads and writes its entry only where the XDG rule puts it.
void StartupTest::autostartEntryFollowsTheXdgRule() {
    QFETCH(QString, home);
    QFETCH(QString, configHome);
    QFETCH(QString, entryFolder);
    QTemporaryDir root;
    const std::filesystem::path rootPath = root.path().toStdString();
    const std::filesystem::path programFolder = rootPath / "program";
    const std::filesystem::path work = rootPath / "work";
    std::filesystem::create_directories(programFolder);
    const QString program = QString::fromStdString((programFolder / "tagforge").string());
    QVERIFY(QFile::copy(QStringLiteral(TAGFORGE_PATH), program));
    const std::string stray = "[Desktop Entry]\nType=Application\nExec=/stray\n";
    std::vector<std::filesystem::path> entries;
    for (const char* folder : {"work/rel/autostart", "work/.config/autostart",
                               "home/.config/autostart", "xdg/autostart"}) {
        std::filesystem::create_directories(rootPath / folder);
        entries.push_back(rootPath / folder / "OrbelTagForge.desktop");
        std::ofstream(entries.back(), std::ios::binary) << stray;
    }
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(work.string()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const auto set = [&environment, &root](const QString& name, const QString& value) {
        if (value == QStringLiteral("-")) {
            environment.remove(name);
        } else if (value.startsWith(QLatin1Char('@'))) {
            environment.insert(name, root.filePath(value.mid(1)));
        } else {
            environment.insert(name, value);
        }
    };
    set(QStringLiteral("HOME"), home);
    set(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    process.setProcessEnvironment(environment);
    process.start(program, {});
    QVERIFY(process.waitForStarted(kProcessTimeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(programFolder / "Profiles"),
                             kProcessTimeoutMs);
    // Closing saves the settings: an entry the program read as its own is written again.
    process.terminate();
    QVERIFY(process.waitForFinished(kProcessTimeoutMs));
    QVERIFY(std::filesystem::exists(programFolder / "TagForge.registry"));
    for (const std::filesystem::path& entry : entries) {
        const bool own =
            !entryFolder.isEmpty() && entry.parent_path() == rootPath / entryFolder.toStdString();
        std::ifstream stream(entry, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(stream),
                               std::istreambuf_iterator<char>()};
        QVERIFY2((text == stray) != own, entry.c_str());
        if (own) {
            QVERIFY2(
                text.find("Exec=\"" + programFolder.string() + "/tagforge\"") != std::string::npos,
                text.c_str());
        }
    }
}

void StartupTest::laterStartOpensOnTheFormattingPage() {
    WindowHarness harness;
    std::filesystem::create_directory(harness.programFolder() / "Profiles");
    auto& window = harness.open();
    QCOMPARE(control<QTabWidget>(window, "PageControl1")->currentWidget(),
             control<QWidget>(window, "FormatPage"));
}

void StartupTest::profilesFolderThatCannotBeCreatedEndsTheStart() {
    QTemporaryDir folder;
    std::ofstream(std::filesystem::path(folder.path().toStdString()) / "Profiles") << "a file";
    const ProbeRun run = RunProbe(folder.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.output.contains(QStringLiteral("error: Cannot create ") + folder.path() +
                                 QStringLiteral("/Profiles directory.")),
             qPrintable(run.output));
    QVERIFY(!run.output.contains(QStringLiteral("started")));
}

void StartupTest::exclusiveCopyRefusesLaterStarts() {
    QTemporaryDir folder;
    {
        WindowHarness harness;
        auto& window = harness.open();
        control<QCheckBox>(window, "cbMultiLoad")->setChecked(true);

        ProbeRun run = RunProbe(folder.path());
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.output.trimmed(), QStringLiteral("information: ") + kRefusal);
        // A refused start creates nothing.
        QVERIFY(!std::filesystem::exists(std::filesystem::path(folder.path().toStdString()) /
                                         "Profiles"));

        // Unchecking releases the ownership, but the name stays taken until this copy ends.
        control<QCheckBox>(window, "cbMultiLoad")->setChecked(false);
        QVERIFY(harness.platform.messages.shown.empty());
        run = RunProbe(folder.path());
        QCOMPARE(run.exitCode, 1);
    }
    const ProbeRun run = RunProbe(folder.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.output.contains(QStringLiteral("started")), qPrintable(run.output));
}

void StartupTest::secondStartBringsTheRunningCopyForward_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("secondFolder");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("secondRuns");
    QTest::addColumn<QString>("firstAfter");
    QTest::newRow("shown, same folder") << ""
                                        << "same" << 0 << false << "front";
    QTest::newRow("under another window, same folder") << "--behind"
                                                       << "same" << 0 << false << "front";
    QTest::newRow("minimised, same folder") << "--minimize"
                                            << "same" << 0 << false << "front";
    QTest::newRow("in the tray, same folder") << "--to-tray"
                                              << "same" << 0 << false << "front";
    QTest::newRow("in the tray, same folder through a link") << "--to-tray"
                                                             << "link" << 0 << false << "front";
    QTest::newRow("in the tray, another folder") << "--to-tray"
                                                 << "other" << 0 << true << "back";
    QTest::newRow("exclusive, same folder") << "--multiload"
                                            << "same" << 1 << false << "front";
}

namespace {

// Reads what the probe printed so far into `output` and gives its last "front" or "back".
QString LastPlace(QProcess& probe, QString& output) {
    output += QString::fromUtf8(probe.readAllStandardOutput());
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (*line == QLatin1String("front") || *line == QLatin1String("back")) {
            return *line;
        }
    }
    return {};
}

}  // namespace

// A start while a copy runs for the same data folder brings that copy forward and ends; over
// another folder it is a program of its own. Only the hidden exclusive option refuses.
void StartupTest::secondStartBringsTheRunningCopyForward() {
    QFETCH(QString, state);
    QFETCH(QString, secondFolder);
    QFETCH(int, exitCode);
    QFETCH(bool, secondRuns);
    QFETCH(QString, firstAfter);
    QTemporaryDir folder;
    QTemporaryDir other;
    const QString link = other.filePath(QStringLiteral("link"));
    QVERIFY(QFile::link(folder.path(), link));
    QProcess first;
    QVERIFY(StartHolding(first, folder.path(), {state, QStringLiteral("--change")},
                         QStringLiteral("started")));
    QString output;
    const QString settled = state.isEmpty() || state == QLatin1String("--multiload")
                                ? QStringLiteral("front")
                                : QStringLiteral("back");
    QTRY_COMPARE_WITH_TIMEOUT(LastPlace(first, output), settled, kProcessTimeoutMs);

    const QString second = secondFolder == QLatin1String("same")   ? folder.path()
                           : secondFolder == QLatin1String("link") ? link
                                                                   : other.path();
    const ProbeRun run = RunProbe(second);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.output.contains(QStringLiteral("started")), secondRuns);
    QCOMPARE(run.output.contains(kRefusal), exitCode == 1);
    QTRY_COMPARE_WITH_TIMEOUT(LastPlace(first, output), firstAfter, kProcessTimeoutMs);
    QTest::qWait(200);
    QCOMPARE(LastPlace(first, output), firstAfter);

    // The one window left writes the profile when it ends.
    QCOMPARE(first.state(), QProcess::Running);
    first.terminate();
    QVERIFY(first.waitForFinished(kProcessTimeoutMs));
    const tagforge::IniFile profile(std::filesystem::path(folder.path().toStdString()) /
                                    "Profiles" / "Default.tfp");
    QCOMPARE(QString::fromStdString(profile.ReadString("Page1", "Text", "")),
             QStringLiteral("probe"));
}

namespace {

// Lines of the probe's output that tell of a message shown.
int MessagesIn(const QString& output) {
    int messages = 0;
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        for (const char* kind :
             {"error: ", "warning: ", "information: ", "notice: ", "confirm: "}) {
            messages += line.startsWith(QLatin1String(kind)) ? 1 : 0;
        }
    }
    return messages;
}

}  // namespace

void StartupTest::signalEndsTheProgramWhateverFailed_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("boxWaits");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("started");
    for (const bool waits : {false, true}) {
        const char* box = waits ? ", box waiting" : ", box answered";
        QTest::addRow("nothing%s", box) << "nothing" << waits << 0 << true;
        QTest::addRow("profile cannot be written%s", box) << "profile" << waits << 1 << true;
        QTest::addRow("disk full%s", box) << "disk full" << waits << 1 << true;
    }
    // An answered box lets the start go on, and the end then fails to store the settings too.
    QTest::newRow("store unreadable at the start, box answered") << "start" << false << 2 << true;
    QTest::newRow("store unreadable at the start, box waiting") << "start" << true << 1 << false;
}

// SIGTERM ends the program, the window hidden in the tray: a failed save is told once, and
// while its box waits for an answer, a second signal ends the program at once.
void StartupTest::signalEndsTheProgramWhateverFailed() {
    QFETCH(QString, fault);
    QFETCH(bool, boxWaits);
    QFETCH(int, messages);
    QFETCH(bool, started);
    QTemporaryDir folder;
    const std::filesystem::path path = folder.path().toStdString();
    QStringList flags{QStringLiteral("--hold"), QStringLiteral("--change"),
                      QStringLiteral("--to-tray")};
    if (boxWaits) {
        flags << QStringLiteral("--real-boxes");
    }
    if (fault == QLatin1String("profile")) {
        std::filesystem::create_directories(path / "Profiles" / "Default.tfp");
    } else if (fault == QLatin1String("disk full")) {
        flags << QStringLiteral("--disk-full");
    } else if (fault == QLatin1String("start")) {
        std::filesystem::create_directories(path / "TagForge.registry");
    }
    QProcess probe;
    probe.start(QStringLiteral(START_PROBE_PATH), QStringList{folder.path()} + flags);
    QString output;
    const auto readUntil = [&](const QString& text) {
        while (!output.contains(text)) {
            if (!probe.waitForReadyRead(kProcessTimeoutMs)) {
                return false;
            }
            output += QString::fromUtf8(probe.readAllStandardOutput());
        }
        return true;
    };
    // The start-up fault shows its box while the window is being built; the others wait until
    // the window is in the tray.
    QVERIFY2(readUntil(fault == QLatin1String("start") ? QStringLiteral("notice: ")
                                                       : QStringLiteral("back")),
             qPrintable(output));
    probe.terminate();
    if (boxWaits && fault != QLatin1String("nothing") && fault != QLatin1String("start")) {
        QVERIFY2(readUntil(QStringLiteral("error: ")), qPrintable(output));
        QTest::qWait(300);
        QCOMPARE(probe.state(), QProcess::Running);
        probe.terminate();
    }
    QVERIFY2(probe.waitForFinished(kProcessTimeoutMs), qPrintable(output));
    output += QString::fromUtf8(probe.readAllStandardOutput());
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 0);
    QVERIFY2(MessagesIn(output) == messages, qPrintable(output));
    QCOMPARE(output.contains(QStringLiteral("started")), started);
    const tagforge::IniFile profile(path / "Profiles" / "Default.tfp");
    QCOMPARE(profile.ReadString("Page1", "Text", "") == "probe", fault == QLatin1String("nothing"));
}

void StartupTest::killedHolderFreesTheName() {
    QTemporaryDir folder;
    QProcess holder;
    QVERIFY(StartHolding(holder, folder.path(), {QStringLiteral("--multiload")},
                         QStringLiteral("holding")));
    ProbeRun run = RunProbe(folder.path());
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.output.contains(kRefusal));

    holder.kill();
    QVERIFY(holder.waitForFinished(kProcessTimeoutMs));
    run = RunProbe(folder.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.output.contains(QStringLiteral("started")));
}

void StartupTest::releasingWithoutHoldingTellsTheUser() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QCheckBox>(window, "cbMultiLoad")->setChecked(true);
    control<QCheckBox>(window, "cbMultiLoad")->setChecked(false);
    // The name is still held by this copy, so checking again opens it without ownership.
    control<QCheckBox>(window, "cbMultiLoad")->setChecked(true);
    control<QCheckBox>(window, "cbMultiLoad")->setChecked(false);
    QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});
    QCOMPARE(harness.platform.messages.shown[0].text, QStringLiteral("Не освободить мутекс"));
    QCOMPARE(harness.platform.messages.shown[0].kind, QStringLiteral("information"));
}

namespace {

// Starts a copy that saves over and over, lets it save `saves` times plus a random moment, and
// kills it.
void KillWhileSaving(const QString& folder, int saves, std::mt19937& random) {
    QProcess probe;
    probe.start(QStringLiteral(START_PROBE_PATH), {folder, QStringLiteral("--save-forever")});
    QString output;
    while (output.count(QStringLiteral("saved")) < saves &&
           probe.waitForReadyRead(kProcessTimeoutMs)) {
        output += QString::fromUtf8(probe.readAllStandardOutput());
    }
    QTest::qSleep(std::uniform_int_distribution<int>(0, 40)(random));
    probe.kill();
    probe.waitForFinished(kProcessTimeoutMs);
}

// Every stored setting and every profile key is there: the files are whole, old or new.
QString WholeFilesProblem(const std::filesystem::path& folder) {
    const tagforge::RegistryFile store(folder / "TagForge.registry");
    const auto names = store.ValueNames(tagforge::kSettingsKey);
    if (!names) {
        return QStringLiteral("the settings key is missing");
    }
    for (const tagforge::SettingValue& value : tagforge::SettingValues()) {
        const bool stored = store.ReadValue(tagforge::kSettingsKey, value.name).has_value();
        // The Run value lives elsewhere, and an empty smiley group is never stored.
        const bool expected = value.root == tagforge::RegistryRoot::LocalMachine &&
                              value.name != std::string_view("SmileGroup");
        if (stored != expected) {
            return QStringLiteral("setting %1").arg(QString::fromLatin1(value.name));
        }
    }
    const tagforge::IniFile profile(folder / "Profiles" / "Default.tfp");
    for (const tagforge::ProfileKey& key : tagforge::ProfileKeys()) {
        if (profile.ReadString(key.section, key.name, "\x01missing") == "\x01missing") {
            return QStringLiteral("profile key %1").arg(QString::fromLatin1(key.name));
        }
    }
    return {};
}

}  // namespace

void StartupTest::killedInTheMiddleOfASaveLeavesWholeFiles() {
    QTemporaryDir folder;
    const std::filesystem::path path = folder.path().toStdString();
    std::mt19937 random(20261208);
    KillWhileSaving(folder.path(), 3, random);
    QCOMPARE(WholeFilesProblem(path), QString());
    for (int round = 0; round < 12; ++round) {
        KillWhileSaving(folder.path(), 1, random);
        const QString problem = WholeFilesProblem(path);
        QVERIFY2(problem.isEmpty(),
                 qPrintable(QStringLiteral("round %1: %2").arg(round).arg(problem)));
    }
}

TAGFORGE_UI_TEST_MAIN(StartupTest)
#include "startup_test.moc"
