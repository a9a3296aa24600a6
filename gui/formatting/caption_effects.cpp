#include "gui/formatting/caption_effects.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>

#include "core/format/letter_transforms.h"
#include "gui/common/text_bridge.h"
#include "gui/formatting/formatting_controls.h"

namespace tagforge {

namespace {

void ShowStyleWhenChecked(QCheckBox* box, void (QFont::*style)(bool)) {
    QObject::connect(box, &QCheckBox::toggled, box, [box, style] {
        QFont font = box->font();
        (font.*style)(box->isChecked());
        box->setFont(font);
    });
}

}  // namespace

void ShowEffectsInCaptions(const FormattingControls& controls) {
    QSlider* slider = controls.danceRatioSlider;
    QLabel* label = controls.danceRatioLabel;
    QCheckBox* dance = controls.danceCaseCheck;
    QObject::connect(slider, &QSlider::valueChanged, dance, [slider, label, dance] {
        const int position = slider->value();
        label->setText(QString::number(position));
        const float ratio = static_cast<float>(position) / static_cast<float>(slider->maximum());
        dance->setText(FromCp1251(DanceCase(ToCp1251(dance->text()), ratio)));
    });
    // These run when code changes the state too, as a profile load does.
    QCheckBox* reverse = controls.reverseTextCheck;
    QObject::connect(reverse, &QCheckBox::toggled, reverse, [reverse] {
        reverse->setText(FromCp1251(ReverseText(ToCp1251(reverse->text()), {})));
    });
    ShowStyleWhenChecked(controls.underlineCheck, &QFont::setUnderline);
    ShowStyleWhenChecked(controls.italicCheck, &QFont::setItalic);
    ShowStyleWhenChecked(controls.boldCheck, &QFont::setBold);
}

}  // namespace tagforge
