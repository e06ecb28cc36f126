#include "tools/common/simprogram.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace simcommon {

namespace {

int signalPipe[2] = {-1, -1};

// One byte per signal: 2 for SIGUSR1, 1 for the others (stop).
void onSignal(int sig)
{
    const char c = sig == SIGUSR1 ? 2 : 1;
    // Nothing to do about a full pipe: one byte already wakes the loop.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &c, 1);
}

}  // namespace

bool quitOnSignals(std::function<void()> onUserSignal)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return false;
    const bool userSignal = bool(onUserSignal);
    auto *notifier =
        new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [onUserSignal = std::move(onUserSignal)] {
                         char c = 1;
                         [[maybe_unused]] const ssize_t n = ::read(signalPipe[1], &c, 1);
                         if (c == 2 && onUserSignal)
                             onUserSignal();
                         else
                             QCoreApplication::quit();
                     });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    if (userSignal)
        sigaction(SIGUSR1, &action, nullptr);
    return true;
}

bool parsePort(const QString &text, int low, int *out)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > 65535)
        return false;
    *out = v;
    return true;
}

int fail(const char *program, const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", program, qPrintable(message));
    return 2;
}

}  // namespace simcommon
