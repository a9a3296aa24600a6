#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>

#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "gui/pickers/color_panel.h"
#include "core/store/data_folders.h"
#include "core/store/ini_file.h"
#include "core/store/profile.h"
#include "core/store/tag_list.h"

namespace tagforge {

namespace {

constexpr long kFontSizes = 7;

void SetWhenNotEmpty(QLineEdit* edit, const std::string& value) {
    if (!value.empty()) {
        edit->setText(FromCp1251(value));
    }
}

void SetWhenNotEmpty(QComboBox* combo, const std::string& value) {
    if (!value.empty()) {
        combo->setEditText(FromCp1251(value));
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

bool TForm1::LoadProfile(const std::string& name) {
    // A missing file is no error: every key then takes its default.
    const IniFile file(ProfilePath(name));
    ApplyProfile(ReadProfile(file));
    return true;
}

void TForm1::ApplyProfile(const Profile& profile) {
    PageControl2->setCurrentWidget(profile.formActivePage == 1 ? TemplatePage : HandMadePage);

    const bool haveFonts = comboboxFontName->count() > 0;
    comboboxFontName->setEnabled(haveFonts);
    cbFontName->setEnabled(haveFonts);
    if (haveFonts) {
        comboboxFontName->setCurrentIndex(MatchIgnoringCase(comboboxFontName, profile.fontName));
        cbFontName->setChecked(profile.fontNameEnabled);
    } else {
        cbFontName->setChecked(false);
    }
    ComboBoxFontSize->setCurrentIndex(profile.fontSize >= 1 && profile.fontSize <= kFontSizes
                                          ? static_cast<int>(profile.fontSize) - 1
                                          : -1);

    cbOtherName->setChecked(profile.otherNameEnabled);
    cb3rdFace->setChecked(profile.other3rdFaceEnabled);
    cbOtherNameColor->setChecked(profile.otherNameColorEnabled);
    SetWhenNotEmpty(OtherNameNick, profile.otherName);
    SetWhenNotEmpty(OtherNameOwnText, profile.page1OwnText);

    const auto tags = ReadSortedLines(DataFilePath(programFolder_, kProfilesFolder, "tags.asc"));
    ComboBox1->setEnabled(tags.has_value());
    CheckBox1->setEnabled(tags.has_value());
    if (tags) {
        SetItems(ComboBox1, *tags);
        CheckBox1->setChecked(profile.tagEnabled);
        ComboBox1->setCurrentIndex(tags->empty() ? -1 : PickEntry(*tags, profile.tag));
    }

    cbFontSize->setChecked(profile.fontSizeEnabled);
    remembered_ = RememberedEffectColors{profile.solidColor, profile.gradientBeginColor,
                                         profile.gradientEndColor, profile.alternationFirstColor,
                                         profile.alternationSecondColor};
    SetPanelColor(OtherNameColor, profile.otherNickColor);
    SetPanelColor(ImOnlyForYou, profile.onlyForYouColor);
    cbOnlyForYouColor->setChecked(profile.onlyForYouColorEnable);
    MainText->setPlainText(FromCp1251Lines(profile.text));

    cbOnlyForYou->setChecked(profile.onlyForYouEnabled);
    // With the prefix on, an empty addressee is what the profile says; with it off, an empty
    // value keeps what the user typed.
    if (cbOnlyForYou->isChecked() || !profile.reciever.empty()) {
        OnlyForYouName->setText(FromCp1251(profile.reciever));
    }
    ComboOnlyForYou->setEditText(FromCp1251(profile.onlyForYouModificator));
    cbOk->setChecked(profile.okEnabled);
    ComboBox2->setEditText(FromCp1251(profile.okType));
    SetPanelColor(ImOkColor, profile.okColor);
    cbOkColor->setChecked(profile.okColorEnabled);
    cbDanceFont->setChecked(profile.jumpFontEnabled);
    tbDanceFontRatio->setValue(static_cast<int>(std::clamp(profile.jumpFontValue, 0L, 100L)));
    cbReverseText->setChecked(profile.reverseTextEnabled);
    cbColorMark->setChecked(profile.colorEffectEnabled);
    {
        // The effect panels are brought in line once, at the end.
        const QSignalBlocker blocker(comboboxColorMark);
        comboboxColorMark->setCurrentIndex(
            ListIndex(profile.colorEffect, comboboxColorMark->count()));
    }
    cbEffect4->setChecked(profile.underLine);
    cbEffect5->setChecked(profile.italic);
    cbEffect6->setChecked(profile.bold);

    const bool haveAsciiCatalogue = LoadAsciiList(profile.asciiName);
    if (PageControl2->currentWidget() == TemplatePage) {
        switch (profile.page2ActivePage) {
            case 1:
                PageControl3->setCurrentWidget(SolitudePage);
                break;
            case 2:
                PageControl3->setCurrentWidget(InOutPage);
                break;
            case 3:
                PageControl3->setCurrentWidget(haveAsciiCatalogue ? AsciiPage : KillPage);
                break;
            default:
                PageControl3->setCurrentWidget(KillPage);
                break;
        }
    }
    SetWhenNotEmpty(cbKillWhere, profile.where);
    SetWhenNotEmpty(cbKillAction, profile.action);
    SetWhenNotEmpty(cbKillTime, profile.period);
    SetWhenNotEmpty(KillName, profile.killerName);
    SetWhenNotEmpty(VictimName, profile.victimName);
    SetWhenNotEmpty(cbKillReason, profile.reasonName);
    SetWhenNotEmpty(Edit5, profile.page2OwnText);
    SetWhenNotEmpty(SolitudeWhatDo, profile.whatDo);
    SetWhenNotEmpty(SolitudeNick, profile.nick);
    if (!profile.nicks.empty()) {
        ListBox1->clear();
        for (const std::string& nick : profile.nicks) {
            ListBox1->addItem(FromCp1251(nick));
        }
    }
    SetWhenNotEmpty(PersonallyErrorMessage, profile.personallyErrorMessage);
    comboPersError->setCurrentIndex(ListIndex(profile.persErrorType, comboPersError->count()));
    cbComeColor->setChecked(profile.comeColorEnabled);
    SetPanelColor(ComeColor, profile.comeColor);

    lDanceFontRatio->setText(QString::number(tbDanceFontRatio->value()));
    comboboxColorMarkChange();
}

namespace {

std::string TextOf(const QLineEdit* edit) {
    return ToCp1251(edit->text());
}

std::string TextOf(const QComboBox* combo) {
    return ToCp1251(combo->currentText());
}

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

Profile TForm1::CurrentProfile() const {
    Profile profile;
    profile.formActivePage = PageIndex(PageControl2, {HandMadePage, TemplatePage});

    profile.otherNameEnabled = cbOtherName->isChecked();
    profile.otherNameColorEnabled = cbOtherNameColor->isChecked();
    profile.otherName = TextOf(OtherNameNick);
    profile.otherNickColor = OtherNameColor->color();
    profile.other3rdFaceEnabled = cb3rdFace->isChecked();
    profile.page1OwnText = TextOf(OtherNameOwnText);
    profile.tagEnabled = CheckBox1->isChecked();
    profile.tag = TextOf(ComboBox1);
    profile.fontNameEnabled = cbFontName->isChecked();
    profile.fontName = TextOf(comboboxFontName);
    profile.fontSizeEnabled = cbFontSize->isChecked();
    // A hand-edited size outside 1 to 7 selects none; the file still gets a valid size.
    bool isNumber = false;
    const int size = ComboBoxFontSize->currentText().toInt(&isNumber);
    profile.fontSize = isNumber && size >= 1 && size <= kFontSizes ? size : Profile{}.fontSize;
    profile.solidColor = remembered_.solid;
    profile.gradientBeginColor = remembered_.gradientBegin;
    profile.gradientEndColor = remembered_.gradientEnd;
    profile.alternationFirstColor = remembered_.alternationFirst;
    profile.alternationSecondColor = remembered_.alternationSecond;
    profile.onlyForYouColor = ImOnlyForYou->color();
    profile.onlyForYouColorEnable = cbOnlyForYouColor->isChecked();
    profile.reciever = TextOf(OnlyForYouName);
    profile.text = ToCp1251Lines(PlainTextOf(MainText));
    profile.onlyForYouEnabled = cbOnlyForYou->isChecked();
    profile.onlyForYouModificator = TextOf(ComboOnlyForYou);
    profile.okEnabled = cbOk->isChecked();
    profile.okType = TextOf(ComboBox2);
    profile.okColor = ImOkColor->color();
    profile.okColorEnabled = cbOkColor->isChecked();
    profile.jumpFontEnabled = cbDanceFont->isChecked();
    profile.reverseTextEnabled = cbReverseText->isChecked();
    profile.jumpFontValue = tbDanceFontRatio->value();
    profile.colorEffectEnabled = cbColorMark->isChecked();
    profile.colorEffect = comboboxColorMark->currentIndex();
    profile.underLine = cbEffect4->isChecked();
    profile.italic = cbEffect5->isChecked();
    profile.bold = cbEffect6->isChecked();

    profile.page2ActivePage =
        PageIndex(PageControl3, {KillPage, SolitudePage, InOutPage, AsciiPage});
    profile.where = TextOf(cbKillWhere);
    profile.action = TextOf(cbKillAction);
    profile.period = TextOf(cbKillTime);
    profile.killerName = TextOf(KillName);
    profile.victimName = TextOf(VictimName);
    profile.reasonName = TextOf(cbKillReason);
    profile.page2OwnText = TextOf(Edit5);
    profile.whatDo = TextOf(SolitudeWhatDo);
    profile.nick = TextOf(SolitudeNick);
    profile.nicks.clear();
    for (int i = 0; i < ListBox1->count(); ++i) {
        profile.nicks.push_back(ToCp1251(ListBox1->item(i)->text()));
    }
    profile.personallyErrorMessage = TextOf(PersonallyErrorMessage);
    profile.persErrorType = comboPersError->currentIndex();
    profile.comeColorEnabled = cbComeColor->isChecked();
    profile.comeColor = ComeColor->color();
    profile.asciiName = TextOf(comboASCIIart);
    return profile;
}

}  // namespace tagforge
