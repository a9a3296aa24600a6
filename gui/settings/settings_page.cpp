#include "gui/settings/settings_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <algorithm>
#include <optional>

#include "core/format/result_limit.h"
#include "core/options/list_entry.h"
#include "core/store/settings.h"
#include "gui/common/text_bridge.h"
#include "gui/common/widget_factory.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/panel_color_choice.h"
#include "gui/settings/number_option.h"
#include "gui/settings/settings_rows.h"

namespace tagforge {

namespace {

constexpr int kThresholdMax = 9999;
constexpr int kThresholdDigits = 4;
constexpr int kSmilesPerGroupMax = 999;
constexpr int kSmilesPerGroupDigits = 3;
constexpr int kPreviewPanelWidth = 240;
constexpr int kPreviewPanelHeight = 21;
constexpr int kCaptionMargin = 10;

// Wide enough for its caption, black until settings are applied.
ColorPanel* PreviewBackgroundPanel() {
    auto* panel = ui::Named(new ColorPanel, "Image2");
    panel->setCaption(QStringLiteral("Цвет фона предварительного просмотра"));
    const int captionWidth = panel->fontMetrics().horizontalAdvance(panel->caption());
    panel->setFixedSize(std::max(kPreviewPanelWidth, captionWidth + 2 * kCaptionMargin),
                        kPreviewPanelHeight);
    SetPanelColor(panel, FromColorCode("000000"));
    return panel;
}

}  // namespace

SettingsPage::SettingsPage(MessageBoxes& messages, FontPicker& fonts, QWidget* parent)
    : QWidget(parent), messages_(messages), fonts_(fonts) {
    setObjectName(QStringLiteral("SettingsPage"));

    SettingsRows rows(this);
    autoSaveCheck = rows.check("cbAutoSave", QStringLiteral("Автосохранение профиля по умолчанию"));
    thresholdOption = rows.number({"cbThreshold", "Edit1", "UpDown2"},
                                  QStringLiteral("Порог длины результата (симв.)"),
                                  kThresholdDigits, kThresholdMax, kDefaultResultLimit, messages_);
    toTrayCheck = rows.check("cbToTray", QStringLiteral("Минимизировать программу в трей"));
    restoreGestureBox = rows.choice("ComboHowToRestore", QStringLiteral("Восстановка из трея"),
                                    {QStringLiteral("Кликом"), QStringLiteral("Двойным кликом")});
    showSmilesBox = rows.choice(
        "comboShowSmiles", QStringLiteral("Показывать окно смайлов при загрузке"),
        {QStringLiteral("Всегда"), QStringLiteral("Никогда"), QStringLiteral("Помнить")});
    showHintsCheck = rows.check("cbShowHint", QStringLiteral("Показывать подсказки"));
    smileGroupOption = rows.number({"cbNumOfSmiles", "eNumOfSmiles", "UpDown1"},
                                   QStringLiteral("Разбивать смайлы в группы по"),
                                   kSmilesPerGroupDigits, kSmilesPerGroupMax, 0, messages_);
    previewBackgroundPanel = PreviewBackgroundPanel();
    rows.add(previewBackgroundPanel);
    previewWordWrapCheck =
        rows.check("cbWordWrap", QStringLiteral("Перенос по словам при пред.осмотре"));
    previewWordWrapCheck->setChecked(true);
    livePreviewCheck =
        rows.check("cbShowLivePreview", QStringLiteral("Показывать результат под текстом"));
    livePreviewCheck->setChecked(true);
    frequentSmilesFirstCheck =
        rows.check("cbFrequentlyUsed", QStringLiteral("Перемещать популярные смайлы вверх"));
    autoRunCheck = rows.check("cbAutoRun", QStringLiteral("Запускать программу вместе с системой"));
    inputFontButton = rows.button("SpeedButton7", QStringLiteral("Настроить шрифт ввода текста"),
                                  QStringLiteral("Настроить шрифт ввода текста"));
    singleInstanceCheck = rows.check(
        "cbMultiLoad", QStringLiteral("Запрет одновременого запуска нескольких копий программы"));
    singleInstanceCheck->setVisible(false);
    rows.stretch();
    baseSettingsButton = rows.button("SpeedButton9", QStringLiteral("Базовые настройки"),
                                     QStringLiteral("Применить базовые настройки"));

    // Setting these boxes from code reports them just as a click does.
    connect(toTrayCheck, &QCheckBox::toggled, this, &SettingsPage::toTrayChanged);
    connect(showHintsCheck, &QCheckBox::toggled, this, &SettingsPage::hintsShownChanged);
    connect(singleInstanceCheck, &QCheckBox::toggled, this, &SettingsPage::singleInstanceChanged);
    connect(livePreviewCheck, &QCheckBox::toggled, this, &SettingsPage::livePreviewShownChanged);
    connect(inputFontButton, &QPushButton::clicked, this, &SettingsPage::chooseInputFont);
    connect(baseSettingsButton, &QPushButton::clicked, this, &SettingsPage::applyBaseSettings);
}

void SettingsPage::setInputField(QWidget* field) {
    inputField_ = field;
}

void SettingsPage::fillSettings(Settings& settings) const {
    settings.autoSave = autoSaveCheck->isChecked();
    settings.enableResultLimit = thresholdOption->isChecked();
    settings.resultLimit = thresholdOption->value();
    settings.minimizeToTray = toTrayCheck->isChecked();
    settings.restoreMethod = restoreGestureBox->currentIndex();
    settings.showSmilesEntry = showSmilesBox->currentIndex();
    settings.showHint = showHintsCheck->isChecked();
    settings.enableSmileSeparate = smileGroupOption->isChecked();
    settings.smileSeparate = smileGroupOption->value();
    settings.previewBgColor = previewBackgroundPanel->color();
    settings.previewWordWrap = previewWordWrapCheck->isChecked();
    settings.showLivePreview = livePreviewCheck->isChecked();
    settings.smileFrequentlyUsed = frequentSmilesFirstCheck->isChecked();
    settings.autoRun = autoRunCheck->isChecked();
    const QFont font = inputField_->font();
    settings.fontName = ToCp1251(font.family());
    // A font given in pixels has no point size; the stored size must stay a usable number.
    settings.fontSize = font.pointSize() > 0 ? font.pointSize() : Settings{}.fontSize;
    settings.charset = mainTextCharset_;
    settings.bold = font.bold();
    settings.italic = font.italic();
}

void SettingsPage::applySettings(const Settings& settings) {
    autoSaveCheck->setChecked(settings.autoSave);
    thresholdOption->setChecked(settings.enableResultLimit);
    thresholdOption->setValue(settings.resultLimit);
    toTrayCheck->setChecked(settings.minimizeToTray);
    restoreGestureBox->setCurrentIndex(
        ListEntry(settings.restoreMethod, restoreGestureBox->count()));
    showSmilesBox->setCurrentIndex(settings.showSmilesEntry);
    showHintsCheck->setChecked(settings.showHint);
    // Told even when the box kept its state, so that hints stored as off are off from the start.
    emit hintsShownChanged(settings.showHint);
    smileGroupOption->setChecked(settings.enableSmileSeparate);
    smileGroupOption->setValue(settings.smileSeparate);
    SetPanelColor(previewBackgroundPanel, settings.previewBgColor);
    previewWordWrapCheck->setChecked(settings.previewWordWrap);
    livePreviewCheck->setChecked(settings.showLivePreview);
    frequentSmilesFirstCheck->setChecked(settings.smileFrequentlyUsed);
    autoRunCheck->setChecked(settings.autoRun);

    QFont font(FromCp1251(settings.fontName));
    font.setPointSize(settings.fontSize > 0 ? static_cast<int>(settings.fontSize) : 1);
    // The style changes only when a flag is on; otherwise the font has none.
    if (settings.bold) {
        font.setBold(true);
    }
    if (settings.italic) {
        font.setItalic(true);
    }
    setInputFont(font);
    mainTextCharset_ = settings.charset;
}

void SettingsPage::applyBaseSettings() {
    if (!messages_.confirm(window(), QStringLiteral("Применить базовые настройки ?"))) {
        return;
    }
    applySettings(Settings{});
}

bool SettingsPage::autoSave() const {
    return autoSaveCheck->isChecked();
}

bool SettingsPage::minimizesToTray() const {
    return toTrayCheck->isChecked();
}

bool SettingsPage::restoresOn(TrayGesture gesture) const {
    switch (restoreGestureBox->currentIndex()) {
        case 0:
            return gesture == TrayGesture::LeftClick;
        case 1:
            return gesture == TrayGesture::DoubleClick;
        default:
            // A stored method the list does not hold: any click restores.
            return true;
    }
}

bool SettingsPage::hintsShown() const {
    return showHintsCheck->isChecked();
}

bool SettingsPage::splitsSmileGroups() const {
    return smileGroupOption->isChecked();
}

int SettingsPage::smileGroupSize() const {
    return smileGroupOption->value();
}

bool SettingsPage::frequentSmilesFirst() const {
    return frequentSmilesFirstCheck->isChecked();
}

ColorValue SettingsPage::previewBackground() const {
    return previewBackgroundPanel->color();
}

bool SettingsPage::previewWordWrap() const {
    return previewWordWrapCheck->isChecked();
}

void SettingsPage::chooseInputFont() {
    const std::optional<QFont> chosen = fonts_.pick(window(), inputField_->font());
    if (chosen) {
        setInputFont(*chosen);
    }
}

void SettingsPage::setInputFont(const QFont& font) {
    inputField_->setFont(font);
}

void SettingsPage::attachColorPanels(const std::function<void(ColorPanel*)>& attach) const {
    attach(previewBackgroundPanel);
}

}  // namespace tagforge
