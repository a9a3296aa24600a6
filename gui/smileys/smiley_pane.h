#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "gui/platform/platform_services.h"

class QComboBox;
class QPushButton;
class QUrl;
class QWebEngineView;

namespace tagforge {

// How the settings want the smiley page laid out and ordered.
struct SmileLayout {
    bool grouped = false;
    int groupSize = 0;
    bool frequentFirst = false;
};

// The smiley pane beside the pages: the groups of smileys, the page showing the chosen group,
// and the button that shows and hides the pane. Group names are Windows-1251.
class SmileyPane final : public QWidget {
    Q_OBJECT

  public:
    SmileyPane(std::filesystem::path programFolder, PlatformServices services,
               QWidget* parent = nullptr);

    // The button that shows the pane; it sits wherever the window places it.
    QWidget* toggleButton() const;
    void setLayoutSource(std::function<SmileLayout()> layout);
    // Takes a clicked smiley's marker; false when there is no message to put it in.
    void setMarkerSink(std::function<bool(const QString&)> sink);

    bool isOpen() const;
    // The width the pane adds to the window while it is shown, 0 while it is hidden.
    int addedWidth() const;
    void setOpen(bool open);
    std::string groupName() const;
    // Refills the group list from the group files and selects `preferred`.
    void listGroups(std::string_view preferred);

    // False when no group was made; the reason has been shown.
    bool createSmileGroup();
    void smileGroupChosen();
    void deleteSmileGroup();
    // Brings the pane in line with its button.
    void smileButtonToggled();
    void showSmilePane(bool show);
    void buildSmilePage(const std::vector<std::string>& names, const std::string& groupName);
    // False when the pane's navigation to `address` is to be cancelled.
    bool acceptSmileNavigation(const QUrl& address);
    // False when the group file could not be read or written; the error has been shown.
    bool countSmileUse(const std::string& name);

  private:
    void createControls();
    void createBrowser();
    void newSmileGroupClicked();

    std::filesystem::path programFolder_;
    PlatformServices services_;
    std::function<SmileLayout()> layout_;
    std::function<bool(const QString&)> markerSink_;

    QPushButton* smileButton = nullptr;
    QComboBox* smileGroupBox = nullptr;
    QPushButton* newSmileGroupButton = nullptr;
    QPushButton* deleteSmileGroupButton = nullptr;
    QWidget* browserHolder = nullptr;
    QWebEngineView* smileBrowser = nullptr;
};

}  // namespace tagforge
