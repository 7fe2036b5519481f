// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DisplayServer.h"

#include <QGuiApplication>
#include <QList>
#include <QRegularExpression>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

QByteArray chosenDisplayServer(const QByteArray &display, const QByteArray &waylandDisplay,
                               const QByteArray &userChoice)
{
    if (!userChoice.isEmpty() || display.isEmpty())
        return {};
    // Qt tries the platforms in turn: an XWayland that does not answer still leaves Wayland.
    return waylandDisplay.isEmpty() ? QByteArray("xcb") : QByteArray("xcb;wayland");
}

namespace {

const char *const windowProgram = "quarimo ist ein Fensterprogramm und braucht eine grafische Anzeige. Bitte auf dem "
                                  "Desktop\nstarten oder unter einer virtuellen Anzeige: xvfb-run -a quarimo\n";

QString quoted(const QString &name)
{
    return QStringLiteral("„") + name + QStringLiteral("“");
}

// What Qt's plugin loader said about one platform: not there at all, or there but not started.
struct Tried
{
    QString name;
    bool installed = false;
};

QList<Tried> platformsTried(const QStringList &qtMessages)
{
    static const QRegularExpression plugin(QStringLiteral("Could not (find|load) the Qt platform plugin \"([^\"]*)\""));
    QList<Tried> tried;
    for (const QString &message : qtMessages) {
        const QRegularExpressionMatch match = plugin.match(message);
        if (match.hasMatch())
            tried.append({match.captured(2), match.captured(1) == QStringLiteral("load")});
    }
    return tried;
}

QString availablePlatforms(const QStringList &qtMessages)
{
    static const QRegularExpression available(QStringLiteral("Available platform plugins are: ([^\n]*?)\\.?\\s*$"),
                                              QRegularExpression::MultilineOption);
    for (const QString &message : qtMessages) {
        const QRegularExpressionMatch match = available.match(message);
        if (match.hasMatch())
            return match.captured(1);
    }
    return {};
}

QString unreachable(const Tried &platform, const QByteArray &display, const QByteArray &waylandDisplay)
{
    if (platform.name == QStringLiteral("xcb"))
        return display.isEmpty() ? QStringLiteral("Es konnte kein Bildschirm erreicht werden.")
                                 : QStringLiteral("Der Bildschirm ") + quoted(QString::fromLocal8Bit(display)) +
                                       QStringLiteral(" ist nicht erreichbar.");
    if (platform.name == QStringLiteral("wayland"))
        return QStringLiteral("Die Wayland-Anzeige ") +
               quoted(waylandDisplay.isEmpty() ? QStringLiteral("wayland-0") : QString::fromLocal8Bit(waylandDisplay)) +
               QStringLiteral(" ist nicht erreichbar.");
    return QStringLiteral("Das Qt-Plattform-Plugin ") + quoted(platform.name) +
           QStringLiteral(" ließ sich nicht starten.");
}

} // namespace

QString displayFailureText(const QStringList &qtMessages, const QByteArray &display, const QByteArray &waylandDisplay)
{
    QString text;
    const QList<Tried> tried = platformsTried(qtMessages);
    for (const Tried &platform : tried) {
        if (platform.installed) {
            text += QStringLiteral("quarimo: ") + unreachable(platform, display, waylandDisplay) + u'\n';
            continue;
        }
        text += QStringLiteral("quarimo: Das Qt-Plattform-Plugin ") + quoted(platform.name) +
                QStringLiteral(" ist nicht installiert");
        if (platform.name == QStringLiteral("wayland"))
            text += QStringLiteral(" (Paket qt6-wayland)");
        text += QStringLiteral(".\n");
        const QString available = availablePlatforms(qtMessages);
        if (!available.isEmpty())
            text += QStringLiteral("Vorhanden sind: ") + available + QStringLiteral(".\n");
        if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            text += QStringLiteral("Gewählt ist es mit QT_QPA_PLATFORM=") + qEnvironmentVariable("QT_QPA_PLATFORM") +
                    QStringLiteral("; ohne diese Einstellung nimmt quarimo die Anzeige, die es findet.\n");
    }
    if (tried.isEmpty())
        text =
            QStringLiteral("quarimo: ") + unreachable({QStringLiteral("xcb"), true}, display, waylandDisplay) + u'\n';
    return text + QString::fromUtf8(windowProgram);
}

QString noScreenText(const QString &qtPlatform, const QByteArray &display, const QByteArray &waylandDisplay)
{
    QString said;
    if (qtPlatform == QStringLiteral("xcb") || qtPlatform == QStringLiteral("wayland"))
        said = unreachable({qtPlatform, true}, display, waylandDisplay);
    else
        said = QStringLiteral("Das Qt-Plattform-Plugin ") + quoted(qtPlatform) +
               QStringLiteral(" fand keinen Bildschirm.");
    return QStringLiteral("quarimo: ") + said + u'\n' + QString::fromUtf8(windowProgram);
}

QString notAnsweringText(const QByteArray &display, const QByteArray &waylandDisplay, const QByteArray &userChoice)
{
    QString said;
    if (!display.isEmpty() && (userChoice.isEmpty() || userChoice.startsWith("xcb")))
        said = QStringLiteral("Der Bildschirm ") + quoted(QString::fromLocal8Bit(display)) +
               QStringLiteral(" antwortet nicht.");
    else if (userChoice.isEmpty() || userChoice.startsWith("wayland"))
        said = QStringLiteral("Die Wayland-Anzeige ") +
               quoted(waylandDisplay.isEmpty() ? QStringLiteral("wayland-0") : QString::fromLocal8Bit(waylandDisplay)) +
               QStringLiteral(" antwortet nicht.");
    else
        said = QStringLiteral("Die grafische Anzeige antwortet nicht.");
    return QStringLiteral("quarimo: ") + said + u'\n' + QString::fromUtf8(windowProgram);
}

namespace {

// Says it on the terminal and ends with status 1. Not abort(): nothing is broken that a core dump
// could show.
[[noreturn]] void endSaying(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// While the application connects, Qt's own messages are held back; Qt may send them from its
// other threads meanwhile, so the list is guarded. A message handler is a plain function: what it
// holds cannot belong to an object.
struct Held
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::mutex heldGuard;
QList<Held> held;
QtMessageHandler previousHandler = nullptr;

QStringList heldTexts()
{
    QStringList texts;
    for (const Held &message : std::as_const(held))
        texts.append(message.text);
    return texts;
}

void hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const std::lock_guard lock(heldGuard);
    if (type == QtFatalMsg)
        endSaying(displayFailureText(heldTexts() << text, qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")));
    held.append({type, QByteArray(context.category ? context.category : "default"), text});
}

void releaseHeld()
{
    const std::lock_guard lock(heldGuard);
    if (!previousHandler)
        return;
    qInstallMessageHandler(previousHandler);
    for (const Held &message : std::as_const(held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        previousHandler(message.type, context, message.text);
    }
    held.clear();
    previousHandler = nullptr;
}

// A display server that accepts the connection and never answers would hold the start for ever;
// on a busy machine an answer takes well under a second, and a cold disk may add a few to loading
// the platform plugin.
constexpr std::chrono::seconds answerTime{8};

} // namespace

DisplayServer::DisplayServer(int argc, char *argv[])
    : platform_(chosenDisplayServer(qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"), qgetenv("QT_QPA_PLATFORM"))),
      notAnswering_(
          notAnsweringText(qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"), qgetenv("QT_QPA_PLATFORM")).toLocal8Bit())
{
    static char platformOption[] = "-platform";
    values_.assign(argv, argv + argc);
    if (!platform_.isEmpty()) {
        values_.push_back(platformOption);
        values_.push_back(platform_.data());
    }
    count_ = int(values_.size());
    values_.push_back(nullptr);

    {
        const std::lock_guard lock(heldGuard);
        previousHandler = qInstallMessageHandler(&hold);
    }
    watchdog_ = std::thread([this] {
        std::unique_lock lock(watching_);
        if (!answered_.wait_for(lock, answerTime, [this] { return connected_; })) {
            // Only write(2) and _exit(2): the event thread may hold any lock while it waits.
            [[maybe_unused]] const ssize_t written =
                ::write(STDERR_FILENO, notAnswering_.constData(), notAnswering_.size());
            ::_exit(1);
        }
    });
}

DisplayServer::~DisplayServer()
{
    stopWatching();
    releaseHeld();
}

void DisplayServer::stopWatching()
{
    if (!watchdog_.joinable())
        return;
    {
        const std::lock_guard lock(watching_);
        connected_ = true;
    }
    answered_.notify_one();
    watchdog_.join();
}

void DisplayServer::connected()
{
    stopWatching();
    // Qt would end at the first window with an English fatal message and a core dump.
    if (QGuiApplication::screens().isEmpty())
        endSaying(noScreenText(QGuiApplication::platformName(), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")));
    releaseHeld();
}

bool DisplayServer::named()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void DisplayServer::endUnnamed()
{
    endSaying(displayFailureText({}, qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")));
}

QtPlatform::Voice DisplayServer::voiceFor(const QString &qtPlatform)
{
    const bool headless = qtPlatform == QLatin1String("offscreen") || qtPlatform == QLatin1String("minimal");
    return headless ? QtPlatform::Voice::Silent : QtPlatform::Voice::Speaking;
}
