#pragma once

class QPlainTextEdit;
class QString;

namespace tagforge {

// Puts `text` into `edit` so that Ctrl+Z there brings the old text back.
void ReplaceUndoably(QPlainTextEdit& edit, const QString& text);

}  // namespace tagforge
