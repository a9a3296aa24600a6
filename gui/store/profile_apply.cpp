#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>

#include "core/options/option_table.h"
#include "core/store/data_folders.h"
#include "core/store/ini_file.h"
#include "core/store/profile.h"
#include "core/store/tag_list.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "gui/templates/template_page.h"

namespace tagforge {

namespace {

constexpr long kFontSizes = 7;

void SetWhenNotEmpty(QLineEdit* edit, const std::string& value) {
    if (!value.empty()) {
        edit->setText(FromCp1251(value));
    }
}

// Indexes outside the list select nothing.
int ListIndex(long stored, int count) {
    return stored >= 0 && stored < count ? static_cast<int>(stored) : -1;
}

int MatchIgnoringCase(const QComboBox* combo, const std::string& wanted) {
    return std::max(PickEntry(ItemsOf(combo), wanted), 0);
}

}  // namespace

bool MainWindow::loadProfile(const std::string& name) {
    // A missing file is no error: every key then takes its default.
    const IniFile file(profilePath(name));
    applyProfile(ReadProfile(file));
    return true;
}

void MainWindow::applyProfile(const Profile& profile) {
    formattingTabs->setCurrentWidget(
        profile.formActivePage == static_cast<long>(FormattingTab::Templates) ? templatePage
                                                                              : handMadePage);
    for (const auto& [option, control] : optionControls_) {
        if (option->rule == OptionRule::Plain) {
            SetControlValue(control, option->control, ProfileValue(profile, *option));
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
    fontSizeBox->setCurrentIndex(profile.fontSize >= 1 && profile.fontSize <= kFontSizes
                                     ? static_cast<int>(profile.fontSize) - 1
                                     : -1);

    SetWhenNotEmpty(otherNickEdit, profile.otherName);
    SetWhenNotEmpty(ownTextEdit, profile.page1OwnText);

    const auto tags = ReadSortedLines(DataFilePath(programFolder_, kProfilesFolder, "tags.asc"));
    tagBox->setEnabled(tags.has_value());
    tagCheck->setEnabled(tags.has_value());
    if (tags) {
        SetItems(tagBox, *tags);
        tagCheck->setChecked(profile.tagEnabled);
        tagBox->setCurrentIndex(tags->empty() ? -1 : PickEntry(*tags, profile.tag));
    }

    remembered_ = RememberedEffectColors{profile.solidColor, profile.gradientBeginColor,
                                         profile.gradientEndColor, profile.alternationFirstColor,
                                         profile.alternationSecondColor};
    messageEdit->setPlainText(FromCp1251Lines(profile.text));

    // With the prefix on, an empty addressee is what the profile says; with it off, an empty
    // value keeps what the user typed.
    if (onlyForYouCheck->isChecked() || !profile.reciever.empty()) {
        addresseeEdit->setText(FromCp1251(profile.reciever));
    }
    danceRatioSlider->setValue(static_cast<int>(std::clamp(profile.jumpFontValue, 0L, 100L)));
    {
        // The effect panels are brought in line once, at the end.
        const QSignalBlocker blocker(colorEffectBox);
        colorEffectBox->setCurrentIndex(ListIndex(profile.colorEffect, colorEffectBox->count()));
    }

    templatePage->applyProfile(profile, formattingTabs->currentWidget() == templatePage);

    danceRatioLabel->setText(QString::number(danceRatioSlider->value()));
    colorEffectChanged();
}

namespace {

long PageIndex(const QTabWidget* pages, std::initializer_list<const QWidget*> order) {
    long index = 0;
    for (const QWidget* page : order) {
        if (pages->currentWidget() == page) {
            return index;
        }
        ++index;
    }
    return 0;
}

}  // namespace

Profile MainWindow::currentProfile() const {
    Profile profile;
    profile.formActivePage = PageIndex(formattingTabs, {handMadePage, templatePage});

    for (const auto& [option, control] : optionControls_) {
        SetProfileValue(profile, *option, ControlValue(control, option->control));
    }
    // A hand-edited size outside 1 to 7 selects none; the file still gets a valid size.
    bool isNumber = false;
    const int size = fontSizeBox->currentText().toInt(&isNumber);
    profile.fontSize = isNumber && size >= 1 && size <= kFontSizes ? size : Profile{}.fontSize;
    profile.solidColor = remembered_.solid;
    profile.gradientBeginColor = remembered_.gradientBegin;
    profile.gradientEndColor = remembered_.gradientEnd;
    profile.alternationFirstColor = remembered_.alternationFirst;
    profile.alternationSecondColor = remembered_.alternationSecond;

    templatePage->fillProfile(profile);
    return profile;
}

}  // namespace tagforge
