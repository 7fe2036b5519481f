#include "app/SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace settings {

namespace {

// More than any hand-written range needs; a longer file is judged by its start only.
constexpr qint64 readLimit = 4096;

bool endsNumber(char c)
{
    return c == ' ' || c == ',' || c == '\r' || c == '\n';
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
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.read(readLimit);
    const bool wholeFile = file.atEnd();
    file.close();
    return parseSettings(data, wholeFile);
}

QByteArray settingsBytes(int range)
{
    return ' ' + QByteArray::number(range) + " \r\n";
}

bool writeSettings(const QString &path, int range)
{
    // Written beside the old file and renamed over it at the end, so a full disk or a crash
    // half way never leaves a broken settings file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = settingsBytes(range);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

} // namespace settings
