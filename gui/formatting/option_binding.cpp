#include "gui/formatting/option_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "core/format/gradient_stops.h"
#include "core/options/option_table.h"
#include "core/store/profile.h"
#include "core/store/tag_list.h"
#include "gui/common/text_bridge.h"
#include "gui/formatting/effect_colors.h"
#include "gui/formatting/formatting_controls.h"
#include "gui/formatting/gradient_stop_row.h"
#include "gui/formatting/undoable_replace.h"

namespace tagforge {

namespace {

void SetWhenNotEmpty(QLineEdit* edit, const std::string& value) {
    if (!value.empty()) {
        edit->setText(FromStoredCp1251(value));
    }
}

int MatchIgnoringCase(const QComboBox* combo, const std::string& wanted) {
    return std::max(PickEntry(ItemsOf(combo), wanted), 0);
}

}  // namespace

OptionBinding::OptionBinding(const FormattingControls& controls, EffectColors& effects)
    : controls_(&controls), effects_(&effects) {}

void OptionBinding::bind(std::vector<BoundOption> options) {
    bound_ = std::move(options);
}

FormatterOptions OptionBinding::formatterOptions() const {
    FormatterOptions options;
    for (const auto& [option, control] : bound_) {
        SetFormatterValue(options, *option, ControlValue(control, option->control));
    }
    // Without a tag list the box is disabled and cannot be unticked, so it adds nothing.
    options.tagEnabled = options.tagEnabled && controls_->tagCheck->isEnabled();
    options.gradientStops = controls_->gradientStopRow->stops();
    return options;
}

void OptionBinding::apply(const Profile& profile,
                          const std::optional<std::vector<std::string>>& tags) {
    for (const auto& [option, control] : bound_) {
        if (option->rule == OptionRule::Plain) {
            SetControlValue(control, option->control, ProfileValue(profile, option->profileField));
        }
    }

    if (enableFontOption()) {
        controls_->fontNameBox->setCurrentIndex(
            MatchIgnoringCase(controls_->fontNameBox, profile.fontName));
        controls_->fontNameCheck->setChecked(profile.fontNameEnabled);
    }
    controls_->fontSizeBox->setCurrentIndex(FontSizeEntry(profile.fontSize));

    SetWhenNotEmpty(controls_->otherNickEdit, profile.otherName);
    SetWhenNotEmpty(controls_->ownTextEdit, profile.page1OwnText);

    controls_->tagBox->setEnabled(tags.has_value());
    controls_->tagCheck->setEnabled(tags.has_value());
    if (tags) {
        SetItems(controls_->tagBox, *tags);
        controls_->tagCheck->setChecked(profile.tagEnabled);
        controls_->tagBox->setCurrentIndex(tags->empty() ? -1 : PickEntry(*tags, profile.tag));
    }

    effects_->setRemembered(RememberedEffectColors{
        profile.solidColor, profile.gradientBeginColor, profile.gradientEndColor,
        profile.alternationFirstColor, profile.alternationSecondColor, GradientStopsOf(profile)});
    ReplaceUndoably(*controls_->messageEdit, FromStoredCp1251Lines(profile.text));

    // With the prefix on, an empty addressee is what the profile says; with it off, an empty
    // value keeps what the user typed.
    if (controls_->onlyForYouCheck->isChecked() || !profile.reciever.empty()) {
        controls_->addresseeEdit->setText(FromStoredCp1251(profile.reciever));
    }
    controls_->danceRatioSlider->setValue(
        static_cast<int>(NormalisedDanceRatio(profile.jumpFontValue)));
    {
        // The effect panels are brought in line once, at the end.
        const QSignalBlocker blocker(controls_->colorEffectBox);
        controls_->colorEffectBox->setCurrentIndex(
            static_cast<int>(NormalisedEffect(profile.colorEffect)));
    }
    controls_->danceRatioLabel->setText(QString::number(controls_->danceRatioSlider->value()));
    effects_->showChosenEffect();
}

void OptionBinding::store(Profile& profile) const {
    for (const auto& [option, control] : bound_) {
        SetProfileValue(profile, option->profileField, ControlValue(control, option->control));
    }
    // A hand-edited size the list does not offer selects none; the file still gets a valid size.
    bool isNumber = false;
    const int size = controls_->fontSizeBox->currentText().toInt(&isNumber);
    profile.fontSize = isNumber && FontSizeEntry(size) >= 0 ? size : Profile{}.fontSize;
    const RememberedEffectColors& remembered = effects_->remembered();
    profile.solidColor = remembered.solid;
    profile.gradientBeginColor = remembered.gradientBegin;
    profile.gradientEndColor = remembered.gradientEnd;
    profile.alternationFirstColor = remembered.alternationFirst;
    profile.alternationSecondColor = remembered.alternationSecond;
    profile.gradientStops = GradientStopsText(remembered.gradientStops);
}

std::vector<std::string> OptionBinding::offeredFonts() const {
    return ItemsOf(controls_->fontNameBox);
}

std::string OptionBinding::shownFont() const {
    const int shown = controls_->fontNameBox->currentIndex();
    return shown >= 0 ? ToCp1251(controls_->fontNameBox->itemText(shown)) : std::string();
}

void OptionBinding::offerFonts(const std::vector<std::string>& names, int current) {
    SetItems(controls_->fontNameBox, names);
    enableFontOption();
    controls_->fontNameBox->setCurrentIndex(current);
}

void OptionBinding::listFonts(const std::vector<std::string>& names) {
    SetItems(controls_->fontNameBox, names);
}

bool OptionBinding::enableFontOption() {
    const bool haveFonts = controls_->fontNameBox->count() > 0;
    controls_->fontNameBox->setEnabled(haveFonts);
    controls_->fontNameCheck->setEnabled(haveFonts);
    if (!haveFonts) {
        controls_->fontNameCheck->setChecked(false);
    }
    return haveFonts;
}

}  // namespace tagforge
