#include "gui/formatting/formatting_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "gui/common/widget_factory.h"
#include "gui/formatting/gradient_stop_row.h"
#include "gui/formatting/palette_list.h"
#include "gui/formatting/result_memo.h"
#include "gui/menus/font_name_delegate.h"
#include "gui/pickers/color_panel.h"

namespace tagforge {

namespace {

constexpr int kPanelHeight = 15;
constexpr int kSmallPanelWidth = 21;
constexpr int kEffectPanelWidth = 160;
constexpr int kDanceRatioMax = 100;
constexpr int kDefaultDanceRatio = 50;
constexpr int kFontListVisibleItems = 5;
constexpr int kSmallButtonSide = 22;

ColorPanel* MakePanel(const char* name, const QString& hint, int width) {
    auto* panel = ui::Named(new ColorPanel, name, hint);
    panel->setFixedSize(width, kPanelHeight);
    return panel;
}

QStringList EffectNames() {
    return {QStringLiteral("Сплошной"),
            QStringLiteral("Градиент"),
            QStringLiteral("Спектр"),
            QStringLiteral("Сплошной cлучайно"),
            QStringLiteral("Случайно по букве"),
            QStringLiteral("Чередование"),
            QStringLiteral("Градиент по цветам")};
}

}  // namespace

void FormattingControls::setUp(QWidget& page, const PlatformServices& services) {
    create(services);
    layOut(page);
}

void FormattingControls::create(const PlatformServices& services) {
    otherNickCheck = ui::CheckBox("cbOtherName", QStringLiteral("От чужого ника"));
    otherNickEdit = ui::LineEdit("OtherNameNick", QStringLiteral("Чужой ник"));
    otherNickColorCheck = ui::CheckBox("cbOtherNameColor", QString());
    otherNickColorPanel =
        MakePanel("OtherNameColor", QStringLiteral("Цвет чужого ника"), kSmallPanelWidth);
    thirdFaceCheck = ui::CheckBox("cb3rdFace", QStringLiteral("***"),
                                  QStringLiteral("Показывать \"***\" перед ником, как при /me"));
    ownTextEdit = ui::LineEdit("OtherNameOwnText", QStringLiteral("Свой текст"));

    tagCheck = ui::CheckBox("CheckBox1", QStringLiteral("Тэг"));
    tagCheck->setEnabled(false);
    tagBox =
        ui::ComboBox("ComboBox1", {}, false, QStringLiteral("Добавить тэг в начало сообщения"));
    tagBox->setEnabled(false);

    onlyForYouCheck = ui::CheckBox("cbOnlyForYou", QStringLiteral("Только для вас:"));
    onlyForYouWordingBox =
        ui::ComboBox("ComboOnlyForYou", {QStringLiteral("только для вас, ")}, true);
    addresseeEdit = ui::LineEdit("OnlyForYouName", QStringLiteral("Имя адресата мнимой лички"));
    onlyForYouColorCheck = ui::CheckBox("cbOnlyForYouColor", QString());
    onlyForYouColorPanel =
        MakePanel("ImOnlyForYou", QStringLiteral("Цвет \"только для вас\""), kSmallPanelWidth);

    linkCheck = ui::CheckBox("cbOk", QStringLiteral("Ссылка"));
    linkTextBox =
        ui::ComboBox("ComboBox2",
                     {QStringLiteral("Ok?"), QStringLiteral("Yes!"), QStringLiteral("Да!"),
                      QStringLiteral("Cancel"), QStringLiteral("Отмена")},
                     true, QStringLiteral("Добавить как ссылку в конце сообщения"));
    linkColorCheck = ui::CheckBox("cbOkColor", QString());
    linkColorPanel = MakePanel("ImOkColor", QStringLiteral("Цвет ссылки"), kSmallPanelWidth);

    fontNameCheck = ui::CheckBox("cbFontName", QStringLiteral("Имя шрифта"));
    fontNameBox =
        ui::ComboBox("comboboxFontName", {}, false,
                     QStringLiteral("Выбрать шрифт, которым будет отображаться сообщение"));
    fontNameBox->setItemDelegate(new FontNameDelegate(fontNameBox));
    fontNameBox->setMaxVisibleItems(kFontListVisibleItems);
    fontManagerButton =
        ui::FlatButton("SpeedButton13", QString(), QStringLiteral("Открыть менеджер шрифтов"));
    fontManagerButton->setFixedSize(kSmallButtonSide, kSmallButtonSide);
    fontSizeCheck = ui::CheckBox("cbFontSize", QStringLiteral("Размер шрифта"));
    fontSizeBox = ui::ComboBox("ComboBoxFontSize", {}, false,
                               QStringLiteral("1 - маленький шрифт. 7 - большой шрифт"));

    danceCaseCheck = ui::CheckBox("cbDanceFont", QStringLiteral("ПлЯшУщИй шРиФт"));
    danceRatioSlider = ui::Named(new QSlider(Qt::Horizontal), "tbDanceFontRatio",
                                 QStringLiteral("Установить коэффициент пляшущего шрифта. 0 - все "
                                                "буквы маленькие, 100 - все буквы большие"));
    danceRatioSlider->setRange(0, kDanceRatioMax);
    danceRatioSlider->setSingleStep(1);
    danceRatioSlider->setValue(kDefaultDanceRatio);
    danceRatioLabel = ui::Named(new QLabel(QString::number(kDefaultDanceRatio)), "lDanceFontRatio");
    reverseTextCheck = ui::CheckBox("cbReverseText", QStringLiteral("Текст наоборот"),
                                    QStringLiteral("Введённый текст будет написан наоборот"));

    colorEffectCheck = ui::CheckBox("cbColorMark", QStringLiteral("Выделение цветом"));
    colorEffectBox = ui::ComboBox("comboboxColorMark", EffectNames(), false,
                                  QStringLiteral("Тип цветовой обработки сообщения"));
    effectStrip = ui::Named(new QLabel, "Image1");
    effectStrip->setFixedSize(kEffectPanelWidth, kPanelHeight);
    effectStrip->hide();
    firstEffectColorPanel = MakePanel("Image6", QString(), kEffectPanelWidth);
    firstEffectColorPanel->hide();
    secondEffectColorPanel = MakePanel("Image7", QString(), kEffectPanelWidth / 2);
    secondEffectColorPanel->hide();
    gradientStopRow = ui::Named(new GradientStopRow, "GradientStops");
    gradientStopRow->hide();

    underlineCheck = ui::CheckBox("cbEffect4", QStringLiteral("Подчёркивание"));
    italicCheck = ui::CheckBox("cbEffect5", QStringLiteral("Курсив"));
    boldCheck = ui::CheckBox("cbEffect6", QStringLiteral("Полужирный"));

    messageEdit = ui::Named(new QPlainTextEdit, "MainText",
                            QStringLiteral("Текст сообщения, подлежащего обработке"));
    resultMemo =
        ui::Named(new ResultMemo, "ResultText", QStringLiteral("Результат обработки текста"));
    clearButton = ui::FlatButton("sbClear", QStringLiteral("Очистить текст"));
    resetButton = ui::FlatButton("SpeedButton12", QStringLiteral("Сбросить всё"));

    paletteList = ui::Named(new PaletteList(services), "ListBox2");
    paletteList->hide();
}

void FormattingControls::layOut(QWidget& page) const {
    auto* options = new QGridLayout;
    int row = 0;
    options->addWidget(otherNickCheck, row, 0);
    options->addWidget(otherNickEdit, row, 1);
    options->addWidget(otherNickColorCheck, row, 2);
    options->addWidget(otherNickColorPanel, row, 3);
    options->addWidget(thirdFaceCheck, row, 4);
    options->addWidget(ownTextEdit, row, 5);
    ++row;
    options->addWidget(onlyForYouCheck, row, 0);
    options->addWidget(onlyForYouWordingBox, row, 1);
    options->addWidget(onlyForYouColorCheck, row, 2);
    options->addWidget(onlyForYouColorPanel, row, 3);
    options->addWidget(addresseeEdit, row, 4, 1, 2);
    ++row;
    options->addWidget(linkCheck, row, 0);
    options->addWidget(linkTextBox, row, 1);
    options->addWidget(linkColorCheck, row, 2);
    options->addWidget(linkColorPanel, row, 3);
    options->addWidget(tagCheck, row, 4);
    options->addWidget(tagBox, row, 5);
    ++row;
    options->addWidget(fontNameCheck, row, 0);
    auto* fontNameRow = new QHBoxLayout;
    fontNameRow->addWidget(fontNameBox, 1);
    fontNameRow->addWidget(fontManagerButton);
    options->addLayout(fontNameRow, row, 1);
    options->addWidget(fontSizeCheck, row, 4);
    options->addWidget(fontSizeBox, row, 5);
    ++row;
    auto* danceRow = new QHBoxLayout;
    danceRow->addWidget(danceRatioSlider, 1);
    danceRow->addWidget(danceRatioLabel);
    options->addWidget(danceCaseCheck, row, 0);
    options->addLayout(danceRow, row, 1);
    options->addWidget(reverseTextCheck, row, 4, 1, 2);
    ++row;
    auto* effectPictures = new QHBoxLayout;
    effectPictures->setSpacing(0);
    effectPictures->addWidget(effectStrip);
    effectPictures->addWidget(firstEffectColorPanel);
    effectPictures->addWidget(secondEffectColorPanel);
    effectPictures->addWidget(gradientStopRow);
    effectPictures->addStretch();
    options->addWidget(colorEffectCheck, row, 0);
    options->addWidget(colorEffectBox, row, 1);
    options->addLayout(effectPictures, row, 2, 1, 4);
    ++row;
    auto* styles = new QHBoxLayout;
    styles->addWidget(underlineCheck);
    styles->addWidget(italicCheck);
    styles->addWidget(boldCheck);
    styles->addStretch();
    options->addLayout(styles, row, 0, 1, 6);
    options->setColumnStretch(1, 1);
    options->setColumnStretch(5, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(clearButton);
    buttons->addWidget(resetButton);

    auto* layout = new QVBoxLayout(&page);
    layout->addLayout(options);
    layout->addWidget(messageEdit, 1);
    layout->addLayout(buttons);
    layout->addWidget(resultMemo);
    layout->addWidget(paletteList);
}

}  // namespace tagforge
