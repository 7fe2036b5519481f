// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/ClassSet.h"

#include "engine/Random.h"
#include "print/KeyPages.h"
#include "print/LayoutHelpers.h"
#include "print/RecordingDevice.h"
#include "print/SheetTable.h"

namespace {

// The number stands in the top right-hand corner, which every layout leaves free: the first
// line of each is blank or starts at the left, and none draws past x = 11000.
const double numberRight = 11000;
const double numberPoints = 10;

// Passes a layout's calls on to the set's device, adds the sheet's number before the page ends,
// and with the keys apart keeps the key for the key pages instead of printing it.
class NumberedSheet final : public PrintDevice
{
public:
    NumberedSheet(SheetDevice &target, bool keysApart) : target_(target), keysApart_(keysApart) {}

    // The next sheet: its number and where its key goes.
    void start(const QString &number, keypages::AnswerKey *key)
    {
        number_ = number;
        key_ = key;
        inKey_ = false;
    }

    void setCurrentX(double twips) override
    {
        passOn([&] { target_.setCurrentX(twips); });
    }
    void setCurrentY(double twips) override
    {
        passOn([&] { target_.setCurrentY(twips); });
    }
    void setFontName(const QString &face) override
    {
        face_ = face;
        passOn([&] { target_.setFontName(face); });
    }
    void setFontSize(double points) override
    {
        points_ = points;
        passOn([&] { target_.setFontSize(points); });
    }
    void setLineWidth(int dots) override
    {
        passOn([&] { target_.setLineWidth(dots); });
    }
    void drawLine(double x1, double y1, double x2, double y2) override
    {
        passOn([&] { target_.drawLine(x1, y1, x2, y2); });
    }
    void drawBox(double x, double y, double width, double height) override
    {
        passOn([&] { target_.drawBox(x, y, width, height); });
    }
    void print(const QList<PrintItem> &items, LineEnd end) override
    {
        if (inKey_ && key_)
            key_->lines.append({face_, points_, items, end});
        else
            target_.print(items, end);
    }
    void beginAnswerKey() override { inKey_ = keysApart_; }
    void endDocument() override
    {
        target_.setFontName(sheetlayout::arial);
        target_.setFontSize(numberPoints);
        target_.setCurrentX(numberRight - target_.textWidth(number_));
        target_.setCurrentY(0);
        target_.print({{0, number_}}, LineEnd::Stay);
        target_.endDocument();
        inKey_ = false;
    }
    double averageCharWidth() const override { return target_.averageCharWidth(); }
    double lineHeight() const override { return target_.lineHeight(); }

private:
    // Within a key that goes apart only the print state matters, and only for the key's lines.
    template <typename Call> void passOn(Call call)
    {
        if (!inKey_)
            call();
    }

    SheetDevice &target_;
    bool keysApart_;
    QString number_;
    keypages::AnswerKey *key_ = nullptr;
    bool inKey_ = false;
    QString face_ = sheetlayout::arial;
    double points_ = 12;
};

} // namespace

namespace worksheets {

int ClassSet::totalSheets() const
{
    int total = 0;
    for (const ClassSetGroup &group : groups)
        total += group.sheets;
    return total;
}

bool ClassSet::isValid() const
{
    if (groups.isEmpty() || groups.size() > maxGroups || totalSheets() > maxSheets)
        return false;
    for (const ClassSetGroup &group : groups) {
        if (sheettable::kindCodeOfRow(group.row) == TaskKind::NotSet || group.range < 10 || group.range > 20 ||
            group.sheets < 1)
            return false;
    }
    return true;
}

QString ClassSet::title() const
{
    const int total = totalSheets();
    return total == 1 ? QStringLiteral("Klassensatz 1 Blatt") : QStringLiteral("Klassensatz %1 Blätter").arg(total);
}

QString sheetNumber(int number, int total)
{
    return QStringLiteral("Blatt %1 von %2").arg(number).arg(total);
}

void layOutClassSet(RecordingDevice &device, const ClassSet &set, Random &random)
{
    if (!set.isValid())
        return;
    const int total = set.totalSheets();
    NumberedSheet numbered(device, set.keysApart);
    QList<keypages::AnswerKey> answerKeys;
    int number = 0;
    for (const ClassSetGroup &group : set.groups) {
        const TaskKind kindCode = sheettable::kindCodeOfRow(group.row);
        for (int i = 0; i < group.sheets && !device.failed(); ++i) {
            ++number;
            keypages::AnswerKey key;
            key.heading = QStringLiteral("Blatt %1: ").arg(number) + sheettable::rowTitle(group.row, group.range);
            numbered.start(sheetNumber(number, total), &key);
            sheettable::printSheetOfKind(numbered, kindCode, group.range, random);
            if (set.keysApart)
                answerKeys.append(key);
        }
    }
    if (set.keysApart && !device.failed())
        keypages::printKeyPages(device, answerKeys);
}

Outcome printClassSet(Outputs &out, const ClassSet &set, Random &random)
{
    Outcome outcome;
    if (!set.isValid()) {
        outcome.reason = QStringLiteral("Ein Klassensatz hat 1 bis %1 Blätter.").arg(ClassSet::maxSheets);
        return outcome;
    }
    for (const ClassSetGroup &group : set.groups) {
        if (!pictureFaceReady(out.faces(), sheettable::kindCodeOfRow(group.row))) {
            outcome.reason = pictureFaceMissing();
            return outcome;
        }
    }
    // Laid out first, so the number of pages with the key pages is known before the job starts.
    RecordingDevice laidOut(out.faces());
    layOutClassSet(laidOut, set, random);
    if (laidOut.failed()) {
        outcome.reason = laidOut.failure();
        return outcome;
    }
    return printPages(out, set.title(), int(laidOut.sheets.size()),
                      [&laidOut](SheetDevice &device) { device.printSheets(laidOut.sheets); });
}

} // namespace worksheets
