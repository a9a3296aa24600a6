#pragma once

#include <QObject>
#include <functional>

#include "gui/common/closing_save.h"

class QWidget;

namespace tagforge {

// The one way the program ends, whatever asks for it: the window's close, "Закрыть" in the tray
// menu, a termination signal, or the desktop ending the session. Each runs the closing save at
// most once and ends the program, whether the window is shown, minimised or hidden in the tray.
// The user's own ways stop when the options could not be stored, so the user can act; the
// system's ways end all the same, and a second request while the first still shows its failure
// ends at once.
class SessionEnd final : public QObject {
    Q_OBJECT

  public:
    enum class Way {
        // The window's close (its title bar, the keyboard).
        kWindow,
        // "Закрыть" in the tray menu.
        kTrayMenu,
        // SIGTERM, SIGINT or SIGHUP.
        kSignal,
        // The desktop's order to quit, as at the end of a logout.
        kDesktop,
    };

    // The closing save; `mayTellUser` is asked only when there is a failure to tell.
    using Save = std::function<ClosingSave(const std::function<bool()>& mayTellUser)>;

    // `window` is closed once the program ends.
    SessionEnd(QWidget* window, Save save, QObject* parent = nullptr);

    // True when the program ends (or has ended), false when it keeps running.
    bool end(Way way);
    // The desktop is about to end the session (a logout's commit): stores everything now,
    // without ending; the session manager ends the program afterwards. `mayTellUser` is asked
    // only when a failure is to be told.
    void commitData(const std::function<bool()>& mayTellUser);

    bool ended() const { return state_ == State::kEnded; }

  signals:
    // Once, when the program has to leave its event loop.
    void finished();

  private:
    enum class State { kRunning, kSaving, kEnded };

    ClosingSave save(bool userAsked);
    void finish();

    QWidget* window_;
    Save save_;
    State state_ = State::kRunning;
    // After a failed save in the system's name, its later requests tell of no failure again.
    bool failureTold_ = false;
};

}  // namespace tagforge
