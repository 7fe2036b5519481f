// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/RecordingDevice.h"

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

} // namespace

void RecordingDevice::setCurrentX(double twips)
{
    operations << QStringLiteral("x ") + number(twips);
    SheetDevice::setCurrentX(twips);
}

void RecordingDevice::setCurrentY(double twips)
{
    operations << QStringLiteral("y ") + number(twips);
    SheetDevice::setCurrentY(twips);
}

void RecordingDevice::setFontName(const QString &face)
{
    operations << QStringLiteral("font ") + face;
    SheetDevice::setFontName(face);
}

void RecordingDevice::setFontSize(double points)
{
    operations << QStringLiteral("size ") + number(points);
    SheetDevice::setFontSize(points);
}

void RecordingDevice::setLineWidth(int dots)
{
    operations << QStringLiteral("width ") + number(dots);
    SheetDevice::setLineWidth(dots);
}

void RecordingDevice::drawLine(double x1, double y1, double x2, double y2)
{
    operations << QStringLiteral("line %1,%2 %3,%4").arg(number(x1), number(y1), number(x2), number(y2));
    SheetDevice::drawLine(x1, y1, x2, y2);
}

void RecordingDevice::drawBox(double x, double y, double width, double height)
{
    operations << QStringLiteral("box %1,%2 %3x%4").arg(number(x), number(y), number(width), number(height));
    SheetDevice::drawBox(x, y, width, height);
}

void RecordingDevice::print(const QList<PrintItem> &items, LineEnd end)
{
    QStringList parts;
    for (const PrintItem &item : items)
        parts << (item.tab > 0 ? QStringLiteral("tab %1 ").arg(item.tab) : QString()) + u'"' + item.text + u'"';
    operations << QStringLiteral("print ") + parts.join(u' ') +
                      (end == LineEnd::Next ? QStringLiteral(" ;") : QString());
    SheetDevice::print(items, end);
}

void RecordingDevice::endDocument()
{
    operations << QStringLiteral("end");
    SheetDevice::endDocument();
}

void RecordingDevice::sheetFinished(const Sheet &sheet, bool)
{
    sheets.append(sheet);
}
