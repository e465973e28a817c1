// The desktop program from its command line to its exit status.
#pragma once

#include <QString>

class QGuiApplication;

namespace clefmark {

class Controller;
class SignalTermination;

/// Sends every way the program can be asked to end through one orderly
/// termination (`Controller::applicationWillTerminate`: views detached,
/// capture stopped, settings saved): the last window closing or Quit (both
/// end the event loop), SIGTERM, SIGINT and SIGHUP, and the session manager
/// ending the session. The returned signal catcher belongs to `app`.
SignalTermination* connectOrderlyTermination(QGuiApplication& app, Controller& controller);

/// Runs the desktop program; returns its exit status.
int runApplication(int argc, char** argv);

} // namespace clefmark
