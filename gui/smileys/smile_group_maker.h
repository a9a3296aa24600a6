#pragma once

#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

#include "core/smileys/smile_group.h"
#include "gui/platform/platform_services.h"

class QWidget;

namespace tagforge {

// Makes a new smiley group with the user: asks for its name, lets the user choose its GIF files,
// copies the images the Smiles folder lacks (showing their progress) and writes the group file.
// Every failure and refusal has been shown to the user when make() returns.
class SmileGroupMaker {
  public:
    enum class Outcome {
        kMade,
        // No name was settled on, or a failure was shown.
        kNotMade,
        // The user closed the file dialogue without choosing.
        kNoFilesChosen,
    };

    // `window` is the parent of the questions and of the progress window.
    SmileGroupMaker(std::filesystem::path programFolder, PlatformServices services,
                    QWidget* window);

    // `listedGroups` are the names listed now, Windows-1251; a name among them is overwritten
    // only once the user agrees.
    Outcome make(const std::vector<std::string>& listedGroups);

    // The group made by the last make() that gave kMade; the name is Windows-1251.
    const std::string& name() const { return name_; }
    const SmileEntries& entries() const { return entries_; }

  private:
    bool askName(const std::vector<std::string>& listedGroups);
    void takeImages(const QStringList& chosen, qsizetype count);

    std::filesystem::path programFolder_;
    PlatformServices services_;
    QWidget* window_;
    std::string name_;
    SmileEntries entries_;
};

}  // namespace tagforge
