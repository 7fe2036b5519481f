// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/TaskKind.h"

#include <QtGlobal>
#include <functional>

// The four values every window of the program shares for one run. The top of the program makes
// them once and hands them to every window.
struct SharedValues
{
    qint16 numberRange = 10;   // "Zahlen bis": 10 to 20
    TaskKind taskKind = TaskKind::NotSet; // which task the next newTask makes
    int expectedAnswer = 0;    // what the child has to produce for the current task
    qint16 rewardRounds = 0;   // reward game rounds, shown on the start page
    // Told the new count after every change that addRewardRound and takeRewardRound make; the
    // start page shows it.
    std::function<void(qint16)> rewardRoundsChanged;
};
