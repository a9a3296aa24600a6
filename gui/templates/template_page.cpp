#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "gui/app/widget_factory.h"
#include "gui/pickers/color_panel.h"
#include "core/templates/template_lines.h"

namespace tagforge {

namespace {

constexpr int kNickItemHeight = 15;
constexpr int kPanelWidth = 21;
constexpr int kPanelHeight = 15;

QStringList Items(const std::vector<std::string>& presets) {
    QStringList items;
    for (const std::string& preset : presets) {
        items << FromCp1251(preset);
    }
    return items;
}

QWidget* Page(const char* name) {
    return ui::Named(new QWidget, name);
}

// The ASCII tab: the picture to insert and the button of its manager.
QWidget* AsciiPicturePage(QComboBox*& pictures, QPushButton*& manager) {
    auto* page = Page("AsciiPage");
    pictures = ui::ComboBox("comboASCIIart", {}, false);
    pictures->setEnabled(false);
    manager = ui::FlatButton("SpeedButton11", QStringLiteral("Ascii - Менеджер"),
                             QStringLiteral("Открыть ASCII менеджер"));

    auto* picture = new QHBoxLayout;
    picture->addWidget(pictures, 1);
    picture->addWidget(manager);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(picture);
    layout->addStretch();
    return page;
}

}  // namespace

QWidget* TForm1::CreateTemplatePage() {
    auto* page = Page("TemplatePage");
    Edit5 = ui::LineEdit("Edit5");
    PageControl3 = ui::Named(new QTabWidget, "PageControl3");
    KillPage = CreateKillPage();
    SolitudePage = CreateSolitudePage();
    InOutPage = CreateInOutPage();
    AsciiPage = AsciiPicturePage(comboASCIIart, SpeedButton11);
    PageControl3->addTab(KillPage, QStringLiteral("Килл-строка"));
    PageControl3->addTab(SolitudePage, QStringLiteral("Уединяются"));
    PageControl3->addTab(InOutPage, QStringLiteral("Уведомление"));
    PageControl3->addTab(AsciiPage, QStringLiteral("ASCII"));
    // Shown only while the picture catalogue exists.
    PageControl3->setTabVisible(PageControl3->indexOf(AsciiPage), false);

    auto* ownText = new QHBoxLayout;
    ownText->addWidget(ui::Caption(QStringLiteral("Свой текст:"), Edit5));
    ownText->addWidget(Edit5, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(ownText);
    layout->addWidget(PageControl3, 1);
    return page;
}

QWidget* TForm1::CreateKillPage() {
    auto* page = Page("KillPage");
    cbKillWhere = ui::ComboBox("cbKillWhere", Items(KillWherePresets()), true);
    cbKillAction = ui::ComboBox("cbKillAction", Items(KillActionPresets()), true);
    cbKillTime = ui::ComboBox("cbKillTime", Items(KillPeriodPresets()), true);
    KillName = ui::LineEdit("KillName");
    VictimName = ui::LineEdit("VictimName");
    cbKillReason = ui::ComboBox("cbKillReason", Items(KillReasonPresets()), true);

    auto* layout = new QFormLayout(page);
    layout->addRow(ui::Caption(QStringLiteral("Где:"), cbKillWhere), cbKillWhere);
    layout->addRow(ui::Caption(QStringLiteral("Килл:"), KillName), KillName);
    layout->addRow(ui::Caption(QStringLiteral("Действие:"), cbKillAction), cbKillAction);
    layout->addRow(ui::Caption(QStringLiteral("Жертва:"), VictimName), VictimName);
    layout->addRow(ui::Caption(QStringLiteral("Время:"), cbKillTime), cbKillTime);
    layout->addRow(ui::Caption(QStringLiteral("Причина:"), cbKillReason), cbKillReason);
    return page;
}

QWidget* TForm1::CreateSolitudePage() {
    auto* page = Page("SolitudePage");
    SolitudeWhatDo = ui::LineEdit("SolitudeWhatDo");
    SolitudeNick = ui::LineEdit("SolitudeNick");
    ListBox1 = ui::Named(new QListWidget, "ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setStyleSheet(
        QStringLiteral("QListWidget::item { height: %1px; }").arg(kNickItemHeight));
    SpeedButton6 = ui::FlatButton("SpeedButton6", QStringLiteral("Очистить список"));
    SpeedButton4 = ui::FlatButton("SpeedButton4", QStringLiteral("Добавить ник"));
    SpeedButton5 = ui::FlatButton("SpeedButton5", QStringLiteral("Удалить ник"));

    auto* fields = new QFormLayout;
    fields->addRow(ui::Caption(QStringLiteral("Действие:"), SolitudeWhatDo), SolitudeWhatDo);
    fields->addRow(ui::Caption(QStringLiteral("Добавляемый ник:"), SolitudeNick), SolitudeNick);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(SpeedButton4);
    buttons->addWidget(SpeedButton5);
    buttons->addWidget(SpeedButton6);
    buttons->addStretch();
    auto* list = new QHBoxLayout;
    list->addWidget(ListBox1, 1);
    list->addLayout(buttons);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(fields);
    layout->addLayout(list, 1);
    return page;
}

QWidget* TForm1::CreateInOutPage() {
    auto* page = Page("InOutPage");
    comboPersError = ui::ComboBox(
        "comboPersError",
        {QStringLiteral("Нет в чате"), QStringLiteral("Приходит"), QStringLiteral("Тайм-аут")},
        false);
    PersonallyErrorMessage = ui::LineEdit("PersonallyErrorMessage");
    cbComeColor = ui::CheckBox("cbComeColor", QString());
    ComeColor = ui::Named(new ColorPanel, "ComeColor", QStringLiteral("Цвет приходящего ника"));
    ComeColor->setFixedSize(kPanelWidth, kPanelHeight);

    auto* nick = new QHBoxLayout;
    nick->addWidget(PersonallyErrorMessage, 1);
    nick->addWidget(cbComeColor);
    nick->addWidget(ComeColor);
    auto* layout = new QFormLayout(page);
    layout->addRow(ui::Caption(QStringLiteral("Тип:"), comboPersError), comboPersError);
    layout->addRow(ui::Caption(QStringLiteral("Ник:"), PersonallyErrorMessage), nick);
    return page;
}

}  // namespace tagforge
