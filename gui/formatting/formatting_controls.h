#pragma once

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace tagforge {

struct PlatformServices;

class ColorPanel;
class GradientStopRow;
class OptionGrid;
class PaletteList;
class ResultMemo;

// The widgets of the formatting page. The page and the helpers that act on its widgets share
// them through this set; the page owns them as their parent.
class FormattingControls {
  public:
    // Builds every control and lays them out on `page`, row by row.
    void setUp(QWidget& page, const PlatformServices& services);

    QCheckBox* otherNickCheck = nullptr;
    QLineEdit* otherNickEdit = nullptr;
    QCheckBox* otherNickColorCheck = nullptr;
    ColorPanel* otherNickColorPanel = nullptr;
    QCheckBox* thirdFaceCheck = nullptr;
    QLineEdit* ownTextEdit = nullptr;
    QCheckBox* tagCheck = nullptr;
    QComboBox* tagBox = nullptr;
    QCheckBox* onlyForYouCheck = nullptr;
    QComboBox* onlyForYouWordingBox = nullptr;
    QLineEdit* addresseeEdit = nullptr;
    QCheckBox* onlyForYouColorCheck = nullptr;
    ColorPanel* onlyForYouColorPanel = nullptr;
    QCheckBox* linkCheck = nullptr;
    QComboBox* linkTextBox = nullptr;
    QCheckBox* linkColorCheck = nullptr;
    ColorPanel* linkColorPanel = nullptr;
    QCheckBox* fontNameCheck = nullptr;
    QComboBox* fontNameBox = nullptr;
    QPushButton* fontManagerButton = nullptr;
    QCheckBox* fontSizeCheck = nullptr;
    QComboBox* fontSizeBox = nullptr;
    QCheckBox* danceCaseCheck = nullptr;
    QSlider* danceRatioSlider = nullptr;
    QLabel* danceRatioLabel = nullptr;
    QCheckBox* reverseTextCheck = nullptr;
    QCheckBox* colorEffectCheck = nullptr;
    QComboBox* colorEffectBox = nullptr;
    QLabel* effectStrip = nullptr;
    ColorPanel* firstEffectColorPanel = nullptr;
    ColorPanel* secondEffectColorPanel = nullptr;
    GradientStopRow* gradientStopRow = nullptr;
    QCheckBox* underlineCheck = nullptr;
    QCheckBox* italicCheck = nullptr;
    QCheckBox* boldCheck = nullptr;
    QPlainTextEdit* messageEdit = nullptr;
    ResultMemo* resultMemo = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* resetButton = nullptr;
    PaletteList* paletteList = nullptr;

  private:
    // Each builds the controls of one row of options and adds the row to `grid`.
    void addOtherNickRow(OptionGrid& grid);
    void addOnlyForYouRow(OptionGrid& grid);
    void addLinkRow(OptionGrid& grid);
    void addFontRow(OptionGrid& grid);
    void addDanceRow(OptionGrid& grid);
    void addColorEffectRow(OptionGrid& grid);
    void addStyleRow(OptionGrid& grid);
};

}  // namespace tagforge
