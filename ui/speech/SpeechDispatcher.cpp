// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/speech/SpeechDispatcher.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace kit {

namespace {

// No answer of the service is longer than a voice's name and language; a voice list has a few
// thousand lines at most.
constexpr qsizetype longestLine = 4096;
constexpr int mostLines = 50000;
constexpr qsizetype longestText = 4000;

// The codes of the answers that say a command was done.
constexpr int clientNameSet = 208;
constexpr int languageSet = 201;
constexpr int rateSet = 203;
constexpr int prioritySet = 202;
constexpr int receivingData = 230;
constexpr int messageQueued = 225;
constexpr int canceled = 213;
constexpr int moduleList = 250;
constexpr int voiceList = 249;

bool isGerman(const QString &language)
{
    return language.compare(QLatin1String("de"), Qt::CaseInsensitive) == 0 ||
           language.startsWith(QLatin1String("de-"), Qt::CaseInsensitive) ||
           language.startsWith(QLatin1String("de_"), Qt::CaseInsensitive);
}

// Waits until the socket can be read or written, at most until the deadline; false when it ran out.
bool waitFor(int socket, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd watched{socket, events, 0};
        const qint64 left = deadline.remainingTime();
        const int ready = ::poll(&watched, 1, int(qBound(qint64(0), left, qint64(60000))));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

SpeechDispatcher::SpeechDispatcher() : SpeechDispatcher(Limits()) {}

SpeechDispatcher::SpeechDispatcher(Limits limits) : limits_(limits) {}

SpeechDispatcher::~SpeechDispatcher()
{
    close();
}

std::optional<QString> SpeechDispatcher::socketPath()
{
    const QByteArray address = qgetenv("SPEECHD_ADDRESS");
    if (!address.isEmpty()) {
        // "unix_socket:PATH", or just "unix_socket" for the usual place; the service's network
        // sockets are for other machines, not for a child's voice.
        const QList<QByteArray> parts = address.split(':');
        if (parts.first() != "unix_socket")
            return std::nullopt;
        if (parts.size() > 1 && !parts.at(1).isEmpty())
            return QFile::decodeName(parts.at(1));
    }
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty())
        folder = qEnvironmentVariable("XDG_CACHE_HOME");
    if (folder.isEmpty())
        folder = QDir::homePath() + QLatin1String("/.cache");
    return folder + QLatin1String("/speech-dispatcher/speechd.sock");
}

SpeechDispatcher::Opened SpeechDispatcher::open()
{
    close();
    const std::optional<QString> path = socketPath();
    if (!path)
        return Opened::NoAnswer;
    if (!connectTo(*path)) {
        // Not running: started the way its own library does, then asked again.
        const QString program = QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher"));
        if (program.isEmpty())
            return Opened::NotInstalled;
        if (!startService(program, *path))
            return Opened::NoAnswer;
    }
    // The service's own voice for German; a little slower than grown-ups talk.
    QByteArray user = qgetenv("USER");
    user.replace('"', "").replace(':', "");
    if (user.isEmpty())
        user = "user";
    if (!call("SET self CLIENT_NAME \"" + lineFor(QString::fromLocal8Bit(user)) + ":quarimo:main\"", clientNameSet) ||
        !call("SET self LANGUAGE de", languageSet) || !call("SET self RATE -15", rateSet) ||
        !call("SET self PRIORITY message", prioritySet))
        return Opened::NoAnswer;
    return Opened::Yes;
}

bool SpeechDispatcher::connectTo(const QString &path)
{
    close();
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int line = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (line < 0)
        return false;
    int result;
    do
        result = ::connect(line, reinterpret_cast<const sockaddr *>(&address), sizeof(address));
    while (result < 0 && errno == EINTR);
    if (result < 0) {
        ::close(line);
        return false;
    }
    socket_ = line;
    buffer_.clear();
    return true;
}

bool SpeechDispatcher::startService(const QString &program, const QString &path)
{
    QDeadlineTimer deadline(limits_.startMs);
    {
        QProcess service;
        service.setStandardInputFile(QProcess::nullDevice());
        service.setStandardOutputFile(QProcess::nullDevice());
        service.setStandardErrorFile(QProcess::nullDevice());
        service.start(program,
                      {QStringLiteral("--spawn"), QStringLiteral("--communication-method"),
                       QStringLiteral("unix_socket"), QStringLiteral("--socket-path"), path});
        // It returns once its socket is there; one that hangs is ended with the time limit.
        if (!service.waitForFinished(int(qMax<qint64>(1, deadline.remainingTime()))))
            return false;
        // One that refused (autospawn switched off, another socket configured) is asked once.
        if (service.exitStatus() != QProcess::NormalExit || service.exitCode() != 0)
            return connectTo(path);
    }
    // Whether it started now or was just starting anyway: the socket tells.
    while (!connectTo(path)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    return true;
}

void SpeechDispatcher::close()
{
    if (socket_ >= 0)
        ::close(socket_);
    socket_ = -1;
    buffer_.clear();
}

QByteArray SpeechDispatcher::lineFor(const QString &text)
{
    QString line;
    line.reserve(text.size() + 1);
    for (const QChar c : text.left(longestText)) {
        if (c == u'\r' || c == u'\n' || c == u'\t' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            line.append(u' ');
        else if (c.category() != QChar::Other_Control)
            line.append(c);
    }
    line = line.trimmed();
    // A line of just a dot ends the text; a leading dot is doubled, and the service takes one away.
    if (line.startsWith(u'.'))
        line.prepend(u'.');
    return line.toUtf8();
}

bool SpeechDispatcher::say(const QString &text)
{
    if (!call("CANCEL self", canceled))
        return false;
    const QByteArray line = lineFor(text);
    if (line.isEmpty())
        return true;
    return call("SPEAK", receivingData) && call(line + "\r\n.", messageQueued);
}

SpeechDispatcher::German SpeechDispatcher::hasGermanVoice()
{
    // The modules that always bring a German voice answer at once. Asking a module for its voices
    // takes seconds, and one busy speaking may not answer until it has finished.
    QStringList modules;
    if (!call("LIST OUTPUT_MODULES", moduleList, &modules))
        return German::NoAnswer;
    modules.removeAll(QStringLiteral("dummy"));
    if (modules.isEmpty())
        return German::No;
    for (const QString &module : std::as_const(modules)) {
        if (module == QLatin1String("espeak-ng") || module == QLatin1String("espeak") ||
            module == QLatin1String("pico"))
            return German::Yes;
    }
    QStringList voices;
    if (!call("LIST SYNTHESIS_VOICES", voiceList, &voices, limits_.voiceListMs))
        return German::NoAnswer;
    // A module that lists nothing may still speak German.
    if (voices.isEmpty())
        return German::Yes;
    for (const QString &voice : std::as_const(voices)) {
        // name, language, variant
        const QStringList fields = voice.split(u'\t');
        if (fields.size() >= 2 && isGerman(fields.at(1).trimmed()))
            return German::Yes;
    }
    return German::No;
}

bool SpeechDispatcher::call(const QByteArray &command, int expected, QStringList *body, int limitMs)
{
    if (socket_ < 0)
        return false;
    const QDeadlineTimer deadline(limitMs > 0 ? limitMs : limits_.answerMs);
    // Nothing may be waiting before a command: words out of turn, or the end of a service that
    // went away while the program was idle.
    bool fine = buffer_.isEmpty();
    if (fine) {
        pollfd watched{socket_, POLLIN, 0};
        fine = ::poll(&watched, 1, 0) == 0;
    }
    fine = fine && send(command + "\r\n", deadline) && readReply(expected, body, deadline);
    if (!fine)
        close();
    return fine;
}

bool SpeechDispatcher::send(const QByteArray &bytes, const QDeadlineTimer &deadline)
{
    const char *next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        // Never a SIGPIPE from a service that has gone away: the call only fails.
        const ssize_t sent = ::send(socket_, next, size_t(left), MSG_NOSIGNAL);
        if (sent > 0) {
            next += sent;
            left -= sent;
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(socket_, POLLOUT, deadline))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

bool SpeechDispatcher::readReply(int expected, QStringList *body, const QDeadlineTimer &deadline)
{
    int code = 0;
    for (int lines = 0; lines < mostLines; ++lines) {
        QByteArray line;
        if (!readLine(line, deadline))
            return false;
        // "NNN-text" for every line but the last, "NNN text" for the last, all with one code.
        if (line.size() < 4 || (line.at(3) != '-' && line.at(3) != ' '))
            return false;
        int lineCode = 0;
        for (int i = 0; i < 3; ++i) {
            if (line.at(i) < '0' || line.at(i) > '9')
                return false;
            lineCode = lineCode * 10 + (line.at(i) - '0');
        }
        if (lines > 0 && lineCode != code)
            return false;
        code = lineCode;
        if (line.at(3) == ' ')
            return code == expected;
        if (body)
            body->append(QString::fromUtf8(line.mid(4)));
    }
    return false;
}

bool SpeechDispatcher::readLine(QByteArray &line, const QDeadlineTimer &deadline)
{
    for (;;) {
        const qsizetype end = buffer_.indexOf('\n');
        if (end >= 0) {
            if (end > longestLine)
                return false;
            line = buffer_.left(end);
            buffer_.remove(0, end + 1);
            if (line.endsWith('\r'))
                line.chop(1);
            return true;
        }
        if (buffer_.size() > longestLine || !waitFor(socket_, POLLIN, deadline))
            return false;
        char chunk[4096];
        const ssize_t got = ::recv(socket_, chunk, sizeof(chunk), 0);
        if (got > 0)
            buffer_.append(chunk, got);
        else if (got == 0 || (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK))
            return false; // the service went away
    }
}

} // namespace kit
