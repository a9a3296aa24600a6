#include "gui/settings/number_option.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>

#include "gui/common/widget_factory.h"
#include "gui/platform/platform_services.h"

namespace tagforge {

namespace {

constexpr int kArrowsWidth = 18;

QLineEdit* NumberField(const char* name, int digits, int value) {
    auto* field = ui::LineEdit(name);
    field->setMaxLength(digits);
    field->setText(QString::number(value));
    field->setMaximumWidth(
        field->fontMetrics().horizontalAdvance(QString(digits + 1, QLatin1Char('9'))) + 12);
    return field;
}

QSpinBox* Arrows(const char* name, int maximum, int value) {
    auto* arrows = ui::Named(new QSpinBox, name);
    arrows->setRange(0, maximum);
    arrows->setValue(value);
    arrows->setWrapping(false);
    arrows->setFixedWidth(kArrowsWidth);
    return arrows;
}

// Keys that edit or move rather than type. Some carry a control character as their text (on X11
// Delete brings 0x7F), which the character filter must not judge.
bool IsEditingKey(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

// False when the typed character is to be discarded.
bool AcceptsNumberKey(const QString& typed) {
    if (typed.isEmpty()) {
        return true;  // keys without a character: arrows, Delete, Home
    }
    const QChar ch = typed.front();
    return typed.size() == 1 &&
           ((ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || ch == QLatin1Char('\b'));
}

}  // namespace

NumberOption::NumberOption(const Names& names, const QString& caption, int digits, int maximum,
                           int value, MessageBoxes& messages, QObject* parent)
    : QObject(parent),
      messages_(messages),
      check_(ui::CheckBox(names.check, caption)),
      field_(NumberField(names.field, digits, value)),
      arrows_(Arrows(names.arrows, maximum, value)) {
    connect(arrows_, &QSpinBox::valueChanged, field_,
            [field = field_](int number) { field->setText(QString::number(number)); });
    connect(field_, &QLineEdit::textEdited, arrows_, [arrows = arrows_](const QString& text) {
        bool isNumber = false;
        const int number = text.toInt(&isNumber);
        if (isNumber) {
            const QSignalBlocker blocker(arrows);
            arrows->setValue(number);
        }
    });
    field_->installEventFilter(this);
}

bool NumberOption::isChecked() const {
    return check_->isChecked();
}

void NumberOption::setChecked(bool checked) {
    check_->setChecked(checked);
}

int NumberOption::value() const {
    return arrows_->value();
}

void NumberOption::setValue(long value) {
    arrows_->setValue(static_cast<int>(value));
    field_->setText(QString::number(arrows_->value()));
}

void NumberOption::tidyField() {
    const QString text = field_->text();
    if (text.isEmpty()) {
        arrows_->setValue(arrows_->minimum());
    } else {
        bool isNumber = false;
        const int number = text.toInt(&isNumber);
        if (!isNumber) {
            // Only pasting gets here; the field keeps the text so the user can mend it.
            messages_.error(field_->window(),
                            QStringLiteral("'%1' is not a valid integer value").arg(text));
            return;
        }
        arrows_->setValue(std::min(number, arrows_->maximum()));
    }
    field_->setText(QString::number(arrows_->value()));
}

bool NumberOption::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_) {
        if (event->type() == QEvent::KeyPress) {
            // Editing keys, focus moves and dialog keys never reach the field as characters, nor
            // does Ctrl+A, which selects the number so that typing replaces it.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!IsEditingKey(key->key()) && !key->matches(QKeySequence::SelectAll) &&
                !AcceptsNumberKey(key->text())) {
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            tidyField();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tagforge
