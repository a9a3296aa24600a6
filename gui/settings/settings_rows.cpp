#include "gui/settings/settings_rows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <initializer_list>

#include "gui/common/widget_factory.h"

namespace tagforge {

namespace {

constexpr int kFieldGap = 6;

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    row->addStretch();
    return row;
}

}  // namespace

SettingsRows::SettingsRows(QWidget* page) : page_(page), column_(new QVBoxLayout(page)) {}

QCheckBox* SettingsRows::check(const char* name, const QString& caption) {
    auto* box = ui::CheckBox(name, caption);
    add(box);
    return box;
}

QComboBox* SettingsRows::choice(const char* name, const QString& caption,
                                const QStringList& items) {
    auto* list = ui::ComboBox(name, items, false);
    if (choices_ == nullptr) {
        choices_ = new QGridLayout;
        choices_->setColumnStretch(2, 1);
        column_->addLayout(choices_);
    }
    const int row = choices_->count() / 2;  // a caption and a list per row
    choices_->addWidget(ui::Caption(caption, list), row, 0);
    choices_->addWidget(list, row, 1);
    return list;
}

NumberOption* SettingsRows::number(const NumberOption::Names& names, const QString& caption,
                                   int digits, int maximum, int value, MessageBoxes& messages) {
    auto* option = new NumberOption(names, caption, digits, maximum, value, messages, page_);
    QHBoxLayout* row = Row({option->checkBox(), option->field(), option->arrows()});
    row->insertSpacing(1, kFieldGap);
    choices_ = nullptr;
    column_->addLayout(row);
    return option;
}

QPushButton* SettingsRows::button(const char* name, const QString& caption, const QString& hint) {
    auto* button = ui::FlatButton(name, caption, hint);
    choices_ = nullptr;
    column_->addLayout(Row({button}));
    return button;
}

void SettingsRows::add(QWidget* widget) {
    choices_ = nullptr;
    column_->addWidget(widget);
}

void SettingsRows::stretch() {
    choices_ = nullptr;
    column_->addStretch();
}

}  // namespace tagforge
