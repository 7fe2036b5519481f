// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramEnd.h"

#include "app/Platform.h"
#include "app/SettingsFile.h"
#include "engine/SharedValues.h"
#include "ui/kit/Prerender.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

#ifdef QUARIMO_SESSION_LIBS
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <sys/eventfd.h>
#endif

namespace {

// What a signal handler touches: it may do almost nothing. Before the application exists it says
// the words given and ends; afterwards it writes one byte into a pipe that the end object watches
// from the event loop (the self-pipe pattern).
int wakePipe[2] = {-1, -1};
char earlyWords[2048];
std::atomic<size_t> earlyLength{0};
std::atomic<bool> held{false};
std::atomic<bool> served{false};

// A loop reads the pipe within milliseconds; a main thread that waits for something else all the
// while would otherwise never end.
constexpr unsigned graceSeconds = 5;
const char noLoop[] = "quarimo: Das Programm antwortet nicht und wird ohne Speichern beendet.\n";

extern "C" void onTerminationSignal(int)
{
    const int saved = errno;
    if (!held.load()) {
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, earlyWords, earlyLength.load());
        ::_exit(1);
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
    if (!served.load())
        ::alarm(graceSeconds);
    errno = saved;
}

extern "C" void onNoLoopInTime(int)
{
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, noLoop, sizeof noLoop - 1);
    ::_exit(1);
}

// Qt's own exit when the X server goes away calls the handlers registered with atexit while main's
// objects still stand; one function, registered once, serves the end object living then.
ProgramEnd *living = nullptr;
std::thread::id eventThread;
bool exitHookRegistered = false;

#ifdef QUARIMO_SESSION_LIBS
// The session manager is gone (it died, or sent what the program cannot read). libICE would end
// the program; instead the connection is left for dead: libICE no longer reads or writes it, and
// its socket is replaced by one that never has anything to read, so that Qt, which keeps watching
// it, never wakes for it. Qt closes it with the rest at the end.
void forgetSessionManager(IceConn connection)
{
    const int socket = IceConnectionNumber(connection);
    const int quiet = ::eventfd(0, EFD_CLOEXEC);
    if (socket < 0 || quiet < 0)
        return;
    ::dup3(quiet, socket, O_CLOEXEC);
    ::close(quiet);
    std::fputs("quarimo: Die Sitzungsverwaltung antwortet nicht mehr; quarimo läuft ohne sie weiter.\n", stderr);
}

extern "C" void onIceError(IceConn connection, Bool, int, unsigned long, int, int severity, IcePointer)
{
    if (severity != IceCanContinue)
        forgetSessionManager(connection);
}

extern "C" void onSessionError(SmcConn connection, Bool, int, unsigned long, int, int severity, SmPointer)
{
    if (severity != IceCanContinue)
        forgetSessionManager(SmcGetIceConnection(connection));
}
#endif

} // namespace

bool keepRange(Platform &platform, const SharedValues &shared)
{
    return settingsfile::writeSettings(platform.settingsWriter(), settingsfile::fileName(), shared.numberRange);
}

void ProgramEnd::catchSignals(const QByteArray &words)
{
    const size_t length = std::min(size_t(words.size()), sizeof earlyWords);
    std::memcpy(earlyWords, words.constData(), length);
    earlyLength = length;
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
    action.sa_handler = onNoLoopInTime;
    ::sigaction(SIGALRM, &action, nullptr);
}

void ProgramEnd::holdSignals()
{
    held = true;
}

ProgramEnd::ProgramEnd(Platform &platform, const SharedValues &shared) : platform_(platform), shared_(shared)
{
    holdSignals();
    QCoreApplication *app = QCoreApplication::instance();
    // The session manager's "die" reaches the application as a Quit event, which Qt would turn
    // into closing every window: the start page would answer with the exit question, and the
    // logout would wait for a child who has gone.
    app->installEventFilter(this);
    if (wakePipe[0] >= 0) {
        auto *notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            char drained[16];
            while (::read(wakePipe[0], drained, sizeof drained) > 0) {
            }
            // The notifier stays on, so the pipe never fills.
            endWithoutAsking();
        });
    }
    if (auto *gui = qobject_cast<QGuiApplication *>(app)) {
        // Asked to save before the session ends, the program keeps the range, and asks not to be
        // brought back at the next login: a child starts it when they want to play, and the
        // session's arguments are not its own.
        connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &manager) {
            manager.setRestartHint(QSessionManager::RestartNever);
            keepOrSay();
        });
        connect(gui, &QGuiApplication::saveStateRequest, this,
                [](QSessionManager &manager) { manager.setRestartHint(QSessionManager::RestartNever); });
    }
#ifdef QUARIMO_SESSION_LIBS
    IceSetIOErrorHandler(forgetSessionManager);
    IceSetErrorHandler(onIceError);
    SmcSetErrorHandler(onSessionError);
#endif
    if (!exitHookRegistered)
        exitHookRegistered = std::atexit(keepWhenDisplayLost) == 0;
    eventThread = std::this_thread::get_id();
    living = this;
}

ProgramEnd::~ProgramEnd()
{
    if (living == this)
        living = nullptr;
}

void ProgramEnd::keepWhenDisplayLost()
{
    // Only Qt's own exit on the event thread, while main's objects still stand.
    if (living && std::this_thread::get_id() == eventThread) {
        living->keepOnce();
        if (living->drawer_)
            living->drawer_->stop();
    }
}

bool ProgramEnd::keepOnce()
{
    // A second request while ending changes nothing.
    if (begun_)
        return false;
    begun_ = true;
    served = true;
    ::alarm(0);
    keepOrSay();
    return true;
}

void ProgramEnd::keepOrSay()
{
    // No box may be shown then: nobody may be there to close it.
    if (!keepRange(platform_, shared_))
        std::fputs("quarimo: Die Datei 'QUARIMO.INI' konnte nicht geschrieben werden. Der Zahlenraum wird beim "
                   "nächsten Start nicht übernommen.\n",
                   stderr);
}

void ProgramEnd::endWithoutAsking()
{
    if (keepOnce())
        platform_.endProgram();
}

bool ProgramEnd::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != QCoreApplication::instance() || event->type() != QEvent::Quit)
        return false;
    endWithoutAsking();
    return true;
}
