#pragma once

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/format/effect_selection.h"
#include "core/format/random_source.h"
#include "core/format/result_assembly.h"
#include "gui/app/platform_services.h"
#include "gui/formatting/option_controls.h"
#include "gui/settings/settings_page.h"

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

class AboutPage;
class ColorPanel;
class EditMenu;
class PreviewTab;
class ProfileBar;
class TemplatePage;
class TrayMenu;
class ResultMemo;
struct Profile;
struct Settings;

inline constexpr char kApplicationTitle[] = "Orbel TagForge";
inline constexpr char kVersionText[] = "Beta 6.1";
inline constexpr char kCaptionTail[] = " =)";
inline constexpr char kProfilesFolder[] = "Profiles";
inline constexpr char kDefaultProfile[] = "Default";

// The main window. Options live only in its controls, which it keeps to itself; tests and tools
// find them by object name. Its handlers are spread over one file per page or subsystem.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Throws DataFolderError when the Profiles folder is missing and cannot be created.
    MainWindow(std::filesystem::path programFolder, PlatformServices services,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    const std::filesystem::path& programFolder() const { return programFolder_; }
    // The texts of resultMemo and TemplateText, byte for byte.
    const std::string& resultText() const;
    const std::string& templateText() const { return templateText_; }
    const RememberedEffectColors& rememberedColors() const { return remembered_; }

    // Formatting page (format_handlers.cpp)
    void rebuildResult();
    void colorEffectChanged();
    void danceRatioChanged();
    void reverseTextToggled();
    void underlineToggled();
    void italicToggled();
    void boldToggled();
    void copyButtonPressed();
    void copyButtonReleased();
    void copyResult();
    void putOnClipboard(const std::string& text, int threshold);
    void clearMessage();
    void resetAll();
    FormatterOptions formatterOptions() const;

    // Profiles (store/profile_apply.cpp, store/profile_commands.cpp)
    bool loadProfile(const std::string& name);
    void applyProfile(const Profile& profile);
    Profile currentProfile() const;
    // Throws FileWriteError when the profile file cannot be written.
    bool saveProfile(const std::string& name, bool askOverwrite, bool closing);
    void saveProfileClicked();
    void deleteProfileClicked();
    void profileChosen();
    void saveOnClose(QCloseEvent* event);

    // Builds the line of the formatting sub-page shown.
    void buildCurrentResult();

    // Smiley groups and pane (smileys/smile_groups.cpp, smileys/smile_pane.cpp)
    bool createSmileGroup();
    void newSmileGroupClicked();
    void smileGroupChosen();
    void deleteSmileGroup();
    void smileButtonToggled();
    void showSmilePane(bool show);
    void buildSmilePage(const std::vector<std::string>& names, const std::string& groupName);
    // False when the pane's navigation to `address` is to be cancelled.
    bool acceptSmileNavigation(const QUrl& address);
    // False when the group file could not be read or written; the error has been shown.
    bool countSmileUse(const std::string& name);

    // The edit menu, opened on `target` as a right click there would.
    void openEditMenu(QWidget* target, QPoint globalPos);

    // Font manager (menus/font_handlers.cpp)
    void openFontManager();

    // Colour panels and palette (pickers/color_panel_handlers.cpp)
    void setPanelColor(ColorPanel* panel, ColorValue color);
    void colorPanelClicked(ColorPanel* sender, Qt::MouseButton button, QPoint globalPos);
    void paletteItemClicked();
    void paletteMouseReleased(Qt::MouseButton button, QPoint localPos, QPoint globalPos);

    // Preview and About (preview/preview_handlers.cpp, preview/about_handlers.cpp)
    void showPreview();

    // Settings store (store/settings_handlers.cpp)
    std::string readSettingText(std::string_view name, std::string_view defaultText,
                                RegistryRoot root, std::string_view keyPath);
    void writeSettingText(std::string_view name, std::string_view text, RegistryRoot root,
                          std::string_view keyPath);
    void saveSettings();
    void loadSettings();
    Settings currentSettings() const;
    void applySettings(const Settings& settings);
    void loadFontList();
    void saveFontList();
    void loadNickList();
    void saveNickList();

    // Window, tray and instance options (store/window_options.cpp)
    void minimizeToTray();
    void restoreFromTray();
    void trayGesture(TrayGesture gesture);
    void toggleHidden();
    void closeFromTray();
    bool minimizesToTray() const;

    // The stored nicks; the edit menu works on them.
    const std::vector<std::string>& nicks() const;
    void setNicks(std::vector<std::string> nicks);
    // The control the edit menu was last opened on, or null.
    QWidget* editMenuTarget() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setTitle();
    QWidget* createFormattingPage();
    QWidget* createHandMadePage();
    void createTrayMenu();
    void createSmilePane();
    void connectProfileBar();
    void connectSmilePane();
    void createEditMenu();
    void connectFontManager();
    // Refills a list box with the names of a data folder's files and selects the preferred one.
    void fillFromDataFiles(QComboBox* box, std::string_view folder, std::string_view preferred,
                           std::string_view extension);
    void fillProfileList(std::string_view preferred);
    void connectHandMadePage();
    void connectColorPanels();
    void pageChanged();
    bool handMadePageActive() const;
    int activeThreshold() const;
    EffectPanels currentEffectPanels() const;
    std::filesystem::path profilesFolder() const;
    std::filesystem::path profilePath(const std::string& name) const;

    std::filesystem::path programFolder_;
    PlatformServices services_;
    DefaultRandomSource random_;
    RememberedEffectColors remembered_;
    std::string templateText_;
    // The controls of the option table, found once by their object names.
    std::vector<BoundOption> optionControls_;

    // Controls; each keeps its historical object name, which tests and tools look them up by.
    QTabWidget* pageTabs = nullptr;
    QWidget* formattingPage = nullptr;
    PreviewTab* previewPage = nullptr;
    SettingsPage* settingsPage = nullptr;
    AboutPage* aboutPage = nullptr;

    QTabWidget* formattingTabs = nullptr;
    QWidget* handMadePage = nullptr;
    TemplatePage* templatePage = nullptr;
    QPushButton* copyButton = nullptr;
    ProfileBar* profileBar = nullptr;
    QPushButton* smileButton = nullptr;
    QComboBox* smileGroupBox = nullptr;
    QWidget* smilePane = nullptr;
    QPushButton* newSmileGroupButton = nullptr;
    QPushButton* deleteSmileGroupButton = nullptr;
    QWebEngineView* smileBrowser = nullptr;

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
    QCheckBox* underlineCheck = nullptr;
    QCheckBox* italicCheck = nullptr;
    QCheckBox* boldCheck = nullptr;
    QPlainTextEdit* messageEdit = nullptr;
    ResultMemo* resultMemo = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* resetButton = nullptr;
    QListWidget* paletteList = nullptr;

    EditMenu* editMenu = nullptr;

    TrayMenu* trayMenu = nullptr;
};

}  // namespace tagforge
