#include "gui/app/termination.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <iterator>

namespace tagforge {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler may only write to a descriptor; the event loop reads the other end.
int signalSockets[2] = {-1, -1};

void NotifyEventLoop(int /*signal*/) {
    const int savedErrno = errno;
    const char byte = 1;
    // Non-blocking: a flood of signals fills the socket and the rest are dropped, never waited on.
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        signalSockets[0] = signalSockets[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);
    struct sigaction action {};
    action.sa_handler = NotifyEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], &action, &previous_[i]);
    }
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], &previous_[i], nullptr);
    }
    delete notifier_;
    for (int& fd : signalSockets) {
        ::close(fd);
        fd = -1;
    }
}

void TerminationSignals::drain() {
    // Signals that arrive together (SIGTERM with SIGHUP at logout) are one request; one that
    // comes while the first is still being handled is a second.
    char bytes[64];
    while (::read(signalSockets[1], bytes, sizeof(bytes)) > 0) {
    }
    emit requested();
}

}  // namespace tagforge
