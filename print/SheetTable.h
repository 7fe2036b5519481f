// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class PrintDevice;

// The fourteen rows of the worksheet list and what each prints.
namespace sheets {

inline constexpr int rowCount = 14;

// The kind code a row puts into taskKind (rows counted from 1); 0 for no such row.
int kindCodeOfRow(int row);
// Whether the sheet of that kind code draws pictures in the picture face.
bool usesPictureFace(int kindCode);
// Runs the layout of the kind code; it prints one page and ends it.
void printSheetOfKind(PrintDevice &device, int kindCode);

} // namespace sheets
