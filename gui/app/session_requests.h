#pragma once

#include <QObject>
#include <QPointer>

#include "gui/app/session_end.h"
#include "gui/app/termination.h"
#include "gui/platform/instance_claim.h"

class QSocketNotifier;

namespace tagforge {

class MainWindow;

// What the world outside the window asks of the running program: termination signals, the
// desktop's logout and its order to quit end the session; a later start over the same data
// folder knocks to have the window brought forward. Before a window is attached, an ending
// request ends the start without saving: nothing the user did can be lost yet.
class SessionRequests final : public QObject {
    Q_OBJECT

  public:
    // `claim` holds this copy's data folder (or nothing, when the program runs unguarded).
    explicit SessionRequests(InstanceClaim claim, QObject* parent = nullptr);
    ~SessionRequests() override;

    // From now on the requests go to `window`.
    void attach(MainWindow& window);
    bool endedWhileStarting() const { return endedWhileStarting_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void endRequested(SessionEnd::Way way);
    void knocked();
    void leave();

    TerminationSignals terminationSignals_;
    InstanceClaim claim_;
    QSocketNotifier* knocks_ = nullptr;
    QPointer<MainWindow> window_;
    bool endedWhileStarting_ = false;
};

}  // namespace tagforge
