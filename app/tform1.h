#pragma once

#include <QMainWindow>
#include <filesystem>
#include <string>

#include "app/platform/named_lock.h"
#include "app/platform_services.h"
#include "format/effect_selection.h"
#include "format/random_source.h"
#include "format/result_assembly.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QWebEngineView;
class QWidget;

namespace tagforge {

class ColorPanel;
class ResultMemo;
struct Profile;

inline constexpr char kApplicationTitle[] = "Orbel TagForge";
inline constexpr char kVersionText[] = "Beta 6.1";
inline constexpr char kCaptionTail[] = " =)";
inline constexpr char kExclusivityLockName[] = "OTF_MUTEX";

// The main window. Options live only in its controls; the handlers keep the names of the
// controls and events they serve and are spread over one file per page or subsystem.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    // Throws DataFolderError when the Profiles folder is missing and cannot be created.
    TForm1(std::filesystem::path programFolder, PlatformServices services,
           QWidget* parent = nullptr);
    ~TForm1() override;

    const std::filesystem::path& programFolder() const { return programFolder_; }
    // The texts of ResultText and TemplateText, byte for byte.
    const std::string& resultText() const;
    const std::string& templateText() const { return templateText_; }
    const RememberedEffectColors& rememberedColors() const { return remembered_; }

    // Formatting page (format_handlers.cpp)
    void OnlyForYouNameChange();
    void comboboxColorMarkChange();
    void tbDanceFontRatioChange();
    void cbReverseTextClick();
    void cbEffect4Click();
    void cbEffect5Click();
    void cbEffect6Click();
    void SpeedButton3MouseDown();
    void SpeedButton3MouseUp();
    void Button2Click();
    void CopyResult(const std::string& text, int threshold);
    void bClearClick();
    void SpeedButton12Click();
    bool LoadProfile(const std::string& name);
    void ApplyProfile(const Profile& profile);
    FormatterOptions ReadFormatterOptions() const;

    // Templates (templates/template_handlers.cpp)
    void BuildCurrentResult();
    void PageControl2Changing();
    void cbKillWhereChange();
    void SolitudeOwnTextChange();
    void PersonallyErrorOwnTextChange();
    void AddSolitudeNickClick();
    void DeletelSolitudeNickClick();
    void ClearSolitudeListClick();

    // Colour panels and palette (pickers/color_panel_handlers.cpp)
    void SetPanelColor(ColorPanel* panel, ColorValue color);
    void Image1MouseUp(ColorPanel* sender, Qt::MouseButton button, QPoint globalPos);
    void ListBox2Click();
    void ListBox2MouseUp(Qt::MouseButton button, QPoint localPos, QPoint globalPos);

    // Preview and About (preview/preview_handlers.cpp, preview/about_handlers.cpp)
    void PreviewPageShow();
    void AboutPageShow();
    void Edit3Click();
    void Edit4Click();

    // Settings page (app/settings_handlers.cpp)
    void cbMultiLoadClick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    QWidget* CreateFormatPage();
    QWidget* CreateHandMadePage();
    QWidget* CreateTemplatePage();
    QWidget* CreateKillPage();
    QWidget* CreateSolitudePage();
    QWidget* CreateInOutPage();
    QWidget* CreatePreviewPage();
    QWidget* CreateSettingsPage();
    QWidget* CreateAboutPage();
    void ConnectHandMadePage();
    void ConnectTemplatePage();
    void ConnectColorPanels();
    void PageControl1Change();
    bool HandMadePageActive() const;
    int Threshold() const;
    EffectPanels CurrentEffectPanels() const;
    std::filesystem::path ProfilesFolder() const;

    std::filesystem::path programFolder_;
    PlatformServices services_;
    DefaultRandomSource random_;
    RememberedEffectColors remembered_;
    std::string templateText_;
    NamedLock exclusivityLock_;

  public:
    // Controls, named as their Qt object names.
    QTabWidget* PageControl1 = nullptr;
    QWidget* FormatPage = nullptr;
    QWidget* PreviewPage = nullptr;
    QWidget* SettingsPage = nullptr;
    QWidget* AboutPage = nullptr;

    QTabWidget* PageControl2 = nullptr;
    QWidget* HandMadePage = nullptr;
    QWidget* TemplatePage = nullptr;
    QPushButton* SpeedButton3 = nullptr;
    QComboBox* ComboProfiles = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* SpeedButton2 = nullptr;

    QCheckBox* cbOtherName = nullptr;
    QLineEdit* OtherNameNick = nullptr;
    QCheckBox* cbOtherNameColor = nullptr;
    ColorPanel* OtherNameColor = nullptr;
    QCheckBox* cb3rdFace = nullptr;
    QLineEdit* OtherNameOwnText = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QCheckBox* cbOnlyForYou = nullptr;
    QComboBox* ComboOnlyForYou = nullptr;
    QLineEdit* OnlyForYouName = nullptr;
    QCheckBox* cbOnlyForYouColor = nullptr;
    ColorPanel* ImOnlyForYou = nullptr;
    QCheckBox* cbOk = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QCheckBox* cbOkColor = nullptr;
    ColorPanel* ImOkColor = nullptr;
    QCheckBox* cbFontName = nullptr;
    QComboBox* comboboxFontName = nullptr;
    QCheckBox* cbFontSize = nullptr;
    QComboBox* ComboBoxFontSize = nullptr;
    QCheckBox* cbDanceFont = nullptr;
    QSlider* tbDanceFontRatio = nullptr;
    QLabel* lDanceFontRatio = nullptr;
    QCheckBox* cbReverseText = nullptr;
    QCheckBox* cbColorMark = nullptr;
    QComboBox* comboboxColorMark = nullptr;
    QLabel* Image1 = nullptr;
    ColorPanel* Image6 = nullptr;
    ColorPanel* Image7 = nullptr;
    QCheckBox* cbEffect4 = nullptr;
    QCheckBox* cbEffect5 = nullptr;
    QCheckBox* cbEffect6 = nullptr;
    QPlainTextEdit* MainText = nullptr;
    ResultMemo* ResultText = nullptr;
    QPushButton* sbClear = nullptr;
    QPushButton* SpeedButton12 = nullptr;
    QListWidget* ListBox2 = nullptr;

    QLineEdit* Edit5 = nullptr;
    QTabWidget* PageControl3 = nullptr;
    QWidget* KillPage = nullptr;
    QWidget* SolitudePage = nullptr;
    QWidget* InOutPage = nullptr;
    QWidget* AsciiPage = nullptr;
    QComboBox* cbKillWhere = nullptr;
    QComboBox* cbKillAction = nullptr;
    QComboBox* cbKillTime = nullptr;
    QLineEdit* KillName = nullptr;
    QLineEdit* VictimName = nullptr;
    QComboBox* cbKillReason = nullptr;
    QLineEdit* SolitudeWhatDo = nullptr;
    QLineEdit* SolitudeNick = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* SpeedButton6 = nullptr;
    QPushButton* SpeedButton4 = nullptr;
    QPushButton* SpeedButton5 = nullptr;
    QComboBox* comboPersError = nullptr;
    QLineEdit* PersonallyErrorMessage = nullptr;
    QCheckBox* cbComeColor = nullptr;
    ColorPanel* ComeColor = nullptr;

    QWebEngineView* CppWebBrowser1 = nullptr;

    QCheckBox* cbThreshold = nullptr;
    QLineEdit* Edit1 = nullptr;
    QSpinBox* UpDown2 = nullptr;
    ColorPanel* Image2 = nullptr;
    QCheckBox* cbWordWrap = nullptr;
    QCheckBox* cbMultiLoad = nullptr;

    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit2 = nullptr;
};

}  // namespace tagforge
