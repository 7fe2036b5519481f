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

// The kind of each exercise's first mode, in the order of the enum.
constexpr int firstKinds[] = {1, 3, 5, 8, 10, 12};

} // namespace

ExerciseScreen &openExercise(Windows &windows, Exercise exercise)
{
    windows.form1().hide();
    const int kind = firstKinds[int(exercise)];
    ExerciseScreen &screen = screenForKind(windows, kind);
    screen.showWindow();
    if (exercise == Exercise::Calculating || exercise == Exercise::Reversing) {
        windows.Form6().startExercise(exercise == Exercise::Reversing ? CalculationScreen::Exercise::Reversing
                                                                      : CalculationScreen::Exercise::Calculating);
    }
    shared().taskKind = kind;
    screen.setUp();
    screen.newTask();
    return screen;
}

ExerciseScreen &screenForKind(Windows &windows, int taskKind)
{
    switch (effectiveKind(taskKind)) {
    case 3:
    case 4:
        return windows.Form3();
    case 5:
    case 6:
    case 7:
        return windows.Form4();
    case 8:
    case 9:
        return windows.Form5();
    case 10:
    case 11:
    case 12:
    case 13:
        return windows.Form6();
    default:
        return windows.Form2();
    }
}
