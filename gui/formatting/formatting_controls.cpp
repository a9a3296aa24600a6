#include "gui/formatting/formatting_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "core/options/option_table.h"
#include "gui/common/widget_factory.h"
#include "gui/formatting/gradient_stop_row.h"
#include "gui/formatting/option_grid.h"
#include "gui/formatting/palette_list.h"
#include "gui/formatting/result_memo.h"
#include "gui/menus/font_name_delegate.h"
#include "gui/pickers/color_panel.h"

namespace tagforge {

namespace {

constexpr int kOptionColumns = 6;
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

QStringList FontSizes() {
    QStringList sizes;
    for (long size = 1; size <= kFontSizeCount; ++size) {
        sizes << QString::number(size);
    }
    return sizes;
}

}  // namespace

void FormattingControls::setUp(QWidget& page, const PlatformServices& services) {
    OptionGrid options(kOptionColumns);
    addOtherNickRow(options);
    addOnlyForYouRow(options);
    addLinkRow(options);
    addFontRow(options);
    addDanceRow(options);
    addColorEffectRow(options);
    addStyleRow(options);
    options.stretchColumn(1);
    options.stretchColumn(5);

    messageEdit = ui::Named(new QPlainTextEdit, "MainText",
                            QStringLiteral("Текст сообщения, подлежащего обработке"));
    clearButton = ui::FlatButton("sbClear", QStringLiteral("Очистить текст"));
    resetButton = ui::FlatButton("SpeedButton12", QStringLiteral("Сбросить всё"));
    resultMemo =
        ui::Named(new ResultMemo, "ResultText", QStringLiteral("Результат обработки текста"));
    paletteList = ui::Named(new PaletteList(services), "ListBox2");
    paletteList->hide();

    auto* column = new QVBoxLayout(&page);
    column->addLayout(options.layout());
    column->addWidget(messageEdit, 1);
    column->addLayout(PackedRight({clearButton, resetButton}));
    column->addWidget(resultMemo);
    column->addWidget(paletteList);
}

void FormattingControls::addOtherNickRow(OptionGrid& grid) {
    otherNickCheck = ui::CheckBox("cbOtherName", QStringLiteral("От чужого ника"));
    otherNickEdit = ui::LineEdit("OtherNameNick", QStringLiteral("Чужой ник"));
    otherNickColorCheck = ui::CheckBox("cbOtherNameColor", QString());
    otherNickColorPanel =
        MakePanel("OtherNameColor", QStringLiteral("Цвет чужого ника"), kSmallPanelWidth);
    thirdFaceCheck = ui::CheckBox("cb3rdFace", QStringLiteral("***"),
                                  QStringLiteral("Показывать \"***\" перед ником, как при /me"));
    ownTextEdit = ui::LineEdit("OtherNameOwnText", QStringLiteral("Свой текст"));
    grid.addRow({otherNickCheck, otherNickEdit, otherNickColorCheck, otherNickColorPanel,
                 thirdFaceCheck, ownTextEdit});
}

void FormattingControls::addOnlyForYouRow(OptionGrid& grid) {
    onlyForYouCheck = ui::CheckBox("cbOnlyForYou", QStringLiteral("Только для вас:"));
    onlyForYouWordingBox =
        ui::ComboBox("ComboOnlyForYou", {QStringLiteral("только для вас, ")}, true);
    onlyForYouColorCheck = ui::CheckBox("cbOnlyForYouColor", QString());
    onlyForYouColorPanel =
        MakePanel("ImOnlyForYou", QStringLiteral("Цвет \"только для вас\""), kSmallPanelWidth);
    addresseeEdit = ui::LineEdit("OnlyForYouName", QStringLiteral("Имя адресата мнимой лички"));
    grid.addRow({onlyForYouCheck,
                 onlyForYouWordingBox,
                 onlyForYouColorCheck,
                 onlyForYouColorPanel,
                 {addresseeEdit, 2}});
}

void FormattingControls::addLinkRow(OptionGrid& grid) {
    linkCheck = ui::CheckBox("cbOk", QStringLiteral("Ссылка"));
    linkTextBox =
        ui::ComboBox("ComboBox2",
                     {QStringLiteral("Ok?"), QStringLiteral("Yes!"), QStringLiteral("Да!"),
                      QStringLiteral("Cancel"), QStringLiteral("Отмена")},
                     true, QStringLiteral("Добавить как ссылку в конце сообщения"));
    linkColorCheck = ui::CheckBox("cbOkColor", QString());
    linkColorPanel = MakePanel("ImOkColor", QStringLiteral("Цвет ссылки"), kSmallPanelWidth);
    // The tag option shares the row; it stays off until a tag list is loaded.
    tagCheck = ui::CheckBox("CheckBox1", QStringLiteral("Тэг"));
    tagCheck->setEnabled(false);
    tagBox =
        ui::ComboBox("ComboBox1", {}, false, QStringLiteral("Добавить тэг в начало сообщения"));
    tagBox->setEnabled(false);
    grid.addRow({linkCheck, linkTextBox, linkColorCheck, linkColorPanel, tagCheck, tagBox});
}

void FormattingControls::addFontRow(OptionGrid& grid) {
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
    fontSizeBox = ui::ComboBox("ComboBoxFontSize", FontSizes(), false,
                               QStringLiteral("1 - маленький шрифт. 7 - большой шрифт"));
    fontSizeBox->setCurrentIndex(FontSizeEntry(Profile{}.fontSize));
    grid.addRow({fontNameCheck, GrowingBeside(fontNameBox, fontManagerButton),
                 OptionGrid::Cell::gap(2), fontSizeCheck, fontSizeBox});
}

void FormattingControls::addDanceRow(OptionGrid& grid) {
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
    grid.addRow({danceCaseCheck,
                 GrowingBeside(danceRatioSlider, danceRatioLabel),
                 OptionGrid::Cell::gap(2),
                 {reverseTextCheck, 2}});
}

void FormattingControls::addColorEffectRow(OptionGrid& grid) {
    colorEffectCheck = ui::CheckBox("cbColorMark", QStringLiteral("Выделение цветом"));
    colorEffectBox = ui::ComboBox("comboboxColorMark", EffectNames(), false,
                                  QStringLiteral("Тип цветовой обработки сообщения"));
    // The effect area shows the strip, the panels or the stops of the chosen effect alone.
    effectStrip = ui::Named(new QLabel, "Image1");
    effectStrip->setFixedSize(kEffectPanelWidth, kPanelHeight);
    effectStrip->hide();
    firstEffectColorPanel = MakePanel("Image6", QString(), kEffectPanelWidth);
    firstEffectColorPanel->hide();
    secondEffectColorPanel = MakePanel("Image7", QString(), kEffectPanelWidth / 2);
    secondEffectColorPanel->hide();
    gradientStopRow = ui::Named(new GradientStopRow, "GradientStops");
    gradientStopRow->hide();
    grid.addRow(
        {colorEffectCheck,
         colorEffectBox,
         {PackedLeft({effectStrip, firstEffectColorPanel, secondEffectColorPanel, gradientStopRow},
                     0),
          4}});
}

void FormattingControls::addStyleRow(OptionGrid& grid) {
    underlineCheck = ui::CheckBox("cbEffect4", QStringLiteral("Подчёркивание"));
    italicCheck = ui::CheckBox("cbEffect5", QStringLiteral("Курсив"));
    boldCheck = ui::CheckBox("cbEffect6", QStringLiteral("Полужирный"));
    grid.addRow({{PackedLeft({underlineCheck, italicCheck, boldCheck}), kOptionColumns}});
}

}  // namespace tagforge
