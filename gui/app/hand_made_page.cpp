#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "gui/app/result_memo.h"
#include "gui/app/tform1.h"
#include "gui/app/widget_factory.h"
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
            QStringLiteral("Чередование")};
}

}  // namespace

QWidget* TForm1::CreateHandMadePage() {
    auto* page = ui::Named(new QWidget, "HandMadePage");

    cbOtherName = ui::CheckBox("cbOtherName", QStringLiteral("От чужого ника"));
    OtherNameNick = ui::LineEdit("OtherNameNick", QStringLiteral("Чужой ник"));
    cbOtherNameColor = ui::CheckBox("cbOtherNameColor", QString());
    OtherNameColor =
        MakePanel("OtherNameColor", QStringLiteral("Цвет чужого ника"), kSmallPanelWidth);
    cb3rdFace = ui::CheckBox("cb3rdFace", QStringLiteral("***"),
                             QStringLiteral("Показывать \"***\" перед ником, как при /me"));
    OtherNameOwnText = ui::LineEdit("OtherNameOwnText", QStringLiteral("Свой текст"));

    CheckBox1 = ui::CheckBox("CheckBox1", QStringLiteral("Тэг"));
    CheckBox1->setEnabled(false);
    ComboBox1 =
        ui::ComboBox("ComboBox1", {}, false, QStringLiteral("Добавить тэг в начало сообщения"));
    ComboBox1->setEnabled(false);

    cbOnlyForYou = ui::CheckBox("cbOnlyForYou", QStringLiteral("Только для вас:"));
    ComboOnlyForYou = ui::ComboBox("ComboOnlyForYou", {QStringLiteral("только для вас, ")}, true);
    OnlyForYouName = ui::LineEdit("OnlyForYouName", QStringLiteral("Имя адресата мнимой лички"));
    cbOnlyForYouColor = ui::CheckBox("cbOnlyForYouColor", QString());
    ImOnlyForYou =
        MakePanel("ImOnlyForYou", QStringLiteral("Цвет \"только для вас\""), kSmallPanelWidth);

    cbOk = ui::CheckBox("cbOk", QStringLiteral("Ссылка"));
    ComboBox2 = ui::ComboBox("ComboBox2",
                             {QStringLiteral("Ok?"), QStringLiteral("Yes!"), QStringLiteral("Да!"),
                              QStringLiteral("Cancel"), QStringLiteral("Отмена")},
                             true, QStringLiteral("Добавить как ссылку в конце сообщения"));
    cbOkColor = ui::CheckBox("cbOkColor", QString());
    ImOkColor = MakePanel("ImOkColor", QStringLiteral("Цвет ссылки"), kSmallPanelWidth);

    cbFontName = ui::CheckBox("cbFontName", QStringLiteral("Имя шрифта"));
    comboboxFontName =
        ui::ComboBox("comboboxFontName", {}, false,
                     QStringLiteral("Выбрать шрифт, которым будет отображаться сообщение"));
    comboboxFontName->setItemDelegate(new FontNameDelegate(comboboxFontName));
    comboboxFontName->setMaxVisibleItems(kFontListVisibleItems);
    SpeedButton13 =
        ui::FlatButton("SpeedButton13", QString(), QStringLiteral("Открыть менеджер шрифтов"));
    SpeedButton13->setFixedSize(kSmallButtonSide, kSmallButtonSide);
    cbFontSize = ui::CheckBox("cbFontSize", QStringLiteral("Размер шрифта"));
    ComboBoxFontSize = ui::ComboBox("ComboBoxFontSize", {}, false,
                                    QStringLiteral("1 - маленький шрифт. 7 - большой шрифт"));

    cbDanceFont = ui::CheckBox("cbDanceFont", QStringLiteral("ПлЯшУщИй шРиФт"));
    tbDanceFontRatio = ui::Named(new QSlider(Qt::Horizontal), "tbDanceFontRatio",
                                 QStringLiteral("Установить коэффициент пляшущего шрифта. 0 - все "
                                                "буквы маленькие, 100 - все буквы большие"));
    tbDanceFontRatio->setRange(0, kDanceRatioMax);
    tbDanceFontRatio->setSingleStep(1);
    tbDanceFontRatio->setValue(kDefaultDanceRatio);
    lDanceFontRatio = ui::Named(new QLabel(QString::number(kDefaultDanceRatio)), "lDanceFontRatio");
    cbReverseText = ui::CheckBox("cbReverseText", QStringLiteral("Текст наоборот"),
                                 QStringLiteral("Введённый текст будет написан наоборот"));

    cbColorMark = ui::CheckBox("cbColorMark", QStringLiteral("Выделение цветом"));
    comboboxColorMark = ui::ComboBox("comboboxColorMark", EffectNames(), false,
                                     QStringLiteral("Тип цветовой обработки сообщения"));
    Image1 = ui::Named(new QLabel, "Image1");
    Image1->setFixedSize(kEffectPanelWidth, kPanelHeight);
    Image1->hide();
    Image6 = MakePanel("Image6", QString(), kEffectPanelWidth);
    Image6->hide();
    Image7 = MakePanel("Image7", QString(), kEffectPanelWidth / 2);
    Image7->hide();

    cbEffect4 = ui::CheckBox("cbEffect4", QStringLiteral("Подчёркивание"));
    cbEffect5 = ui::CheckBox("cbEffect5", QStringLiteral("Курсив"));
    cbEffect6 = ui::CheckBox("cbEffect6", QStringLiteral("Полужирный"));

    MainText = ui::Named(new QPlainTextEdit, "MainText",
                         QStringLiteral("Текст сообщения, подлежащего обработке"));
    ResultText =
        ui::Named(new ResultMemo, "ResultText", QStringLiteral("Результат обработки текста"));
    sbClear = ui::FlatButton("sbClear", QStringLiteral("Очистить текст"));
    SpeedButton12 = ui::FlatButton("SpeedButton12", QStringLiteral("Сбросить всё"));

    ListBox2 = ui::Named(new QListWidget, "ListBox2");
    ListBox2->hide();

    auto* options = new QGridLayout;
    int row = 0;
    options->addWidget(cbOtherName, row, 0);
    options->addWidget(OtherNameNick, row, 1);
    options->addWidget(cbOtherNameColor, row, 2);
    options->addWidget(OtherNameColor, row, 3);
    options->addWidget(cb3rdFace, row, 4);
    options->addWidget(OtherNameOwnText, row, 5);
    ++row;
    options->addWidget(cbOnlyForYou, row, 0);
    options->addWidget(ComboOnlyForYou, row, 1);
    options->addWidget(cbOnlyForYouColor, row, 2);
    options->addWidget(ImOnlyForYou, row, 3);
    options->addWidget(OnlyForYouName, row, 4, 1, 2);
    ++row;
    options->addWidget(cbOk, row, 0);
    options->addWidget(ComboBox2, row, 1);
    options->addWidget(cbOkColor, row, 2);
    options->addWidget(ImOkColor, row, 3);
    options->addWidget(CheckBox1, row, 4);
    options->addWidget(ComboBox1, row, 5);
    ++row;
    options->addWidget(cbFontName, row, 0);
    auto* fontNameRow = new QHBoxLayout;
    fontNameRow->addWidget(comboboxFontName, 1);
    fontNameRow->addWidget(SpeedButton13);
    options->addLayout(fontNameRow, row, 1);
    options->addWidget(cbFontSize, row, 4);
    options->addWidget(ComboBoxFontSize, row, 5);
    ++row;
    auto* danceRow = new QHBoxLayout;
    danceRow->addWidget(tbDanceFontRatio, 1);
    danceRow->addWidget(lDanceFontRatio);
    options->addWidget(cbDanceFont, row, 0);
    options->addLayout(danceRow, row, 1);
    options->addWidget(cbReverseText, row, 4, 1, 2);
    ++row;
    auto* effectPictures = new QHBoxLayout;
    effectPictures->setSpacing(0);
    effectPictures->addWidget(Image1);
    effectPictures->addWidget(Image6);
    effectPictures->addWidget(Image7);
    effectPictures->addStretch();
    options->addWidget(cbColorMark, row, 0);
    options->addWidget(comboboxColorMark, row, 1);
    options->addLayout(effectPictures, row, 2, 1, 4);
    ++row;
    auto* styles = new QHBoxLayout;
    styles->addWidget(cbEffect4);
    styles->addWidget(cbEffect5);
    styles->addWidget(cbEffect6);
    styles->addStretch();
    options->addLayout(styles, row, 0, 1, 6);
    options->setColumnStretch(1, 1);
    options->setColumnStretch(5, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(sbClear);
    buttons->addWidget(SpeedButton12);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(options);
    layout->addWidget(MainText, 1);
    layout->addLayout(buttons);
    layout->addWidget(ResultText);
    layout->addWidget(ListBox2);
    return page;
}

}  // namespace tagforge
