#pragma once

#include <QObject>

#include "gui/platform/named_lock.h"

class QWidget;

namespace tagforge {

class MessageBoxes;
class SettingsPage;
class ToolTipBlocker;

// The name a copy holds while it forbids other copies of the program to start.
inline constexpr char kExclusivityLockName[] = "OTF_MUTEX";

// Carries out the settings page's choices whose effect reaches past the page: the single-instance
// lock, held for the whole machine, and the window's tool tips, hidden through a filter on the
// whole application. The page only shows and reports them.
class SettingsEffects final : public QObject {
    Q_OBJECT

  public:
    // Follows the reports of `page` from now on; `window` parents messages and owns this object.
    SettingsEffects(const SettingsPage& page, MessageBoxes& messages, QWidget* window);

    void setSingleInstance(bool forbidsOthers);
    void setHintsShown(bool shown);

  private:
    QWidget* window_;
    MessageBoxes& messages_;
    NamedLock exclusivityLock_;
    ToolTipBlocker* hintBlocker_;
};

}  // namespace tagforge
