// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/FaceMetrics.h"

#include "ui/kit/Controls.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QHash>

namespace {

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

FaceMetrics measured(QRawFont raw)
{
    FaceMetrics metrics;
    if (!raw.isValid() || raw.unitsPerEm() <= 0)
        return metrics;
    raw.setPixelSize(raw.unitsPerEm());
    metrics.raw = raw;
    metrics.family = raw.familyName();
    metrics.classicAverage = classicAverageWidth(raw);
    metrics.ascent = raw.ascent() / raw.unitsPerEm();
    metrics.descent = raw.descent() / raw.unitsPerEm();
    return metrics;
}

} // namespace

double FaceMetrics::width(const QString &text) const
{
    if (text.isEmpty() || !raw.isValid())
        return 0;
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    double sum = 0;
    for (const QPointF &advance : advances)
        sum += advance.x();
    return sum / raw.unitsPerEm();
}

double classicAverageWidth(const QRawFont &font)
{
    static const int weights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                    56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
    QString letters;
    for (int i = 0; i < 26; ++i)
        letters += QChar(u'a' + i);
    letters += QLatin1Char(' ');

    QRawFont raw = font;
    raw.setPixelSize(raw.unitsPerEm());
    const QList<quint32> glyphs = raw.glyphIndexesForString(letters);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    if (advances.size() != 27)
        return 0;
    double sum = advances.at(26).x() * 166;
    for (int i = 0; i < 26; ++i)
        sum += advances.at(i).x() * weights[i];
    return sum / 1000.0 / raw.unitsPerEm();
}

Faces::Faces() : file_(QStringLiteral(":/fonts/ANLAUT.ttf")) {}

Faces::~Faces() = default;

std::optional<FaceMetrics> Faces::metrics(const QString &face)
{
    if (face.compare(worksheets::pictureFaceName(), Qt::CaseInsensitive) == 0) {
        if (!registerPictureFace())
            return std::nullopt;
        auto found = pictureFaces_.find(file_);
        if (found == pictureFaces_.end())
            found = pictureFaces_.insert(file_, measured(QRawFont(fileBytes(file_), 1)));
        if (!found->raw.isValid())
            return std::nullopt;
        return *found;
    }

    const QString key = face.toUpper();
    auto found = measured_.find(key);
    if (found == measured_.end()) {
        QFont font(face);
        font.setHintingPreference(QFont::PreferNoHinting);
        found = measured_.insert(key, measured(QRawFont::fromFont(font)));
    }
    if (!found->raw.isValid())
        return std::nullopt;
    return *found;
}

bool Faces::registerPictureFace()
{
    // The only face there is becomes Qt's last resort for every text.
    if (textFaceMissing_)
        return false;
    auto known = registered_.constFind(file_);
    if (known != registered_.constEnd())
        return *known;
    const QByteArray bytes = fileBytes(file_);
    const int id = bytes.isEmpty() ? -1 : QFontDatabase::addApplicationFontFromData(bytes);
    const bool usable = id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(worksheets::pictureFaceName());
    registered_.insert(file_, usable);
    return usable;
}

namespace worksheets {

QString pictureFaceName()
{
    return QStringLiteral("ANLAUT");
}

} // namespace worksheets
