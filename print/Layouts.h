// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/TaskKind.h"

class PrintDevice;
class Random;

// The worksheet layouts. Each prints one page on the device and ends it; they draw their tasks
// in the range from `random` with the task generator's drawTask and never ask anything.

// Plus to ReversedMinus, MixedCalculation and MixedReversing: the mixed sheets take turns, the
// minus kind first.
void printCalculationSheet(PrintDevice &device, TaskKind kind, int range, Random &random);
// CompleteRange to CompleteMinus and MixedCompleting, which takes turns, CompleteMinus first.
void printCompletingSheet(PrintDevice &device, TaskKind kind, int range, Random &random);
// SetPictures: numbers to draw as pictures; CountPictures: pictures to count.
void printPictureSheet(PrintDevice &device, TaskKind kind, int range, Random &random);
void printNumberLineSheet(PrintDevice &device, int range, Random &random);
// Starts counting on and starts counting back.
void printSequenceSheet(PrintDevice &device, int range, Random &random);
