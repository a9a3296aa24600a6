#pragma once

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "gui/platform/named_lock.h"
#include "gui/app/platform_services.h"
#include "core/format/effect_selection.h"
#include "core/format/random_source.h"
#include "core/format/result_assembly.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QUrl;
class QSlider;
class QSpinBox;
class QTabWidget;
class QWebEngineView;
class QWidget;

namespace tagforge {

class ColorPanel;
class ResultMemo;
struct Profile;
struct Settings;
class SettingsBatch;

inline constexpr char kApplicationTitle[] = "Orbel TagForge";
inline constexpr char kVersionText[] = "Beta 6.1";
inline constexpr char kCaptionTail[] = " =)";
inline constexpr char kExclusivityLockName[] = "OTF_MUTEX";
inline constexpr char kProfilesFolder[] = "Profiles";
inline constexpr char kDefaultProfile[] = "Default";

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
    FormatterOptions ReadFormatterOptions() const;

    // Profiles (store/profile_apply.cpp, store/profile_commands.cpp)
    bool LoadProfile(const std::string& name);
    void ApplyProfile(const Profile& profile);
    Profile CurrentProfile() const;
    // Throws FileWriteError when the profile file cannot be written.
    bool SaveProfile(const std::string& name, bool askOverwrite, bool closing);
    void SpeedButton2Click();
    void SpeedButton1Click();
    void ComboProfilesSelect();
    void FormClose(QCloseEvent* event);

    // Templates (templates/template_handlers.cpp)
    void BuildCurrentResult();
    void PageControl2Changing();
    void cbKillWhereChange();
    void SolitudeOwnTextChange();
    void PersonallyErrorOwnTextChange();
    void AddSolitudeNickClick();
    void DeletelSolitudeNickClick();
    void ClearSolitudeListClick();

    // ASCII art template (templates/ascii_handlers.cpp)
    void comboASCIIartChange();
    // Refills comboASCIIart from the catalogue; false when the catalogue does not exist.
    bool LoadAsciiList(const std::string& name);
    void SpeedButton11Click();
    std::filesystem::path AsciiCatalogPath() const;

    // Smiley groups and pane (smileys/smile_groups.cpp, smileys/smile_pane.cpp)
    bool CreateSmileGroup();
    void bNewSmilesClick();
    void comboSelectSmilesGroupClick();
    void SpeedButton8Click();
    void bShowSmilesClick();
    void ShowSmilePane(bool show);
    void BuildSmilePage(const std::vector<std::string>& names, const std::string& groupName);
    // False when the pane's navigation to `address` is to be cancelled.
    bool CppWebBrowser2BeforeNavigate2(const QUrl& address);
    // False when the group file could not be read or written; the error has been shown.
    bool CountSmileUse(const std::string& name);

    // Edit menu and nick list (menus/nick_menu.cpp)
    void OtherNameNickContextPopup(QWidget* sender, QPoint globalPos);
    void PopupNickMenuPopup();
    void N6Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void N3Click();
    void N1Click();
    void InsertNickClick(QAction* item);
    void DeleteNickClick(QAction* item);
    // Gives a text field the shared edit menu as its context menu.
    void AttachNickMenu(QWidget* control);

    // Font manager (menus/font_handlers.cpp)
    void SpeedButton13Click();

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

    // Settings store (store/settings_handlers.cpp)
    std::string ReadSettingText(std::string_view name, std::string_view defaultText,
                                RegistryRoot root, std::string_view keyPath);
    void WriteSettingText(std::string_view name, std::string_view text, RegistryRoot root,
                          std::string_view keyPath);
    void SaveSettings();
    void LoadSettings();
    Settings CurrentSettings() const;
    void ApplySettings(const Settings& settings);
    void LoadFontList();
    void SaveFontList();
    void LoadNickList();
    void SaveNickList();
    // Stores the batch; reports each value or list that could not be stored.
    void StoreBatch(const SettingsBatch& batch);
    void SpeedButton9Click();

    // Window, tray and instance options (store/window_options.cpp)
    void cbToTrayClick();
    void ComboHowToRestoreChange();
    void cbShowHintClick();
    void TrayIcon1Minimize();
    void TrayIcon1Restore();
    void TrayIcon1Gesture(TrayGesture gesture);
    void N11Click();
    void N21Click();
    void cbMultiLoadClick();
    // False when the typed character is to be discarded.
    bool eNumOfSmilesKeyPress(const QString& typed) const;
    void Edit1Exit();
    void eNumOfSmilesExit();
    void SpeedButton7Click();
    bool minimizesToTray() const;

    // The stored nicks; the edit menu works on them.
    std::vector<std::string> NickList;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
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
    void CreateTrayMenu();
    void CreateSmileControls();
    void ConnectSettingsPage();
    void ConnectProfileBar();
    void ConnectAsciiPage();
    void ConnectSmilePane();
    void ConnectNickMenu();
    void ConnectFontManager();
    // Refills a list box with the names of a data folder's files and selects the preferred one.
    void FillFromDataFiles(QComboBox* box, std::string_view folder, std::string_view preferred,
                           std::string_view extension);
    void FillProfileList(std::string_view preferred);
    void ClampNumericField(QLineEdit* field, QSpinBox* upDown);
    bool HandleSettingsKeys(QObject* watched, QEvent* event);
    void ConnectHandMadePage();
    void ConnectTemplatePage();
    void ConnectColorPanels();
    void PageControl1Change();
    bool HandMadePageActive() const;
    int Threshold() const;
    EffectPanels CurrentEffectPanels() const;
    std::filesystem::path ProfilesFolder() const;
    std::filesystem::path ProfilePath(const std::string& name) const;

    std::filesystem::path programFolder_;
    PlatformServices services_;
    DefaultRandomSource random_;
    RememberedEffectColors remembered_;
    std::string templateText_;
    NamedLock exclusivityLock_;
    // The picture the ASCII manager opens on, for the rest of the run.
    int asciiManagerIndex_ = 0;
    long mainTextCharset_ = 204;
    TrayGesture restoreGesture_ = TrayGesture::DoubleClick;
    bool restoreOnAnyClick_ = false;
    QObject* hintBlocker_ = nullptr;

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
    QPushButton* SmileButton = nullptr;
    QComboBox* comboSelectSmilesGroup = nullptr;
    QWidget* SmilePane = nullptr;
    QPushButton* SpeedButton10 = nullptr;
    QPushButton* SpeedButton8 = nullptr;
    QWebEngineView* CppWebBrowser2 = nullptr;

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
    QPushButton* SpeedButton13 = nullptr;
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
    QComboBox* comboASCIIart = nullptr;
    QPushButton* SpeedButton11 = nullptr;
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

    QCheckBox* cbAutoSave = nullptr;
    QCheckBox* cbThreshold = nullptr;
    QLineEdit* Edit1 = nullptr;
    QSpinBox* UpDown2 = nullptr;
    QCheckBox* cbToTray = nullptr;
    QComboBox* ComboHowToRestore = nullptr;
    QComboBox* comboShowSmiles = nullptr;
    QCheckBox* cbShowHint = nullptr;
    QCheckBox* cbNumOfSmiles = nullptr;
    QLineEdit* eNumOfSmiles = nullptr;
    QSpinBox* UpDown1 = nullptr;
    ColorPanel* Image2 = nullptr;
    QCheckBox* cbWordWrap = nullptr;
    QCheckBox* cbFrequentlyUsed = nullptr;
    QCheckBox* cbAutoRun = nullptr;
    QPushButton* SpeedButton7 = nullptr;
    QPushButton* SpeedButton9 = nullptr;
    QCheckBox* cbMultiLoad = nullptr;

    QMenu* PopupNickMenu = nullptr;
    QAction* N6 = nullptr;
    QAction* N7 = nullptr;
    QAction* N8 = nullptr;
    QAction* N9 = nullptr;
    QAction* N3 = nullptr;
    QAction* N5 = nullptr;
    QAction* N1 = nullptr;
    QMenu* N2 = nullptr;
    QMenu* N4 = nullptr;
    // The control the edit menu was last opened on; its commands act on it.
    QPointer<QWidget> PopupTarget;

    QMenu* PopupMenu1 = nullptr;
    QAction* N11 = nullptr;
    QAction* N21 = nullptr;

    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit2 = nullptr;
};

}  // namespace tagforge
