#pragma once

#include <QWidget>
#include <filesystem>
#include <string>

#include "core/format/color_code.h"

class QWebEngineView;

namespace tagforge {

class MessageBoxes;
class PreviewWebPage;

// The preview page: the message as the chat would show it, from the page file written beside
// the program. The browser view, and with it the browser engine's processes, comes with the
// first showing: a session that never previews never starts the engine.
class PreviewTab final : public QWidget {
    Q_OBJECT

  public:
    PreviewTab(std::filesystem::path programFolder, MessageBoxes& messages,
               QWidget* parent = nullptr);

    // Writes the page for `text` (Windows-1251) and shows it. When the file cannot be written the
    // error is shown and the view keeps the page it showed last.
    void showText(const std::string& text, ColorValue background, bool wordWrap);

  private:
    void createBrowser();

    std::filesystem::path programFolder_;
    MessageBoxes& messages_;
    QWebEngineView* browser = nullptr;
    PreviewWebPage* webPage = nullptr;
};

}  // namespace tagforge
