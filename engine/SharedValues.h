// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/TaskKind.h"

#include <QtGlobal>

// The four values every window of the program shares for one run.
struct SharedValues
{
    qint16 numberRange = 10;   // "Zahlen bis": 10 to 20
    TaskKind taskKind = TaskKind::NotSet; // which task the next newTask makes
    int expectedAnswer = 0;    // what the child has to produce for the current task
    qint16 rewardRounds = 0;   // reward game rounds, shown on the start page
};

SharedValues &shared();
