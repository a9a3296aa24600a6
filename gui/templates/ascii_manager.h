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
// catalogue only by FormClose, which the owner runs once the modal run is over.
class TAsciiForm : public QDialog {
    Q_OBJECT

  public:
    // `rememberedIndex` is the picture the manager opens on; it is updated on every selection
    // and outlives the window.
    TAsciiForm(std::filesystem::path programFolder, int& rememberedIndex, MessageBoxes& messages,
               QWidget* parent = nullptr);

    void FormShow();
    void CheckListBox1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Splitter1Moved();
    // Writes every picture's tick into the catalogue. A failed write is reported and ends the
    // writing; the ticks written before it stay. A catalogue gone meanwhile is not re-created.
    void FormClose();

    QWidget* Panel1;
    QListWidget* CheckListBox1;
    QWidget* Panel3;
    QPushButton* SpeedButton1;
    QPushButton* SpeedButton2;
    QSplitter* Splitter1;
    QWidget* Panel2;
    QWebEngineView* wbAscii;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::filesystem::path programFolder_;
    int& rememberedIndex_;
    MessageBoxes& messages_;
};

}  // namespace tagforge
