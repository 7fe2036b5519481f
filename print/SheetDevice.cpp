// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/SheetDevice.h"

#include "print/FaceMetrics.h"

#include <algorithm>

namespace {

const double twipsPerPoint = 20;

} // namespace

QSizeF Sheet::extent() const
{
    double right = 0;
    double bottom = 0;
    for (const TextRun &run : texts) {
        if (run.text.trimmed().isEmpty())
            continue;
        right = std::max(right, run.x + run.width);
        bottom = std::max(bottom, run.y + run.height);
    }
    for (const Stroke &line : lines) {
        right = std::max({right, line.x1, line.x2});
        bottom = std::max({bottom, line.y1, line.y2});
    }
    for (const Frame &box : boxes) {
        right = std::max(right, box.x + box.width);
        bottom = std::max(bottom, box.y + box.height);
    }
    return {right, bottom};
}

SheetDevice::SheetDevice(Faces &faces) : faces_(faces)
{
    resetState();
}

SheetDevice::~SheetDevice() = default;

void SheetDevice::resetState()
{
    x_ = 0;
    y_ = 0;
    points_ = 12;
    lineWidth_ = 1;
    useFace(QStringLiteral("ARIAL"));
    sheet_ = Sheet();
}

void SheetDevice::useFace(const QString &face)
{
    face_ = face;
    metrics_ = faces_.metrics(face);
    if (!metrics_)
        fail(QStringLiteral("Die Schrift „%1“ fehlt oder lässt sich nicht laden.").arg(face));
}

void SheetDevice::fail(const QString &reason)
{
    if (failure_.isEmpty())
        failure_ = reason;
}

void SheetDevice::setCurrentX(double twips)
{
    x_ = twips;
}

void SheetDevice::setCurrentY(double twips)
{
    y_ = twips;
}

void SheetDevice::setFontName(const QString &face)
{
    useFace(face);
}

void SheetDevice::setFontSize(double points)
{
    points_ = points;
}

void SheetDevice::setLineWidth(int dots)
{
    lineWidth_ = dots;
}

void SheetDevice::drawLine(double x1, double y1, double x2, double y2)
{
    sheet_.lines.append({x1, y1, x2, y2, lineWidth_});
}

void SheetDevice::drawBox(double x, double y, double width, double height)
{
    sheet_.boxes.append({x, y, width, height, lineWidth_});
}

double SheetDevice::averageCharWidth() const
{
    return metrics_ ? metrics_->classicAverage * points_ * twipsPerPoint : 0;
}

double SheetDevice::lineHeight() const
{
    return metrics_ ? (metrics_->ascent + metrics_->descent) * points_ * twipsPerPoint : 0;
}

double SheetDevice::textWidth(const QString &text) const
{
    return metrics_ ? metrics_->width(text) * points_ * twipsPerPoint : 0;
}

void SheetDevice::printSheets(const QList<Sheet> &sheets)
{
    expectSheets(int(sheets.size()));
    for (const Sheet &sheet : sheets) {
        if (failed())
            break;
        ++finished_;
        sheetFinished(sheet, finished_ >= expected_);
    }
}

void SheetDevice::print(const QList<PrintItem> &items, LineEnd end)
{
    for (const PrintItem &item : items) {
        if (item.tab > 0) {
            const double column = (item.tab - 1) * averageCharWidth();
            // Past the column the text goes to the same column of the next line; a hair of
            // rounding must not count as past.
            if (x_ > column + 1e-6)
                y_ += lineHeight();
            x_ = column;
        }
        const double width = textWidth(item.text);
        if (!item.text.isEmpty())
            sheet_.texts.append({x_, y_, item.text, face_, points_, width, lineHeight()});
        x_ += width;
    }
    if (end == LineEnd::Next) {
        x_ = 0;
        y_ += lineHeight();
    }
}

void SheetDevice::endDocument()
{
    ++finished_;
    const Sheet sheet = sheet_;
    sheetFinished(sheet, finished_ >= expected_);
    resetState();
}
