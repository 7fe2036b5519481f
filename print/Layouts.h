// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class PrintDevice;

// The worksheet layouts. Each prints one page on the device and ends it; they read taskKind and
// numberRange, draw their tasks with the one task generator and never ask anything.
void printCalculationSheet(PrintDevice &device);      // kinds 10 to 13
void printMixedCalculationSheet(PrintDevice &device); // kind 14: 11 and 10 alternating
void printMixedReversingSheet(PrintDevice &device);   // kind 15: 13 and 12 alternating
void printCompletingSheet(PrintDevice &device);       // kinds 5 to 7
void printMixedCompletingSheet(PrintDevice &device);  // kind 16: 7 and 6 alternating
void printPictureSheet(PrintDevice &device);          // kinds 3 (counting) and 4 (drawing)
void printNumberLineSheet(PrintDevice &device);       // kind 1
void printSequenceSheet(PrintDevice &device);         // kind 8
