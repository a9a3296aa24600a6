#pragma once

#include <QString>
#include <QStringList>

#include "gui/settings/number_option.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace tagforge {

// Lays out the settings page top to bottom: each call makes the controls of one row, named, and
// puts them in place, so a row is written once.
class SettingsRows {
  public:
    explicit SettingsRows(QWidget* page);

    QCheckBox* check(const char* name, const QString& caption);
    // A captioned list; lists in consecutive rows share a grid so that they line up.
    QComboBox* choice(const char* name, const QString& caption, const QStringList& items);
    NumberOption* number(const NumberOption::Names& names, const QString& caption, int digits,
                         int maximum, int value, MessageBoxes& messages);
    // A flat button at the row's start.
    QPushButton* button(const char* name, const QString& caption, const QString& hint);
    // A control made elsewhere, on a row of its own.
    void add(QWidget* widget);
    // The room left over, taken before the rows that follow.
    void stretch();

  private:
    QWidget* page_;
    QVBoxLayout* column_;
    // The grid of the current run of choices; null outside one.
    QGridLayout* choices_ = nullptr;
};

}  // namespace tagforge
