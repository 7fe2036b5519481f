// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/NumberPictures.h"

#include <QFile>
#include <QRegularExpression>

namespace numberpictures {

QList<TemplateNumber> parseTemplate(const QString &text)
{
    QList<TemplateNumber> numbers;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(blanks);
        if (fields.size() != 6)
            continue;
        int values[6];
        bool allRead = true;
        for (int i = 0; i < 6; ++i) {
            bool ok = false;
            values[i] = fields.at(i).toInt(&ok);
            allRead = allRead && ok;
        }
        if (allRead)
            numbers.append({values[0], values[1], QPoint(values[2], values[3]), QPoint(values[4], values[5])});
    }
    return numbers;
}

QList<TemplateNumber> builtInTemplate(int which)
{
    QFile file(which == 2 ? QStringLiteral(":/pictures/number_picture2.txt")
                          : QStringLiteral(":/pictures/number_picture1.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return parseTemplate(QString::fromUtf8(file.readAll()));
}

void Drawing::click(QPoint at)
{
    const QPoint from(lastPoint_.x() == 0 ? at.x() : lastPoint_.x(), lastPoint_.y() == 0 ? at.y() : lastPoint_.y());
    strokes_.append({from, at});
    segmentStart_ = from;
    lastPoint_ = at;
    ++clicks_;
    lastStrokeUndoable_ = true;
}

void Drawing::undo()
{
    // The lines are kept as a list, so taking one back leaves the template and the other lines
    // whole (painting it over in the background colour would cut holes into the numbers).
    if (lastStrokeUndoable_ && !strokes_.isEmpty())
        strokes_.removeLast();
    lastStrokeUndoable_ = false;
    lastPoint_ = segmentStart_;
}

void Drawing::clearLines()
{
    strokes_.clear();
    lastPoint_ = QPoint();
    segmentStart_ = QPoint();
    lastStrokeUndoable_ = false;
}

bool Drawing::pointCheck()
{
    const bool earned = clicks_ >= clicksForPoint;
    clicks_ = 0;
    return earned;
}

} // namespace numberpictures
