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
// the program.
class PreviewTab final : public QWidget {
    Q_OBJECT

  public:
    PreviewTab(std::filesystem::path programFolder, MessageBoxes& messages,
               QWidget* parent = nullptr);

    // Writes the page for `text` (Windows-1251) and shows it. When the file cannot be written the
    // error is shown and the view keeps the page it showed last.
    void showText(const std::string& text, ColorValue background, bool wordWrap);

  private:
    std::filesystem::path programFolder_;
    MessageBoxes& messages_;
    QWebEngineView* browser;
    PreviewWebPage* webPage;
};

}  // namespace tagforge
