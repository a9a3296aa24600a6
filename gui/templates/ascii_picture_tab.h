#pragma once

#include <QWidget>
#include <filesystem>
#include <string>

class QComboBox;
class QPushButton;

namespace tagforge {

class DialogRunner;
class MessageBoxes;

// The ASCII tab of the template page: the picture to insert, picked from those the catalogue
// includes, and the button of the ASCII manager that chooses which it includes. Names and
// pictures are Windows-1251.
class AsciiPictureTab final : public QWidget {
    Q_OBJECT

  public:
    AsciiPictureTab(std::filesystem::path programFolder, MessageBoxes& messages,
                    DialogRunner& dialogs, QWidget* parent = nullptr);

    // Refills the picture list from the catalogue and selects `name`; false when the catalogue
    // does not exist, which leaves the list as it was.
    bool listPictures(const std::string& name);
    std::string pictureName() const;
    // The chosen picture as the catalogue holds it now, "" when none can be chosen.
    std::string pictureHtml() const;
    void openManager();

  signals:
    // The manager has closed; the catalogue may have changed.
    void managerClosed();

  private:
    std::filesystem::path programFolder_;
    MessageBoxes& messages_;
    DialogRunner& dialogs_;
    // The picture the manager opens on, for the rest of the run.
    int managerIndex_ = 0;

    QComboBox* pictureBox = nullptr;
    QPushButton* managerButton = nullptr;
};

}  // namespace tagforge
