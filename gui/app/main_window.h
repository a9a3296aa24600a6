#pragma once

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "gui/app/platform_services.h"
#include "gui/settings/settings_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QAction;
class QMenu;
class QPushButton;
class QUrl;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace tagforge {

class AboutPage;
class ColorPanel;
class EditMenu;
class FormattingPage;
class PreviewTab;
class ProfileBar;
class SmileyPane;
class TemplatePage;
class TrayMenu;
class TransientNote;
struct Profile;
struct Settings;
class SettingsBatch;

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
    // A first start (no Profiles folder yet) copies the starter set of `starterFolder`, when
    // given, into programFolder before anything is read.
    MainWindow(std::filesystem::path programFolder, PlatformServices services,
               const std::filesystem::path& starterFolder = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    const std::filesystem::path& programFolder() const { return programFolder_; }
    // The texts of resultMemo and TemplateText, byte for byte.
    const std::string& resultText() const;
    const std::string& templateText() const { return templateText_; }

    // Copying the result (app/result_commands.cpp)
    void copyButtonPressed();
    void copyButtonReleased();
    void copyResult();
    void putOnClipboard(const std::string& text, int threshold);
    void resetAll();

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

    // The edit menu, opened on `target` as a right click there would.
    void openEditMenu(QWidget* target, QPoint globalPos);

    // Font manager (menus/font_handlers.cpp)
    void openFontManager();

    // Colour panels of the other pages; their effect colours are remembered as on the
    // formatting page.
    void colorPanelClicked(ColorPanel* sender, Qt::MouseButton button, QPoint globalPos);

    // Preview and About (preview/preview_handlers.cpp, preview/about_handlers.cpp)
    void showPreview();

    // Settings store (store/settings_handlers.cpp)
    std::string readSettingText(std::string_view name, std::string_view defaultText,
                                RegistryRoot root, std::string_view keyPath);
    void writeSettingText(std::string_view name, std::string_view text, RegistryRoot root,
                          std::string_view keyPath);
    void saveSettings();
    // One replace of the store for all the batch's values; a key that failed is reported.
    void storeBatch(const SettingsBatch& batch);
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
    void installStarterSet(const std::filesystem::path& starterFolder);
    QWidget* createFormattingPage();
    void createTrayMenu();
    void connectProfileBar();
    void connectSmileyPane();
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
    std::filesystem::path profilesFolder() const;
    std::filesystem::path profilePath(const std::string& name) const;

    std::filesystem::path programFolder_;
    PlatformServices services_;
    std::string templateText_;

    // Controls; each keeps its historical object name, which tests and tools look them up by.
    QTabWidget* pageTabs = nullptr;
    QWidget* formattingPage = nullptr;
    PreviewTab* previewPage = nullptr;
    SettingsPage* settingsPage = nullptr;
    AboutPage* aboutPage = nullptr;

    QTabWidget* formattingTabs = nullptr;
    FormattingPage* handMadePage = nullptr;
    TemplatePage* templatePage = nullptr;
    QPushButton* copyButton = nullptr;
    ProfileBar* profileBar = nullptr;
    TransientNote* confirmationNote = nullptr;
    SmileyPane* smileyPane = nullptr;

    EditMenu* editMenu = nullptr;

    TrayMenu* trayMenu = nullptr;
};

}  // namespace tagforge
