#pragma once

#include <QString>

class QWidget;

// The editing commands of the shared edit menu over the three kinds of text control it serves:
// single-line edits (QLineEdit), memos (QPlainTextEdit) and editable combo boxes (QComboBox).
// The kind is told by the exact class, so a control of a derived class counts as none of them,
// and the commands leave it alone.
namespace tagforge {

enum class EditControlKind { Edit, Memo, ComboBox, Other };

EditControlKind KindOf(const QWidget* control);

// Replaces the selection by `text`; with no selection, inserts it at the caret.
void ReplaceSelection(QWidget* control, const QString& text);

// The selected text, or with `whole` the entire text; line breaks come as '\n'.
QString GetControlText(const QWidget* control, bool whole);

void SelectAllText(QWidget* control);

// Whether the control has an edit to take back, and taking back its last one.
bool CanUndo(const QWidget* control);
void UndoEdit(QWidget* control);

// True when the selection starts at the beginning and covers the entire text (an empty field
// without selection counts as entirely selected).
bool IsAllSelected(const QWidget* control);

}  // namespace tagforge
