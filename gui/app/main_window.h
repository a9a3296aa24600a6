#pragma once

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <memory>
#include <string>

#include "gui/app/session_end.h"
#include "gui/formatting/length_meter.h"
#include "gui/platform/platform_services.h"
#include "gui/profiles/profile_controller.h"
#include "gui/store/settings_controller.h"
#include "gui/tray/tray_controller.h"

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
class LivePreview;
class PreviewTab;
class ProfileBar;
class ResultCopier;
class SmileyPane;
class TemplatePage;
class TransientNote;

inline constexpr char kApplicationTitle[] = "Orbel TagForge";
inline constexpr char kVersionText[] = "Beta 6.1";
inline constexpr char kCaptionTail[] = " =)";

// The main window: builds the pages, keeps the start-up order, switches pages, copies the result
// and routes between the pages; settings, profiles and the tray have controllers of their own.
// Options live only in the controls, which tests and tools find by object name.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Throws DataFolderError when the Profiles folder is missing and cannot be created.
    // The starter set of `starterFolder`, when given, is put into programFolder before anything
    // is read: on a first start (no Profiles folder yet), and on any later start that finds it
    // unfinished.
    MainWindow(std::filesystem::path programFolder, PlatformServices services,
               const std::filesystem::path& starterFolder = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    const std::filesystem::path& programFolder() const { return programFolder_; }
    // The texts of resultMemo and TemplateText, byte for byte.
    const std::string& resultText() const;
    const std::string& templateText() const { return templateText_; }

    // Copies the line of the formatting sub-page shown, built anew.
    void copyResult();

    // Builds the line of the formatting sub-page shown.
    void buildCurrentResult();
    // The length the copy button would copy now: that of the last line built.
    LengthMeter::Reading copiedReading() const;

    // The edit menu, opened on `target` as a right click there would.
    void openEditMenu(QWidget* target, QPoint globalPos);
    // The control the edit menu was last opened on, or null.
    QWidget* editMenuTarget() const;

    // Colour panels of the other pages; their effect colours are remembered as on the
    // formatting page.
    void colorPanelClicked(ColorPanel* sender, Qt::MouseButton button, QPoint globalPos);

    void showPreview();

    // The subsystems the window coordinates.
    SettingsController& settings() { return *settings_; }
    ProfileController& profiles() { return *profiles_; }
    TrayController& tray() { return *tray_; }
    // Every way the program ends goes through here, the window's close included.
    SessionEnd& sessionEnd() { return *sessionEnd_; }

    // Shows the window in whatever state it is (hidden in the tray, minimised, behind others),
    // raised and active.
    void bringToFront();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void setTitle();
    void installStarterSet(const std::filesystem::path& starterFolder);
    QWidget* createFormattingPage();
    void connectCopyButton();
    void connectSmileyPane();
    void createEditMenu();
    void connectColorPanels();
    void createControllers();
    void pageChanged();
    bool handMadePageActive() const;
    int activeThreshold() const;
    // The line of the sub-page shown, as last built.
    const std::string& currentLine() const;
    // Shows the line last built in the strip under the message, unless the strip is off.
    void showLiveLine();

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
    LengthMeter* lengthMeter = nullptr;
    LivePreview* livePreview = nullptr;
    SmileyPane* smileyPane = nullptr;

    EditMenu* editMenu = nullptr;
    ResultCopier* resultCopier_ = nullptr;

    std::unique_ptr<SettingsController> settings_;
    ProfileController* profiles_ = nullptr;
    TrayController* tray_ = nullptr;
    SessionEnd* sessionEnd_ = nullptr;
};

}  // namespace tagforge
