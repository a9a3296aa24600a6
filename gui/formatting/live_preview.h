#pragma once

#include <QTextBrowser>
#include <cstddef>
#include <filesystem>
#include <string_view>

#include "core/format/color_code.h"

namespace tagforge {

// The line the copy button would copy, shown under the message as the chat shows it: colours,
// faces, sizes, styles and smiley pictures, drawn by Qt's rich text (no browser engine). Read
// only; about three lines high, scrolling beyond.
class LivePreview final : public QTextBrowser {
    Q_OBJECT

  public:
    // Longer lines show their start and how much is left out, so typing never waits for the
    // strip (rendering 1,000 letters coloured one by one takes about a frame).
    static constexpr std::size_t kShownCharacters = 1000;

    explicit LivePreview(std::filesystem::path programFolder, QWidget* parent = nullptr);

    // `line` as copied (Windows-1251, tags included).
    void showLine(std::string_view line);
    // The preview page's background, with text that stands out on it, and its word wrap.
    void setLook(ColorValue background, bool wordWrap);

    // The characters of the line left out of the strip, 0 when it shows the whole line.
    std::size_t leftOutCharacters() const { return leftOut_; }

  private:
    std::filesystem::path programFolder_;
    std::size_t leftOut_ = 0;
};

}  // namespace tagforge
