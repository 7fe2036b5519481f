// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/TaskDraw.h"

#include "engine/SharedValues.h"
#include "engine/TaskKinds.h"

TaskKind effectiveKind(TaskKind taskKind)
{
    // Also whatever number a cast may have made.
    return isDrawn(kindInfo(taskKind)) ? taskKind : TaskKind::NameNumber;
}

Task drawTask(TaskKind kind, int range, Random &random)
{
    Task task;
    task.kind = effectiveKind(kind);
    kindInfo(task.kind).draw(task, range, random);
    return task;
}

Task nextTask(SharedValues &values, Random &random)
{
    const Task task = drawTask(values.taskKind, values.numberRange, random);
    values.expectedAnswer = task.answer;
    return task;
}
