#pragma once

#include <QObject>
#include <csignal>

class QSocketNotifier;

namespace tagforge {

// SIGTERM, SIGINT and SIGHUP (the desktop ending the session, Ctrl+C in a terminal, a closed
// terminal) reach the event loop as requested(), once per burst of signals, for as long as
// this object lives; its destructor puts back the handlers it found. One at a time.
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
    struct sigaction previous_[3] = {};
};

}  // namespace tagforge
