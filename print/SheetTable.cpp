// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/SheetTable.h"

#include "engine/TextHelpers.h"
#include "print/Layouts.h"

namespace sheettable {

TaskKind kindCodeOfRow(int row)
{
    static const TaskKind codes[rowCount] = {
        TaskKind::NameNumber,      TaskKind::CountPictures, TaskKind::SetPictures,
        TaskKind::CountOn,         TaskKind::Plus,          TaskKind::Minus,
        TaskKind::CompleteRange,   TaskKind::CompletePlus,  TaskKind::CompleteMinus,
        TaskKind::ReversedPlus,    TaskKind::ReversedMinus, TaskKind::MixedCalculation,
        TaskKind::MixedCompleting, TaskKind::MixedReversing};
    return row >= 1 && row <= rowCount ? codes[row - 1] : TaskKind::NotSet;
}

QString rowName(int row)
{
    static const char16_t *const names[rowCount] = {
        u"Zahlenstrahl",   u"Bilder zählen",       u"Bilder malen",   u"Zahlfolgen",     u"Plusrechnen",
        u"Minusrechnen",   u"Zahlenraum ergänzen", u"Plus-Ergänzen",  u"Minus-Ergänzen", u"Plus-Umkehren",
        u"Minus-Umkehren", u"Verm. Rechnen",       u"Verm. Ergänzen", u"Verm. Umkehren"};
    return row >= 1 && row <= rowCount ? QString::fromUtf16(names[row - 1]) : QString();
}

QString rowTitle(int row, int range)
{
    // Row 7 completes to the range itself and names no range.
    if (row == 7)
        return rowName(row);
    return rowName(row) + QStringLiteral(" bis") + captions::signedNumber(range);
}

bool usesPictureFace(TaskKind kindCode)
{
    switch (kindCode) {
    case TaskKind::CountPictures:
    case TaskKind::SetPictures:
    case TaskKind::CompleteRange:
    case TaskKind::CompletePlus:
    case TaskKind::CompleteMinus:
    case TaskKind::MixedCompleting:
        return true;
    case TaskKind::NotSet:
    case TaskKind::NameNumber:
    case TaskKind::PlaceNumber:
    case TaskKind::CountOn:
    case TaskKind::CountBack:
    case TaskKind::Plus:
    case TaskKind::Minus:
    case TaskKind::ReversedPlus:
    case TaskKind::ReversedMinus:
    case TaskKind::MixedCalculation:
    case TaskKind::MixedReversing:
        break;
    }
    return false;
}

void printSheetOfKind(PrintDevice &device, TaskKind kindCode, int range, Random &random)
{
    switch (kindCode) {
    case TaskKind::NameNumber:
        printNumberLineSheet(device, range, random);
        break;
    case TaskKind::CountPictures:
    case TaskKind::SetPictures:
        printPictureSheet(device, kindCode, range, random);
        break;
    case TaskKind::CompleteRange:
    case TaskKind::CompletePlus:
    case TaskKind::CompleteMinus:
        printCompletingSheet(device, kindCode, range, random);
        break;
    case TaskKind::CountOn:
        printSequenceSheet(device, range, random);
        break;
    case TaskKind::MixedCalculation:
        printMixedCalculationSheet(device, range, random);
        break;
    case TaskKind::MixedReversing:
        printMixedReversingSheet(device, range, random);
        break;
    case TaskKind::MixedCompleting:
        printMixedCompletingSheet(device, range, random);
        break;
    case TaskKind::Plus:
    case TaskKind::Minus:
    case TaskKind::ReversedPlus:
    case TaskKind::ReversedMinus:
        printCalculationSheet(device, kindCode, range, random);
        break;
    case TaskKind::NotSet: // no row has these
    case TaskKind::PlaceNumber:
    case TaskKind::CountBack:
        break;
    }
}

} // namespace sheettable
