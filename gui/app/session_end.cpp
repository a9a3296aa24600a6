#include "gui/app/session_end.h"

#include <QWidget>
#include <utility>

namespace tagforge {

SessionEnd::SessionEnd(QWidget* window, Save save, QObject* parent)
    : QObject(parent), window_(window), save_(std::move(save)) {}

bool SessionEnd::end(Way way) {
    const bool userAsked = way == Way::kWindow || way == Way::kTrayMenu;
    if (state_ == State::kEnded) {
        return true;
    }
    if (state_ == State::kSaving) {
        // Asked again while the first request still shows its failure: the system's second
        // request ends at once; the user's waits for the first.
        if (!userAsked) {
            finish();
        }
        return !userAsked;
    }
    state_ = State::kSaving;
    const ClosingSave result = save(userAsked);
    if (state_ == State::kEnded) {
        return true;
    }
    if (userAsked && result == ClosingSave::kOptionsLost) {
        state_ = State::kRunning;
        return false;
    }
    finish();
    return true;
}

void SessionEnd::commitData(const std::function<bool()>& mayTellUser) {
    if (state_ != State::kRunning) {
        return;
    }
    state_ = State::kSaving;
    const ClosingSave result =
        save_([this, &mayTellUser] { return !failureTold_ && mayTellUser(); });
    failureTold_ = failureTold_ || result != ClosingSave::kStored;
    if (state_ == State::kSaving) {
        state_ = State::kRunning;
    }
}

ClosingSave SessionEnd::save(bool userAsked) {
    const ClosingSave result = save_([this, userAsked] { return userAsked || !failureTold_; });
    if (!userAsked) {
        failureTold_ = failureTold_ || result != ClosingSave::kStored;
    }
    return result;
}

void SessionEnd::finish() {
    state_ = State::kEnded;
    // The window's close event finds the session ended and lets the window go without saving.
    window_->close();
    emit finished();
}

}  // namespace tagforge
