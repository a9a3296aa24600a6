#include "gui/common/tool_tip_blocker.h"

#include <QEvent>
#include <QWidget>

namespace tagforge {

ToolTipBlocker::ToolTipBlocker(QWidget* window) : QObject(window), window_(window) {}

bool ToolTipBlocker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && widget->window() == window_;
}

}  // namespace tagforge
