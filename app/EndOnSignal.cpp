// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/EndOnSignal.h"

#include "app/SettingsFile.h"
#include "engine/SharedValues.h"
#include "app/Platform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may do almost nothing: it writes one byte into a pipe that the event loop
// watches (the self-pipe pattern). A signal before the loop runs stays in the pipe until then.
int wakePipe[2] = {-1, -1};
bool ended = false;
std::function<void()> ending;

void endOnce()
{
    // A second request while ending changes nothing.
    if (ended || !ending)
        return;
    ended = true;
    ending();
}

// The session manager's "die" reaches the application as a Quit event, which Qt would turn into
// closing every window: the start page would answer with the exit question, and the logout would
// wait for a child who has gone.
class QuitFromSession final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != QCoreApplication::instance() || event->type() != QEvent::Quit)
            return false;
        endOnce();
        return true;
    }
};

std::function<void()> *savingOnDisplayLoss = nullptr;
std::thread::id eventThread;

extern "C" void saveOnDisplayLoss()
{
    // Only Qt's own exit on the event thread, while main's objects still stand.
    if (savingOnDisplayLoss && std::this_thread::get_id() == eventThread && !ended) {
        ended = true;
        (*savingOnDisplayLoss)();
    }
}

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
    ending = std::move(end);
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new QuitFromSession(app));
    auto *notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char drained[16];
        while (::read(wakePipe[0], drained, sizeof drained) > 0) {
        }
        // The notifier stays on, so the pipe never fills.
        endOnce();
    });
}

void followSessionManager(std::function<void()> save)
{
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    QObject::connect(app, &QGuiApplication::commitDataRequest, app, [save = std::move(save)](QSessionManager &manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
        save();
    });
    // Brought back at the next login, the program would be started with the session's arguments,
    // which are not its own.
    QObject::connect(app, &QGuiApplication::saveStateRequest, app,
                     [](QSessionManager &manager) { manager.setRestartHint(QSessionManager::RestartNever); });
}

SaveWhenDisplayLost::SaveWhenDisplayLost(std::function<void()> save)
{
    static const bool registered = std::atexit(saveOnDisplayLoss) == 0;
    if (!registered)
        return;
    eventThread = std::this_thread::get_id();
    savingOnDisplayLoss = new std::function<void()>(std::move(save));
}

SaveWhenDisplayLost::~SaveWhenDisplayLost()
{
    delete std::exchange(savingOnDisplayLoss, nullptr);
}

bool endedBySignal()
{
    return ended;
}

void keepRange(Platform &platform, const SharedValues &shared)
{
    if (!settingsfile::writeSettings(platform.settingsWriter(), settingsfile::fileName(), shared.numberRange))
        std::fputs("quarimo: Die Datei 'QUARIMO.INI' konnte nicht geschrieben werden. Der Zahlenraum wird beim "
                   "nächsten Start nicht übernommen.\n",
                   stderr);
}

void endWithoutAsking(Platform &platform, const SharedValues &shared)
{
    keepRange(platform, shared);
    platform.endProgram();
}
