#pragma once

#include <QWidget>
#include <functional>

#include "core/format/color_code.h"
#include "core/store/settings.h"
#include "gui/platform/platform_services.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace tagforge {

class ColorPanel;
class NumberOption;

// The settings page: result threshold, tray, hints, smiley grouping, preview look, the input
// font of the message field and the single-instance lock. It reads its controls into settings
// and back; the window asks it what the user chose. Choices that reach past the page (the tray
// icon, the lock, the tool tips) are only reported; their owners carry them out.
class SettingsPage final : public QWidget {
    Q_OBJECT

  public:
    SettingsPage(MessageBoxes& messages, FontPicker& fonts, QWidget* parent = nullptr);

    // The field whose font the input-font settings set; given once, before any settings.
    void setInputField(QWidget* field);

    // Writes the page's part of `settings`.
    void fillSettings(Settings& settings) const;
    // Brings the controls in line with `settings`; changes are reported as on a click.
    void applySettings(const Settings& settings);
    // Asks, then sets every control to its first-start value.
    void applyBaseSettings();

    bool autoSave() const;
    // Whether minimizing is to hide the window in the tray (when there is a tray).
    bool minimizesToTray() const;
    // Whether a tray gesture brings the hidden window back.
    bool restoresOn(TrayGesture gesture) const;
    bool hintsShown() const;
    bool splitsSmileGroups() const;
    int smileGroupSize() const;
    bool frequentSmilesFirst() const;
    ColorValue previewBackground() const;
    bool previewWordWrap() const;

    // Hands the colour panel to `attach`, which makes it answer clicks as the window's others do.
    void attachColorPanels(const std::function<void(ColorPanel*)>& attach) const;

  signals:
    // "cbToTray" changed: the tray icon is wanted, or no longer.
    void toTrayChanged(bool toTray);
    // "cbShowHint" changed, or settings were applied (then even when it kept its state).
    void hintsShownChanged(bool shown);
    // "cbShowLivePreview" changed: the result is to be shown under the message, or not.
    void livePreviewShownChanged(bool shown);
    // "cbMultiLoad" changed: other copies of the program are to be refused, or allowed again.
    void singleInstanceChanged(bool forbidsOthers);

  private:
    void chooseInputFont();
    void setInputFont(const QFont& font);

    MessageBoxes& messages_;
    FontPicker& fonts_;
    QWidget* inputField_ = nullptr;
    long mainTextCharset_ = Settings{}.charset;

    QCheckBox* autoSaveCheck = nullptr;
    NumberOption* thresholdOption = nullptr;
    QCheckBox* toTrayCheck = nullptr;
    QComboBox* restoreGestureBox = nullptr;
    QComboBox* showSmilesBox = nullptr;
    QCheckBox* showHintsCheck = nullptr;
    NumberOption* smileGroupOption = nullptr;
    ColorPanel* previewBackgroundPanel = nullptr;
    QCheckBox* previewWordWrapCheck = nullptr;
    QCheckBox* livePreviewCheck = nullptr;
    QCheckBox* frequentSmilesFirstCheck = nullptr;
    QCheckBox* autoRunCheck = nullptr;
    QPushButton* inputFontButton = nullptr;
    QPushButton* baseSettingsButton = nullptr;
    QCheckBox* singleInstanceCheck = nullptr;
};

}  // namespace tagforge
