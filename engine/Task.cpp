// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Task.h"

#include "engine/Random.h"
#include "engine/SharedValues.h"

namespace {

QChar drawPicture(Random &random)
{
    return QChar(32 + (random.below(90) + 1));
}

} // namespace

int effectiveKind(int taskKind)
{
    return taskKind >= 1 && taskKind <= 13 ? taskKind : 1;
}

Task drawTask(int kind, int range, Random &random)
{
    Task task;
    task.kind = effectiveKind(kind);
    switch (task.kind) {
    case 1:
        task.n = random.below(range + 1);
        task.answer = task.n;
        break;
    case 2:
        task.n = random.below(range) + 1;
        task.answer = task.n;
        break;
    case 3:
    case 4:
        task.n = random.below(range) + 1;
        task.picture = drawPicture(random);
        task.answer = task.n;
        break;
    case 5:
        task.a = random.below((range / 10) * 10 + 1);
        task.picture = drawPicture(random);
        task.answer = range - task.a;
        break;
    case 6:
    case 7:
        task.t = random.below(range) + 1;
        task.picture = drawPicture(random);
        task.a = random.below(task.t);
        task.answer = task.a;
        break;
    case 8:
        task.s = random.below(range - 3);
        task.answer = task.s + 1;
        break;
    case 9:
        task.s = random.below(range - 3) + 4;
        task.answer = task.s - 1;
        break;
    default: // 10 to 13
        task.s = random.below(range - 3) + 4;
        task.b = random.below(task.s);
        task.picture = drawPicture(random);
        task.answer = (task.kind == 10 || task.kind == 13) ? task.s : task.s - task.b;
        break;
    }
    return task;
}

Task nextTask()
{
    SharedValues &values = shared();
    const Task task = drawTask(values.taskKind, values.numberRange, rng());
    values.expectedAnswer = task.answer;
    return task;
}
