// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/SheetTable.h"

#include "engine/TextHelpers.h"
#include "print/Layouts.h"

namespace sheets {

int kindCodeOfRow(int row)
{
    static const int codes[rowCount] = {1, 3, 4, 8, 10, 11, 5, 6, 7, 12, 13, 14, 16, 15};
    return row >= 1 && row <= rowCount ? codes[row - 1] : 0;
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
    return rowName(row) + QStringLiteral(" bis") + text::signedNumber(range);
}

bool usesPictureFace(int kindCode)
{
    return (kindCode >= 3 && kindCode <= 7) || kindCode == 16;
}

void printSheetOfKind(PrintDevice &device, int kindCode)
{
    switch (kindCode) {
    case 1:
        printNumberLineSheet(device);
        break;
    case 3:
    case 4:
        printPictureSheet(device);
        break;
    case 5:
    case 6:
    case 7:
        printCompletingSheet(device);
        break;
    case 8:
        printSequenceSheet(device);
        break;
    case 14:
        printMixedCalculationSheet(device);
        break;
    case 15:
        printMixedReversingSheet(device);
        break;
    case 16:
        printMixedCompletingSheet(device);
        break;
    case 10:
    case 11:
    case 12:
    case 13:
        printCalculationSheet(device);
        break;
    default: // no sheet has that code
        break;
    }
}

} // namespace sheets
