// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DrawingCache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMutex>

#include <cstdio>
#include <cstring>

namespace kit {

namespace {

// The file: this mark, width and height, the device pixel ratio, then the rows of premultiplied
// ARGB pixels. Nothing in it is trusted beyond an exact match of mark, sizes and length.
constexpr char mark[8] = {'Q', 'R', 'M', 'O', 'I', 'M', 'G', '1'};
struct Header
{
    char mark[8];
    quint32 width;
    quint32 height;
    double ratio;
};
static_assert(sizeof(Header) == 24);

// A folder of drawings grows with every zoom a child tries; the oldest go when it holds more.
constexpr int keptFiles = 256;
constexpr int prunedTo = 192;

QMutex folderMutex;
QString chosenFolder;

QString fileFor(const QString &folder, const QByteArray &key)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(key);
    hash.addData(QByteArrayView(qVersion())); // another Qt may draw the same key differently
    return folder + QLatin1Char('/') + QString::fromLatin1(hash.result().toHex()) + QStringLiteral(".img");
}

QImage read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Header header{};
    if (file.read(reinterpret_cast<char *>(&header), sizeof header) != qint64(sizeof header) ||
        std::memcmp(header.mark, mark, sizeof mark) != 0 || header.width == 0 || header.height == 0 ||
        header.width > 16384 || header.height > 16384 || !(header.ratio > 0 && header.ratio <= 16))
        return {};
    const qint64 rowBytes = qint64(header.width) * 4;
    if (file.size() != qint64(sizeof header) + rowBytes * header.height)
        return {};
    QImage image(int(header.width), int(header.height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    for (int y = 0; y < image.height(); ++y) {
        if (file.read(reinterpret_cast<char *>(image.scanLine(y)), rowBytes) != rowBytes)
            return {};
    }
    image.setDevicePixelRatio(header.ratio);
    return image;
}

void prune(const QString &folder)
{
    QDir dir(folder);
    const QStringList pattern{QStringLiteral("*.img")};
    if (dir.entryList(pattern, QDir::Files, QDir::Unsorted).size() <= keptFiles)
        return;
    const QFileInfoList files = dir.entryInfoList(pattern, QDir::Files, QDir::Time); // newest first
    // Parts left by a start that ended while writing go too.
    for (const QString &part : dir.entryList({QStringLiteral("*.part*")}, QDir::Files))
        dir.remove(part);
    for (qsizetype i = prunedTo; i < files.size(); ++i)
        QFile::remove(files.at(i).filePath());
}

void write(const QString &folder, const QString &path, const QImage &image)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied || image.isNull() || !QDir().mkpath(folder))
        return;
    Header header{};
    std::memcpy(header.mark, mark, sizeof mark);
    header.width = quint32(image.width());
    header.height = quint32(image.height());
    header.ratio = image.devicePixelRatio();
    // Written beside its place and then renamed over it, so a reader never sees half a file. Not
    // synced to the disk: a drawing lost in a crash is only drawn again.
    // Two starts at once (a double click) each write their own.
    const QString partial = path + QStringLiteral(".part") + QString::number(QCoreApplication::applicationPid());
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    bool ok = file.write(reinterpret_cast<const char *>(&header), sizeof header) == qint64(sizeof header);
    const qint64 rowBytes = qint64(image.width()) * 4;
    for (int y = 0; ok && y < image.height(); ++y)
        ok = file.write(reinterpret_cast<const char *>(image.constScanLine(y)), rowBytes) == rowBytes;
    ok = file.flush() && ok;
    file.close();
    if (!ok || std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(partial);
        return;
    }
    prune(folder);
}

} // namespace

void setDrawingCacheFolder(const QString &folder)
{
    QMutexLocker lock(&folderMutex);
    chosenFolder = folder;
}

QString drawingCacheFolder()
{
    QMutexLocker lock(&folderMutex);
    return chosenFolder;
}

QImage cachedDrawing(const QString &folder, const QByteArray &key, const std::function<QImage()> &draw)
{
    if (folder.isEmpty())
        return draw();
    const QString path = fileFor(folder, key);
    QImage image = read(path);
    if (!image.isNull())
        return image;
    image = draw();
    write(folder, path, image);
    return image;
}

} // namespace kit
