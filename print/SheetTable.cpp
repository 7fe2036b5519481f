// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/SheetTable.h"

#include "engine/TaskKinds.h"
#include "engine/TextHelpers.h"
#include "print/Layouts.h"

#include <array>

namespace sheettable {

namespace {

using Layout = void (*)(PrintDevice &device, TaskKind kind, int range, Random &random);

// The layout of each screen's kinds, in the order of Screen; a mixed sheet's layout is the one of
// its two kinds.
constexpr std::array<Layout, 6> layouts = {
    nullptr,
    [](PrintDevice &device, TaskKind, int range, Random &random) { printNumberLineSheet(device, range, random); },
    printPictureSheet,
    printCompletingSheet,
    [](PrintDevice &device, TaskKind, int range, Random &random) { printSequenceSheet(device, range, random); },
    printCalculationSheet,
};
static_assert(layouts.size() == std::size_t(Screen::Calculation) + 1, "a layout for every screen");

} // namespace

TaskKind kindCodeOfRow(int row)
{
    for (const KindInfo &info : kindTable()) {
        if (info.worksheetRow != 0 && info.worksheetRow == row)
            return info.kind;
    }
    return TaskKind::NotSet;
}

QString rowName(int row)
{
    const char16_t *name = kindInfo(kindCodeOfRow(row)).worksheetName;
    return name ? QString::fromUtf16(name) : QString();
}

QString rowTitle(int row, int range)
{
    // Completing to the range itself names no range.
    if (kindCodeOfRow(row) == TaskKind::CompleteRange)
        return rowName(row);
    return rowName(row) + QStringLiteral(" bis") + captions::signedNumber(range);
}

bool usesPictureFace(TaskKind kindCode)
{
    return kindInfo(kindCode).pictureFace;
}

void printSheetOfKind(PrintDevice &device, TaskKind kindCode, int range, Random &random)
{
    const KindInfo &info = kindInfo(kindCode);
    if (info.worksheetRow == 0)
        return; // no row prints it
    layouts[std::size_t(info.screen)](device, kindCode, range, random);
}

} // namespace sheettable
