// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OpenExercise.h"

#include "app/StartPage.h"
#include "app/Windows.h"
#include "engine/SharedValues.h"
#include "engine/Task.h"
#include "exercises/CalculationScreen.h"
#include "exercises/CompletingScreen.h"
#include "exercises/NumberLineScreen.h"
#include "exercises/NumberSetScreen.h"
#include "exercises/SequenceScreen.h"

namespace {

// The kind of each exercise's first mode.
TaskKind firstKind(Exercise exercise)
{
    switch (exercise) {
    case Exercise::NumberLine:
        return TaskKind::NameNumber;
    case Exercise::NumberSets:
        return TaskKind::CountPictures;
    case Exercise::Completing:
        return TaskKind::CompleteRange;
    case Exercise::Sequences:
        return TaskKind::CountOn;
    case Exercise::Calculating:
        return TaskKind::Plus;
    case Exercise::Reversing:
        return TaskKind::ReversedPlus;
    }
    return TaskKind::NameNumber; // no other exercise
}

} // namespace

ExerciseScreen &openExercise(Windows &windows, Exercise exercise)
{
    windows.form1().hide();
    const TaskKind kind = firstKind(exercise);
    ExerciseScreen &screen = screenForKind(windows, kind);
    screen.showWindow();
    if (exercise == Exercise::Calculating || exercise == Exercise::Reversing) {
        windows.Form6().startExercise(exercise == Exercise::Reversing ? CalculationScreen::Exercise::Reversing
                                                                      : CalculationScreen::Exercise::Calculating);
    }
    windows.shared().taskKind = kind;
    screen.setUp();
    screen.newTask();
    return screen;
}

ExerciseScreen &screenForKind(Windows &windows, TaskKind taskKind)
{
    switch (effectiveKind(taskKind)) {
    case TaskKind::CountPictures:
    case TaskKind::SetPictures:
        return windows.Form3();
    case TaskKind::CompleteRange:
    case TaskKind::CompletePlus:
    case TaskKind::CompleteMinus:
        return windows.Form4();
    case TaskKind::CountOn:
    case TaskKind::CountBack:
        return windows.Form5();
    case TaskKind::Plus:
    case TaskKind::Minus:
    case TaskKind::ReversedPlus:
    case TaskKind::ReversedMinus:
        return windows.Form6();
    case TaskKind::NameNumber:
    case TaskKind::PlaceNumber:
    case TaskKind::NotSet: // effectiveKind makes these NameNumber
    case TaskKind::MixedCalculation:
    case TaskKind::MixedReversing:
    case TaskKind::MixedCompleting:
        break;
    }
    return windows.Form2();
}
