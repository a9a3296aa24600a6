#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "core/store/settings.h"
#include "core/store/settings_batch.h"
#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "gui/pickers/color_panel.h"

namespace tagforge {

namespace {

constexpr char kSmileGroupsFolder[] = "SmileGroups";

QString Text(std::string_view bytes) {
    return FromCp1251(std::string(bytes));
}

int EntryOrNone(long stored, const QComboBox* combo) {
    return stored >= 0 && stored < combo->count() ? static_cast<int>(stored) : -1;
}

}  // namespace

std::string TForm1::ReadSettingText(std::string_view name, std::string_view defaultText,
                                    RegistryRoot root, std::string_view keyPath) {
    Registry& registry = services_.registry;
    if (!registry.KeyExists(root, keyPath) && !registry.CreateKey(root, keyPath)) {
        services_.messages.notice(this, Text(name), QStringLiteral("Key not exist"));
        return {};
    }
    return registry.ReadValue(root, keyPath, name).value_or(std::string(defaultText));
}

void TForm1::WriteSettingText(std::string_view name, std::string_view text, RegistryRoot root,
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

Settings TForm1::CurrentSettings() const {
    Settings settings;
    settings.top = y();
    settings.left = x();
    settings.autoSave = cbAutoSave->isChecked();
    settings.enableResultLimit = cbThreshold->isChecked();
    settings.resultLimit = UpDown2->value();
    settings.minimizeToTray = cbToTray->isChecked();
    settings.restoreMethod = ComboHowToRestore->currentIndex();
    settings.showSmilesEntry = comboShowSmiles->currentIndex();
    settings.smilePaneShown = SmileButton->isChecked();
    settings.showHint = cbShowHint->isChecked();
    settings.enableSmileSeparate = cbNumOfSmiles->isChecked();
    settings.smileSeparate = UpDown1->value();
    settings.previewBgColor = Image2->color();
    settings.previewWordWrap = cbWordWrap->isChecked();
    settings.smileFrequentlyUsed = cbFrequentlyUsed->isChecked();
    settings.autoRun = cbAutoRun->isChecked();
    const QFont font = MainText->font();
    settings.fontName = ToCp1251(font.family());
    // A font given in pixels has no point size; the stored size must stay a usable number.
    settings.fontSize = font.pointSize() > 0 ? font.pointSize() : Settings{}.fontSize;
    settings.charset = mainTextCharset_;
    settings.bold = font.bold();
    settings.italic = font.italic();
    settings.smileGroup = ToCp1251(comboSelectSmilesGroup->currentText());
    return settings;
}

void TForm1::SaveSettings() {
    const std::vector<std::string> texts =
        EncodeSettings(CurrentSettings(), ToCp1251(QCoreApplication::applicationFilePath()));
    const std::vector<SettingValue>& values = SettingValues();
    SettingsBatch batch;
    for (std::size_t i = 0; i < values.size(); ++i) {
        batch.AddText(values[i], texts[i]);
    }
    batch.AddNameList(kFontNamesKey, ItemsOf(comboboxFontName));
    batch.AddNameList(kNicksKey, NickList);
    StoreBatch(batch);
}

void TForm1::StoreBatch(const SettingsBatch& batch) {
    for (const std::string_view keyPath :
         batch.FailedKeys(services_.registry.Apply(batch.changes()))) {
        services_.messages.notice(this, Text(keyPath), QStringLiteral("Can't open key"));
    }
}

void TForm1::LoadSettings() {
    LoadFontList();
    NickList.clear();
    LoadNickList();
    std::vector<std::string> texts;
    for (const SettingValue& value : SettingValues()) {
        texts.push_back(ReadSettingText(value.name, value.defaultText, value.root, value.keyPath));
    }
    ApplySettings(DecodeSettings(texts));
}

void TForm1::ApplySettings(const Settings& settings) {
    move(static_cast<int>(settings.left), static_cast<int>(settings.top));
    cbAutoSave->setChecked(settings.autoSave);
    cbThreshold->setChecked(settings.enableResultLimit);
    UpDown2->setValue(static_cast<int>(settings.resultLimit));
    Edit1->setText(QString::number(UpDown2->value()));
    cbToTray->setChecked(settings.minimizeToTray);
    ComboHowToRestore->setCurrentIndex(EntryOrNone(settings.restoreMethod, ComboHowToRestore));
    ComboHowToRestoreChange();
    comboShowSmiles->setCurrentIndex(settings.showSmilesEntry);
    SmileButton->setChecked(settings.smilePaneShown);
    cbShowHint->setChecked(settings.showHint);
    cbShowHintClick();
    cbNumOfSmiles->setChecked(settings.enableSmileSeparate);
    UpDown1->setValue(static_cast<int>(settings.smileSeparate));
    eNumOfSmiles->setText(QString::number(UpDown1->value()));
    SetPanelColor(Image2, settings.previewBgColor);
    cbWordWrap->setChecked(settings.previewWordWrap);
    cbFrequentlyUsed->setChecked(settings.smileFrequentlyUsed);
    cbAutoRun->setChecked(settings.autoRun);

    QFont font(Text(settings.fontName));
    font.setPointSize(settings.fontSize > 0 ? static_cast<int>(settings.fontSize) : 1);
    // The style changes only when a flag is on; otherwise the font has none.
    if (settings.bold) {
        font.setBold(true);
    }
    if (settings.italic) {
        font.setItalic(true);
    }
    MainText->setFont(font);
    mainTextCharset_ = settings.charset;

    FillFromDataFiles(comboSelectSmilesGroup, kSmileGroupsFolder, settings.smileGroup, ".sgr");
}

void TForm1::LoadFontList() {
    const auto names = services_.registry.ValueNames(RegistryRoot::LocalMachine, kFontNamesKey);
    if (names) {
        SetItems(comboboxFontName, *names);
    }
}

void TForm1::LoadNickList() {
    const auto names = services_.registry.ValueNames(RegistryRoot::LocalMachine, kNicksKey);
    if (names) {
        NickList = *names;
    }
}

void TForm1::SaveFontList() {
    SettingsBatch batch;
    batch.AddNameList(kFontNamesKey, ItemsOf(comboboxFontName));
    StoreBatch(batch);
}

void TForm1::SaveNickList() {
    SettingsBatch batch;
    batch.AddNameList(kNicksKey, NickList);
    StoreBatch(batch);
}

void TForm1::SpeedButton9Click() {
    if (!services_.messages.confirm(this, QStringLiteral("Применить базовые настройки ?"))) {
        return;
    }
    cbAutoSave->setChecked(true);
    UpDown2->setValue(900);
    UpDown1->setValue(24);
    comboShowSmiles->setCurrentIndex(kShowSmilesRemember);
    cbToTray->setChecked(true);
    cbThreshold->setChecked(true);
    cbNumOfSmiles->setChecked(true);
    ComboHowToRestore->setCurrentIndex(1);
    ComboHowToRestoreChange();
    cbShowHint->setChecked(true);
    SetPanelColor(Image2, FromColorCode("000000"));
    cbWordWrap->setChecked(true);
    cbFrequentlyUsed->setChecked(true);
    cbAutoRun->setChecked(false);
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(8);
    MainText->setFont(font);
    mainTextCharset_ = 204;
}

}  // namespace tagforge
