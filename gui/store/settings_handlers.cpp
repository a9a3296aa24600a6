#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "core/store/settings.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/menus/edit_menu.h"
#include "gui/pickers/color_panel.h"
#include "gui/settings/settings_page.h"

namespace tagforge {

namespace {

constexpr char kSmileGroupsFolder[] = "SmileGroups";

QString Text(std::string_view bytes) {
    return FromCp1251(std::string(bytes));
}

}  // namespace

std::string MainWindow::readSettingText(std::string_view name, std::string_view defaultText,
                                        RegistryRoot root, std::string_view keyPath) {
    Registry& registry = services_.registry;
    if (!registry.KeyExists(root, keyPath) && !registry.CreateKey(root, keyPath)) {
        services_.messages.notice(this, Text(name), QStringLiteral("Key not exist"));
        return {};
    }
    return registry.ReadValue(root, keyPath, name).value_or(std::string(defaultText));
}

void MainWindow::writeSettingText(std::string_view name, std::string_view text, RegistryRoot root,
                                  std::string_view keyPath) {
    Registry& registry = services_.registry;
    // An empty text is never stored, so the value reads back as its default.
    const bool stored = registry.CreateKey(root, keyPath) &&
                        (text.empty() ? registry.DeleteValue(root, keyPath, name)
                                      : registry.WriteValue(root, keyPath, name, text));
    if (!stored) {
        services_.messages.notice(this, Text(keyPath), QStringLiteral("Can't open key"));
    }
}

Settings MainWindow::currentSettings() const {
    Settings settings;
    settings.top = y();
    settings.left = x();
    settingsPage->fillSettings(settings);
    settings.smilePaneShown = smileButton->isChecked();
    settings.smileGroup = ToCp1251(smileGroupBox->currentText());
    return settings;
}

void MainWindow::saveSettings() {
    const std::vector<std::string> texts =
        EncodeSettings(currentSettings(), ToCp1251(QCoreApplication::applicationFilePath()));
    const std::vector<SettingValue>& values = SettingValues();
    for (std::size_t i = 0; i < values.size(); ++i) {
        writeSettingText(values[i].name, texts[i], values[i].root, values[i].keyPath);
    }
    saveFontList();
    saveNickList();
}

void MainWindow::loadSettings() {
    loadFontList();
    editMenu->setNicks({});
    loadNickList();
    std::vector<std::string> texts;
    for (const SettingValue& value : SettingValues()) {
        texts.push_back(readSettingText(value.name, value.defaultText, value.root, value.keyPath));
    }
    applySettings(DecodeSettings(texts));
}

void MainWindow::applySettings(const Settings& settings) {
    move(static_cast<int>(settings.left), static_cast<int>(settings.top));
    settingsPage->applySettings(settings);
    smileButton->setChecked(settings.smilePaneShown);
    fillFromDataFiles(smileGroupBox, kSmileGroupsFolder, settings.smileGroup, ".sgr");
}

void MainWindow::loadFontList() {
    const auto names = services_.registry.ValueNames(RegistryRoot::LocalMachine, kFontNamesKey);
    if (names) {
        SetItems(fontNameBox, *names);
    }
}

void MainWindow::loadNickList() {
    const auto names = services_.registry.ValueNames(RegistryRoot::LocalMachine, kNicksKey);
    if (names) {
        editMenu->setNicks(*names);
    }
}

namespace {

// Replaces a stored name list whole: the key is made anew with one empty value per name.
bool StoreNameList(Registry& registry, std::string_view keyPath,
                   const std::vector<std::string>& names) {
    constexpr RegistryRoot root = RegistryRoot::LocalMachine;
    bool stored = registry.DeleteKey(root, keyPath) && registry.CreateKey(root, keyPath);
    for (const std::string& name : names) {
        stored = stored && registry.WriteValue(root, keyPath, name, "");
    }
    return stored;
}

}  // namespace

void MainWindow::saveFontList() {
    if (!StoreNameList(services_.registry, kFontNamesKey, ItemsOf(fontNameBox))) {
        services_.messages.notice(this, Text(kFontNamesKey), QStringLiteral("Can't open key"));
    }
}

void MainWindow::saveNickList() {
    if (!StoreNameList(services_.registry, kNicksKey, editMenu->nicks())) {
        services_.messages.notice(this, Text(kNicksKey), QStringLiteral("Can't open key"));
    }
}

}  // namespace tagforge
