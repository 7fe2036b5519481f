// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/speech/QtSpeech.h"
#include "ui/speech/SpeechDispatcher.h"

#include <QMutex>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using kit::QtSpeech;
using kit::SpeechDispatcher;

namespace {

// A stand-in for speech-dispatcher on a unix socket, on a thread of its own, answering as its
// mode says: like the real service (with or without a German module), nonsense, a wrong code,
// an endless line, hanging up at SPEAK, or never.
class FakeService
{
public:
    FakeService(const QString &path, const QString &mode) : path_(QFile::encodeName(path)), mode_(mode)
    {
        ::unlink(path_.constData());
        listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path_.constData(), size_t(path_.size()));
        if (::bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0 ||
            ::listen(listener_, 8) != 0)
            qFatal("the stand-in service cannot listen");
        thread_ = std::thread([this] { serve(); });
    }
    ~FakeService()
    {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }

    QStringList heard() const
    {
        QMutexLocker lock(&mutex_);
        return heard_;
    }

private:
    void serve()
    {
        std::vector<int> connections;
        QHash<int, QByteArray> pending;
        QHash<int, bool> inText;
        while (!stop_) {
            std::vector<pollfd> watched{{listener_, POLLIN, 0}};
            for (int c : connections)
                watched.push_back({c, POLLIN, 0});
            if (::poll(watched.data(), watched.size(), 20) <= 0)
                continue;
            if (watched[0].revents & POLLIN)
                connections.push_back(::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC));
            for (size_t i = 1; i < watched.size(); ++i) {
                const int c = watched[i].fd;
                if (!(watched[i].revents & (POLLIN | POLLHUP)))
                    continue;
                char chunk[4096];
                const ssize_t got = ::recv(c, chunk, sizeof(chunk), 0);
                if (got <= 0) {
                    ::close(c);
                    std::erase(connections, c);
                    continue;
                }
                pending[c].append(chunk, got);
                qsizetype end;
                while ((end = pending[c].indexOf("\r\n")) >= 0) {
                    const QByteArray line = pending[c].left(end);
                    pending[c].remove(0, end + 2);
                    const QByteArray reply = answer(c, line, inText[c]);
                    if (reply == "hang up") {
                        ::close(c);
                        std::erase(connections, c);
                        break;
                    }
                    if (!reply.isEmpty())
                        (void)::send(c, reply.constData(), size_t(reply.size()), MSG_NOSIGNAL);
                }
            }
        }
        for (int c : connections)
            ::close(c);
    }

    QByteArray answer(int, const QByteArray &line, bool &inText)
    {
        if (inText) {
            if (line != ".") {
                QMutexLocker lock(&mutex_);
                heard_.append(QStringLiteral("SAID ") + QString::fromUtf8(line));
                return {};
            }
            inText = false;
            return "225-1\r\n225 OK MESSAGE QUEUED\r\n";
        }
        {
            QMutexLocker lock(&mutex_);
            heard_.append(QString::fromUtf8(line));
        }
        if (mode_ == QLatin1String("mute"))
            return {};
        if (mode_ == QLatin1String("nonsense"))
            return "Fatal error \xff\x01 no code at all\n";
        if (mode_ == QLatin1String("wrong code"))
            return "299 OK WHATEVER\r\n";
        if (mode_ == QLatin1String("endless line"))
            return "208-" + QByteArray(20000, 'x');
        if (line == "SPEAK") {
            if (mode_ == QLatin1String("hangs up at SPEAK"))
                return "hang up";
            inText = true;
            return "230 OK RECEIVING DATA\r\n";
        }
        if (line.startsWith("SET self CLIENT_NAME"))
            return "208 OK CLIENT NAME SET\r\n";
        if (line.startsWith("SET self LANGUAGE"))
            return "201 OK LANGUAGE SET\r\n";
        if (line.startsWith("SET self RATE"))
            return "203 OK RATE SET\r\n";
        if (line.startsWith("SET self PRIORITY"))
            return "202 OK PRIORITY SET\r\n";
        if (line == "CANCEL self")
            return "213 OK CANCELED\r\n";
        if (line == "LIST OUTPUT_MODULES")
            return mode_ == QLatin1String("German") ? "250-espeak-ng\r\n250-dummy\r\n250 OK MODULE LIST SENT\r\n"
                                                     : "250-festival\r\n250 OK MODULE LIST SENT\r\n";
        if (line == "LIST SYNTHESIS_VOICES")
            return mode_ == QLatin1String("German voice in another module")
                       ? "249-kal\ten-GB\tnone\r\n249-hanna\tde-DE\tnone\r\n249 OK VOICE LIST SENT\r\n"
                       : "249-kal\ten-GB\tnone\r\n249-slt\ten-US\tnone\r\n249 OK VOICE LIST SENT\r\n";
        return "300 ERR UNKNOWN COMMAND\r\n";
    }

    QByteArray path_;
    QString mode_;
    int listener_ = -1;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable QMutex mutex_;
    QStringList heard_;
};

// Short time limits: a test waits for nothing longer than it must.
SpeechDispatcher::Limits quick()
{
    SpeechDispatcher::Limits limits;
    limits.answerMs = 300;
    limits.voiceListMs = 300;
    limits.startMs = 300;
    return limits;
}

} // namespace

Q_DECLARE_METATYPE(SpeechDispatcher::Opened)
Q_DECLARE_METATYPE(SpeechDispatcher::German)

class SpeechServiceTest : public QObject
{
    Q_OBJECT
    QTemporaryDir folder;
    QString socket;

private slots:
    void initTestCase()
    {
        socket = folder.filePath(QStringLiteral("speechd.sock"));
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + QFile::encodeName(socket));
        // No program of that name to start: where no service answers, none is started.
        qputenv("PATH", QFile::encodeName(folder.path()));
    }

    void socketIsFoundAsTheServiceLibraryDoes_data()
    {
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QByteArray>("runtime");
        QTest::addColumn<QString>("path"); // empty: no socket to use
        QTest::newRow("given") << QByteArray("unix_socket:/tmp/x.sock") << QByteArray("/run/user/7")
                               << QStringLiteral("/tmp/x.sock");
        QTest::newRow("usual place") << QByteArray("unix_socket") << QByteArray("/run/user/7")
                                     << QStringLiteral("/run/user/7/speech-dispatcher/speechd.sock");
        QTest::newRow("none given") << QByteArray() << QByteArray("/run/user/7")
                                    << QStringLiteral("/run/user/7/speech-dispatcher/speechd.sock");
        QTest::newRow("network") << QByteArray("inet_socket:127.0.0.1:6560") << QByteArray("/run/user/7") << QString();
    }
    void socketIsFoundAsTheServiceLibraryDoes()
    {
        QFETCH(QByteArray, address);
        QFETCH(QByteArray, runtime);
        QFETCH(QString, path);
        const QByteArray keptAddress = qgetenv("SPEECHD_ADDRESS");
        const QByteArray keptRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("SPEECHD_ADDRESS", address);
        qputenv("XDG_RUNTIME_DIR", runtime);
        const std::optional<QString> found = SpeechDispatcher::socketPath();
        qputenv("SPEECHD_ADDRESS", keptAddress);
        qputenv("XDG_RUNTIME_DIR", keptRuntime);
        QCOMPARE(found.value_or(QString()), path);
    }

    void textsBecomeOneSafeLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << QStringLiteral("drei plus vier") << QByteArray("drei plus vier");
        QTest::newRow("line breaks") << QStringLiteral("Pech!\r\n.\r\nNoch mal") << QByteArray("Pech!  .  Noch mal");
        QTest::newRow("leading dot") << QStringLiteral(".\r\nQUIT") << QByteArray("..  QUIT");
        QTest::newRow("control characters") << QStringLiteral("ei\x01n\x1bs\u2028zwei") << QByteArray("eins zwei");
        QTest::newRow("umlauts") << QStringLiteral("fünf") << QByteArray("f\xc3\xbcnf");
    }
    void textsBecomeOneSafeLine()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, line);
        QCOMPARE(SpeechDispatcher::lineFor(text), line);
    }

    void answersAreTakenStrictly_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<SpeechDispatcher::Opened>("opened");
        QTest::addColumn<SpeechDispatcher::German>("german");
        QTest::addColumn<bool>("said");
        using O = SpeechDispatcher::Opened;
        using G = SpeechDispatcher::German;
        QTest::newRow("German") << QStringLiteral("German") << O::Yes << G::Yes << true;
        QTest::newRow("German voice in another module")
            << QStringLiteral("German voice in another module") << O::Yes << G::Yes << true;
        QTest::newRow("English only") << QStringLiteral("English") << O::Yes << G::No << true;
        QTest::newRow("hangs up at SPEAK") << QStringLiteral("hangs up at SPEAK") << O::Yes << G::No << false;
        QTest::newRow("nonsense") << QStringLiteral("nonsense") << O::NoAnswer << G::NoAnswer << false;
        QTest::newRow("wrong code") << QStringLiteral("wrong code") << O::NoAnswer << G::NoAnswer << false;
        QTest::newRow("endless line") << QStringLiteral("endless line") << O::NoAnswer << G::NoAnswer << false;
        QTest::newRow("never answers") << QStringLiteral("mute") << O::NoAnswer << G::NoAnswer << false;
    }
    void answersAreTakenStrictly()
    {
        QFETCH(QString, mode);
        QFETCH(SpeechDispatcher::Opened, opened);
        QFETCH(SpeechDispatcher::German, german);
        QFETCH(bool, said);
        FakeService service(socket, mode);
        SpeechDispatcher dispatcher(quick());
        QCOMPARE(dispatcher.open(), opened);
        QCOMPARE(dispatcher.hasGermanVoice(), german);
        QCOMPARE(dispatcher.say(QStringLiteral("Hallo")), said);
        QCOMPARE(service.heard().contains(QStringLiteral("SAID Hallo")), said);
        if (opened == SpeechDispatcher::Opened::Yes)
            QVERIFY(service.heard().contains(QStringLiteral("SET self LANGUAGE de")));
    }

    void noServiceAndNoProgramIsNotInstalled()
    {
        ::unlink(QFile::encodeName(socket).constData());
        SpeechDispatcher dispatcher(quick());
        QCOMPARE(dispatcher.open(), SpeechDispatcher::Opened::NotInstalled);
        QVERIFY(!dispatcher.say(QStringLiteral("Hallo")));
    }

    void theVoiceFollowsTheServiceThroughRestarts()
    {
        QtSpeech speech;
        int changes = 0;
        speech.watchVoice([&changes] { ++changes; });
        {
            FakeService service(socket, QStringLiteral("German"));
            speech.speak(QStringLiteral("eins"));
            QTRY_VERIFY(service.heard().contains(QStringLiteral("SAID eins")));
            QCOMPARE(speech.voice(), kit::Speech::Voice::German);
        }
        QTRY_COMPARE(changes, 1);
        {
            // Restarted while the voice was idle: the next text reaches the new service.
            FakeService restarted(socket, QStringLiteral("German"));
            speech.speak(QStringLiteral("zwei"));
            QTRY_VERIFY(restarted.heard().contains(QStringLiteral("SAID zwei")));
            QCOMPARE(speech.voice(), kit::Speech::Voice::German);
        }
        {
            // One that talks nonsense after a restart: the voice says so, once asked again.
            FakeService nonsense(socket, QStringLiteral("nonsense"));
            speech.speak(QStringLiteral("drei"));
            QTRY_COMPARE(speech.voice(), kit::Speech::Voice::NoAnswer);
            QTRY_COMPARE(changes, 2);
        }
        {
            // Back again: the switch asks, and the voice is German once more.
            FakeService back(socket, QStringLiteral("German"));
            QTRY_VERIFY_WITH_TIMEOUT((speech.prepare(), speech.voice() == kit::Speech::Voice::German), 10000);
            QTRY_COMPARE(changes, 3);
            speech.speak(QStringLiteral("vier"));
            QTRY_VERIFY(back.heard().contains(QStringLiteral("SAID vier")));
        }
        {
            // No German voice: nothing is said by a foreign one, and the voice says why.
            FakeService english(socket, QStringLiteral("English"));
            speech.speak(QStringLiteral("fünf"));
            QTRY_COMPARE(speech.voice(), kit::Speech::Voice::NoGermanVoice);
            QVERIFY(!english.heard().contains(QStringLiteral("SAID fünf")));
        }
        speech.shutDown();
    }
};

QTEST_GUILESS_MAIN(SpeechServiceTest)
#include "test_speechservice.moc"
