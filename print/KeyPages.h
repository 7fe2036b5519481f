// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/SheetDevice.h"

#include <QList>
#include <QString>

// Answer keys taken off their sheets and printed together on key pages.
namespace keypages {

// One line of a key as its sheet printed it: face, size, items and line end.
struct KeyLine
{
    QString face;
    double points = 0;
    QList<PrintItem> items;
    PrintDevice::LineEnd end = PrintDevice::LineEnd::Next;
};

struct AnswerKey
{
    QString heading; // names the sheet: "Blatt 7: Plusrechnen bis 10"
    QList<KeyLine> lines;

    // A key with nothing to read (blank lines only, like the drawing sheet's) is not worth a place.
    bool isEmpty() const;
};

// Prints the keys under their headings, in order, as many to a page as fit, each page headed
// "Lösungen"; ends every page it starts. Blank key lines are left out.
void printKeyPages(SheetDevice &device, const QList<AnswerKey> &keys);

} // namespace keypages
