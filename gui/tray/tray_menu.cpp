#include "gui/tray/tray_menu.h"

#include <QAction>
#include <QStyle>

namespace tagforge {

namespace {

const QString kHideCaption = QStringLiteral("Спрятать");
const QString kShowCaption = QStringLiteral("Показать");

}  // namespace

TrayMenu::TrayMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("PopupMenu1"));
    hideShowAction = addAction(style()->standardIcon(QStyle::SP_TitleBarMinButton), kHideCaption);
    hideShowAction->setObjectName(QStringLiteral("N11"));
    closeAction =
        addAction(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Закрыть"));
    closeAction->setObjectName(QStringLiteral("N21"));
    connect(hideShowAction, &QAction::triggered, this, &TrayMenu::hideOrShowChosen);
    connect(closeAction, &QAction::triggered, this, &TrayMenu::closeChosen);
}

void TrayMenu::setWindowHidden(bool hidden) {
    hideShowAction->setText(hidden ? kShowCaption : kHideCaption);
    hideShowAction->setIcon(style()->standardIcon(hidden ? QStyle::SP_TitleBarNormalButton
                                                         : QStyle::SP_TitleBarMinButton));
}

bool TrayMenu::offersToShow() const {
    return hideShowAction->text() == kShowCaption;
}

}  // namespace tagforge
