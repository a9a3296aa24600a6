#include <QCheckBox>
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

#include "core/templates/template_lines.h"
#include "gui/common/text_bridge.h"
#include "gui/common/widget_factory.h"
#include "gui/formatting/option_controls.h"
#include "gui/pickers/color_panel.h"
#include "gui/templates/template_page.h"

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

TemplatePage::TemplatePage(std::filesystem::path programFolder, Clock& clock,
                           MessageBoxes& messages, DialogRunner& dialogs, QWidget* parent)
    : QWidget(parent),
      programFolder_(std::move(programFolder)),
      clock_(clock),
      messages_(messages),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("TemplatePage"));
    templateOwnTextEdit = ui::LineEdit("Edit5");
    templateTabs = ui::Named(new QTabWidget, "PageControl3");
    killPage = createKillPage();
    solitudePage = createSolitudePage();
    notificationPage = createNotificationPage();
    asciiPage = AsciiPicturePage(asciiPictureBox, asciiManagerButton);
    templateTabs->addTab(killPage, QStringLiteral("Килл-строка"));
    templateTabs->addTab(solitudePage, QStringLiteral("Уединяются"));
    templateTabs->addTab(notificationPage, QStringLiteral("Уведомление"));
    templateTabs->addTab(asciiPage, QStringLiteral("ASCII"));
    // Shown only while the picture catalogue exists.
    templateTabs->setTabVisible(templateTabs->indexOf(asciiPage), false);

    auto* ownText = new QHBoxLayout;
    ownText->addWidget(ui::Caption(QStringLiteral("Свой текст:"), templateOwnTextEdit));
    ownText->addWidget(templateOwnTextEdit, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ownText);
    layout->addWidget(templateTabs, 1);

    connect(addSolitudeNickButton, &QPushButton::clicked, this, &TemplatePage::addSolitudeNick);
    connect(deleteSolitudeNickButton, &QPushButton::clicked, this,
            &TemplatePage::deleteSolitudeNicks);
    connect(clearSolitudeNicksButton, &QPushButton::clicked, this,
            &TemplatePage::clearSolitudeNicks);
    // The picture is read when the line is built, never on picking it.
    connect(asciiManagerButton, &QPushButton::clicked, this, &TemplatePage::openAsciiManager);
    boundOptions_ = BindControls(*this, TemplateOptions());
}

QWidget* TemplatePage::createKillPage() {
    auto* page = Page("KillPage");
    killWhereBox = ui::ComboBox("cbKillWhere", Items(KillWherePresets()), true);
    killActionBox = ui::ComboBox("cbKillAction", Items(KillActionPresets()), true);
    killPeriodBox = ui::ComboBox("cbKillTime", Items(KillPeriodPresets()), true);
    killerEdit = ui::LineEdit("KillName");
    victimEdit = ui::LineEdit("VictimName");
    killReasonBox = ui::ComboBox("cbKillReason", Items(KillReasonPresets()), true);

    auto* layout = new QFormLayout(page);
    layout->addRow(ui::Caption(QStringLiteral("Где:"), killWhereBox), killWhereBox);
    layout->addRow(ui::Caption(QStringLiteral("Килл:"), killerEdit), killerEdit);
    layout->addRow(ui::Caption(QStringLiteral("Действие:"), killActionBox), killActionBox);
    layout->addRow(ui::Caption(QStringLiteral("Жертва:"), victimEdit), victimEdit);
    layout->addRow(ui::Caption(QStringLiteral("Время:"), killPeriodBox), killPeriodBox);
    layout->addRow(ui::Caption(QStringLiteral("Причина:"), killReasonBox), killReasonBox);
    return page;
}

QWidget* TemplatePage::createSolitudePage() {
    auto* page = Page("SolitudePage");
    solitudeActionEdit = ui::LineEdit("SolitudeWhatDo");
    solitudeNickEdit = ui::LineEdit("SolitudeNick");
    solitudeNickList = ui::Named(new QListWidget, "ListBox1");
    solitudeNickList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    solitudeNickList->setUniformItemSizes(true);
    solitudeNickList->setStyleSheet(
        QStringLiteral("QListWidget::item { height: %1px; }").arg(kNickItemHeight));
    clearSolitudeNicksButton = ui::FlatButton("SpeedButton6", QStringLiteral("Очистить список"));
    addSolitudeNickButton = ui::FlatButton("SpeedButton4", QStringLiteral("Добавить ник"));
    deleteSolitudeNickButton = ui::FlatButton("SpeedButton5", QStringLiteral("Удалить ник"));

    auto* fields = new QFormLayout;
    fields->addRow(ui::Caption(QStringLiteral("Действие:"), solitudeActionEdit),
                   solitudeActionEdit);
    fields->addRow(ui::Caption(QStringLiteral("Добавляемый ник:"), solitudeNickEdit),
                   solitudeNickEdit);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(addSolitudeNickButton);
    buttons->addWidget(deleteSolitudeNickButton);
    buttons->addWidget(clearSolitudeNicksButton);
    buttons->addStretch();
    auto* list = new QHBoxLayout;
    list->addWidget(solitudeNickList, 1);
    list->addLayout(buttons);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(fields);
    layout->addLayout(list, 1);
    return page;
}

QWidget* TemplatePage::createNotificationPage() {
    auto* page = Page("InOutPage");
    notificationKindBox = ui::ComboBox(
        "comboPersError",
        {QStringLiteral("Нет в чате"), QStringLiteral("Приходит"), QStringLiteral("Тайм-аут")},
        false);
    notificationNickEdit = ui::LineEdit("PersonallyErrorMessage");
    comeColorCheck = ui::CheckBox("cbComeColor", QString());
    comeColorPanel =
        ui::Named(new ColorPanel, "ComeColor", QStringLiteral("Цвет приходящего ника"));
    comeColorPanel->setFixedSize(kPanelWidth, kPanelHeight);

    auto* nick = new QHBoxLayout;
    nick->addWidget(notificationNickEdit, 1);
    nick->addWidget(comeColorCheck);
    nick->addWidget(comeColorPanel);
    auto* layout = new QFormLayout(page);
    layout->addRow(ui::Caption(QStringLiteral("Тип:"), notificationKindBox), notificationKindBox);
    layout->addRow(ui::Caption(QStringLiteral("Ник:"), notificationNickEdit), nick);
    return page;
}

void TemplatePage::attachEditMenu(const std::function<void(QWidget*)>& attach) const {
    for (QWidget* control : std::initializer_list<QWidget*>{
             templateOwnTextEdit, killWhereBox, killActionBox, killPeriodBox, killReasonBox,
             killerEdit, victimEdit, solitudeActionEdit, solitudeNickEdit, notificationNickEdit}) {
        attach(control);
    }
}

void TemplatePage::attachColorPanels(const std::function<void(ColorPanel*)>& attach) const {
    attach(comeColorPanel);
}

}  // namespace tagforge
