#pragma once

#include <QObject>
#include <csignal>

class QSocketNotifier;

namespace tagforge {

// SIGTERM, SIGINT and SIGHUP (the desktop ending the session, Ctrl+C in a terminal, a closed
// terminal) reach the event loop as requested(), once per burst of signals, for as long as
// this object lives; its destructor puts back the handlers it found. One at a time. A Windows
// window program gets none of these: its session end comes through Qt's session manager, so
// there this object never asks for anything.
class TerminationSignals final : public QObject {
    Q_OBJECT

  public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  signals:
    void requested();

  private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
#if !defined(_WIN32)
    struct sigaction previous_[3] = {};
#endif
};

}  // namespace tagforge
