// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OpenExercise.h"

#include "app/StartPage.h"
#include "app/Windows.h"
#include "engine/SharedValues.h"
#include "engine/TaskDraw.h"
#include "engine/TaskKinds.h"
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
    switch (kindInfo(effectiveKind(taskKind)).screen) {
    case Screen::NumberSets:
        return windows.Form3();
    case Screen::Completing:
        return windows.Form4();
    case Screen::Sequences:
        return windows.Form5();
    case Screen::Calculation:
        return windows.Form6();
    case Screen::NumberLine:
    case Screen::None: // effectiveKind makes the kinds of no screen NameNumber
        break;
    }
    return windows.Form2();
}
