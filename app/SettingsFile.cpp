// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
SaveFileWriter::~SaveFileWriter() = default;

bool SaveFileWriter::open(const QString &path)
{
    file_ = std::make_unique<QSaveFile>(path);
    // A read-only folder allows no temporary file, but the file itself may be writable.
    file_->setDirectWriteFallback(true);
    return file_->open(QIODevice::WriteOnly);
}

bool SaveFileWriter::write(const QByteArray &bytes)
{
    return file_->write(bytes) == bytes.size();
}

bool SaveFileWriter::flush()
{
    return file_->flush() && file_->error() == QFileDevice::NoError;
}

bool SaveFileWriter::commit()
{
    return file_->commit();
}

void SaveFileWriter::cancel()
{
    file_->cancelWriting();
    file_->commit(); // removes the temporary file
    file_.reset();
}

} // namespace settingsfile
