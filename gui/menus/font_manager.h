#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QListWidget;
class QPlainTextEdit;
class QSlider;

namespace tagforge {

class FontCatalog;

// What the font manager gets from the window that opens it: the font list as it stands, and
// where its own settings and the new font list go.
struct FontManagerSetup {
    // The fonts the window offers and the one it shows ("" for none), Windows-1251.
    std::vector<std::string> offeredFonts;
    std::string shownFont;
    bool hintsShown = true;
    // Gives the test field the window's edit menu.
    std::function<void(QWidget*)> attachEditMenu;
    // The manager's own values (size, test text) in the settings store.
    std::function<std::string(std::string_view name, std::string_view defaultText)> readSetting;
    std::function<void(std::string_view name, std::string_view text)> writeSetting;
    // Makes `names` the window's font list with entry `current` shown (-1: none).
    std::function<void(const std::vector<std::string>& names, int current)> offerFonts;
};

inline constexpr char kDefaultDemoText[] =
    "Съешь ещё этих мягких французских булок. The quick brown fox jump over the lazy dog.";

// The font manager: every installed font with a tick for those offered by the main window's font
// list, each drawn in its own face, and a test field for trying them. However it is closed, the
// ticked fonts become the main window's font list.
class FontManagerDialog : public QDialog {
    Q_OBJECT

  public:
    FontManagerDialog(FontManagerSetup setup, const FontCatalog& installedFonts, QWidget* parent);

    // Hands the ticked fonts back to the window and stores the manager's own values; runs once,
    // and only after the manager was shown.
    void handBackChoice();

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillOnShow();
    void fontHighlighted();
    void sizeChanged();

    QListWidget* fontList;
    QSlider* sizeSlider;
    QPlainTextEdit* testMemo;
    FontManagerSetup setup_;
    const FontCatalog& installedFonts_;
    bool shown_ = false;
    bool closed_ = false;
};

}  // namespace tagforge
