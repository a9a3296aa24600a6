#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>

// Small builders that give every control its object name, caption and hint in one place.
namespace tagforge::ui {

template <typename Widget>
Widget* Named(Widget* widget, const char* objectName, const QString& hint = {}) {
    widget->setObjectName(QString::fromLatin1(objectName));
    if (!hint.isEmpty()) {
        widget->setToolTip(hint);
    }
    return widget;
}

inline QCheckBox* CheckBox(const char* name, const QString& caption, const QString& hint = {}) {
    return Named(new QCheckBox(caption), name, hint);
}

inline QLineEdit* LineEdit(const char* name, const QString& hint = {}) {
    return Named(new QLineEdit, name, hint);
}

inline QComboBox* ComboBox(const char* name, const QStringList& items, bool editable,
                           const QString& hint = {}) {
    auto* combo = Named(new QComboBox, name, hint);
    combo->setEditable(editable);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    if (editable) {
        // Editable lists keep what is typed; the typed text is not added as an item. Without a
        // completer nothing is completed to a listed item, and leaving the field takes a listed
        // item's spelling only when the typed text matches it exactly, case included.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->setEditText(QString());
    }
    return combo;
}

inline QPushButton* FlatButton(const char* name, const QString& caption, const QString& hint = {}) {
    auto* button = Named(new QPushButton(caption), name, hint);
    button->setFlat(true);
    button->setAutoDefault(false);
    return button;
}

inline QLabel* Caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

}  // namespace tagforge::ui
