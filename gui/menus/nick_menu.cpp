#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>

#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "gui/menus/edit_commands.h"
#include "core/lists/nick_list.h"

namespace tagforge {

namespace {

QIcon ThemeIcon(const char* name, const QIcon& fallback = {}) {
    return QIcon::fromTheme(QString::fromLatin1(name), fallback);
}

QAction* AddCommand(QMenu* menu, const char* name, const QString& caption, const QIcon& icon = {}) {
    QAction* action = menu->addAction(icon, caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* AddSubmenu(QMenu* menu, const char* name, const QString& caption, const QIcon& icon) {
    QMenu* submenu = menu->addMenu(icon, caption);
    submenu->setObjectName(QString::fromLatin1(name));
    return submenu;
}

// A nick shown as it is: a single '&' would mark an access key and vanish from the caption.
QString NickCaption(const std::string& nick) {
    return FromCp1251(nick).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void AddNickItem(QMenu* submenu, const std::string& nick) {
    QAction* item = submenu->addAction(NickCaption(nick));
    item->setData(QByteArray::fromStdString(nick));
}

// The nick an item of the insert or delete submenu stands for, byte for byte.
std::string NickOf(const QAction* item) {
    return item->data().toByteArray().toStdString();
}

}  // namespace

void TForm1::ConnectNickMenu() {
    PopupNickMenu = new QMenu(this);
    PopupNickMenu->setObjectName(QStringLiteral("PopupNickMenu"));
    N6 = AddCommand(PopupNickMenu, "N6", QStringLiteral("Вырезать"), ThemeIcon("edit-cut"));
    N7 = AddCommand(PopupNickMenu, "N7", QStringLiteral("Копировать"), ThemeIcon("edit-copy"));
    N8 = AddCommand(PopupNickMenu, "N8", QStringLiteral("Вставить"), ThemeIcon("edit-paste"));
    N9 = AddCommand(PopupNickMenu, "N9", QStringLiteral("Очистить"));
    N3 = AddCommand(PopupNickMenu, "N3", QStringLiteral("Выделить всё"));
    N5 = PopupNickMenu->addSeparator();
    N5->setObjectName(QStringLiteral("N5"));
    N1 = AddCommand(PopupNickMenu, "N1", QStringLiteral("Сохранить как ник"),
                    ThemeIcon("document-save", style()->standardIcon(QStyle::SP_DialogSaveButton)));
    N2 = AddSubmenu(PopupNickMenu, "N2", QStringLiteral("Вставить ник"),
                    ThemeIcon("insert-text", style()->standardIcon(QStyle::SP_ArrowRight)));
    N4 = AddSubmenu(PopupNickMenu, "N4", QStringLiteral("Удалить ник"),
                    ThemeIcon("edit-delete", style()->standardIcon(QStyle::SP_TrashIcon)));

    connect(PopupNickMenu, &QMenu::aboutToShow, this, &TForm1::PopupNickMenuPopup);
    connect(N6, &QAction::triggered, this, &TForm1::N6Click);
    connect(N7, &QAction::triggered, this, &TForm1::N7Click);
    connect(N8, &QAction::triggered, this, &TForm1::N8Click);
    connect(N9, &QAction::triggered, this, &TForm1::N9Click);
    connect(N3, &QAction::triggered, this, &TForm1::N3Click);
    connect(N1, &QAction::triggered, this, &TForm1::N1Click);
    connect(N2, &QMenu::triggered, this, &TForm1::InsertNickClick);
    connect(N4, &QMenu::triggered, this, &TForm1::DeleteNickClick);

    for (QWidget* control : std::initializer_list<QWidget*>{
             MainText, ComboOnlyForYou, OnlyForYouName, ComboBox2, OtherNameNick, OtherNameOwnText,
             Edit5, cbKillWhere, cbKillAction, cbKillTime, cbKillReason, KillName, VictimName,
             SolitudeWhatDo, SolitudeNick, PersonallyErrorMessage, ComboProfiles}) {
        AttachNickMenu(control);
    }
}

void TForm1::AttachNickMenu(QWidget* control) {
    // A combo box's edit field passes its context-menu requests on to the combo box.
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, this, [this, control](QPoint position) {
        // Scroll areas report the position within their viewport.
        const auto* area = qobject_cast<QAbstractScrollArea*>(control);
        const QWidget* origin = area != nullptr ? area->viewport() : control;
        OtherNameNickContextPopup(control, origin->mapToGlobal(position));
    });
}

void TForm1::OtherNameNickContextPopup(QWidget* sender, QPoint globalPos) {
    PopupTarget = sender;
    PopupNickMenu->popup(globalPos);
}

void TForm1::PopupNickMenuPopup() {
    QWidget* target = PopupTarget;
    const QString selected = GetControlText(target, false);
    N1->setEnabled(!TrimNick(ToCp1251(selected)).empty());
    N6->setEnabled(!selected.isEmpty());
    N7->setEnabled(!selected.isEmpty());
    N9->setEnabled(!selected.isEmpty());
    N3->setEnabled(!GetControlText(target, true).isEmpty() && !IsAllSelected(target));
    N8->setEnabled(services_.clipboard.hasText());

    SortNicks(NickList);
    N2->clear();
    N4->clear();
    N2->setEnabled(!NickList.empty());
    N4->setEnabled(!NickList.empty());
    for (const std::string& nick : NickList) {
        AddNickItem(N2, nick);
        AddNickItem(N4, nick);
    }
}

// The commands change the window's own controls, so they are not const however they reach them.
// NOLINTBEGIN(readability-make-member-function-const)
void TForm1::N6Click() {
    N7Click();
    ReplaceSelection(PopupTarget, QString());
}

void TForm1::N7Click() {
    services_.clipboard.setText(GetControlText(PopupTarget, false));
}

void TForm1::N8Click() {
    ReplaceSelection(PopupTarget, services_.clipboard.text());
}

void TForm1::N9Click() {
    ReplaceSelection(PopupTarget, QString());
}

void TForm1::N3Click() {
    SelectAllText(PopupTarget);
}

void TForm1::N1Click() {
    AddNick(NickList, ToCp1251(GetControlText(PopupTarget, false)));
}

void TForm1::InsertNickClick(QAction* item) {
    ReplaceSelection(PopupTarget, FromCp1251(NickOf(item)));
}

void TForm1::DeleteNickClick(QAction* item) {
    RemoveNick(NickList, NickOf(item));
}

// NOLINTEND(readability-make-member-function-const)

}  // namespace tagforge
