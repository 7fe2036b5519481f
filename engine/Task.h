// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/TaskKind.h"

#include <QChar>

// One drawn task: the numbers of the generator's draws for its kind, and the answer.
// Which fields a kind uses:
//   NameNumber, PlaceNumber  n              CountPictures, SetPictures  n, picture
//   CompleteRange            a, picture     CompletePlus, CompleteMinus t, a, picture
//   CountOn, CountBack       s              Plus to ReversedMinus       s, b, picture
struct Task
{
    TaskKind kind = TaskKind::NameNumber; // always one the generator knows
    int answer = 0;                       // becomes expectedAnswer
    int n = 0;
    int a = 0;
    int t = 0;
    int s = 0;
    int b = 0;
    QChar picture; // the task's picture character, codes 33 to 122
};

// The same question asked again, whatever picture it comes with: heard, the two are one.
inline bool sameQuestion(const Task &one, const Task &other)
{
    return one.kind == other.kind && one.answer == other.answer && one.n == other.n && one.a == other.a &&
           one.t == other.t && one.s == other.s && one.b == other.b;
}
