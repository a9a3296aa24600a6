#include "gui/app/session_requests.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>
#include <utility>

#include "gui/app/main_window.h"

namespace tagforge {

SessionRequests::SessionRequests(InstanceClaim claim, QObject* parent)
    : QObject(parent), claim_(std::move(claim)) {
    connect(&terminationSignals_, &TerminationSignals::requested, this,
            [this] { endRequested(SessionEnd::Way::kSignal); });
    if (claim_.descriptor() >= 0) {
        knocks_ = new QSocketNotifier(claim_.descriptor(), QSocketNotifier::Read, this);
        connect(knocks_, &QSocketNotifier::activated, this, &SessionRequests::knocked);
    }
    // The desktop's order to quit (the end of a logout) skips windows hidden in the tray.
    QCoreApplication::instance()->installEventFilter(this);
}

SessionRequests::~SessionRequests() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void SessionRequests::attach(MainWindow& window) {
    window_ = &window;
    connect(&window.sessionEnd(), &SessionEnd::finished, this, &SessionRequests::leave);
    connect(qobject_cast<QGuiApplication*>(QCoreApplication::instance()),
            &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
                if (window_ != nullptr) {
                    window_->sessionEnd().commitData(
                        [&manager] { return manager.allowsErrorInteraction(); });
                }
            });
}

bool SessionRequests::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance() &&
        !(window_ != nullptr && window_->sessionEnd().ended())) {
        endRequested(SessionEnd::Way::kDesktop);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void SessionRequests::endRequested(SessionEnd::Way way) {
    if (window_ != nullptr) {
        window_->sessionEnd().end(way);
        return;
    }
    endedWhileStarting_ = true;
    leave();
}

void SessionRequests::knocked() {
    // Starting or ending, there is no window to show yet or any more: the knocking start waits.
    const bool canShow = window_ != nullptr && !window_->sessionEnd().ended();
    if (claim_.answerKnock(canShow ? InstanceClaim::Answer::kShown
                                   : InstanceClaim::Answer::kNotNow) &&
        canShow) {
        window_->bringToFront();
    }
}

void SessionRequests::leave() {
    // A start that knocks from now on claims the folder instead of waiting for us.
    if (knocks_ != nullptr) {
        knocks_->setEnabled(false);
    }
    claim_.release();
    // Before the main loop runs only a message box's loop can be left; the start then skips
    // the main loop.
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(0);
    }
}

}  // namespace tagforge
