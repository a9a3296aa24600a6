#pragma once

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QSlider;

namespace tagforge {

class FontCatalog;
class TForm1;

inline constexpr char kDefaultDemoText[] =
    "Съешь ещё этих мягких французских булок. The quick brown fox jump over the lazy dog.";

// The font manager: every installed font with a tick for those offered by the main window's font
// list, each drawn in its own face, and a test field for trying them. However it is closed, the
// ticked fonts become the main window's font list.
class TFontForm : public QDialog {
    Q_OBJECT

  public:
    TFontForm(TForm1& mainWindow, const FontCatalog& installedFonts);

    void FormShow();
    void FormClose();
    void clbFontsClick();
    void tbFontSizeChange();

    void done(int result) override;

    QListWidget* clbFonts;
    QSlider* tbFontSize;
    QPlainTextEdit* Memo1;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    TForm1& mainWindow_;
    const FontCatalog& installedFonts_;
    bool shown_ = false;
    bool closed_ = false;
};

}  // namespace tagforge
