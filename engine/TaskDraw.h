// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Task.h"

class Random;
struct SharedValues;

// The task kinds the generator knows, NameNumber to ReversedMinus; anything else makes a
// NameNumber task.
TaskKind effectiveKind(TaskKind taskKind);

// Draws a task of the kind in the generator's order of draws.
Task drawTask(TaskKind kind, int range, Random &random);

// Draws the next task of taskKind in the current range with the program's generator and sets
// expectedAnswer to its answer. The screens show it.
Task nextTask(SharedValues &values, Random &random);
