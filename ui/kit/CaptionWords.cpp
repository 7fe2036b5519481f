// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/CaptionWords.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace kit {

QString captionWords(const QString &caption)
{
    static const QRegularExpression breaks(QStringLiteral(" {2,}"));
    QStringList words;
    for (const QString &group : caption.trimmed().split(breaks)) {
        const QStringList parts = group.split(QLatin1Char(' '));
        const bool spaced = parts.size() > 1 && std::all_of(parts.cbegin(), parts.cend(),
                                                            [](const QString &part) { return part.size() == 1; });
        words << (spaced ? parts.join(QString()) : group);
    }
    return words.join(QLatin1Char(' '));
}

} // namespace kit
