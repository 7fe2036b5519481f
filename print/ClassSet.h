// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/Worksheets.h"

#include <QList>
#include <QString>

class Random;
class RecordingDevice;

// A class set: sheets for a whole class in groups, each group at its own level, numbered through,
// with the answer keys on the sheets or apart on key pages at the end.
namespace worksheets {

// One group of children: sheets of one worksheet row at the group's own number range.
struct ClassSetGroup
{
    int row = 5;     // the worksheet list's row, counted from 1
    int range = 10;  // "Zahlen bis", 10 to 20
    int sheets = 25; // how many different sheets

    bool operator==(const ClassSetGroup &) const = default;
};

struct ClassSet
{
    static constexpr int maxGroups = 8;
    static constexpr int maxSheets = 40;

    QList<ClassSetGroup> groups;
    bool keysApart = false; // the keys on key pages after the sheets instead of at their bottoms

    int totalSheets() const;
    // 1 to 8 groups of real rows at ranges 10 to 20 with at least one sheet each, 40 sheets at most.
    bool isValid() const;
    // "Klassensatz 25 Blätter": names the print job and the PDF.
    QString title() const;
};

// "Blatt 7 von 25"
QString sheetNumber(int number, int total);

// Lays the set out on the device: the groups' sheets in order, each group at its own range and
// every sheet numbered, then with the keys apart the key pages. Each page ends on the device.
// The start page's number range is left as it was.
void layOutClassSet(RecordingDevice &device, const ClassSet &set, Random &random);

// Prints the set as one job on the default printer, or without a printer as one PDF in the PDF
// folder named after the set's title and the time.
Outcome printClassSet(Outputs &out, const ClassSet &set, Random &random);

} // namespace worksheets
