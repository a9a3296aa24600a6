#include "gui/formatting/undoable_replace.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include "gui/common/text_bridge.h"

namespace tagforge {

void ReplaceUndoably(QPlainTextEdit& edit, const QString& text) {
    if (PlainTextOf(&edit) == text) {
        return;
    }
    QTextDocument* document = edit.document();
    // A box never edited, as at start-up, has nothing an undo could bring back.
    if (document->isEmpty() && !document->isUndoAvailable()) {
        edit.setPlainText(text);
        return;
    }
    // One step for Ctrl+Z, so no replacement takes the user's message away for good.
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.insertText(text);
    cursor.endEditBlock();
}

}  // namespace tagforge
