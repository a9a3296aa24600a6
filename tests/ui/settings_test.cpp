#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "core/store/autostart_entries.h"
#include "core/store/registry_file.h"
#include "core/store/settings.h"
#include "gui/common/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "ui_test_files.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

namespace fs = std::filesystem;

using test::FakePlatform;
using test::Items;
using test::ReadBytes;
using test::Restart;
using test::ShownMessage;
using test::WindowHarness;

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr int kAlways = 0;
constexpr int kNever = 1;
constexpr int kRemember = 2;
constexpr int kByClick = 0;
constexpr int kByDoubleClick = 1;

// The machine-wide value names in the order the program writes them; other builds of the program
// share the store, so neither the names nor their order may drift.
const std::vector<std::string> kMachineValueNames = {
    "Top",
    "Left",
    "Width",
    "Height",
    "AutoSave",
    "EnableResultLimit",
    "ResultLimit",
    "MinimizeToTray",
    "RestoreMethod",
    "ShowSmilesType",
    "ShowHint",
    "EnableSmileSeparate",
    "SmileSeparate",
    "PreviewBGColor",
    "PreviewWordWrap",
    "SmileFrequentlyUsed",
    "FontName",
    "FontSize",
    "Charset",
    "Bold",
    "Italic",
    "SmileGroup",
    "ShowLivePreview",
};

fs::path MachineFile(const fs::path& folder) {
    return folder / "TagForge.registry";
}

fs::path AutostartEntry(const fs::path& folder) {
    return FakePlatform::configHome(folder) / "autostart" / "OrbelTagForge.desktop";
}

fs::path DefaultProfile(const fs::path& folder) {
    return folder / "Profiles" / "Default.tfp";
}

// The settings key as the machine file holds it, read without the window's store object.
RegistryFile::Key StoredSettingsKey(const fs::path& folder) {
    const RegistryFile file(MachineFile(folder));
    RegistryFile::Key key{std::string(kSettingsKey), {}};
    for (const std::string& name :
         file.ValueNames(kSettingsKey).value_or(std::vector<std::string>{})) {
        key.values.push_back({name, file.ReadValue(kSettingsKey, name).value_or("")});
    }
    return key;
}

// One stored value as text; a missing value reads as a marker no setting can hold.
QString StoredSetting(const fs::path& folder, std::string_view name) {
    const auto data = RegistryFile(MachineFile(folder)).ReadValue(kSettingsKey, name);
    return data ? FromCp1251(*data) : QStringLiteral("<missing>");
}

QStringList Texts(const std::vector<std::string>& bytes) {
    QStringList texts;
    for (const std::string& text : bytes) {
        texts.push_back(FromCp1251(text));
    }
    return texts;
}

std::string QuotedProgramPath() {
    return "\"" + ToCp1251(QCoreApplication::applicationFilePath()) + "\"";
}

void MakeSmileGroups(const fs::path& folder, std::initializer_list<const char*> names) {
    fs::create_directories(folder / "SmileGroups");
    for (const char* name : names) {
        std::ofstream(folder / "SmileGroups" / (std::string(name) + ".sgr")) << "";
    }
}

std::vector<ShownMessage> NoticesFrom(const std::vector<ShownMessage>& shown, std::size_t first) {
    std::vector<ShownMessage> notices;
    for (std::size_t i = first; i < shown.size(); ++i) {
        if (shown[i].kind == QLatin1String("notice")) {
            notices.push_back(shown[i]);
        }
    }
    return notices;
}

// Sets every stored option away from its default; the restart test expects exactly these.
void ChangeEverySetting(MainWindow& window) {
    window.move(250, 170);
    control<QCheckBox>(window, "cbAutoSave")->setChecked(false);
    control<QCheckBox>(window, "cbThreshold")->setChecked(false);
    control<QSpinBox>(window, "UpDown2")->setValue(1234);
    control<QCheckBox>(window, "cbToTray")->setChecked(false);
    control<QComboBox>(window, "ComboHowToRestore")->setCurrentIndex(kByClick);
    control<QComboBox>(window, "comboShowSmiles")->setCurrentIndex(kAlways);
    control<QPushButton>(window, "SmileButton")->setChecked(true);
    control<QCheckBox>(window, "cbShowHint")->setChecked(false);
    control<QCheckBox>(window, "cbNumOfSmiles")->setChecked(false);
    control<QSpinBox>(window, "UpDown1")->setValue(77);
    tagforge::SetPanelColor(control<tagforge::ColorPanel>(window, "Image2"),
                            MakeColor(0x12, 0x34, 0x56));
    control<QCheckBox>(window, "cbWordWrap")->setChecked(false);
    control<QCheckBox>(window, "cbFrequentlyUsed")->setChecked(false);
    control<QCheckBox>(window, "cbAutoRun")->setChecked(true);
    control<QCheckBox>(window, "cbShowLivePreview")->setChecked(false);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSize(13);
    font.setBold(true);
    font.setItalic(true);
    control<QPlainTextEdit>(window, "MainText")->setFont(font);
}

// The settings page as a first start and the base-settings command leave it.
void CheckBaseSettingsOnThePage(const MainWindow& window) {
    QVERIFY(control<QCheckBox>(window, "cbAutoSave")->isChecked());
    QVERIFY(control<QCheckBox>(window, "cbThreshold")->isChecked());
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), QStringLiteral("900"));
    QCOMPARE(control<QSpinBox>(window, "UpDown2")->value(), 900);
    QVERIFY(control<QCheckBox>(window, "cbToTray")->isChecked());
    QCOMPARE(control<QComboBox>(window, "ComboHowToRestore")->currentText(),
             QStringLiteral("Двойным кликом"));
    QCOMPARE(control<QComboBox>(window, "comboShowSmiles")->currentText(),
             QStringLiteral("Помнить"));
    QVERIFY(control<QCheckBox>(window, "cbShowHint")->isChecked());
    QVERIFY(control<QCheckBox>(window, "cbNumOfSmiles")->isChecked());
    QCOMPARE(control<QLineEdit>(window, "eNumOfSmiles")->text(), QStringLiteral("24"));
    QCOMPARE(control<QSpinBox>(window, "UpDown1")->value(), 24);
    QCOMPARE(control<tagforge::ColorPanel>(window, "Image2")->color(), ColorValue{0x000000});
    QVERIFY(control<QCheckBox>(window, "cbWordWrap")->isChecked());
    QVERIFY(control<QCheckBox>(window, "cbFrequentlyUsed")->isChecked());
    QVERIFY(!control<QCheckBox>(window, "cbAutoRun")->isChecked());
    const QFont font = control<QPlainTextEdit>(window, "MainText")->font();
    QCOMPARE(font.family(), QStringLiteral("Courier New"));
    QCOMPARE(font.pointSize(), 8);
    QVERIFY(!font.bold());
    QVERIFY(!font.italic());
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void firstStartShowsEveryDefaultSilently();
    void everySettingSurvivesARestartUnderItsStoredName();
    void showSmilesChoiceIsStoredWithThePaneState_data();
    void showSmilesChoiceIsStoredWithThePaneState();
    void storedShowSmilesTypeSetsChoiceAndPane_data();
    void storedShowSmilesTypeSetsChoiceAndPane();
    void autoSaveOffStoresSettingsButNoDefaultProfile();
    void storedNumbersReadAsTheirLeadingDigits_data();
    void storedNumbersReadAsTheirLeadingDigits();
    void startWithTheSystemFollowsTheCheckBox();
    void installedProgramIsStartedByName();
    void runEntryReadsCheckedUnlessEmptyOrZero_data();
    void runEntryReadsCheckedUnlessEmptyOrZero();
    void entryTurnedOffOnTheDesktopStaysOff_data();
    void entryTurnedOffOnTheDesktopStaysOff();
    void unusableStoreReportsOnceAndStillCloses();
    void baseSettingsAskFirstAndStoreNothing();
    void fontAndNickListsComeFromTheirKeys();
    void nickListSurvivesARestartExactly();
};

void SettingsTest::firstStartShowsEveryDefaultSilently() {
    WindowHarness harness;
    QVERIFY(!fs::exists(MachineFile(harness.programFolder())));
    auto& window = harness.open();

    QCOMPARE(window.x(), 100);
    QCOMPARE(window.y(), 100);
    CheckBaseSettingsOnThePage(window);
    QCOMPARE(control<QComboBox>(window, "ComboHowToRestore")->currentIndex(), kByDoubleClick);
    QCOMPARE(control<QComboBox>(window, "comboShowSmiles")->currentIndex(), kRemember);
    QVERIFY(!control<QPushButton>(window, "SmileButton")->isChecked());
    QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->count(), 0);
    QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->currentText(), QString());
    QVERIFY(harness.platform.messages.shown.empty());
}

void SettingsTest::everySettingSurvivesARestartUnderItsStoredName() {
    WindowHarness harness;
    const fs::path folder = harness.programFolder();
    MakeSmileGroups(folder, {"Animals", "Birds"});
    {
        auto& window = harness.open();
        QCOMPARE(Items(control<QComboBox>(window, "comboSelectSmilesGroup")),
                 QStringList({QStringLiteral("Animals"), QStringLiteral("Birds")}));
        ChangeEverySetting(window);
        control<QComboBox>(window, "comboSelectSmilesGroup")->setCurrentIndex(1);
        QVERIFY(window.close());
    }

    // Top is the vertical position and Left the horizontal one; colours are written red first.
    const std::map<std::string, std::string> expected = {
        {"Top", "170"},
        {"Left", "250"},
        // Never shown, the window has no size of the user's to keep.
        {"Width", "0"},
        {"Height", "0"},
        {"AutoSave", "0"},
        {"EnableResultLimit", "0"},
        {"ResultLimit", "1234"},
        {"MinimizeToTray", "0"},
        {"RestoreMethod", "0"},
        {"ShowSmilesType", "0"},
        {"ShowHint", "0"},
        {"EnableSmileSeparate", "0"},
        {"SmileSeparate", "77"},
        {"PreviewBGColor", "123456"},
        {"PreviewWordWrap", "0"},
        {"SmileFrequentlyUsed", "0"},
        {"FontName", "DejaVu Serif"},
        {"FontSize", "13"},
        {"Charset", "204"},
        {"Bold", "1"},
        {"Italic", "1"},
        {"SmileGroup", "Birds"},
        {"ShowLivePreview", "0"},
    };
    const RegistryFile::Key stored = StoredSettingsKey(folder);
    std::vector<std::string> names;
    for (const RegistryFile::Value& value : stored.values) {
        names.push_back(value.name);
        QVERIFY2(expected.contains(value.name), value.name.c_str());
        QCOMPARE(QString::fromStdString(value.data),
                 QString::fromStdString(expected.at(value.name)));
    }
    QCOMPARE(Texts(names), Texts(kMachineValueNames));
    QVERIFY(fs::exists(AutostartEntry(folder)));

    Restart restart(folder);
    auto& window = restart.open();
    QCOMPARE(window.x(), 250);
    QCOMPARE(window.y(), 170);
    QVERIFY(!control<QCheckBox>(window, "cbAutoSave")->isChecked());
    QVERIFY(!control<QCheckBox>(window, "cbThreshold")->isChecked());
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), QStringLiteral("1234"));
    QCOMPARE(control<QSpinBox>(window, "UpDown2")->value(), 1234);
    QVERIFY(!control<QCheckBox>(window, "cbToTray")->isChecked());
    QCOMPARE(control<QComboBox>(window, "ComboHowToRestore")->currentText(),
             QStringLiteral("Кликом"));
    QCOMPARE(control<QComboBox>(window, "comboShowSmiles")->currentText(),
             QStringLiteral("Всегда"));
    QVERIFY(control<QPushButton>(window, "SmileButton")->isChecked());
    QVERIFY(!control<QCheckBox>(window, "cbShowHint")->isChecked());
    QVERIFY(!control<QCheckBox>(window, "cbNumOfSmiles")->isChecked());
    QCOMPARE(control<QLineEdit>(window, "eNumOfSmiles")->text(), QStringLiteral("77"));
    QCOMPARE(control<QSpinBox>(window, "UpDown1")->value(), 77);
    QCOMPARE(control<tagforge::ColorPanel>(window, "Image2")->color(), MakeColor(0x12, 0x34, 0x56));
    QVERIFY(!control<QCheckBox>(window, "cbWordWrap")->isChecked());
    QVERIFY(!control<QCheckBox>(window, "cbFrequentlyUsed")->isChecked());
    QVERIFY(control<QCheckBox>(window, "cbAutoRun")->isChecked());
    QVERIFY(!control<QCheckBox>(window, "cbShowLivePreview")->isChecked());
    const QFont font = control<QPlainTextEdit>(window, "MainText")->font();
    QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(font.pointSize(), 13);
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    QCOMPARE(control<QComboBox>(window, "comboSelectSmilesGroup")->currentText(),
             QStringLiteral("Birds"));
    QVERIFY(restart.platform.messages.shown.empty());
}

void SettingsTest::showSmilesChoiceIsStoredWithThePaneState_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("paneShown");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("paneAtNextStart");
    // "Always" and "never" decide the pane themselves; "remember" keeps what it was.
    QTest::newRow("always, shown") << kAlways << true << "0" << true;
    QTest::newRow("always, hidden") << kAlways << false << "0" << true;
    QTest::newRow("never, shown") << kNever << true << "1" << false;
    QTest::newRow("never, hidden") << kNever << false << "1" << false;
    QTest::newRow("remember, shown") << kRemember << true << "3" << true;
    QTest::newRow("remember, hidden") << kRemember << false << "2" << false;
}

void SettingsTest::showSmilesChoiceIsStoredWithThePaneState() {
    QFETCH(int, choice);
    QFETCH(bool, paneShown);
    QFETCH(QString, stored);
    QFETCH(bool, paneAtNextStart);
    WindowHarness harness;
    // With no group at all, a pane to be shown at start asks for a new group instead.
    MakeSmileGroups(harness.programFolder(), {"Fun"});
    {
        auto& window = harness.open();
        control<QComboBox>(window, "comboShowSmiles")->setCurrentIndex(choice);
        control<QPushButton>(window, "SmileButton")->setChecked(paneShown);
        QVERIFY(window.close());
    }
    QCOMPARE(StoredSetting(harness.programFolder(), "ShowSmilesType"), stored);

    Restart restart(harness.programFolder());
    auto& window = restart.open();
    QCOMPARE(control<QComboBox>(window, "comboShowSmiles")->currentIndex(), choice);
    QCOMPARE(control<QPushButton>(window, "SmileButton")->isChecked(), paneAtNextStart);
}

void SettingsTest::storedShowSmilesTypeSetsChoiceAndPane_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("paneShown");
    QTest::newRow("0") << "0" << QStringLiteral("Всегда") << true;
    QTest::newRow("1") << "1" << QStringLiteral("Никогда") << false;
    QTest::newRow("2") << "2" << QStringLiteral("Помнить") << false;
    QTest::newRow("3") << "3" << QStringLiteral("Помнить") << true;
    // Unknown numbers fall back to remembering a hidden pane.
    QTest::newRow("7") << "7" << QStringLiteral("Помнить") << false;
}

void SettingsTest::storedShowSmilesTypeSetsChoiceAndPane() {
    QFETCH(QString, stored);
    QFETCH(QString, choice);
    QFETCH(bool, paneShown);
    WindowHarness harness;
    MakeSmileGroups(harness.programFolder(), {"Fun"});
    QVERIFY(harness.platform.registry->WriteValue(kMachine, kSettingsKey, "ShowSmilesType",
                                                  stored.toStdString()));
    auto& window = harness.open();
    QCOMPARE(control<QComboBox>(window, "comboShowSmiles")->currentText(), choice);
    QCOMPARE(control<QPushButton>(window, "SmileButton")->isChecked(), paneShown);
}

void SettingsTest::autoSaveOffStoresSettingsButNoDefaultProfile() {
    {
        // With auto-save on, closing writes both: the contrast for the case below.
        WindowHarness harness;
        QVERIFY(harness.open().close());
        QVERIFY(fs::exists(DefaultProfile(harness.programFolder())));
        QCOMPARE(StoredSetting(harness.programFolder(), "AutoSave"), QStringLiteral("1"));
    }
    WindowHarness harness;
    auto& window = harness.open();
    control<QCheckBox>(window, "cbAutoSave")->setChecked(false);
    control<QSpinBox>(window, "UpDown2")->setValue(321);
    QVERIFY(window.close());
    QVERIFY(!fs::exists(DefaultProfile(harness.programFolder())));
    QCOMPARE(StoredSetting(harness.programFolder(), "AutoSave"), QStringLiteral("0"));
    QCOMPARE(StoredSetting(harness.programFolder(), "ResultLimit"), QStringLiteral("321"));
}

void SettingsTest::storedNumbersReadAsTheirLeadingDigits_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("number");
    QTest::newRow("limit with a tail") << "ResultLimit"
                                       << "12abc" << 12;
    QTest::newRow("limit without digits") << "ResultLimit"
                                          << "abc" << 0;
    QTest::newRow("limit empty") << "ResultLimit"
                                 << "" << 0;
    QTest::newRow("smileys with a tail") << "SmileSeparate"
                                         << "30 per row" << 30;
    QTest::newRow("smileys without digits") << "SmileSeparate"
                                            << "x5" << 0;
}

void SettingsTest::storedNumbersReadAsTheirLeadingDigits() {
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(int, number);
    WindowHarness harness;
    QVERIFY(harness.platform.registry->WriteValue(kMachine, kSettingsKey, name.toStdString(),
                                                  stored.toStdString()));
    auto& window = harness.open();
    const bool limit = name == QLatin1String("ResultLimit");
    const QLineEdit* field =
        limit ? control<QLineEdit>(window, "Edit1") : control<QLineEdit>(window, "eNumOfSmiles");
    const QSpinBox* upDown =
        limit ? control<QSpinBox>(window, "UpDown2") : control<QSpinBox>(window, "UpDown1");
    QCOMPARE(upDown->value(), number);
    QCOMPARE(field->text(), QString::number(number));
    QVERIFY(harness.platform.messages.shown.empty());
}

void SettingsTest::startWithTheSystemFollowsTheCheckBox() {
    WindowHarness harness;
    const fs::path folder = harness.programFolder();
    {
        auto& window = harness.open();
        QVERIFY(!control<QCheckBox>(window, "cbAutoRun")->isChecked());
        control<QCheckBox>(window, "cbAutoRun")->setChecked(true);
        // Only the closing save touches the entry.
        QVERIFY(!fs::exists(AutostartEntry(folder)));
        QVERIFY(window.close());
    }
    QVERIFY(fs::exists(AutostartEntry(folder)));
    const std::string entry = ReadBytes(AutostartEntry(folder)).value_or("");
    QVERIFY2(entry.find("\nExec=" + QuotedProgramPath() + "\n") != std::string::npos,
             entry.c_str());
    QCOMPARE(FromCp1251(DesktopEntryCommand(entry).value_or("")), FromCp1251(QuotedProgramPath()));

    {
        Restart restart(folder);
        auto& window = restart.open();
        QVERIFY(control<QCheckBox>(window, "cbAutoRun")->isChecked());
        control<QCheckBox>(window, "cbAutoRun")->setChecked(false);
        QVERIFY(window.close());
    }
    QVERIFY(!fs::exists(AutostartEntry(folder)));

    Restart restart(folder);
    QVERIFY(!control<QCheckBox>(restart.open(), "cbAutoRun")->isChecked());
}

// The installed program's entry names it alone, so the desktop finds it on PATH while the package
// is there and passes over the entry once the package is gone.
void SettingsTest::installedProgramIsStartedByName() {
    WindowHarness harness;
    harness.platform.installed = true;
    auto& window = harness.open();
    control<QCheckBox>(window, "cbAutoRun")->setChecked(true);
    QVERIFY(window.close());
    const std::string expected = DesktopEntryText(
        kRunValue, AutostartCommand(ToCp1251(QCoreApplication::applicationFilePath()), true));
    QCOMPARE(QString::fromStdString(
                 ReadBytes(AutostartEntry(harness.programFolder())).value_or("<missing>")),
             QString::fromStdString(expected));
}

void SettingsTest::runEntryReadsCheckedUnlessEmptyOrZero_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("checked");
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("another program") << "\"/opt/other/program\" --quiet" << true;
    QTest::newRow("a number") << "1" << true;
}

void SettingsTest::runEntryReadsCheckedUnlessEmptyOrZero() {
    QFETCH(QString, command);
    QFETCH(bool, checked);
    WindowHarness harness;
    QVERIFY(harness.platform.registry->WriteValue(RegistryRoot::CurrentUser, kRunKey, kRunValue,
                                                  command.toStdString()));
    QVERIFY(fs::exists(AutostartEntry(harness.programFolder())));
    QCOMPARE(control<QCheckBox>(harness.open(), "cbAutoRun")->isChecked(), checked);
}

void SettingsTest::entryTurnedOffOnTheDesktopStaysOff_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("hidden") << "Hidden=true";
    QTest::newRow("GNOME switch off") << "X-GNOME-Autostart-enabled=false";
}

void SettingsTest::entryTurnedOffOnTheDesktopStaysOff() {
    QFETCH(QString, line);
    WindowHarness harness;
    const fs::path entry = AutostartEntry(harness.programFolder());
    const std::string text = "[Desktop Entry]\nType=Application\nExec=" + QuotedProgramPath() +
                             "\n" + line.toStdString() + "\n";
    test::WriteBytes(entry, text);
    auto& window = harness.open();
    QVERIFY(!control<QCheckBox>(window, "cbAutoRun")->isChecked());
    QVERIFY(window.close());
    QCOMPARE(ReadBytes(entry), std::optional<std::string>(text));
}

void SettingsTest::unusableStoreReportsOnceAndStillCloses() {
    WindowHarness harness;
    const fs::path folder = harness.programFolder();
    // A folder where the machine file belongs: the settings key can be neither read nor made.
    fs::create_directories(MachineFile(folder));
    harness.platform.useFolder(folder);
    MakeSmileGroups(folder, {"Fun"});
    auto& window = harness.open();

    // Every machine-wide value fails alike: one message, naming the first of them, not one
    // per value.
    const std::vector<ShownMessage> reads = NoticesFrom(harness.platform.messages.shown, 0);
    QCOMPARE(harness.platform.messages.shown.size(), reads.size());
    QCOMPARE(reads.size(), std::size_t{1});
    QCOMPARE(reads[0].text, QStringLiteral("Key not exist"));
    QCOMPARE(reads[0].title, FromCp1251(kMachineValueNames.front()));

    QCOMPARE(window.x(), 0);
    QCOMPARE(window.y(), 0);
    for (const QCheckBox* box :
         {control<QCheckBox>(window, "cbAutoSave"), control<QCheckBox>(window, "cbThreshold"),
          control<QCheckBox>(window, "cbToTray"), control<QCheckBox>(window, "cbShowHint"),
          control<QCheckBox>(window, "cbNumOfSmiles"), control<QCheckBox>(window, "cbWordWrap"),
          control<QCheckBox>(window, "cbFrequentlyUsed"),
          control<QCheckBox>(window, "cbAutoRun")}) {
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    }
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), QStringLiteral("0"));
    QCOMPARE(control<QSpinBox>(window, "UpDown2")->value(), 0);
    QCOMPARE(control<QLineEdit>(window, "eNumOfSmiles")->text(), QStringLiteral("0"));
    QCOMPARE(control<QSpinBox>(window, "UpDown1")->value(), 0);
    QCOMPARE(control<QComboBox>(window, "ComboHowToRestore")->currentIndex(), kByClick);
    // An empty ShowSmilesType is 0: "always", with the pane shown.
    QCOMPARE(control<QComboBox>(window, "comboShowSmiles")->currentIndex(), kAlways);
    QVERIFY(control<QPushButton>(window, "SmileButton")->isChecked());
    QCOMPARE(control<tagforge::ColorPanel>(window, "Image2")->color(), kWhite);
    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->font().family(), QString());
    QVERIFY(!control<QPlainTextEdit>(window, "MainText")->font().bold());
    QVERIFY(!control<QPlainTextEdit>(window, "MainText")->font().italic());

    const std::size_t beforeClosing = harness.platform.messages.shown.size();
    QVERIFY(window.close());
    const std::vector<ShownMessage> writes =
        NoticesFrom(harness.platform.messages.shown, beforeClosing);
    QCOMPARE(harness.platform.messages.shown.size() - beforeClosing, writes.size());
    // The values and both name lists fail alike: one message for the save, naming the first key.
    QCOMPARE(writes.size(), std::size_t{1});
    QCOMPARE(writes[0].text, QStringLiteral("Can't open key"));
    QCOMPARE(writes[0].title, FromCp1251(kSettingsKey));
    QVERIFY(!window.isVisible());
    // Auto-save read as off, so no profile either.
    QVERIFY(!fs::exists(DefaultProfile(folder)));
    QVERIFY(fs::is_directory(MachineFile(folder)));
}

void SettingsTest::baseSettingsAskFirstAndStoreNothing() {
    WindowHarness harness;
    const fs::path folder = harness.programFolder();
    {
        auto& window = harness.open();
        ChangeEverySetting(window);
        control<QComboBox>(window, "comboShowSmiles")->setCurrentIndex(kNever);
        QVERIFY(window.close());
    }
    auto& window = harness.open();
    QVERIFY(control<QCheckBox>(window, "cbAutoRun")->isChecked());
    const auto storeBefore = ReadBytes(MachineFile(folder));
    QVERIFY(storeBefore && !storeBefore->empty());
    QVERIFY(fs::exists(AutostartEntry(folder)));
    auto& messages = harness.platform.messages;
    messages.shown.clear();

    const Settings changed = window.settings().currentSettings();
    messages.answer = false;
    QTest::mouseClick(control<QPushButton>(window, "SpeedButton9"), Qt::LeftButton);
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].kind, QStringLiteral("confirm"));
    QCOMPARE(messages.shown[0].text, QStringLiteral("Применить базовые настройки ?"));
    QVERIFY(window.settings().currentSettings() == changed);

    messages.answer = true;
    QTest::mouseClick(control<QPushButton>(window, "SpeedButton9"), Qt::LeftButton);
    QCOMPARE(messages.shown.size(), std::size_t{2});
    QCOMPARE(messages.shown[1].text, QStringLiteral("Применить базовые настройки ?"));
    CheckBaseSettingsOnThePage(window);
    // The window position is no setting of the page and stays.
    QCOMPARE(window.x(), 250);
    QCOMPARE(window.y(), 170);

    QCOMPARE(ReadBytes(MachineFile(folder)), storeBefore);
    QVERIFY(fs::exists(AutostartEntry(folder)));
}

void SettingsTest::fontAndNickListsComeFromTheirKeys() {
    WindowHarness harness;
    Registry& store = *harness.platform.registry;
    const std::string petya = ToCp1251(QStringLiteral("Петя"));
    // Written out of alphabetical order: the lists keep the stored order.
    for (const char* font : {"Verdana", "Arial", "Times New Roman"}) {
        QVERIFY(store.WriteValue(kMachine, kFontNamesKey, font, ""));
    }
    for (const std::string& nick : {std::string("zed"), petya, std::string("a/b")}) {
        QVERIFY(store.WriteValue(kMachine, kNicksKey, nick, ""));
    }
    auto& window = harness.open();
    QCOMPARE(Items(control<QComboBox>(window, "comboboxFontName")),
             QStringList({QStringLiteral("Verdana"), QStringLiteral("Arial"),
                          QStringLiteral("Times New Roman")}));
    QCOMPARE(Texts(window.settings().nicks()), Texts({"zed", petya, "a/b"}));

    // The font list is written back on closing and read again at the next start.
    QVERIFY(window.close());
    Restart restart(harness.programFolder());
    QCOMPARE(Items(control<QComboBox>(restart.open(), "comboboxFontName")),
             QStringList({QStringLiteral("Verdana"), QStringLiteral("Arial"),
                          QStringLiteral("Times New Roman")}));
}

void SettingsTest::nickListSurvivesARestartExactly() {
    WindowHarness harness;
    QVERIFY(harness.platform.registry->WriteValue(kMachine, kNicksKey, "gone", ""));
    // Characters that the store's own file layout uses, and a Cyrillic nick.
    const std::vector<std::string> nicks = {
        "a/b", "x=y", "[q]", "50%41", "back\\slash", " spaced ", ToCp1251(QStringLiteral("Вася"))};
    {
        auto& window = harness.open();
        QCOMPARE(Texts(window.settings().nicks()), QStringList({QStringLiteral("gone")}));
        window.settings().setNicks(nicks);
        QVERIFY(window.close());
    }
    Restart restart(harness.programFolder());
    // The stored list is replaced whole, so the nick removed before closing is gone.
    auto& window = restart.open();
    QCOMPARE(Texts(window.settings().nicks()), Texts(nicks));
    QVERIFY(window.settings().nicks() == nicks);
}

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::SettingsTest)
#include "settings_test.moc"
