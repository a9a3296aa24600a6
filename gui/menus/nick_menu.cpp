#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>

#include "core/lists/nick_list.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/menus/edit_commands.h"
#include "gui/profiles/profile_bar.h"

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

void MainWindow::createEditMenu() {
    editMenu = new QMenu(this);
    editMenu->setObjectName(QStringLiteral("PopupNickMenu"));
    cutAction = AddCommand(editMenu, "N6", QStringLiteral("Вырезать"), ThemeIcon("edit-cut"));
    copyAction = AddCommand(editMenu, "N7", QStringLiteral("Копировать"), ThemeIcon("edit-copy"));
    pasteAction = AddCommand(editMenu, "N8", QStringLiteral("Вставить"), ThemeIcon("edit-paste"));
    clearAction = AddCommand(editMenu, "N9", QStringLiteral("Очистить"));
    selectAllAction = AddCommand(editMenu, "N3", QStringLiteral("Выделить всё"));
    nickSeparator = editMenu->addSeparator();
    nickSeparator->setObjectName(QStringLiteral("N5"));
    saveAsNickAction =
        AddCommand(editMenu, "N1", QStringLiteral("Сохранить как ник"),
                   ThemeIcon("document-save", style()->standardIcon(QStyle::SP_DialogSaveButton)));
    insertNickMenu =
        AddSubmenu(editMenu, "N2", QStringLiteral("Вставить ник"),
                   ThemeIcon("insert-text", style()->standardIcon(QStyle::SP_ArrowRight)));
    deleteNickMenu =
        AddSubmenu(editMenu, "N4", QStringLiteral("Удалить ник"),
                   ThemeIcon("edit-delete", style()->standardIcon(QStyle::SP_TrashIcon)));

    connect(editMenu, &QMenu::aboutToShow, this, &MainWindow::prepareEditMenu);
    connect(cutAction, &QAction::triggered, this, &MainWindow::cutText);
    connect(copyAction, &QAction::triggered, this, &MainWindow::copyText);
    connect(pasteAction, &QAction::triggered, this, &MainWindow::pasteText);
    connect(clearAction, &QAction::triggered, this, &MainWindow::clearText);
    connect(selectAllAction, &QAction::triggered, this, &MainWindow::selectAllText);
    connect(saveAsNickAction, &QAction::triggered, this, &MainWindow::saveSelectionAsNick);
    connect(insertNickMenu, &QMenu::triggered, this, &MainWindow::insertNick);
    connect(deleteNickMenu, &QMenu::triggered, this, &MainWindow::deleteNick);

    for (QWidget* control : std::initializer_list<QWidget*>{
             messageEdit, onlyForYouWordingBox, addresseeEdit, linkTextBox, otherNickEdit,
             ownTextEdit, templateOwnTextEdit, killWhereBox, killActionBox, killPeriodBox,
             killReasonBox, killerEdit, victimEdit, solitudeActionEdit, solitudeNickEdit,
             notificationNickEdit}) {
        attachEditMenu(control);
    }
    profileBar->attachEditMenu([this](QWidget* control) { attachEditMenu(control); });
}

void MainWindow::attachEditMenu(QWidget* control) {
    // A combo box's edit field passes its context-menu requests on to the combo box.
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, this, [this, control](QPoint position) {
        // Scroll areas report the position within their viewport.
        const auto* area = qobject_cast<QAbstractScrollArea*>(control);
        const QWidget* origin = area != nullptr ? area->viewport() : control;
        openEditMenu(control, origin->mapToGlobal(position));
    });
}

void MainWindow::openEditMenu(QWidget* sender, QPoint globalPos) {
    editMenuTarget_ = sender;
    editMenu->popup(globalPos);
}

void MainWindow::prepareEditMenu() {
    QWidget* target = editMenuTarget_;
    const QString selected = GetControlText(target, false);
    saveAsNickAction->setEnabled(!TrimNick(ToCp1251(selected)).empty());
    cutAction->setEnabled(!selected.isEmpty());
    copyAction->setEnabled(!selected.isEmpty());
    clearAction->setEnabled(!selected.isEmpty());
    selectAllAction->setEnabled(!GetControlText(target, true).isEmpty() && !IsAllSelected(target));
    pasteAction->setEnabled(services_.clipboard.hasText());

    SortNicks(nicks_);
    insertNickMenu->clear();
    deleteNickMenu->clear();
    insertNickMenu->setEnabled(!nicks_.empty());
    deleteNickMenu->setEnabled(!nicks_.empty());
    for (const std::string& nick : nicks_) {
        AddNickItem(insertNickMenu, nick);
        AddNickItem(deleteNickMenu, nick);
    }
}

// The commands change the window's own controls, so they are not const however they reach them.
// NOLINTBEGIN(readability-make-member-function-const)
void MainWindow::cutText() {
    copyText();
    ReplaceSelection(editMenuTarget_, QString());
}

void MainWindow::copyText() {
    services_.clipboard.setText(GetControlText(editMenuTarget_, false));
}

void MainWindow::pasteText() {
    ReplaceSelection(editMenuTarget_, services_.clipboard.text());
}

void MainWindow::clearText() {
    ReplaceSelection(editMenuTarget_, QString());
}

void MainWindow::selectAllText() {
    SelectAllText(editMenuTarget_);
}

void MainWindow::saveSelectionAsNick() {
    AddNick(nicks_, ToCp1251(GetControlText(editMenuTarget_, false)));
}

void MainWindow::insertNick(QAction* item) {
    ReplaceSelection(editMenuTarget_, FromCp1251(NickOf(item)));
}

void MainWindow::deleteNick(QAction* item) {
    RemoveNick(nicks_, NickOf(item));
}

// NOLINTEND(readability-make-member-function-const)

}  // namespace tagforge
