// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/EndOnSignal.h"

#include "app/SettingsFile.h"
#include "engine/SharedValues.h"
#include "app/Platform.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may do almost nothing: it writes one byte into a pipe that the event loop
// watches (the self-pipe pattern). A signal before the loop runs stays in the pipe until then.
int wakePipe[2] = {-1, -1};
bool ended = false;

extern "C" void onTerminationSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void catchTerminationSignals()
{
    if (wakePipe[0] >= 0 || ::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction before = {};
        if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
            continue; // whoever started us asked for it to be ignored
        ::sigaction(signal, &action, nullptr);
    }
}

void endOnTerminationSignals(std::function<void()> end)
{
    catchTerminationSignals();
    if (wakePipe[0] < 0)
        return;
    auto *notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [end = std::move(end)] {
        char drained[16];
        while (::read(wakePipe[0], drained, sizeof drained) > 0) {
        }
        // A second signal while ending changes nothing; the notifier stays on, so the pipe
        // never fills.
        if (ended)
            return;
        ended = true;
        end();
    });
}

bool endedBySignal()
{
    return ended;
}

void endWithoutAsking(Platform &platform, const SharedValues &shared)
{
    if (!settings::writeSettings(platform.settingsWriter(), settings::fileName(), shared.numberRange))
        std::fputs("quarimo: Die Datei 'QUARIMO.INI' konnte nicht geschrieben werden. Der Zahlenraum wird beim "
                   "nächsten Start nicht übernommen.\n",
                   stderr);
    platform.endProgram();
}
