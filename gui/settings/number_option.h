#pragma once

#include <QObject>
#include <QString>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace tagforge {

class MessageBoxes;

// A number the user switches on and sets: a check box, a field that takes digits only and the
// up-down arrows beside it. Only the arrows of the up-down show; the number lives in the field,
// and each follows the other so that a typed number counts at once. Leaving the field brings its
// number into the arrows' range.
class NumberOption final : public QObject {
    Q_OBJECT

  public:
    // The object names of the three controls.
    struct Names {
        const char* check;
        const char* field;
        const char* arrows;
    };

    // `digits` bounds the field's length, `maximum` the number; the controls start unticked at
    // `value`. `parent` is the page that lays them out.
    NumberOption(const Names& names, const QString& caption, int digits, int maximum, int value,
                 MessageBoxes& messages, QObject* parent);

    QCheckBox* checkBox() const { return check_; }
    QLineEdit* field() const { return field_; }
    QSpinBox* arrows() const { return arrows_; }

    bool isChecked() const;
    void setChecked(bool checked);
    int value() const;
    // Sets the number, brought into the arrows' range, in both the arrows and the field.
    void setValue(long value);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void tidyField();

    MessageBoxes& messages_;
    QCheckBox* check_;
    QLineEdit* field_;
    QSpinBox* arrows_;
};

}  // namespace tagforge
