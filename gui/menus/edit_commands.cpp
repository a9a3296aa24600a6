#include "gui/menus/edit_commands.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <cstring>

namespace tagforge {

namespace {

bool IsExactly(const QWidget* control, const char* className) {
    return std::strcmp(control->metaObject()->className(), className) == 0;
}

// The field that holds the text of a single-line control, or null for the other kinds.
const QLineEdit* LineFieldOf(const QWidget* control) {
    switch (KindOf(control)) {
        case EditControlKind::Edit:
            return qobject_cast<const QLineEdit*>(control);
        case EditControlKind::ComboBox:
            return qobject_cast<const QComboBox*>(control)->lineEdit();
        case EditControlKind::Memo:
        case EditControlKind::Other:
            break;
    }
    return nullptr;
}

QLineEdit* LineFieldOf(QWidget* control) {
    switch (KindOf(control)) {
        case EditControlKind::Edit:
            return qobject_cast<QLineEdit*>(control);
        case EditControlKind::ComboBox:
            return qobject_cast<QComboBox*>(control)->lineEdit();
        case EditControlKind::Memo:
        case EditControlKind::Other:
            break;
    }
    return nullptr;
}

const QPlainTextEdit* MemoOf(const QWidget* control) {
    return KindOf(control) == EditControlKind::Memo ? qobject_cast<const QPlainTextEdit*>(control)
                                                    : nullptr;
}

QPlainTextEdit* MemoOf(QWidget* control) {
    return KindOf(control) == EditControlKind::Memo ? qobject_cast<QPlainTextEdit*>(control)
                                                    : nullptr;
}

QString WithLineBreaks(QString text) {
    // A text cursor separates paragraphs by U+2029; the menu hands on plain line breaks.
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

}  // namespace

EditControlKind KindOf(const QWidget* control) {
    if (control == nullptr) {
        return EditControlKind::Other;
    }
    if (IsExactly(control, "QLineEdit")) {
        return EditControlKind::Edit;
    }
    if (IsExactly(control, "QPlainTextEdit")) {
        return EditControlKind::Memo;
    }
    if (IsExactly(control, "QComboBox") &&
        qobject_cast<const QComboBox*>(control)->lineEdit() != nullptr) {
        return EditControlKind::ComboBox;
    }
    return EditControlKind::Other;
}

void ReplaceSelection(QWidget* control, const QString& text) {
    if (QLineEdit* field = LineFieldOf(control)) {
        field->insert(text);
    } else if (QPlainTextEdit* memo = MemoOf(control)) {
        QTextCursor cursor = memo->textCursor();
        cursor.insertText(text);
        memo->setTextCursor(cursor);
    }
}

QString GetControlText(const QWidget* control, bool whole) {
    if (const QLineEdit* field = LineFieldOf(control)) {
        return whole ? field->text() : field->selectedText();
    }
    if (const QPlainTextEdit* memo = MemoOf(control)) {
        return whole ? memo->toPlainText() : WithLineBreaks(memo->textCursor().selectedText());
    }
    return {};
}

void SelectAllText(QWidget* control) {
    if (QLineEdit* field = LineFieldOf(control)) {
        field->selectAll();
    } else if (QPlainTextEdit* memo = MemoOf(control)) {
        memo->selectAll();
    }
}

bool CanUndo(const QWidget* control) {
    if (const QLineEdit* field = LineFieldOf(control)) {
        return field->isUndoAvailable();
    }
    if (const QPlainTextEdit* memo = MemoOf(control)) {
        return memo->document()->isUndoAvailable();
    }
    return false;
}

void UndoEdit(QWidget* control) {
    if (QLineEdit* field = LineFieldOf(control)) {
        field->undo();
    } else if (QPlainTextEdit* memo = MemoOf(control)) {
        memo->undo();
    }
}

bool IsAllSelected(const QWidget* control) {
    if (const QLineEdit* field = LineFieldOf(control)) {
        const int start =
            field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
        return start == 0 && field->selectedText().size() == field->text().size();
    }
    if (const QPlainTextEdit* memo = MemoOf(control)) {
        const QTextCursor cursor = memo->textCursor();
        // The document counts one paragraph end more than the text holds.
        const int length = memo->document()->characterCount() - 1;
        return cursor.selectionStart() == 0 && cursor.selectionEnd() == length;
    }
    return false;
}

}  // namespace tagforge
