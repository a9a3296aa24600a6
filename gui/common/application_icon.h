#pragma once

#include <QIcon>

namespace tagforge {

// The program's icon in every size the build drew from its picture: the window's title bar, the
// task switcher and the tray all show it.
QIcon ApplicationIcon();

}  // namespace tagforge
