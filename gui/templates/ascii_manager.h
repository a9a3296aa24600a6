#pragma once

#include <QDialog>
#include <filesystem>

class QListWidget;
class QPushButton;
class QShowEvent;
class QSplitter;
class QWebEngineView;
class QWidget;

namespace tagforge {

class MessageBoxes;

// The ASCII manager: every picture of the catalogue with a tick that decides whether the
// template offers it, and a browser showing the selected picture. Ticks are written to the
// catalogue only by writeTicks, which the owner runs once the modal run is over.
class AsciiManagerDialog : public QDialog {
    Q_OBJECT

  public:
    // `rememberedIndex` is the picture the manager opens on; it is updated on every selection
    // and outlives the window.
    AsciiManagerDialog(std::filesystem::path programFolder, int& rememberedIndex,
                       MessageBoxes& messages, QWidget* parent = nullptr);

    // Writes every picture's tick into the catalogue. A failed write is reported and ends the
    // writing; the ticks written before it stay. A catalogue gone meanwhile is not re-created.
    void writeTicks();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillOnShow();
    void pictureHighlighted();
    void clearAll();
    void includeAll();
    void splitterMoved();

    QWidget* listPanel;
    QListWidget* pictureList;
    QWidget* buttonPanel;
    QPushButton* clearAllButton;
    QPushButton* includeAllButton;
    QSplitter* splitter;
    QWidget* browserPanel;
    QWebEngineView* pictureBrowser;
    std::filesystem::path programFolder_;
    int& rememberedIndex_;
    MessageBoxes& messages_;
};

}  // namespace tagforge
