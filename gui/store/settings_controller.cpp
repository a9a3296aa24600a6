#include "gui/store/settings_controller.h"

#include <QWidget>
#include <algorithm>
#include <utility>

#include "core/store/settings.h"
#include "core/store/settings_batch.h"
#include "gui/common/text_bridge.h"
#include "gui/common/window_placement.h"
#include "gui/formatting/formatting_page.h"
#include "gui/menus/edit_menu.h"
#include "gui/settings/settings_page.h"
#include "gui/smileys/smiley_pane.h"

namespace tagforge {

namespace {

// Larger than any screen; the placement shrinks a window to the screen it goes on.
constexpr long kLargestSide = 1 << 16;

QString Text(std::string_view bytes) {
    return FromCp1251(std::string(bytes));
}

}  // namespace

SettingsController::SettingsController(Registry& registry, MessageBoxes& messages,
                                       Controls controls, std::string autostartCommand)
    : registry_(registry),
      messages_(messages),
      controls_(controls),
      autostartCommand_(std::move(autostartCommand)),
      placement_(new WindowPlacement(controls.window)) {}

std::optional<std::string> SettingsController::tryReadSettingText(std::string_view name,
                                                                  std::string_view defaultText,
                                                                  RegistryRoot root,
                                                                  std::string_view keyPath) {
    if (!registry_.KeyExists(root, keyPath) && !registry_.CreateKey(root, keyPath)) {
        return std::nullopt;
    }
    return registry_.ReadValue(root, keyPath, name).value_or(std::string(defaultText));
}

std::string SettingsController::readSettingText(std::string_view name, std::string_view defaultText,
                                                RegistryRoot root, std::string_view keyPath) {
    std::optional<std::string> text = tryReadSettingText(name, defaultText, root, keyPath);
    if (!text) {
        messages_.notice(controls_.window, Text(name), QStringLiteral("Key not exist"));
        return {};
    }
    return std::move(*text);
}

void SettingsController::writeSettingText(std::string_view name, std::string_view text,
                                          RegistryRoot root, std::string_view keyPath) {
    // An empty text is never stored, so the value reads back as its default.
    const bool stored = registry_.CreateKey(root, keyPath) &&
                        (text.empty() ? registry_.DeleteValue(root, keyPath, name)
                                      : registry_.WriteValue(root, keyPath, name, text));
    if (!stored) {
        messages_.notice(controls_.window, Text(keyPath), QStringLiteral("Can't open key"));
    }
}

Settings SettingsController::currentSettings() const {
    Settings settings;
    const WindowPlacement::Place place = placement_->current();
    settings.top = static_cast<long>(place.top);
    settings.left = static_cast<long>(place.left);
    if (place.size.isValid()) {
        // Without the smiley pane, which adds its own width when it opens at the next start.
        settings.width = place.size.width() - controls_.smileyPane->addedWidth();
        settings.height = place.size.height();
    }
    controls_.settingsPage->fillSettings(settings);
    settings.smilePaneShown = controls_.smileyPane->isOpen();
    settings.smileGroup = controls_.smileyPane->groupName();
    return settings;
}

SettingsController::Snapshot SettingsController::snapshot() const {
    return Snapshot{currentSettings(), controls_.formattingPage->offeredFonts(),
                    controls_.editMenu->nicks()};
}

std::vector<std::string> SettingsController::saveSettings() {
    const Snapshot state = snapshot();
    const std::vector<std::string> texts = EncodeSettings(state.settings, autostartCommand_);
    const std::vector<SettingValue>& values = SettingValues();
    SettingsBatch batch;
    for (std::size_t i = 0; i < values.size(); ++i) {
        batch.AddText(values[i], texts[i]);
    }
    batch.AddNameList(kFontNamesKey, state.fonts);
    batch.AddNameList(kNicksKey, state.nicks);
    std::vector<std::string> unsaved;
    for (const std::string_view keyPath : batch.FailedKeys(registry_.Apply(batch.changes()))) {
        if (std::find(unsaved.begin(), unsaved.end(), keyPath) == unsaved.end()) {
            unsaved.emplace_back(keyPath);
        }
    }
    return unsaved;
}

void SettingsController::reportUnsaved(const std::vector<std::string>& keyPaths) {
    // A full disk fails every value at once: one message, not one per value.
    if (!keyPaths.empty()) {
        messages_.notice(controls_.window, Text(keyPaths.front()),
                         QStringLiteral("Can't open key"));
    }
}

void SettingsController::loadSettings() {
    loadFontList();
    controls_.editMenu->setNicks({});
    loadNickList();
    std::vector<std::string> texts;
    std::optional<std::string_view> firstUnreadable;
    for (const SettingValue& value : SettingValues()) {
        std::optional<std::string> text =
            tryReadSettingText(value.name, value.defaultText, value.root, value.keyPath);
        if (!text && !firstUnreadable) {
            firstUnreadable = value.name;
        }
        // An unreadable key reads as empty, not as the default.
        texts.push_back(text.value_or(std::string()));
    }
    if (firstUnreadable) {
        // The key cannot be opened for any of its values: one message, not one per value.
        messages_.notice(controls_.window, Text(*firstUnreadable), QStringLiteral("Key not exist"));
    }
    applySettings(DecodeSettings(texts));
}

void SettingsController::applySettings(const Settings& settings) {
    // A size of 0 or less (a store from before sizes were kept) leaves the window its own size.
    const QSize size(static_cast<int>(std::clamp<long>(settings.width, 0, kLargestSide)),
                     static_cast<int>(std::clamp<long>(settings.height, 0, kLargestSide)));
    placement_->restore({settings.left, settings.top, size});
    controls_.settingsPage->applySettings(settings);
    controls_.smileyPane->setOpen(settings.smilePaneShown);
    controls_.smileyPane->listGroups(settings.smileGroup);
}

void SettingsController::loadFontList() {
    const auto names = registry_.ValueNames(RegistryRoot::LocalMachine, kFontNamesKey);
    if (names) {
        controls_.formattingPage->listFonts(*names);
    }
}

void SettingsController::loadNickList() {
    const auto names = registry_.ValueNames(RegistryRoot::LocalMachine, kNicksKey);
    if (names) {
        controls_.editMenu->setNicks(*names);
    }
}

const std::vector<std::string>& SettingsController::nicks() const {
    return controls_.editMenu->nicks();
}

void SettingsController::setNicks(std::vector<std::string> nicks) {
    controls_.editMenu->setNicks(std::move(nicks));
}

}  // namespace tagforge
