#pragma once

#include <QWidget>
#include <functional>

#include "core/format/color_code.h"
#include "core/store/settings.h"
#include "gui/platform/named_lock.h"
#include "gui/platform/platform_services.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tagforge {

class ColorPanel;

inline constexpr char kExclusivityLockName[] = "OTF_MUTEX";

// The settings page: result threshold, tray, hints, smiley grouping, preview look, the input
// font of the message field and the single-instance lock. It reads its controls into settings
// and back; the window asks it what the user chose.
class SettingsPage final : public QWidget {
    Q_OBJECT

  public:
    SettingsPage(MessageBoxes& messages, FontPicker& fonts, TrayIcon& tray,
                 QWidget* parent = nullptr);

    // The field whose font the input-font settings set; given once, before any settings.
    void setInputField(QWidget* field);

    // Writes the page's part of `settings`.
    void fillSettings(Settings& settings) const;
    // Brings the controls in line with `settings`; the handlers run as on a click.
    void applySettings(const Settings& settings);
    // Asks, then sets every control to its first-start value.
    void applyBaseSettings();

    bool autoSave() const;
    // The length above which a copied result comes with a warning, 0 when there is none.
    int threshold() const;
    // Whether minimizing hides the window in the tray, which needs a tray.
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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void toTrayToggled();
    void restoreGestureChanged();
    void showHintsToggled();
    void singleInstanceToggled();
    void chooseInputFont();
    void setInputFont(const QFont& font);
    void clampNumberField(QLineEdit* field, QSpinBox* upDown);

    MessageBoxes& messages_;
    FontPicker& fonts_;
    TrayIcon& tray_;
    QWidget* inputField_ = nullptr;
    NamedLock exclusivityLock_;
    long mainTextCharset_ = Settings{}.charset;
    TrayGesture restoreGesture_ = TrayGesture::DoubleClick;
    bool restoreOnAnyClick_ = false;
    QObject* hintBlocker_ = nullptr;

    QCheckBox* autoSaveCheck = nullptr;
    QCheckBox* thresholdCheck = nullptr;
    QLineEdit* thresholdEdit = nullptr;
    QSpinBox* thresholdUpDown = nullptr;
    QCheckBox* toTrayCheck = nullptr;
    QComboBox* restoreGestureBox = nullptr;
    QComboBox* showSmilesBox = nullptr;
    QCheckBox* showHintsCheck = nullptr;
    QCheckBox* smileGroupSizeCheck = nullptr;
    QLineEdit* smileGroupSizeEdit = nullptr;
    QSpinBox* smileGroupSizeUpDown = nullptr;
    ColorPanel* previewBackgroundPanel = nullptr;
    QCheckBox* previewWordWrapCheck = nullptr;
    QCheckBox* frequentSmilesFirstCheck = nullptr;
    QCheckBox* autoRunCheck = nullptr;
    QPushButton* inputFontButton = nullptr;
    QPushButton* baseSettingsButton = nullptr;
    QCheckBox* singleInstanceCheck = nullptr;
};

}  // namespace tagforge
