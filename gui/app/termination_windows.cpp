#include "gui/app/termination.h"

namespace tagforge {

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::drain() {
    emit requested();
}

}  // namespace tagforge
