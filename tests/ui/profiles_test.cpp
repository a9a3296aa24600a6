#include <sys/resource.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/store/desktop_registry.h"
#include "core/store/profile.h"
#include "core/store/settings.h"
#include "gui/common/text_bridge.h"
#include "ui_test_files.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

namespace fs = std::filesystem;
using test::FakePlatform;
using test::FileSizeLimit;
using test::Items;
using test::Nicks;
using test::ReadBytes;
using test::WindowHarness;
using test::WriteBytes;

const QString kRefusedName = QStringLiteral("Имя профиля не должно содержать \\/:*?\"<>|");

fs::path profilesFolder(const WindowHarness& harness) {
    return harness.programFolder() / "Profiles";
}

fs::path ProfileFile(const WindowHarness& harness, const std::string& name) {
    return profilesFolder(harness) / (name + ".tfp");
}

fs::path RegistryFilePath(const WindowHarness& harness) {
    return harness.programFolder() / "TagForge.registry";
}

// A profile file as written by hand: Windows-1251 lines ending in CR LF.
std::string ProfileText(const QStringList& lines) {
    std::string text;
    for (const QString& line : lines) {
        text += ToCp1251(line) + "\r\n";
    }
    return text;
}

void WriteProfile(const WindowHarness& harness, const std::string& name, const QStringList& lines) {
    WriteBytes(ProfileFile(harness, name), ProfileText(lines));
}

bool Holds(const std::optional<std::string>& bytes, const QString& text) {
    return bytes && bytes->find(ToCp1251(text)) != std::string::npos;
}

std::set<std::string> FolderEntries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// Replaces what the profile box shows by `name`, typed key by key.
void TypeProfileName(MainWindow& window, const QString& name) {
    control<QComboBox>(window, "ComboProfiles")->clearEditText();
    test::TypeText(control<QComboBox>(window, "ComboProfiles")->lineEdit(), name);
    QCOMPARE(control<QComboBox>(window, "ComboProfiles")->currentText(), name);
}

void ClickSave(MainWindow& window) {
    QTest::mouseClick(control<QPushButton>(window, "SpeedButton2"), Qt::LeftButton);
}

void ClickDelete(MainWindow& window) {
    QTest::mouseClick(control<QPushButton>(window, "SpeedButton1"), Qt::LeftButton);
}

// Picks a listed profile the way the drop-down list does.
void Pick(MainWindow& window, const QString& name) {
    const int index = control<QComboBox>(window, "ComboProfiles")->findText(name);
    QVERIFY2(index >= 0, qPrintable(name));
    control<QComboBox>(window, "ComboProfiles")->setCurrentIndex(index);
    emit control<QComboBox>(window, "ComboProfiles")->activated(index);
}

// A setting as a later start of the program reads it from the files.
std::optional<std::string> StoredSetting(const WindowHarness& harness, std::string_view name) {
    const DesktopRegistry registry(StandardDesktopRegistryPaths(
        harness.programFolder(), FakePlatform::configHome(harness.programFolder())));
    return registry.ReadValue(RegistryRoot::LocalMachine, kSettingsKey, name);
}

QString WriteErrorText(const fs::path& file) {
    return QStringLiteral("Unable to write to ") + QString::fromStdString(file.string());
}

bool WasShown(const WindowHarness& harness, const QString& kind, const QString& text) {
    return std::ranges::any_of(harness.platform.messages.shown, [&](const auto& message) {
        return message.kind == kind && message.text == text;
    });
}

}  // namespace

class ProfilesTest : public QObject {
    Q_OBJECT

  private slots:
    void saveWritesTheTrimmedNameAndListsItInOrder();
    void refusedAndBlankNamesWriteNothing();
    void overwriteAsksFirstAndNoKeepsEverything();
    void pickingAnEntryLoadsItTypingDoesNot();
    void deleteRemovesTheListedProfileOnly();
    void closingSavesSettingsAndDefaultOnlyWithAutoSave();
    void failedWritesReportAndKeepTheWindowOpen();
    void failedOverwriteLeavesTheOldFile();
    void multiLineTextRoundTrips();
    void handAddedKeysAndSectionsSurviveASave();
    void emptyStoredNamesKeepTheFieldTexts();
    void templateTabFollowsTheStoredPage();
    void resetGivesDefaultsButKeepsNames();
    void resetLoadsAProfileSavedUnderItsName();
    void loadTellsWhetherTheFileWasRead_data();
    void loadTellsWhetherTheFileWasRead();
    void startupLoadsDefaultOrShowsTheFirstProfile();
    void typedNameLoadsNothingWhenTheEditEnds_data();
    void typedNameLoadsNothingWhenTheEditEnds();
    void messageComesBackWithItsNoBreakSpacesAndWhole();
    void closingRecreatesARemovedProfilesFolder();
};

void ProfilesTest::saveWritesTheTrimmedNameAndListsItInOrder() {
    WindowHarness harness;
    WriteProfile(harness, "apple", {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"a\"")});
    WriteProfile(harness, "Zed", {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"z\"")});
    auto& window = harness.open();
    QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")), QStringList({"apple", "Zed"}));

    control<QComboBox>(window, "ComboBox2")->setEditText(QStringLiteral("Вечер"));
    TypeProfileName(window, QStringLiteral("  Evening  "));
    ClickSave(window);

    QVERIFY(harness.platform.messages.shown.empty());
    QCOMPARE(FolderEntries(profilesFolder(harness)),
             std::set<std::string>({"apple.tfp", "Evening.tfp", "Zed.tfp"}));
    QVERIFY(Holds(ReadBytes(ProfileFile(harness, "Evening")), QStringLiteral("OkType=\"Вечер\"")));
    QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")),
             QStringList({"apple", "Evening", "Zed"}));
    QCOMPARE(control<QComboBox>(window, "ComboProfiles")->currentText(), QStringLiteral("Evening"));
}

void ProfilesTest::refusedAndBlankNamesWriteNothing() {
    WindowHarness harness;
    WriteProfile(harness, "Kept", {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"k\"")});
    auto& window = harness.open();
    const auto registryBefore = ReadBytes(RegistryFilePath(harness));
    const auto entriesBefore = FolderEntries(profilesFolder(harness));

    for (const QString& refused : {QStringLiteral("a/b"), QStringLiteral("x?")}) {
        harness.platform.messages.shown.clear();
        TypeProfileName(window, refused);
        ClickSave(window);
        QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});
        QCOMPARE(harness.platform.messages.shown.front().kind, QStringLiteral("error"));
        QCOMPARE(harness.platform.messages.shown.front().text, kRefusedName);
    }
    harness.platform.messages.shown.clear();
    for (const QString& blank : {QString(), QStringLiteral("   ")}) {
        TypeProfileName(window, blank);
        ClickSave(window);
    }
    QVERIFY(harness.platform.messages.shown.empty());
    QCOMPARE(FolderEntries(profilesFolder(harness)), entriesBefore);
    QCOMPARE(ReadBytes(RegistryFilePath(harness)), registryBefore);
    QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")), QStringList({"Kept"}));
}

void ProfilesTest::overwriteAsksFirstAndNoKeepsEverything() {
    WindowHarness harness;
    WriteProfile(harness, "Evening", {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"Old\"")});
    auto& window = harness.open();
    const auto profileBefore = ReadBytes(ProfileFile(harness, "Evening"));
    const auto registryBefore = ReadBytes(RegistryFilePath(harness));
    QVERIFY(StoredSetting(harness, "AutoSave") != std::optional<std::string>("0"));

    control<QCheckBox>(window, "cbAutoSave")->setChecked(false);
    control<QComboBox>(window, "ComboBox2")->setEditText(QStringLiteral("New"));
    TypeProfileName(window, QStringLiteral("Evening"));
    harness.platform.messages.answer = false;
    ClickSave(window);
    QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});
    QCOMPARE(harness.platform.messages.shown.front().kind, QStringLiteral("confirm"));
    QCOMPARE(harness.platform.messages.shown.front().text,
             QStringLiteral("Профиль с именем 'Evening' уже существует. Перезаписать?"));
    QCOMPARE(ReadBytes(ProfileFile(harness, "Evening")), profileBefore);
    QCOMPARE(ReadBytes(RegistryFilePath(harness)), registryBefore);
    QVERIFY(StoredSetting(harness, "AutoSave") != std::optional<std::string>("0"));
    QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")), QStringList({"Evening"}));

    // A file made after the list was filled is asked about too, and listed even when kept.
    WriteProfile(harness, "Late", {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"L\"")});
    const auto lateBefore = ReadBytes(ProfileFile(harness, "Late"));
    harness.platform.messages.shown.clear();
    TypeProfileName(window, QStringLiteral("Late"));
    ClickSave(window);
    QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});
    QCOMPARE(harness.platform.messages.shown.front().text,
             QStringLiteral("Профиль с именем 'Late' уже существует. Перезаписать?"));
    QCOMPARE(ReadBytes(ProfileFile(harness, "Late")), lateBefore);
    QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")), QStringList({"Evening", "Late"}));

    harness.platform.messages.shown.clear();
    harness.platform.messages.answer = true;
    TypeProfileName(window, QStringLiteral("Evening"));
    ClickSave(window);
    QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});
    QCOMPARE(harness.platform.messages.shown.front().kind, QStringLiteral("confirm"));
    const auto profileAfter = ReadBytes(ProfileFile(harness, "Evening"));
    QVERIFY(Holds(profileAfter, QStringLiteral("OkType=\"New\"")));
    QVERIFY(!Holds(profileAfter, QStringLiteral("OkType=\"Old\"")));
    QCOMPARE(StoredSetting(harness, "AutoSave"), std::optional<std::string>("0"));
    QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")), QStringList({"Evening", "Late"}));
}

void ProfilesTest::pickingAnEntryLoadsItTypingDoesNot() {
    WindowHarness harness;
    WriteProfile(
        harness, "First",
        {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"One\""), QStringLiteral("Bold=1")});
    WriteProfile(
        harness, "Second",
        {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"Two\""), QStringLiteral("Italic=1")});
    auto& window = harness.open();
    QCOMPARE(control<QComboBox>(window, "ComboProfiles")->currentText(), QStringLiteral("First"));
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("Ok?"));

    QTest::keyClick(control<QComboBox>(window, "ComboProfiles"), Qt::Key_Down);
    QCOMPARE(control<QComboBox>(window, "ComboProfiles")->currentText(), QStringLiteral("Second"));
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("Two"));
    QVERIFY(control<QCheckBox>(window, "cbEffect5")->isChecked());
    QVERIFY(!control<QCheckBox>(window, "cbEffect6")->isChecked());

    Pick(window, QStringLiteral("First"));
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("One"));
    QVERIFY(control<QCheckBox>(window, "cbEffect6")->isChecked());
    QVERIFY(!control<QCheckBox>(window, "cbEffect5")->isChecked());

    TypeProfileName(window, QStringLiteral("Second"));
    control<QComboBox>(window, "ComboProfiles")->setCurrentIndex(1);
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("One"));
    QVERIFY(control<QCheckBox>(window, "cbEffect6")->isChecked());
    QVERIFY(harness.platform.messages.shown.empty());
}

void ProfilesTest::deleteRemovesTheListedProfileOnly() {
    WindowHarness harness;
    WriteProfile(harness, "Default",
                 {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"Hello\"")});
    WriteProfile(harness, "Other", {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"o\"")});
    auto& window = harness.open();
    QCOMPARE(control<QComboBox>(window, "ComboProfiles")->currentText(), QStringLiteral("Default"));
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("Hello"));

    TypeProfileName(window, QStringLiteral("Nope"));
    ClickDelete(window);
    QVERIFY(harness.platform.messages.shown.empty());
    QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")), QStringList({"Default", "Other"}));

    harness.platform.messages.answer = false;
    TypeProfileName(window, QStringLiteral("default"));
    ClickDelete(window);
    QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});
    QCOMPARE(harness.platform.messages.shown.front().kind, QStringLiteral("confirm"));
    QCOMPARE(harness.platform.messages.shown.front().text,
             QStringLiteral("Удалить профиль 'default' ?"));
    QVERIFY(fs::exists(ProfileFile(harness, "Default")));
    QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")), QStringList({"Default", "Other"}));

    // The listed spelling names the file, whatever case was typed.
    harness.platform.messages.answer = true;
    ClickDelete(window);
    QCOMPARE(harness.platform.messages.shown.size(), std::size_t{2});
    QCOMPARE(FolderEntries(profilesFolder(harness)), std::set<std::string>({"Other.tfp"}));
    QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")), QStringList({"Other"}));
    QCOMPARE(control<QComboBox>(window, "ComboProfiles")->currentText(), QString());
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("Hello"));
}

void ProfilesTest::closingSavesSettingsAndDefaultOnlyWithAutoSave() {
    {
        WindowHarness harness;
        auto& window = harness.open();
        control<QCheckBox>(window, "cbAutoSave")->setChecked(true);
        control<QComboBox>(window, "ComboBox2")->setEditText(QStringLiteral("Пока"));
        window.show();
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        QVERIFY(harness.platform.messages.shown.empty());
        QVERIFY(
            Holds(ReadBytes(ProfileFile(harness, "Default")), QStringLiteral("OkType=\"Пока\"")));
        QCOMPARE(StoredSetting(harness, "AutoSave"), std::optional<std::string>("1"));
    }
    {
        WindowHarness harness;
        auto& window = harness.open();
        control<QCheckBox>(window, "cbAutoSave")->setChecked(false);
        window.show();
        QVERIFY(window.close());
        QVERIFY(!fs::exists(ProfileFile(harness, "Default")));
        QVERIFY(fs::is_regular_file(RegistryFilePath(harness)));
        QCOMPARE(StoredSetting(harness, "AutoSave"), std::optional<std::string>("0"));

        // A later start shows the stored choice.
        FakePlatform later;
        later.useFolder(harness.programFolder());
        const MainWindow again(harness.programFolder(), later.services());
        QVERIFY(!control<QCheckBox>(again, "cbAutoSave")->isChecked());
    }
    {
        WindowHarness harness;
        WriteProfile(harness, "Default",
                     {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"D\"")});
        auto& window = harness.open();
        control<QCheckBox>(window, "cbAutoSave")->setChecked(true);
        TypeProfileName(window, QStringLiteral("Default"));
        ClickDelete(window);
        QVERIFY(!fs::exists(ProfileFile(harness, "Default")));
        window.show();
        QVERIFY(window.close());
        QVERIFY(Holds(ReadBytes(ProfileFile(harness, "Default")), QStringLiteral("OkType=\"D\"")));
    }
}

void ProfilesTest::failedWritesReportAndKeepTheWindowOpen() {
    {
        // A folder where the default profile should be: the final rename cannot replace it.
        WindowHarness harness;
        WriteProfile(harness, "Evening",
                     {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"e\"")});
        auto& window = harness.open();
        const auto eveningBefore = ReadBytes(ProfileFile(harness, "Evening"));
        fs::create_directory(ProfileFile(harness, "Default"));
        control<QCheckBox>(window, "cbAutoSave")->setChecked(true);
        window.show();
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});
        QCOMPARE(harness.platform.messages.shown.front().kind, QStringLiteral("error"));
        QCOMPARE(harness.platform.messages.shown.front().text,
                 WriteErrorText(ProfileFile(harness, "Default")));
        QCOMPARE(ReadBytes(ProfileFile(harness, "Evening")), eveningBefore);
        QCOMPARE(FolderEntries(profilesFolder(harness)),
                 std::set<std::string>({"Default.tfp", "Evening.tfp"}));

        // Once the way is clear the same window closes and saves.
        fs::remove(ProfileFile(harness, "Default"));
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        QVERIFY(fs::is_regular_file(ProfileFile(harness, "Default")));
    }
    {
        // A plain file in place of the Profiles folder: nothing can be written below it.
        WindowHarness harness;
        WriteProfile(harness, "apple", {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"a\"")});
        auto& window = harness.open();
        fs::remove_all(profilesFolder(harness));
        WriteBytes(profilesFolder(harness), "not a folder");
        TypeProfileName(window, QStringLiteral("Evening"));
        ClickSave(window);
        QCOMPARE(harness.platform.messages.shown.size(), std::size_t{1});
        QCOMPARE(harness.platform.messages.shown.front().kind, QStringLiteral("error"));
        QCOMPARE(harness.platform.messages.shown.front().text,
                 WriteErrorText(ProfileFile(harness, "Evening")));
        QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")), QStringList({"apple"}));
        QCOMPARE(ReadBytes(profilesFolder(harness)), std::optional<std::string>("not a folder"));
    }
}

void ProfilesTest::failedOverwriteLeavesTheOldFile() {
    WindowHarness harness;
    WriteProfile(harness, "Evening",
                 {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"Old\""),
                  QStringLiteral("Text=\"keep\"")});
    auto& window = harness.open();
    const auto before = ReadBytes(ProfileFile(harness, "Evening"));
    QVERIFY(before);
    control<QComboBox>(window, "ComboBox2")->setEditText(QStringLiteral("New"));
    TypeProfileName(window, QStringLiteral("Evening"));
    {
        // Smaller than the old file, so even the first changed line cannot be written.
        FileSizeLimit limit(16);
        QVERIFY(limit.active());
        ClickSave(window);
    }
    QVERIFY(WasShown(harness, QStringLiteral("error"),
                     WriteErrorText(ProfileFile(harness, "Evening"))));
    QCOMPARE(ReadBytes(ProfileFile(harness, "Evening")), before);
    // No temporary file is left beside it.
    QCOMPARE(FolderEntries(profilesFolder(harness)), std::set<std::string>({"Evening.tfp"}));
}

void ProfilesTest::multiLineTextRoundTrips() {
    WindowHarness harness;
    auto& window = harness.open();
    test::TypeText(control<QPlainTextEdit>(window, "MainText"), QStringLiteral("Привет"));
    QTest::keyClick(control<QPlainTextEdit>(window, "MainText"), Qt::Key_Return);
    QTest::keyClicks(control<QPlainTextEdit>(window, "MainText"), QStringLiteral("line2"));
    QTest::keyClick(control<QPlainTextEdit>(window, "MainText"), Qt::Key_Return);
    test::TypeText(control<QPlainTextEdit>(window, "MainText"), QStringLiteral("Пока"));
    const QString typed = QStringLiteral("Привет\nline2\nПока");
    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->toPlainText(), typed);

    TypeProfileName(window, QStringLiteral("Lines"));
    ClickSave(window);
    QVERIFY(Holds(ReadBytes(ProfileFile(harness, "Lines")),
                  QStringLiteral("\r\nText=\"Привет[::]line2[::]Пока\"\r\n")));

    QTest::mouseClick(control<QPushButton>(window, "sbClear"), Qt::LeftButton);
    QVERIFY(control<QPlainTextEdit>(window, "MainText")->toPlainText().isEmpty());
    Pick(window, QStringLiteral("Lines"));
    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->toPlainText(), typed);
}

void ProfilesTest::handAddedKeysAndSectionsSurviveASave() {
    WindowHarness harness;
    WriteProfile(harness, "Hand",
                 {QStringLiteral("[Form]"), QStringLiteral("ActivePage=0"),
                  QStringLiteral("MyKey=kept"), QStringLiteral("[Page1]"),
                  QStringLiteral("OkType=\"Hand\""), QStringLiteral("Legacy=\"старое\""),
                  QStringLiteral("[Extra]"), QStringLiteral("Foo=\"bar\"")});
    auto& window = harness.open();
    Pick(window, QStringLiteral("Hand"));
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("Hand"));
    control<QComboBox>(window, "ComboBox2")->setEditText(QStringLiteral("Saved"));
    ClickSave(window);

    const auto after = ReadBytes(ProfileFile(harness, "Hand"));
    QVERIFY(Holds(after, QStringLiteral("OkType=\"Saved\"\r\n")));
    QVERIFY(Holds(after, QStringLiteral("[Form]\r\nActivePage=0\r\nMyKey=kept\r\n")));
    QVERIFY(Holds(after, QStringLiteral("\r\nLegacy=\"старое\"\r\n")));
    QVERIFY(Holds(after, QStringLiteral("\r\n[Extra]\r\nFoo=\"bar\"\r\n")));
    // The program's own keys still read back in another window.
    FakePlatform later;
    later.useFolder(harness.programFolder());
    MainWindow again(harness.programFolder(), later.services());
    Pick(again, QStringLiteral("Hand"));
    QCOMPARE(control<QComboBox>(again, "ComboBox2")->currentText(), QStringLiteral("Saved"));
}

void ProfilesTest::emptyStoredNamesKeepTheFieldTexts() {
    WindowHarness harness;
    WriteProfile(
        harness, "Empty",
        {QStringLiteral("[Page1]"), QStringLiteral("OtherName=\"\""),
         QStringLiteral("OwnText=\"\""), QStringLiteral("Reciever=\"\""),
         QStringLiteral("OnlyForYouEnabled=0"), QStringLiteral("OkType=\"\""),
         QStringLiteral("[Page2]"), QStringLiteral("Where=\"\""), QStringLiteral("Action=\"\""),
         QStringLiteral("Period=\"\""), QStringLiteral("KillerName=\"\""),
         QStringLiteral("VictimName=\"\""), QStringLiteral("ReasonName=\"\""),
         QStringLiteral("OwnText=\"\""), QStringLiteral("WhatDo=\"\""), QStringLiteral("Nick=\"\""),
         QStringLiteral("Nicks=\"\""), QStringLiteral("PersonallyErrorMessage=\"\"")});
    WriteProfile(
        harness, "Full",
        {QStringLiteral("[Page1]"), QStringLiteral("OtherName=\"Петя\""),
         QStringLiteral("OwnText=\"всем\""), QStringLiteral("Reciever=\"Маша\""),
         QStringLiteral("[Page2]"), QStringLiteral("Where=\"Тут\""),
         QStringLiteral("Action=\"бьёт\""), QStringLiteral("Period=\"час\""),
         QStringLiteral("KillerName=\"Кто\""), QStringLiteral("VictimName=\"Кого\""),
         QStringLiteral("ReasonName=\"Зачем\""), QStringLiteral("OwnText=\"свой\""),
         QStringLiteral("WhatDo=\"ждёт\""), QStringLiteral("Nick=\"Ник\""),
         QStringLiteral("Nicks=\"a[::]б\""), QStringLiteral("PersonallyErrorMessage=\"ошибка\"")});
    WriteProfile(harness, "Addressed",
                 {QStringLiteral("[Page1]"), QStringLiteral("Reciever=\"\""),
                  QStringLiteral("OnlyForYouEnabled=1")});
    auto& window = harness.open();

    struct Field {
        const char* name;
        std::function<QString()> text;
        QString typed;
        QString stored;
    };
    const std::vector<Field> fields = {
        {"OtherNameNick", [&] { return control<QLineEdit>(window, "OtherNameNick")->text(); }, "n1",
         "Петя"},
        {"OtherNameOwnText", [&] { return control<QLineEdit>(window, "OtherNameOwnText")->text(); },
         "n2", "всем"},
        {"OnlyForYouName", [&] { return control<QLineEdit>(window, "OnlyForYouName")->text(); },
         "n3", "Маша"},
        {"cbKillWhere", [&] { return control<QComboBox>(window, "cbKillWhere")->currentText(); },
         "n4", "Тут"},
        {"cbKillAction", [&] { return control<QComboBox>(window, "cbKillAction")->currentText(); },
         "n5", "бьёт"},
        {"cbKillTime", [&] { return control<QComboBox>(window, "cbKillTime")->currentText(); },
         "n6", "час"},
        {"KillName", [&] { return control<QLineEdit>(window, "KillName")->text(); }, "n7", "Кто"},
        {"VictimName", [&] { return control<QLineEdit>(window, "VictimName")->text(); }, "n8",
         "Кого"},
        {"cbKillReason", [&] { return control<QComboBox>(window, "cbKillReason")->currentText(); },
         "n9", "Зачем"},
        {"Edit5", [&] { return control<QLineEdit>(window, "Edit5")->text(); }, "n10", "свой"},
        {"SolitudeWhatDo", [&] { return control<QLineEdit>(window, "SolitudeWhatDo")->text(); },
         "n11", "ждёт"},
        {"SolitudeNick", [&] { return control<QLineEdit>(window, "SolitudeNick")->text(); }, "n12",
         "Ник"},
        {"PersonallyErrorMessage",
         [&] { return control<QLineEdit>(window, "PersonallyErrorMessage")->text(); }, "n13",
         "ошибка"},
    };
    control<QLineEdit>(window, "OtherNameNick")->setText(QStringLiteral("n1"));
    control<QLineEdit>(window, "OtherNameOwnText")->setText(QStringLiteral("n2"));
    control<QLineEdit>(window, "OnlyForYouName")->setText(QStringLiteral("n3"));
    control<QComboBox>(window, "cbKillWhere")->setEditText(QStringLiteral("n4"));
    control<QComboBox>(window, "cbKillAction")->setEditText(QStringLiteral("n5"));
    control<QComboBox>(window, "cbKillTime")->setEditText(QStringLiteral("n6"));
    control<QLineEdit>(window, "KillName")->setText(QStringLiteral("n7"));
    control<QLineEdit>(window, "VictimName")->setText(QStringLiteral("n8"));
    control<QComboBox>(window, "cbKillReason")->setEditText(QStringLiteral("n9"));
    control<QLineEdit>(window, "Edit5")->setText(QStringLiteral("n10"));
    control<QLineEdit>(window, "SolitudeWhatDo")->setText(QStringLiteral("n11"));
    control<QLineEdit>(window, "SolitudeNick")->setText(QStringLiteral("n12"));
    control<QLineEdit>(window, "PersonallyErrorMessage")->setText(QStringLiteral("n13"));
    control<QListWidget>(window, "ListBox1")->addItems({QStringLiteral("x"), QStringLiteral("y")});

    Pick(window, QStringLiteral("Empty"));
    for (const Field& field : fields) {
        QVERIFY2(field.text() == field.typed, field.name);
    }
    QCOMPARE(Nicks(control<QListWidget>(window, "ListBox1")), QStringList({"x", "y"}));
    // Other texts take the stored empty value.
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QString());

    Pick(window, QStringLiteral("Full"));
    for (const Field& field : fields) {
        QVERIFY2(field.text() == field.stored, field.name);
    }
    QCOMPARE(Nicks(control<QListWidget>(window, "ListBox1")), QStringList({"a", "б"}));

    // With the prefix on, an empty addressee is what the profile asks for.
    Pick(window, QStringLiteral("Addressed"));
    QVERIFY(control<QCheckBox>(window, "cbOnlyForYou")->isChecked());
    QCOMPARE(control<QLineEdit>(window, "OnlyForYouName")->text(), QString());
}

void ProfilesTest::templateTabFollowsTheStoredPage() {
    WindowHarness harness;
    WriteProfile(harness, "Solitude",
                 {QStringLiteral("[Form]"), QStringLiteral("ActivePage=1"),
                  QStringLiteral("[Page2]"), QStringLiteral("ActivePage=1")});
    WriteProfile(harness, "HandMade",
                 {QStringLiteral("[Form]"), QStringLiteral("ActivePage=0"),
                  QStringLiteral("[Page2]"), QStringLiteral("ActivePage=1")});
    auto& window = harness.open();
    QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(),
             control<QWidget>(window, "KillPage"));

    Pick(window, QStringLiteral("Solitude"));
    QCOMPARE(control<QTabWidget>(window, "PageControl2")->currentWidget(),
             control<QWidget>(window, "TemplatePage"));
    QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(),
             control<QWidget>(window, "SolitudePage"));

    control<QTabWidget>(window, "PageControl3")
        ->setCurrentWidget(control<QWidget>(window, "InOutPage"));
    Pick(window, QStringLiteral("HandMade"));
    QCOMPARE(control<QTabWidget>(window, "PageControl2")->currentWidget(),
             control<QWidget>(window, "HandMadePage"));
    QCOMPARE(control<QTabWidget>(window, "PageControl3")->currentWidget(),
             control<QWidget>(window, "InOutPage"));
}

void ProfilesTest::resetGivesDefaultsButKeepsNames() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("текст"));
    for (QCheckBox* box :
         {control<QCheckBox>(window, "cbOk"), control<QCheckBox>(window, "cbOnlyForYou"),
          control<QCheckBox>(window, "cbEffect4"), control<QCheckBox>(window, "cbOtherName"),
          control<QCheckBox>(window, "cbReverseText")}) {
        box->setChecked(true);
    }
    control<QComboBox>(window, "ComboOnlyForYou")->setEditText(QStringLiteral("лично, "));
    control<QComboBox>(window, "ComboBox2")->setEditText(QStringLiteral("Да?"));
    control<QLineEdit>(window, "OtherNameNick")->setText(QStringLiteral("Петя"));
    control<QLineEdit>(window, "OtherNameOwnText")->setText(QStringLiteral("всем"));
    control<QLineEdit>(window, "OnlyForYouName")->setText(QStringLiteral("Вася"));
    control<QListWidget>(window, "ListBox1")->addItems({QStringLiteral("x"), QStringLiteral("y")});

    QTest::mouseClick(control<QPushButton>(window, "SpeedButton12"), Qt::LeftButton);

    QVERIFY(control<QPlainTextEdit>(window, "MainText")->toPlainText().isEmpty());
    for (QCheckBox* box :
         {control<QCheckBox>(window, "cbOk"), control<QCheckBox>(window, "cbOnlyForYou"),
          control<QCheckBox>(window, "cbEffect4"), control<QCheckBox>(window, "cbOtherName"),
          control<QCheckBox>(window, "cbReverseText")}) {
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    }
    QCOMPARE(control<QComboBox>(window, "ComboOnlyForYou")->currentText(),
             QStringLiteral("только для вас, "));
    QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("Ok?"));
    QCOMPARE(control<QLineEdit>(window, "OtherNameNick")->text(), QStringLiteral("Петя"));
    QCOMPARE(control<QLineEdit>(window, "OtherNameOwnText")->text(), QStringLiteral("всем"));
    QCOMPARE(control<QLineEdit>(window, "OnlyForYouName")->text(), QStringLiteral("Вася"));
    QCOMPARE(Nicks(control<QListWidget>(window, "ListBox1")), QStringList({"x", "y"}));
}

// Reset is a load of the profile "0"; only its absence gives the defaults.
void ProfilesTest::resetLoadsAProfileSavedUnderItsName() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("сохранено"));
    control<QCheckBox>(window, "cbReverseText")->setChecked(true);
    QVERIFY(window.profiles().saveProfile(kResetProfile, false, false));
    control<QPlainTextEdit>(window, "MainText")->clear();
    control<QCheckBox>(window, "cbReverseText")->setChecked(false);

    QTest::mouseClick(control<QPushButton>(window, "SpeedButton12"), Qt::LeftButton);

    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->toPlainText(),
             QStringLiteral("сохранено"));
    QVERIFY(control<QCheckBox>(window, "cbReverseText")->isChecked());
    QCOMPARE(window.profiles().currentProfile().text, ToCp1251(QStringLiteral("сохранено")));
}

void ProfilesTest::loadTellsWhetherTheFileWasRead_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("read");
    QTest::newRow("saved") << QStringLiteral("saved") << true;
    QTest::newRow("missing") << QStringLiteral("missing") << false;
    QTest::newRow("folder in its place") << QStringLiteral("folder") << false;
}

// Whatever the answer, the options are those of the file or, without one, the defaults.
void ProfilesTest::loadTellsWhetherTheFileWasRead() {
    QFETCH(QString, kind);
    QFETCH(bool, read);
    WindowHarness harness;
    auto& window = harness.open();
    control<QCheckBox>(window, "cbReverseText")->setChecked(true);
    if (kind == QStringLiteral("saved")) {
        QVERIFY(window.profiles().saveProfile("Kept", false, false));
    } else if (kind == QStringLiteral("folder")) {
        fs::create_directory(ProfileFile(harness, "Kept"));
    }
    control<QCheckBox>(window, "cbReverseText")->setChecked(!read);

    QCOMPARE(window.profiles().loadProfile("Kept"), read);
    QCOMPARE(control<QCheckBox>(window, "cbReverseText")->isChecked(), read);
    QVERIFY(harness.platform.messages.shown.empty());
}

void ProfilesTest::startupLoadsDefaultOrShowsTheFirstProfile() {
    {
        WindowHarness harness;
        WriteProfile(harness, "Default",
                     {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"Hello\""),
                      QStringLiteral("Bold=1")});
        WriteProfile(harness, "A", {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"Ay\"")});
        auto& window = harness.open();
        QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")), QStringList({"A", "Default"}));
        QCOMPARE(control<QComboBox>(window, "ComboProfiles")->currentText(),
                 QStringLiteral("Default"));
        QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("Hello"));
        QVERIFY(control<QCheckBox>(window, "cbEffect6")->isChecked());
    }
    {
        WindowHarness harness;
        WriteProfile(harness, "b",
                     {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"Bee\""),
                      QStringLiteral("Bold=1")});
        WriteProfile(
            harness, "A",
            {QStringLiteral("[Page1]"), QStringLiteral("OkType=\"Ay\""), QStringLiteral("Bold=1")});
        auto& window = harness.open();
        QCOMPARE(Items(control<QComboBox>(window, "ComboProfiles")), QStringList({"A", "b"}));
        QCOMPARE(control<QComboBox>(window, "ComboProfiles")->currentText(), QStringLiteral("A"));
        QCOMPARE(control<QComboBox>(window, "ComboBox2")->currentText(), QStringLiteral("Ok?"));
        QVERIFY(!control<QCheckBox>(window, "cbEffect6")->isChecked());
    }
}

void ProfilesTest::typedNameLoadsNothingWhenTheEditEnds_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("end");
    // The box completes "Wor" to the listed "Work"; "work" names it in another case.
    for (const QString& typed : {QStringLiteral("Wor"), QStringLiteral("work")}) {
        for (const QString& end : {QStringLiteral("Return"), QStringLiteral("keypad Enter"),
                                   QStringLiteral("leaving")}) {
            QTest::addRow("%s, %s", qPrintable(typed), qPrintable(end)) << typed << end;
        }
    }
}

void ProfilesTest::typedNameLoadsNothingWhenTheEditEnds() {
    QFETCH(QString, typed);
    QFETCH(QString, end);
    WindowHarness harness;
    WriteProfile(harness, "Alpha", {QStringLiteral("[Page1]"), QStringLiteral("Text=\"alpha\"")});
    WriteProfile(harness, "Work", {QStringLiteral("[Page1]"), QStringLiteral("Text=\"work\"")});
    auto& window = harness.open();
    QCOMPARE(control<QComboBox>(window, "ComboProfiles")->currentText(), QStringLiteral("Alpha"));
    control<QPlainTextEdit>(window, "MainText")->setPlainText(QStringLiteral("unsaved"));
    control<QComboBox>(window, "ComboProfiles")->clearEditText();
    // Keys go to the box, which holds the focus for its field.
    test::TypeText(control<QComboBox>(window, "ComboProfiles"), typed);
    if (end == QLatin1String("Return")) {
        QTest::keyClick(control<QComboBox>(window, "ComboProfiles"), Qt::Key_Return);
    } else if (end == QLatin1String("keypad Enter")) {
        QTest::keyClick(control<QComboBox>(window, "ComboProfiles")->lineEdit(), Qt::Key_Enter,
                        Qt::KeypadModifier);
    } else {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(control<QComboBox>(window, "ComboProfiles"), &focusOut);
    }
    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->toPlainText(), QStringLiteral("unsaved"));

    // Picking from the list still loads.
    Pick(window, QStringLiteral("Work"));
    QCOMPARE(control<QPlainTextEdit>(window, "MainText")->toPlainText(), QStringLiteral("work"));
}

void ProfilesTest::messageComesBackWithItsNoBreakSpacesAndWhole() {
    WindowHarness harness;
    auto& window = harness.open();
    // Longer than the 2047 characters other values are cut at.
    const QString message = QStringLiteral("a\u00A0b\nc ") + QString(3000, QLatin1Char('x'));
    control<QPlainTextEdit>(window, "MainText")->setPlainText(message);
    TypeProfileName(window, QStringLiteral("Long"));
    ClickSave(window);
    const auto stored = ReadBytes(ProfileFile(harness, "Long"));
    QVERIFY(stored && stored->find("\r\nText=\"a\xA0"
                                   "b[::]c xxx") != std::string::npos);

    QTest::mouseClick(control<QPushButton>(window, "sbClear"), Qt::LeftButton);
    Pick(window, QStringLiteral("Long"));
    QCOMPARE(PlainTextOf(control<QPlainTextEdit>(window, "MainText")), message);
}

void ProfilesTest::closingRecreatesARemovedProfilesFolder() {
    WindowHarness harness;
    auto& window = harness.open();
    control<QCheckBox>(window, "cbAutoSave")->setChecked(true);
    control<QComboBox>(window, "ComboBox2")->setEditText(QStringLiteral("kept"));
    window.show();
    fs::remove_all(profilesFolder(harness));
    QVERIFY(window.close());
    QVERIFY(harness.platform.messages.shown.empty());
    QVERIFY(Holds(ReadBytes(ProfileFile(harness, "Default")), QStringLiteral("OkType=\"kept\"")));
}

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::ProfilesTest)
#include "profiles_test.moc"
