// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DisplayServer.h"
#include "app/SessionBus.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

// A Unix socket that listens at `path`; it accepts nobody, so a client waits for an answer in vain.
int listenAt(const QByteArray &path)
{
    sockaddr_un where = {};
    where.sun_family = AF_UNIX;
    std::memcpy(where.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&where), sizeof where) == 0 && ::listen(fd, 4) == 0)
        return fd;
    return -1;
}

} // namespace

class StartTest : public QObject
{
    Q_OBJECT

private slots:
    // Only where an X server is named does the program take it over Wayland; a choice of the user
    // stands.
    void chosenDisplayServer_data()
    {
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("userChoice");
        QTest::addColumn<QByteArray>("chosen");
        QTest::newRow("X only") << QByteArray(":0") << QByteArray() << QByteArray() << QByteArray("xcb");
        QTest::newRow("XWayland first") << QByteArray(":0") << QByteArray("wayland-0") << QByteArray()
                                        << QByteArray("xcb;wayland");
        QTest::newRow("Wayland only: Qt's own choice")
            << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray();
        QTest::newRow("the user's choice")
            << QByteArray(":0") << QByteArray() << QByteArray("offscreen") << QByteArray();
    }
    void chosenDisplayServer()
    {
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, userChoice);
        QTEST(::chosenDisplayServer(display, wayland, userChoice), "chosen");
    }

    // Where libdbus would start a bus of its own, or none is there, no socket is looked at.
    void sessionBusSocket_data()
    {
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<bool>("runtimeBus");
        QTest::addColumn<QByteArray>("socket");
        QTest::newRow("none named, none in the runtime folder") << QByteArray() << false << QByteArray();
        QTest::newRow("none named, the runtime folder's") << QByteArray() << true << QByteArray("/run/user/7/bus");
        QTest::newRow("a path") << QByteArray("unix:path=/run/user/7/bus") << false << QByteArray("/run/user/7/bus");
        QTest::newRow("escaped") << QByteArray("unix:path=/tmp/a%20b%2cc") << false << QByteArray("/tmp/a b,c");
        QTest::newRow("abstract, with a guid")
            << QByteArray("unix:abstract=/tmp/dbus-x,guid=0f") << false << QByteArray("@/tmp/dbus-x");
        QTest::newRow("autolaunch") << QByteArray("autolaunch:") << true << QByteArray();
        QTest::newRow("autolaunch first") << QByteArray("autolaunch:;unix:path=/b") << false << QByteArray();
        QTest::newRow("another transport is left alone")
            << QByteArray("tcp:host=localhost,port=9") << false << QByteArray("tcp:host=localhost,port=9");
    }
    void sessionBusSocket()
    {
        QFETCH(QByteArray, address);
        QFETCH(bool, runtimeBus);
        QTEST(::sessionBusSocket(address, "/run/user/7", runtimeBus), "socket");
    }

    // A bus that is not there, or one that takes the connection and never answers, is no bus.
    void busAnswers()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray silent = QFile::encodeName(dir.filePath(QStringLiteral("silent")));
        const QByteArray answering = QFile::encodeName(dir.filePath(QStringLiteral("answering")));
        QVERIFY(!::busAnswers(QFile::encodeName(dir.filePath(QStringLiteral("none"))), 100));

        const int silentFd = listenAt(silent);
        QVERIFY(silentFd >= 0);
        QVERIFY(!::busAnswers(silent, 100));
        ::close(silentFd);

        const int answeringFd = listenAt(answering);
        QVERIFY(answeringFd >= 0);
        std::thread bus([answeringFd] {
            const int client = ::accept(answeringFd, nullptr, nullptr);
            char login[64];
            if (client >= 0 && ::read(client, login, sizeof login) > 0) [[maybe_unused]]
                const ssize_t written = ::write(client, "OK 0f\r\n", 7);
            ::close(client);
        });
        QVERIFY(::busAnswers(answering, 10000));
        bus.join();
        ::close(answeringFd);
    }
};

QTEST_GUILESS_MAIN(StartTest)
#include "test_start.moc"
