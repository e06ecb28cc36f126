#ifndef SIMCOMMON_SIMPROGRAM_H
#define SIMCOMMON_SIMPROGRAM_H

#include <QString>

#include <functional>

namespace simcommon {

// The simulators' console programs end cleanly on SIGTERM and SIGINT, so
// that they write their closing line and their logs: a signal handler only
// writes a byte to a socket pair, and the event loop quits. With
// onUserSignal, SIGUSR1 runs it on the event loop instead. Needs a
// QCoreApplication; false when the socket pair cannot be made.
bool quitOnSignals(std::function<void()> onUserSignal = {});

// A port number from the command line: LOW to 65535.
bool parsePort(const QString &text, int low, int *out);

// Writes "PROGRAM: MESSAGE" to stderr and gives the exit status of a bad
// command line or set-up, 2.
int fail(const char *program, const QString &message);

}  // namespace simcommon

#endif
