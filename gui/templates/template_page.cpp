#include "gui/templates/template_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "core/options/list_entry.h"
#include "core/options/option_table.h"
#include "core/store/profile.h"
#include "core/templates/ascii_catalog.h"
#include "core/templates/template_lines.h"
#include "gui/common/text_bridge.h"
#include "gui/common/widget_factory.h"
#include "gui/formatting/option_controls.h"
#include "gui/pickers/color_panel.h"
#include "gui/platform/platform_services.h"
#include "gui/templates/ascii_picture_tab.h"

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

std::string ClockTime(const Clock& clock) {
    const QTime time = clock.now().time();
    return FormatClockTime(time.hour(), time.minute(), time.second());
}

std::string TextOf(const QLineEdit* edit) {
    return ToCp1251(edit->text());
}

std::string TextOf(const QComboBox* combo) {
    return ToCp1251(combo->currentText());
}

}  // namespace

TemplatePage::TemplatePage(std::filesystem::path programFolder, Clock& clock,
                           MessageBoxes& messages, DialogRunner& dialogs, QWidget* parent)
    : QWidget(parent), clock_(clock) {
    setObjectName(QStringLiteral("TemplatePage"));
    templateOwnTextEdit = ui::LineEdit("Edit5");
    templateTabs = ui::Named(new QTabWidget, "PageControl3");
    killPage = createKillPage();
    solitudePage = createSolitudePage();
    notificationPage = createNotificationPage();
    asciiPage = new AsciiPictureTab(std::move(programFolder), messages, dialogs);
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
    connect(asciiPage, &AsciiPictureTab::managerClosed, this,
            [this] { loadAsciiList(asciiPage->pictureName()); });
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

void TemplatePage::setLine(std::string line) {
    line_ = std::move(line);
    emit lineChanged();
}

void TemplatePage::buildLine() {
    QWidget* tab = templateTabs->currentWidget();
    if (tab == killPage) {
        buildKillLine();
    } else if (tab == solitudePage) {
        buildSolitudeLine();
    } else if (tab == notificationPage) {
        buildNotificationLine();
    } else {
        buildAsciiLine();
    }
}

void TemplatePage::rebuildLines() {
    buildNotificationLine();
    buildSolitudeLine();
    buildKillLine();
    buildAsciiLine();
}

void TemplatePage::buildKillLine() {
    KillLineFields fields;
    fields.ownText = TextOf(templateOwnTextEdit);
    fields.where = TextOf(killWhereBox);
    fields.action = TextOf(killActionBox);
    fields.period = TextOf(killPeriodBox);
    fields.killer = TextOf(killerEdit);
    fields.victim = TextOf(victimEdit);
    fields.reason = TextOf(killReasonBox);
    setLine(BuildKillLine(fields, ClockTime(clock_)));
}

void TemplatePage::buildSolitudeLine() {
    std::vector<std::string> nicks;
    nicks.reserve(static_cast<std::size_t>(solitudeNickList->count()));
    for (int i = 0; i < solitudeNickList->count(); ++i) {
        nicks.push_back(ToCp1251(solitudeNickList->item(i)->text()));
    }
    setLine(BuildSolitudeLine(TextOf(templateOwnTextEdit), nicks, TextOf(solitudeActionEdit)));
}

void TemplatePage::buildNotificationLine() {
    NotificationFields fields;
    fields.ownText = TextOf(templateOwnTextEdit);
    fields.kind = notificationKindBox->currentIndex();
    fields.nick = TextOf(notificationNickEdit);
    fields.comeColorEnabled = comeColorCheck->isChecked();
    fields.comeColor = comeColorPanel->color();
    setLine(BuildNotificationLine(fields, ClockTime(clock_)));
}

void TemplatePage::buildAsciiLine() {
    setLine(BuildAsciiTemplate(TextOf(templateOwnTextEdit), asciiPage->pictureHtml()));
}

void TemplatePage::addSolitudeNick() {
    if (!solitudeNickEdit->text().isEmpty()) {
        solitudeNickList->addItem(solitudeNickEdit->text());
    }
}

void TemplatePage::deleteSolitudeNicks() {
    // From the bottom up, so the rows still to remove keep their numbers.
    for (int row = solitudeNickList->count() - 1; row >= 0; --row) {
        if (solitudeNickList->item(row)->isSelected()) {
            std::unique_ptr<QListWidgetItem>(solitudeNickList->takeItem(row));
        }
    }
}

void TemplatePage::clearSolitudeNicks() {
    solitudeNickList->clear();
}

bool TemplatePage::loadAsciiList(const std::string& name) {
    const bool haveCatalogue = asciiPage->listPictures(name);
    if (!haveCatalogue && templateTabs->currentWidget() == asciiPage) {
        templateTabs->setCurrentWidget(killPage);
    }
    templateTabs->setTabVisible(templateTabs->indexOf(asciiPage), haveCatalogue);
    return haveCatalogue;
}

void TemplatePage::applyProfile(const Profile& profile, bool showTab) {
    const bool haveAsciiCatalogue = loadAsciiList(profile.asciiName);
    if (showTab) {
        switch (static_cast<TemplateTab>(profile.page2ActivePage)) {
            case TemplateTab::Solitude:
                templateTabs->setCurrentWidget(solitudePage);
                break;
            case TemplateTab::Notification:
                templateTabs->setCurrentWidget(notificationPage);
                break;
            case TemplateTab::AsciiArt:
                templateTabs->setCurrentWidget(haveAsciiCatalogue ? asciiPage : killPage);
                break;
            default:
                templateTabs->setCurrentWidget(killPage);
                break;
        }
    }
    for (const auto& [option, control] : boundOptions_) {
        const OptionValue value = ProfileValue(profile, option->profileField);
        const auto* text = std::get_if<std::string>(&value);
        if (text == nullptr || !text->empty()) {
            SetControlValue(control, option->control, value);
        }
    }
    if (!profile.nicks.empty()) {
        solitudeNickList->clear();
        for (const std::string& nick : profile.nicks) {
            solitudeNickList->addItem(FromStoredCp1251(nick));
        }
    }
    notificationKindBox->setCurrentIndex(
        ListEntry(profile.persErrorType, notificationKindBox->count()));
}

void TemplatePage::fillProfile(Profile& profile) const {
    const QWidget* shown = templateTabs->currentWidget();
    profile.page2ActivePage = 0;
    long index = 0;
    for (const QWidget* tab : std::initializer_list<const QWidget*>{killPage, solitudePage,
                                                                    notificationPage, asciiPage}) {
        if (shown == tab) {
            profile.page2ActivePage = index;
            break;
        }
        ++index;
    }
    for (const auto& [option, control] : boundOptions_) {
        SetProfileValue(profile, option->profileField, ControlValue(control, option->control));
    }
    profile.nicks.clear();
    for (int i = 0; i < solitudeNickList->count(); ++i) {
        profile.nicks.push_back(ToCp1251(solitudeNickList->item(i)->text()));
    }
    profile.persErrorType = notificationKindBox->currentIndex();
    profile.asciiName = asciiPage->pictureName();
}

}  // namespace tagforge
