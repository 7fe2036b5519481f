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

// The sum or minuend s, the part b, then the picture: the same draws for all four kinds.
void drawCalculation(Task &task, int range, Random &random)
{
    task.s = random.below(range - 3) + 4;
    task.b = random.below(task.s);
    task.picture = drawPicture(random);
}

} // namespace

TaskKind effectiveKind(TaskKind taskKind)
{
    switch (taskKind) {
    case TaskKind::NameNumber:
    case TaskKind::PlaceNumber:
    case TaskKind::CountPictures:
    case TaskKind::SetPictures:
    case TaskKind::CompleteRange:
    case TaskKind::CompletePlus:
    case TaskKind::CompleteMinus:
    case TaskKind::CountOn:
    case TaskKind::CountBack:
    case TaskKind::Plus:
    case TaskKind::Minus:
    case TaskKind::ReversedPlus:
    case TaskKind::ReversedMinus:
        return taskKind;
    case TaskKind::NotSet:
    case TaskKind::MixedCalculation:
    case TaskKind::MixedReversing:
    case TaskKind::MixedCompleting:
        break;
    }
    return TaskKind::NameNumber; // also whatever number a cast may have made
}

Task drawTask(TaskKind kind, int range, Random &random)
{
    Task task;
    task.kind = effectiveKind(kind);
    switch (task.kind) {
    case TaskKind::NameNumber:
    case TaskKind::NotSet: // made NameNumber above, like the mixed sheets' kinds
    case TaskKind::MixedCalculation:
    case TaskKind::MixedReversing:
    case TaskKind::MixedCompleting:
        task.n = random.below(range + 1);
        task.answer = task.n;
        break;
    case TaskKind::PlaceNumber:
        task.n = random.below(range) + 1;
        task.answer = task.n;
        break;
    case TaskKind::CountPictures:
    case TaskKind::SetPictures:
        task.n = random.below(range) + 1;
        task.picture = drawPicture(random);
        task.answer = task.n;
        break;
    case TaskKind::CompleteRange:
        task.a = random.below((range / 10) * 10 + 1);
        task.picture = drawPicture(random);
        task.answer = range - task.a;
        break;
    case TaskKind::CompletePlus:
    case TaskKind::CompleteMinus:
        task.t = random.below(range) + 1;
        task.picture = drawPicture(random);
        task.a = random.below(task.t);
        task.answer = task.a;
        break;
    case TaskKind::CountOn:
        task.s = random.below(range - 3);
        task.answer = task.s + 1;
        break;
    case TaskKind::CountBack:
        task.s = random.below(range - 3) + 4;
        task.answer = task.s - 1;
        break;
    case TaskKind::Plus:
    case TaskKind::ReversedMinus:
        drawCalculation(task, range, random);
        task.answer = task.s;
        break;
    case TaskKind::Minus:
    case TaskKind::ReversedPlus:
        drawCalculation(task, range, random);
        task.answer = task.s - task.b;
        break;
    }
    return task;
}

Task nextTask(SharedValues &values, Random &random)
{
    const Task task = drawTask(values.taskKind, values.numberRange, random);
    values.expectedAnswer = task.answer;
    return task;
}
