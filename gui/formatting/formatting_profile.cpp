#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextCursor>

#include "core/format/gradient_stops.h"
#include "core/options/option_table.h"
#include "core/store/profile.h"
#include "core/store/tag_list.h"
#include "gui/common/text_bridge.h"
#include "gui/formatting/formatting_page.h"
#include "gui/formatting/gradient_stop_row.h"
#include "gui/pickers/color_panel.h"

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

void FormattingPage::applyProfile(const Profile& profile,
                                  const std::optional<std::vector<std::string>>& tags) {
    for (const auto& [option, control] : optionControls_) {
        if (option->rule == OptionRule::Plain) {
            SetControlValue(control, option->control, ProfileValue(profile, option->profileField));
        }
    }

    const bool haveFonts = fontNameBox->count() > 0;
    fontNameBox->setEnabled(haveFonts);
    fontNameCheck->setEnabled(haveFonts);
    if (haveFonts) {
        fontNameBox->setCurrentIndex(MatchIgnoringCase(fontNameBox, profile.fontName));
        fontNameCheck->setChecked(profile.fontNameEnabled);
    } else {
        fontNameCheck->setChecked(false);
    }
    fontSizeBox->setCurrentIndex(FontSizeEntry(profile.fontSize));

    SetWhenNotEmpty(otherNickEdit, profile.otherName);
    SetWhenNotEmpty(ownTextEdit, profile.page1OwnText);

    tagBox->setEnabled(tags.has_value());
    tagCheck->setEnabled(tags.has_value());
    if (tags) {
        SetItems(tagBox, *tags);
        tagCheck->setChecked(profile.tagEnabled);
        tagBox->setCurrentIndex(tags->empty() ? -1 : PickEntry(*tags, profile.tag));
    }

    remembered_ = RememberedEffectColors{profile.solidColor,
                                         profile.gradientBeginColor,
                                         profile.gradientEndColor,
                                         profile.alternationFirstColor,
                                         profile.alternationSecondColor,
                                         GradientStopsOf(profile)};
    gradientStopRow->setStops(remembered_.gradientStops);
    replaceMessage(FromStoredCp1251Lines(profile.text));

    // With the prefix on, an empty addressee is what the profile says; with it off, an empty
    // value keeps what the user typed.
    if (onlyForYouCheck->isChecked() || !profile.reciever.empty()) {
        addresseeEdit->setText(FromStoredCp1251(profile.reciever));
    }
    danceRatioSlider->setValue(static_cast<int>(NormalisedDanceRatio(profile.jumpFontValue)));
    {
        // The effect panels are brought in line once, at the end.
        const QSignalBlocker blocker(colorEffectBox);
        colorEffectBox->setCurrentIndex(static_cast<int>(NormalisedEffect(profile.colorEffect)));
    }
    danceRatioLabel->setText(QString::number(danceRatioSlider->value()));
    colorEffectChanged();
}

void FormattingPage::storeProfile(Profile& profile) const {
    for (const auto& [option, control] : optionControls_) {
        SetProfileValue(profile, option->profileField, ControlValue(control, option->control));
    }
    // A hand-edited size the list does not offer selects none; the file still gets a valid size.
    bool isNumber = false;
    const int size = fontSizeBox->currentText().toInt(&isNumber);
    profile.fontSize = isNumber && FontSizeEntry(size) >= 0 ? size : Profile{}.fontSize;
    profile.solidColor = remembered_.solid;
    profile.gradientBeginColor = remembered_.gradientBegin;
    profile.gradientEndColor = remembered_.gradientEnd;
    profile.alternationFirstColor = remembered_.alternationFirst;
    profile.alternationSecondColor = remembered_.alternationSecond;
    profile.gradientStops = GradientStopsText(remembered_.gradientStops);
}

std::vector<std::string> FormattingPage::offeredFonts() const {
    return ItemsOf(fontNameBox);
}

std::string FormattingPage::shownFont() const {
    const int shown = fontNameBox->currentIndex();
    return shown >= 0 ? ToCp1251(fontNameBox->itemText(shown)) : std::string();
}

void FormattingPage::offerFonts(const std::vector<std::string>& names, int current) {
    SetItems(fontNameBox, names);
    const bool haveFonts = !names.empty();
    fontNameBox->setEnabled(haveFonts);
    fontNameCheck->setEnabled(haveFonts);
    if (!haveFonts) {
        fontNameCheck->setChecked(false);
    }
    fontNameBox->setCurrentIndex(current);
}

void FormattingPage::listFonts(const std::vector<std::string>& names) {
    SetItems(fontNameBox, names);
}

void FormattingPage::setFontManagerIcon(const QIcon& icon) {
    fontManagerButton->setIcon(icon);
}

QFont FormattingPage::messageFont() const {
    return messageEdit->font();
}

void FormattingPage::setMessageFont(const QFont& font) {
    messageEdit->setFont(font);
}

QWidget* FormattingPage::messageField() const {
    return messageEdit;
}

void FormattingPage::insertIntoMessage(const QString& text) {
    QTextCursor cursor = messageEdit->textCursor();
    cursor.insertText(text);
    messageEdit->setTextCursor(cursor);
    messageEdit->setFocus();
}

void FormattingPage::attachEditMenu(const std::function<void(QWidget*)>& attach) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{messageEdit, onlyForYouWordingBox, addresseeEdit,
                                         linkTextBox, otherNickEdit, ownTextEdit}) {
        attach(control);
    }
}

}  // namespace tagforge
