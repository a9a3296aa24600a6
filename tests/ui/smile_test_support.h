#pragma once

#include <QByteArray>
#include <QString>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/store/settings.h"
#include "ui_test_files.h"
#include "ui_test_support.h"

using tagforge::test::control;

// Smiley groups and images in a test's program folder, and the pane's web view.
namespace tagforge::test {

inline constexpr int kLoadTimeoutMs = 20000;

// A 1 by 1 GIF image.
inline constexpr std::string_view kTinyGif{
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00\x21\xf9\x04\x01\x00\x00\x00\x00"
    "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b",
    43};

inline void PutFile(const std::filesystem::path& file, std::string_view bytes) {
    WriteBytes(file, std::string(bytes));
}

inline QByteArray FileBytes(const std::filesystem::path& file) {
    const std::string bytes = ReadBytes(file).value_or(std::string());
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::filesystem::path GroupFile(const std::filesystem::path& programFolder,
                                       const std::string& name) {
    return programFolder / "SmileGroups" / (name + ".sgr");
}

inline std::filesystem::path PageFile(const std::filesystem::path& programFolder) {
    return programFolder / "SmileGroups" / "Smiles.htm";
}

inline void PutGroup(const std::filesystem::path& programFolder, const std::string& name,
                     std::string_view bytes) {
    PutFile(GroupFile(programFolder, name), bytes);
}

inline void PutSmiley(const std::filesystem::path& programFolder, const std::string& name) {
    PutFile(programFolder / "Smiles" / name, kTinyGif);
}

inline QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Stores the "show smileys at start" choice before the window opens: "0" always, "3" remember
// a shown pane.
inline void StoreShowSmilesType(WindowHarness& harness, const std::string& stored) {
    QVERIFY(harness.platform.registry->WriteValue(RegistryRoot::LocalMachine, kSettingsKey,
                                                  "ShowSmilesType", stored));
}

// A window that is no first start, so it opens on the formatting page.
inline MainWindow& OpenOnFormatPage(WindowHarness& harness) {
    std::filesystem::create_directories(harness.programFolder() / "Profiles");
    return harness.open();
}

// The result of a script run in the page, waited for.
inline QVariant RunScript(QWebEngineView* view, const QString& script) {
    QVariant result;
    bool answered = false;
    view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                [&](const QVariant& value) {
                                    result = value;
                                    answered = true;
                                });
    if (!QTest::qWaitFor([&] { return answered; }, kLoadTimeoutMs)) {
        return QStringLiteral("<no answer>");
    }
    return result;
}

// Waits until the pane shows the smiley page and its images have been loaded.
inline bool WaitForSmilePage(MainWindow& window) {
    const QUrl page = QUrl::fromLocalFile(PathText(PageFile(window.programFolder())));
    return QTest::qWaitFor(
        [&] {
            return control<QWebEngineView>(window, "CppWebBrowser2")->url() == page &&
                   RunScript(control<QWebEngineView>(window, "CppWebBrowser2"),
                             QStringLiteral("document.readyState"))
                           .toString() == QLatin1String("complete");
        },
        kLoadTimeoutMs);
}

}  // namespace tagforge::test
