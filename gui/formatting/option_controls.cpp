#include "gui/formatting/option_controls.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "gui/common/text_bridge.h"
#include "gui/pickers/color_panel.h"

namespace tagforge {

namespace {

template <class Value>
Value Held(const OptionValue& value) {
    const Value* held = std::get_if<Value>(&value);
    return held != nullptr ? *held : Value{};
}

}  // namespace

OptionValue ControlValue(const QWidget* control, ControlKind kind) {
    switch (kind) {
        case ControlKind::Check:
            return static_cast<const QCheckBox*>(control)->isChecked();
        case ControlKind::Text:
            if (const auto* box = qobject_cast<const QComboBox*>(control)) {
                return ToCp1251(box->currentText());
            }
            return ToCp1251(static_cast<const QLineEdit*>(control)->text());
        case ControlKind::Message:
            return ToCp1251Lines(PlainTextOf(static_cast<const QPlainTextEdit*>(control)));
        case ControlKind::ColourPanel:
            return static_cast<const ColorPanel*>(control)->color();
        case ControlKind::Slider:
            if (const auto* upDown = qobject_cast<const QSpinBox*>(control)) {
                return static_cast<long>(upDown->value());
            }
            return static_cast<long>(static_cast<const QAbstractSlider*>(control)->value());
        case ControlKind::ListIndex:
            return static_cast<long>(static_cast<const QComboBox*>(control)->currentIndex());
    }
    return false;
}

void SetControlValue(QWidget* control, ControlKind kind, const OptionValue& value) {
    switch (kind) {
        case ControlKind::Check:
            static_cast<QCheckBox*>(control)->setChecked(Held<bool>(value));
            break;
        case ControlKind::Text:
            if (auto* box = qobject_cast<QComboBox*>(control)) {
                box->setEditText(FromStoredCp1251(Held<std::string>(value)));
            } else {
                static_cast<QLineEdit*>(control)->setText(
                    FromStoredCp1251(Held<std::string>(value)));
            }
            break;
        case ControlKind::Message:
            static_cast<QPlainTextEdit*>(control)->setPlainText(
                FromStoredCp1251Lines(Held<std::string>(value)));
            break;
        case ControlKind::ColourPanel: {
            const ColorValue color = Held<ColorValue>(value);
            static_cast<ColorPanel*>(control)->setColors(color, ContrastTextColor(color));
            break;
        }
        case ControlKind::Slider:
            if (auto* upDown = qobject_cast<QSpinBox*>(control)) {
                upDown->setValue(static_cast<int>(Held<long>(value)));
            } else {
                static_cast<QAbstractSlider*>(control)->setValue(
                    static_cast<int>(Held<long>(value)));
            }
            break;
        case ControlKind::ListIndex:
            static_cast<QComboBox*>(control)->setCurrentIndex(static_cast<int>(Held<long>(value)));
            break;
    }
}

QWidget* OptionControl(const QWidget& root, std::string_view name) {
    const QString objectName =
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    auto* control = root.findChild<QWidget*>(objectName);
    if (control == nullptr) {
        qFatal("No control named %s for its option", qPrintable(objectName));
    }
    return control;
}

std::vector<BoundOption> BindOptions(const QWidget& root) {
    return BindControls(root, FormatterOptionTable());
}

}  // namespace tagforge
