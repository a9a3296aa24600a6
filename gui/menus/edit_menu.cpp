#include "gui/menus/edit_menu.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>

#include "core/lists/nick_list.h"
#include "gui/common/text_bridge.h"
#include "gui/menus/edit_commands.h"
#include "gui/platform/platform_services.h"

namespace tagforge {

namespace {

QIcon ThemeIcon(const char* name, const QIcon& fallback = {}) {
    return QIcon::fromTheme(QString::fromLatin1(name), fallback);
}

// The desktop's picture for an editing command, or the program's own where the theme has none.
QIcon EditIcon(const char* name) {
    QIcon own;
    for (const int size : {16, 24, 32, 48}) {
        own.addFile(QStringLiteral(":/edit-icons/%1/%2.png").arg(size).arg(QLatin1String(name)),
                    QSize(size, size));
    }
    return ThemeIcon(name, own);
}

QAction* AddCommand(QMenu* menu, const char* name, const QString& caption, const QIcon& icon = {}) {
    QAction* action = menu->addAction(icon, caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// Shows the key that does the same in the field; the key itself stays the field's.
QAction* AddEditCommand(QMenu* menu, const char* name, const QString& caption, const QIcon& icon,
                        QKeySequence::StandardKey key) {
    QAction* action = AddCommand(menu, name, caption, icon);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
    return action;
}

QMenu* AddSubmenu(QMenu* menu, const char* name, const QString& caption, const QIcon& icon) {
    QMenu* submenu = menu->addMenu(icon, caption);
    submenu->setObjectName(QString::fromLatin1(name));
    return submenu;
}

// A nick shown as it is: a single '&' would mark an access key and vanish from the caption.
QString NickCaption(const std::string& nick) {
    return FromStoredCp1251(nick).replace(QLatin1Char('&'), QStringLiteral("&&"));
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

EditMenu::EditMenu(Clipboard& clipboard, QWidget* parent) : QMenu(parent), clipboard_(clipboard) {
    setObjectName(QStringLiteral("PopupNickMenu"));
    undoAction = AddEditCommand(this, "N10", QStringLiteral("Отменить"), EditIcon("edit-undo"),
                                QKeySequence::Undo);
    addSeparator()->setObjectName(QStringLiteral("N12"));
    cutAction = AddEditCommand(this, "N6", QStringLiteral("Вырезать"), EditIcon("edit-cut"),
                               QKeySequence::Cut);
    copyAction = AddEditCommand(this, "N7", QStringLiteral("Копировать"), EditIcon("edit-copy"),
                                QKeySequence::Copy);
    pasteAction = AddEditCommand(this, "N8", QStringLiteral("Вставить"), EditIcon("edit-paste"),
                                 QKeySequence::Paste);
    clearAction = AddCommand(this, "N9", QStringLiteral("Очистить"));
    selectAllAction = AddEditCommand(this, "N3", QStringLiteral("Выделить всё"), QIcon(),
                                     QKeySequence::SelectAll);
    nickSeparator = addSeparator();
    nickSeparator->setObjectName(QStringLiteral("N5"));
    saveAsNickAction =
        AddCommand(this, "N1", QStringLiteral("Сохранить как ник"),
                   ThemeIcon("document-save", style()->standardIcon(QStyle::SP_DialogSaveButton)));
    insertNickMenu =
        AddSubmenu(this, "N2", QStringLiteral("Вставить ник"),
                   ThemeIcon("insert-text", style()->standardIcon(QStyle::SP_ArrowRight)));
    deleteNickMenu =
        AddSubmenu(this, "N4", QStringLiteral("Удалить ник"),
                   ThemeIcon("edit-delete", style()->standardIcon(QStyle::SP_TrashIcon)));

    connect(this, &QMenu::aboutToShow, this, &EditMenu::prepare);
    connect(undoAction, &QAction::triggered, this, &EditMenu::undoEdit);
    connect(cutAction, &QAction::triggered, this, &EditMenu::cutText);
    connect(copyAction, &QAction::triggered, this, &EditMenu::copyText);
    connect(pasteAction, &QAction::triggered, this, &EditMenu::pasteText);
    connect(clearAction, &QAction::triggered, this, &EditMenu::clearText);
    connect(selectAllAction, &QAction::triggered, this, &EditMenu::selectAllText);
    connect(saveAsNickAction, &QAction::triggered, this, &EditMenu::saveSelectionAsNick);
    connect(insertNickMenu, &QMenu::triggered, this, &EditMenu::insertNick);
    connect(deleteNickMenu, &QMenu::triggered, this, &EditMenu::deleteNick);
}

void EditMenu::attach(QWidget* control) {
    // A combo box's edit field passes its context-menu requests on to the combo box.
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, this, [this, control](QPoint position) {
        // Scroll areas report the position within their viewport.
        const auto* area = qobject_cast<QAbstractScrollArea*>(control);
        const QWidget* origin = area != nullptr ? area->viewport() : control;
        openOn(control, origin->mapToGlobal(position));
    });
}

void EditMenu::openOn(QWidget* target, QPoint globalPos) {
    target_ = target;
    popup(globalPos);
}

void EditMenu::setNicks(std::vector<std::string> nicks) {
    nicks_ = std::move(nicks);
}

void EditMenu::prepare() {
    QWidget* target = target_;
    const QString selected = GetControlText(target, false);
    undoAction->setEnabled(CanUndo(target));
    saveAsNickAction->setEnabled(!TrimNick(ToCp1251(selected)).empty());
    cutAction->setEnabled(!selected.isEmpty());
    copyAction->setEnabled(!selected.isEmpty());
    clearAction->setEnabled(!selected.isEmpty());
    selectAllAction->setEnabled(!GetControlText(target, true).isEmpty() && !IsAllSelected(target));
    pasteAction->setEnabled(clipboard_.hasText());

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

// The commands change the fields they act on, so they are not const however they reach them.
// NOLINTBEGIN(readability-make-member-function-const)
void EditMenu::undoEdit() {
    UndoEdit(target_);
}

void EditMenu::cutText() {
    copyText();
    ReplaceSelection(target_, QString());
}

void EditMenu::copyText() {
    clipboard_.setText(GetControlText(target_, false));
}

void EditMenu::pasteText() {
    ReplaceSelection(target_, clipboard_.text());
}

void EditMenu::clearText() {
    ReplaceSelection(target_, QString());
}

void EditMenu::selectAllText() {
    SelectAllText(target_);
}

void EditMenu::saveSelectionAsNick() {
    AddNick(nicks_, ToCp1251(GetControlText(target_, false)));
}

void EditMenu::insertNick(QAction* item) {
    ReplaceSelection(target_, FromStoredCp1251(NickOf(item)));
}

void EditMenu::deleteNick(QAction* item) {
    RemoveNick(nicks_, NickOf(item));
}

// NOLINTEND(readability-make-member-function-const)

}  // namespace tagforge
