// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/TextHelpers.h"

namespace captions {

QString signedNumber(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString plain(int value)
{
    return QString::number(value);
}

int captionNumber(const QString &caption)
{
    // Leading blanks and a sign are read as a number would be; anything else ends it.
    int i = 0;
    while (i < caption.size() && caption.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < caption.size() && (caption.at(i) == QLatin1Char('-') || caption.at(i) == QLatin1Char('+'))) {
        negative = caption.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    while (i < caption.size() && caption.at(i).isDigit() && caption.at(i).unicode() < 128) {
        value = value * 10 + caption.at(i).digitValue();
        if (value > 1000000000)
            break;
        ++i;
    }
    return int(negative ? -value : value);
}

QString pictureBlock(QChar picture, int count)
{
    if (count <= 10)
        return QString(qMax(count, 0), picture);
    return QString(10, picture) + CR + QString(count - 10, picture);
}

QString repeated(const QString &text, int count)
{
    return count > 0 ? text.repeated(count) : QString();
}

} // namespace captions
