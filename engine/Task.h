// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>

class Random;

// One drawn task: the numbers of the generator's draws for its kind, and the answer.
// Which fields a kind uses:
//   1, 2   n                     3, 4  n, picture
//   5      a, picture            6, 7  t, a, picture
//   8, 9   s                     10-13 s, b, picture
struct Task
{
    int kind = 1;
    int answer = 0; // becomes expectedAnswer
    int n = 0;
    int a = 0;
    int t = 0;
    int s = 0;
    int b = 0;
    QChar picture;  // the task's picture character, codes 33 to 122
};

// The task kinds the generator knows; anything else makes a kind 1 task.
int effectiveKind(int taskKind);

// Draws a task of the kind in the generator's order of draws.
Task drawTask(int kind, int range, Random &random);

// Draws the next task of taskKind in the current range with the one generator and sets
// expectedAnswer to its answer. The screens show it; the worksheets print it.
Task nextTask();
