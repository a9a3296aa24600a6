#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "core/format/letter_transforms.h"
#include "gui/app/result_memo.h"
#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/effect_strips.h"

namespace tagforge {

namespace {

void SetCaptionFont(QCheckBox* box, void (QFont::*style)(bool)) {
    QFont font = box->font();
    (font.*style)(box->isChecked());
    box->setFont(font);
}

void SetCaptionColor(QPushButton* button, Qt::GlobalColor color) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
}

}  // namespace

void TForm1::ConnectHandMadePage() {
    connect(comboboxColorMark, &QComboBox::currentIndexChanged, this,
            &TForm1::comboboxColorMarkChange);
    connect(tbDanceFontRatio, &QSlider::valueChanged, this, &TForm1::tbDanceFontRatioChange);
    // Click handlers of check boxes also run when code changes the state, as a profile load does.
    connect(cbReverseText, &QCheckBox::toggled, this, &TForm1::cbReverseTextClick);
    connect(cbEffect4, &QCheckBox::toggled, this, &TForm1::cbEffect4Click);
    connect(cbEffect5, &QCheckBox::toggled, this, &TForm1::cbEffect5Click);
    connect(cbEffect6, &QCheckBox::toggled, this, &TForm1::cbEffect6Click);
    // Any mouse button turns the caption red, not only the one that clicks.
    SpeedButton3->installEventFilter(this);
    connect(SpeedButton3, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(sbClear, &QPushButton::clicked, this, &TForm1::bClearClick);
    connect(SpeedButton12, &QPushButton::clicked, this, &TForm1::SpeedButton12Click);
}

FormatterOptions TForm1::ReadFormatterOptions() const {
    FormatterOptions options;
    options.message = ToCp1251Lines(PlainTextOf(MainText));
    options.danceCase = cbDanceFont->isChecked();
    options.danceRatioPercent = tbDanceFontRatio->value();
    options.reverseText = cbReverseText->isChecked();
    options.colorEffectEnabled = cbColorMark->isChecked();
    options.colorEffect = comboboxColorMark->currentIndex();
    options.firstEffectColor = Image6->color();
    options.secondEffectColor = Image7->color();
    options.underline = cbEffect4->isChecked();
    options.italic = cbEffect5->isChecked();
    options.bold = cbEffect6->isChecked();
    options.fontNameEnabled = cbFontName->isChecked();
    options.fontName = ToCp1251(comboboxFontName->currentText());
    options.fontSizeEnabled = cbFontSize->isChecked();
    options.fontSize = ToCp1251(ComboBoxFontSize->currentText());
    options.onlyForYou = cbOnlyForYou->isChecked();
    options.onlyForYouWording = ToCp1251(ComboOnlyForYou->currentText());
    options.addressee = ToCp1251(OnlyForYouName->text());
    options.onlyForYouColorEnabled = cbOnlyForYouColor->isChecked();
    options.onlyForYouColor = ImOnlyForYou->color();
    options.linkEnabled = cbOk->isChecked();
    options.linkText = ToCp1251(ComboBox2->currentText());
    options.linkColorEnabled = cbOkColor->isChecked();
    options.linkColor = ImOkColor->color();
    options.otherNick = cbOtherName->isChecked();
    options.otherNickName = ToCp1251(OtherNameNick->text());
    options.otherNickColorEnabled = cbOtherNameColor->isChecked();
    options.otherNickColor = OtherNameColor->color();
    options.thirdFace = cb3rdFace->isChecked();
    options.ownText = ToCp1251(OtherNameOwnText->text());
    options.tagEnabled = CheckBox1->isChecked();
    options.tag = ToCp1251(ComboBox1->currentText());
    options.thresholdEnabled = cbThreshold->isChecked();
    options.threshold = UpDown2->value();
    return options;
}

void TForm1::OnlyForYouNameChange() {
    ResultText->setBytes(BuildResultText(ReadFormatterOptions(), random_));
}

EffectPanels TForm1::CurrentEffectPanels() const {
    EffectPanels panels;
    panels.firstVisible = Image6->isVisibleTo(HandMadePage);
    panels.secondVisible = Image7->isVisibleTo(HandMadePage);
    panels.firstWidth = Image6->width();
    panels.first = Image6->color();
    panels.second = Image7->color();
    return panels;
}

void TForm1::comboboxColorMarkChange() {
    const auto seed = static_cast<std::uint32_t>(services_.clock.now().toSecsSinceEpoch());
    const EffectPanels panels = SelectEffectPanels(comboboxColorMark->currentIndex(), remembered_,
                                                   CurrentEffectPanels(), random_, seed);
    Image1->setVisible(panels.strip != EffectPanels::Strip::None);
    if (panels.strip == EffectPanels::Strip::Spectrum) {
        Image1->setPixmap(SpectrumStrip());
    } else if (panels.strip == EffectPanels::Strip::Random) {
        Image1->setPixmap(RandomStrip());
    }
    Image6->setFixedWidth(panels.firstWidth);
    SetPanelColor(Image6, panels.first);
    SetPanelColor(Image7, panels.second);
    Image6->setVisible(panels.firstVisible);
    Image7->setVisible(panels.secondVisible);
}

void TForm1::tbDanceFontRatioChange() {
    const int position = tbDanceFontRatio->value();
    lDanceFontRatio->setText(QString::number(position));
    const float ratio =
        static_cast<float>(position) / static_cast<float>(tbDanceFontRatio->maximum());
    cbDanceFont->setText(FromCp1251(DanceCase(ToCp1251(cbDanceFont->text()), ratio)));
}

void TForm1::cbReverseTextClick() {
    cbReverseText->setText(FromCp1251(ReverseText(ToCp1251(cbReverseText->text()), {})));
}

void TForm1::cbEffect4Click() {
    SetCaptionFont(cbEffect4, &QFont::setUnderline);
}

void TForm1::cbEffect5Click() {
    SetCaptionFont(cbEffect5, &QFont::setItalic);
}

void TForm1::cbEffect6Click() {
    SetCaptionFont(cbEffect6, &QFont::setBold);
}

void TForm1::SpeedButton3MouseDown() {
    SetCaptionColor(SpeedButton3, Qt::red);
}

void TForm1::SpeedButton3MouseUp() {
    SetCaptionColor(SpeedButton3, Qt::black);
}

int TForm1::Threshold() const {
    return cbThreshold->isChecked() ? UpDown2->value() : 0;
}

void TForm1::Button2Click() {
    BuildCurrentResult();
    const int threshold = Threshold();
    if (HandMadePageActive()) {
        CopyResult(ResultText->bytes(), threshold);
        comboboxColorMarkChange();
    } else {
        CopyResult(templateText_, threshold);
    }
}

void TForm1::CopyResult(const std::string& text, int threshold) {
    services_.clipboard.setText(FromCp1251(text));
    if (threshold != 0 && text.size() > static_cast<std::size_t>(threshold)) {
        services_.messages.warning(
            this, QStringLiteral("Результирующее сообщение превышает пороговую длину"));
    }
}

void TForm1::bClearClick() {
    MainText->clear();
    OnlyForYouNameChange();
}

void TForm1::SpeedButton12Click() {
    // No profile is ever saved under this name, so every option takes its default.
    LoadProfile("0");
    OnlyForYouNameChange();
}

}  // namespace tagforge
