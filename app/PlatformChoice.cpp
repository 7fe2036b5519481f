// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/PlatformChoice.h"

#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>

QByteArray chosenPlatform(const QByteArray &display, const QByteArray &waylandDisplay, const QByteArray &userChoice)
{
    if (!userChoice.isEmpty() || display.isEmpty())
        return {};
    // Qt tries the platforms in turn: an XWayland that does not answer still leaves Wayland.
    return waylandDisplay.isEmpty() ? QByteArray("xcb") : QByteArray("xcb;wayland");
}

PlatformArguments::PlatformArguments(int argc, char *argv[])
    : platform_(chosenPlatform(qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"), qgetenv("QT_QPA_PLATFORM")))
{
    static char platformOption[] = "-platform";
    values_.assign(argv, argv + argc);
    if (!platform_.isEmpty()) {
        values_.push_back(platformOption);
        values_.push_back(platform_.data());
    }
    count_ = int(values_.size());
    values_.push_back(nullptr);
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
    return QStringLiteral("Das Qt-Plattform-Plugin ") + quoted(platform.name) + QStringLiteral(" ließ sich nicht starten.");
}

} // namespace

QString platformFailureText(const QStringList &qtMessages, const QByteArray &display, const QByteArray &waylandDisplay)
{
    QString text;
    const QList<Tried> tried = platformsTried(qtMessages);
    for (const Tried &platform : tried) {
        if (platform.installed) {
            text += QStringLiteral("quarimo: ") + unreachable(platform, display, waylandDisplay) + u'\n';
            continue;
        }
        text += QStringLiteral("quarimo: Das Qt-Plattform-Plugin ") + quoted(platform.name) + QStringLiteral(" ist nicht installiert");
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
        text = QStringLiteral("quarimo: ") + unreachable({QStringLiteral("xcb"), true}, display, waylandDisplay) + u'\n';
    return text + QString::fromUtf8(windowProgram);
}

void endForNoPlatform(const QStringList &qtMessages)
{
    const QString text = platformFailureText(qtMessages, qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    // Not abort(): nothing is broken that a core dump could show.
    std::_Exit(1);
}
