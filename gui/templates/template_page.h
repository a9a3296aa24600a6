#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace tagforge {

class AsciiPictureTab;
class Clock;
class ColorPanel;
class DialogRunner;
class MessageBoxes;
struct Profile;
struct TemplateOption;

// The template page of the formatting tabs: the kill line, the solitude line, the notification
// and the ASCII art picture, each on its own tab under one shared own-text field. It builds the
// template line from its fields; the line is Windows-1251.
class TemplatePage final : public QWidget {
    Q_OBJECT

  public:
    TemplatePage(std::filesystem::path programFolder, Clock& clock, MessageBoxes& messages,
                 DialogRunner& dialogs, QWidget* parent = nullptr);

    // The line last built.
    const std::string& line() const { return line_; }
    // Builds the line of the tab shown.
    void buildLine();
    // Builds every tab's line in turn; the ASCII one, built last, is kept.
    void rebuildLines();

    // Refills the picture list from the catalogue and selects `name`; false when the catalogue
    // does not exist, which also hides the ASCII tab.
    bool loadAsciiList(const std::string& name);

    // Fills the fields from a profile; with `showTab` it also shows the profile's tab.
    void applyProfile(const Profile& profile, bool showTab);
    // Writes the fields into `profile`.
    void fillProfile(Profile& profile) const;

    // Hands the text fields to `attach`, which gives them the window's edit menu.
    void attachEditMenu(const std::function<void(QWidget*)>& attach) const;
    // Hands the colour panel to `attach`, which makes it answer clicks as the window's others do.
    void attachColorPanels(const std::function<void(ColorPanel*)>& attach) const;

  signals:
    void lineChanged();

  private:
    QWidget* createKillPage();
    QWidget* createSolitudePage();
    QWidget* createNotificationPage();
    void setLine(std::string line);
    void buildKillLine();
    void buildSolitudeLine();
    void buildNotificationLine();
    void buildAsciiLine();
    void addSolitudeNick();
    void deleteSolitudeNicks();
    void clearSolitudeNicks();

    Clock& clock_;
    std::string line_;

    QLineEdit* templateOwnTextEdit = nullptr;
    QTabWidget* templateTabs = nullptr;
    QWidget* killPage = nullptr;
    QWidget* solitudePage = nullptr;
    QWidget* notificationPage = nullptr;
    AsciiPictureTab* asciiPage = nullptr;
    QComboBox* killWhereBox = nullptr;
    QComboBox* killActionBox = nullptr;
    QComboBox* killPeriodBox = nullptr;
    QLineEdit* killerEdit = nullptr;
    QLineEdit* victimEdit = nullptr;
    QComboBox* killReasonBox = nullptr;
    QLineEdit* solitudeActionEdit = nullptr;
    QLineEdit* solitudeNickEdit = nullptr;
    QListWidget* solitudeNickList = nullptr;
    QPushButton* clearSolitudeNicksButton = nullptr;
    QPushButton* addSolitudeNickButton = nullptr;
    QPushButton* deleteSolitudeNickButton = nullptr;
    QComboBox* notificationKindBox = nullptr;
    QLineEdit* notificationNickEdit = nullptr;
    QCheckBox* comeColorCheck = nullptr;
    ColorPanel* comeColorPanel = nullptr;

    // The fields a profile keeps, with their controls.
    std::vector<std::pair<const TemplateOption*, QWidget*>> boundOptions_;
};

}  // namespace tagforge
