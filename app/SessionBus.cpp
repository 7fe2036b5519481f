// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SessionBus.h"

#include <QByteArrayList>
#include <QtGlobal>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

QByteArray sessionBusSocket(const QByteArray &address, const QByteArray &runtimeDir, bool runtimeBusExists)
{
    if (address.isEmpty())
        return runtimeBusExists ? runtimeDir + "/bus" : QByteArray();
    // libdbus tries the addresses in turn; the first one tells whether a bus is meant at all.
    const QByteArray first = address.split(';').constFirst();
    const qsizetype colon = first.indexOf(':');
    const QByteArray transport = first.left(colon);
    if (transport == "autolaunch")
        return {};
    if (transport != "unix")
        return address;
    for (const QByteArray &pair : first.mid(colon + 1).split(',')) {
        const QByteArray value = QByteArray::fromPercentEncoding(pair.mid(pair.indexOf('=') + 1));
        if (pair.startsWith("path="))
            return value;
        if (pair.startsWith("abstract="))
            return '@' + value;
    }
    return address; // a form the program does not know: left to libdbus
}

bool busAnswers(const QByteArray &socket, int milliseconds)
{
    sockaddr_un where = {};
    where.sun_family = AF_UNIX;
    if (socket.isEmpty() || size_t(socket.size()) >= sizeof where.sun_path)
        return false;
    std::memcpy(where.sun_path, socket.constData(), size_t(socket.size()));
    socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(socket.size()));
    if (socket.startsWith('@'))
        where.sun_path[0] = '\0';
    else
        length = sizeof where;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    bool answered = false;
    pollfd waiting = {fd, POLLOUT, 0};
    if ((::connect(fd, reinterpret_cast<const sockaddr *>(&where), length) == 0 || errno == EINPROGRESS) &&
        ::poll(&waiting, 1, milliseconds) == 1 && (waiting.revents & POLLOUT)) {
        // The start of a login: any line back means a server that listens.
        const QByteArray login =
            QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(::getuid()).toHex() + "\r\n";
        waiting = {fd, POLLIN, 0};
        char reply[64];
        answered = ::send(fd, login.constData(), size_t(login.size()), MSG_NOSIGNAL) == login.size() &&
                   ::poll(&waiting, 1, milliseconds) == 1 && ::recv(fd, reply, sizeof reply, 0) > 0;
    }
    ::close(fd);
    return answered;
}

void leaveSilentSessionBusAlone()
{
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    struct stat runtimeBus = {};
    const bool runtimeBusExists = !runtimeDir.isEmpty() &&
                                  ::stat((runtimeDir + "/bus").constData(), &runtimeBus) == 0 &&
                                  S_ISSOCK(runtimeBus.st_mode);
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray socket = sessionBusSocket(address, runtimeDir, runtimeBusExists);
    if (!socket.isEmpty() && (socket == address || busAnswers(socket, 1000)))
        return;
    // Not a transport libdbus knows: it fails at once, and Qt goes on without a bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}
