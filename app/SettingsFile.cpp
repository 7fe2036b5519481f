// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SettingsFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace settingsfile {

namespace {

// More than any hand-written range needs; a longer file is judged by its start only.
constexpr qint64 readLimit = 4096;

bool endsNumber(char c)
{
    return c == ' ' || c == ',' || c == '\r' || c == '\n';
}

// A regular file or nothing yet: never a device, a FIFO, a folder or a socket, and never a link,
// wherever it leads: the save would replace it or, where it writes in place, write through it.
bool mayWrite(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return false;
    return !info.exists() || info.isFile();
}

} // namespace

QString fileName()
{
    return QStringLiteral("QUARIMO.INI");
}

std::optional<int> parseSettings(const QByteArray &data, bool wholeFile)
{
    qsizetype i = 0;
    while (i < data.size() && data.at(i) == ' ')
        ++i;

    int value = 0;
    int digits = 0;
    while (i < data.size() && data.at(i) >= '0' && data.at(i) <= '9') {
        // Past the highest range every further digit only makes it larger: stop counting early
        // so that a long row of digits cannot overflow.
        if (value <= highestRange)
            value = value * 10 + (data.at(i) - '0');
        ++digits;
        ++i;
    }
    if (digits == 0)
        return std::nullopt;

    const bool ended = i < data.size() ? endsNumber(data.at(i)) : wholeFile;
    if (!ended || value < lowestRange || value > highestRange)
        return std::nullopt;
    return value;
}

std::optional<int> readSettings(const QString &path)
{
    // Opened without waiting, so that a FIFO of that name cannot stall the start, and read only
    // when it is a regular file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status = {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    const QByteArray data = file.read(readLimit);
    const bool wholeFile = file.atEnd();
    file.close();
    return parseSettings(data, wholeFile);
}

QByteArray settingsBytes(int range)
{
    return ' ' + QByteArray::number(range) + " \r\n";
}

bool writeSettings(Writer &file, const QString &path, int range)
{
    if (!mayWrite(path))
        return false;
    // Written beside the old file and renamed over it at the end, so a full disk or a crash
    // half way never leaves a broken settings file behind.
    if (!file.open(path))
        return false;
    // The write only fills a buffer; whether the disk took it shows when it is flushed.
    if (!file.write(settingsBytes(range)) || !file.flush()) {
        file.cancel();
        return false;
    }
    return file.commit();
}

bool writeSettings(const QString &path, int range)
{
    SaveFileWriter writer;
    return writeSettings(writer, path, range);
}

SaveFileWriter::SaveFileWriter() = default;

SaveFileWriter::~SaveFileWriter()
{
    if (fd_ >= 0)
        cancel();
}

// Plain system calls on the name as given: a relative name is found by the kernel in the working
// folder, whatever bytes that folder's own name holds. Qt would make it absolute first, decoding
// the folder's name as UTF-8, and then fail to find it in a Latin-1 home.
bool SaveFileWriter::open(const QString &path)
{
    target_ = QFile::encodeName(path);
    temporary_ = target_ + ".XXXXXX";
    fd_ = ::mkstemp(temporary_.data());
    if (fd_ >= 0) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        (void)::fchmod(fd_, 0666 & ~mask);
        direct_ = false;
        return true;
    }
    temporary_.clear();
    // A read-only folder allows no temporary file, but the file itself may be writable.
    if (errno != EACCES && errno != EROFS && errno != EPERM)
        return false;
    fd_ = ::open(target_.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return false;
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    direct_ = true;
    written_ = 0;
    return true;
}

bool SaveFileWriter::write(const QByteArray &bytes)
{
    if (fd_ < 0)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    written_ += done;
    return true;
}

bool SaveFileWriter::flush()
{
    if (fd_ < 0)
        return false;
    // Written in place, the file must end where the new text ends.
    if (direct_ && ::ftruncate(fd_, written_) != 0)
        return false;
    return ::fsync(fd_) == 0;
}

bool SaveFileWriter::commit()
{
    if (fd_ < 0)
        return false;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (direct_)
        return closed;
    if (!closed || ::rename(temporary_.constData(), target_.constData()) != 0) {
        ::unlink(temporary_.constData());
        return false;
    }
    return true;
}

void SaveFileWriter::cancel()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!direct_ && !temporary_.isEmpty())
        ::unlink(temporary_.constData());
    temporary_.clear();
}

} // namespace settingsfile
