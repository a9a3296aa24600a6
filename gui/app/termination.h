#pragma once

class QObject;

namespace tagforge {

// SIGTERM, SIGINT and SIGHUP (the desktop ending the session, Ctrl+C in a terminal) close the
// windows as the user would, so the profile and settings are saved, then end the event loop.
void CloseWindowsOnTermination(QObject* owner);

}  // namespace tagforge
