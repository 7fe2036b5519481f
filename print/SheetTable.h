// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/TaskKind.h"

#include <QString>

class PrintDevice;
class Random;

// The fourteen rows of the worksheet list and what each prints.
namespace sheettable {

inline constexpr int rowCount = 14;

// The kind code a row puts into taskKind (rows counted from 1); NotSet for no such row.
TaskKind kindCodeOfRow(int row);
// The row's name without the range ("Plusrechnen"); empty for no such row.
QString rowName(int row);
// The row as the list shows it at that range: "Plusrechnen bis 15", "Zahlenraum ergänzen".
QString rowTitle(int row, int range);
// Whether the sheet of that kind code draws pictures in the picture face.
bool usesPictureFace(TaskKind kindCode);
// Runs the layout of the kind code in the range, drawing from `random`; it prints one page and
// ends it. A kind without a sheet prints nothing.
void printSheetOfKind(PrintDevice &device, TaskKind kindCode, int range, Random &random);

} // namespace sheettable
