#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

#include "core/store/settings.h"
#include "core/store/settings_batch.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/app/window_placement.h"
#include "gui/formatting/formatting_page.h"
#include "gui/menus/edit_menu.h"
#include "gui/pickers/color_panel.h"
#include "gui/settings/settings_page.h"
#include "gui/smileys/smiley_pane.h"

namespace tagforge {

namespace {

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
    settings.smilePaneShown = smileyPane->isOpen();
    settings.smileGroup = smileyPane->groupName();
    return settings;
}

void MainWindow::saveSettings() {
    const std::vector<std::string> texts =
        EncodeSettings(currentSettings(), ToCp1251(QCoreApplication::applicationFilePath()));
    const std::vector<SettingValue>& values = SettingValues();
    SettingsBatch batch;
    for (std::size_t i = 0; i < values.size(); ++i) {
        batch.AddText(values[i], texts[i]);
    }
    batch.AddNameList(kFontNamesKey, handMadePage->offeredFonts());
    batch.AddNameList(kNicksKey, editMenu->nicks());
    storeBatch(batch);
}

void MainWindow::storeBatch(const SettingsBatch& batch) {
    for (const std::string_view keyPath :
         batch.FailedKeys(services_.registry.Apply(batch.changes()))) {
        services_.messages.notice(this, Text(keyPath), QStringLiteral("Can't open key"));
    }
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
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(screen->availableGeometry());
    }
    const QRect placed = PlaceOnScreens(settings.left, settings.top, size(), screens);
    move(placed.topLeft());
    if (placed.size() != size()) {
        resize(placed.size());
    }
    settingsPage->applySettings(settings);
    smileyPane->setOpen(settings.smilePaneShown);
    smileyPane->listGroups(settings.smileGroup);
}

void MainWindow::loadFontList() {
    const auto names = services_.registry.ValueNames(RegistryRoot::LocalMachine, kFontNamesKey);
    if (names) {
        handMadePage->listFonts(*names);
    }
}

void MainWindow::loadNickList() {
    const auto names = services_.registry.ValueNames(RegistryRoot::LocalMachine, kNicksKey);
    if (names) {
        editMenu->setNicks(*names);
    }
}

void MainWindow::saveFontList() {
    SettingsBatch batch;
    batch.AddNameList(kFontNamesKey, handMadePage->offeredFonts());
    storeBatch(batch);
}

void MainWindow::saveNickList() {
    SettingsBatch batch;
    batch.AddNameList(kNicksKey, editMenu->nicks());
    storeBatch(batch);
}

}  // namespace tagforge
