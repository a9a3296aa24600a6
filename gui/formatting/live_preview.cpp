#include "gui/formatting/live_preview.h"

#include <QPalette>
#include <utility>

#include "core/preview/rich_text_line.h"
#include "core/smileys/smile_images.h"
#include "gui/common/text_bridge.h"

namespace tagforge {
namespace {

// The height browsers give text without a size, which <font size=N> is scaled from.
constexpr int kMediumPixelSize = 16;
constexpr int kShownLines = 3;

}  // namespace

LivePreview::LivePreview(std::filesystem::path programFolder, QWidget* parent)
    : QTextBrowser(parent), programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("LivePreview"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont font = document()->defaultFont();
    font.setPixelSize(kMediumPixelSize);
    document()->setDefaultFont(font);
    document()->setDocumentMargin(2);
    // A fixed height keeps the window from growing with the line; the rest scrolls.
    const int frame = 2 * (frameWidth() + static_cast<int>(document()->documentMargin()));
    setFixedHeight(QFontMetrics(font).lineSpacing() * kShownLines + frame);
}

void LivePreview::showLine(std::string_view line) {
    RichTextOptions options;
    options.pictures = [this](std::string_view name) {
        return FindSmileImage(programFolder_, name);
    };
    options.maxCharacters = kShownCharacters;
    options.mediumPixelSize = kMediumPixelSize;
    const RichTextLine rich = ChatLineToRichText(line, options);
    leftOut_ = rich.leftOutCharacters;
    setHtml(QString::fromStdString(rich.html));
}

void LivePreview::setLook(ColorValue background, bool wordWrap) {
    QPalette colors = palette();
    colors.setColor(QPalette::Base, ToQColor(background));
    colors.setColor(QPalette::Text, ToQColor(ContrastTextColor(background)));
    setPalette(colors);
    setLineWrapMode(wordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

}  // namespace tagforge
