#pragma once

class QWidget;

namespace tagforge {

// Keeps every single-line field below `root` on one line: text that enters with line breaks
// (pasted, inserted by a command or set from a file) has each CR LF pair, CR, LF, line separator
// and paragraph separator turned into one space. Fields with a validator of their own are left
// alone.
void KeepFieldsOnOneLine(QWidget* root);

}  // namespace tagforge
