// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/machine/NewFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit {

namespace {

// Writes are gathered: a PDF arrives in many small pieces.
constexpr qsizetype bufferLimit = 64 * 1024;
constexpr qsizetype tailLength = 32;
// More copies of one name than anyone keeps; past them the folder is not used further.
constexpr int highestNumber = 9999;

QString numbered(const QString &path, int n)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString stem = suffix.isEmpty() ? path : path.chopped(suffix.size() + 1);
    QString result = stem + QStringLiteral(" (%1)").arg(n);
    if (!suffix.isEmpty())
        result += u'.' + suffix;
    return result;
}

// Puts the finished file at `to` only when nothing is there, so that an entry that appears in
// the meantime is never overwritten either.
int placeWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // A file system without that kind of rename: a second name, then the first goes.
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    ::unlink(from.constData());
    return 0;
}

} // namespace

bool nameTaken(const QString &path)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

QString firstFreeName(const QString &path)
{
    if (!nameTaken(path))
        return path;
    for (int n = 2; n <= highestNumber; ++n) {
        const QString candidate = numbered(path, n);
        if (!nameTaken(candidate))
            return candidate;
    }
    // Every number taken: the name itself, where NewFile then fails honestly instead of numbering
    // the last number again.
    return path;
}

NewFile::NewFile(const QString &wantedPath) : wanted_(QFileInfo(wantedPath).absoluteFilePath())
{
    const QString folder = QFileInfo(wanted_).absolutePath() + u'/';
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Hidden, and not mistaken for the finished file should the program die half way.
        const quint32 random = QRandomGenerator::system()->generate();
        temporary_ =
            QFile::encodeName(folder + QStringLiteral(".quarimo-%1.part").arg(random, 8, 16, QLatin1Char('0')));
        fd_ = ::open(temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ >= 0 || errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        errorNumber_ = errno;
        temporary_.clear();
        return;
    }
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

NewFile::~NewFile()
{
    discard();
}

qint64 NewFile::writeData(const char *data, qint64 size)
{
    if (errorNumber_ != 0 || fd_ < 0)
        return -1;
    buffer_.append(data, size);
    const qint64 last = qMin(size, qint64(tailLength));
    tail_ = (tail_ + QByteArray(data + size - last, last)).right(tailLength);
    if (buffer_.size() >= bufferLimit && !writeOut())
        return -1;
    return size;
}

bool NewFile::writeOut()
{
    qsizetype done = 0;
    while (done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.constData() + done, size_t(buffer_.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            errorNumber_ = n < 0 ? errno : ENOSPC;
            buffer_.clear();
            return false;
        }
        done += n;
        written_ += n;
    }
    buffer_.clear();
    return true;
}

bool NewFile::fail()
{
    if (errorNumber_ == 0)
        errorNumber_ = errno != 0 ? errno : EIO;
    discard();
    return false;
}

QString NewFile::commit()
{
    if (fd_ < 0 || errorNumber_ != 0 || !writeOut()) {
        fail();
        return QString();
    }
    // What the disk holds must be all that was written, and on the disk, before it gets a name.
    struct stat status = {};
    errno = 0;
    if (::fstat(fd_, &status) != 0 || status.st_size != written_ || ::fsync(fd_) != 0) {
        if (errno == 0)
            errno = EIO;
        fail();
        return QString();
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        fail();
        return QString();
    }

    QString path = wanted_;
    int result = placeWithoutReplacing(temporary_, QFile::encodeName(path));
    for (int n = 2; result == EEXIST && n <= highestNumber; ++n) {
        path = numbered(wanted_, n);
        result = placeWithoutReplacing(temporary_, QFile::encodeName(path));
    }
    if (result != 0) {
        errno = result;
        fail();
        return QString();
    }
    temporary_.clear();
    QIODevice::close();
    // The new name itself is on the disk only once the folder is.
    const int folder =
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return path;
}

void NewFile::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.isEmpty()) {
        ::unlink(temporary_.constData());
        temporary_.clear();
    }
    buffer_.clear();
    if (isOpen())
        QIODevice::close();
}

QString NewFile::failureReason() const
{
    switch (errorNumber_) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("Auf dem Datenträger ist nicht genug Platz frei.");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("In diesen Ordner darf nichts gespeichert werden.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Den Ordner gibt es nicht.");
    case EEXIST:
        return QStringLiteral("Es gibt schon zu viele Dateien mit diesem Namen.");
    default:
        return QString();
    }
}

} // namespace kit
