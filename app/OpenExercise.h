// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/TaskKind.h"

class ExerciseScreen;
class Windows;

// The exercises the start page's pictures open.
enum class Exercise { NumberLine, NumberSets, Completing, Sequences, Calculating, Reversing };

// Opens an exercise as the start page does: the start page hides, the screen shows, the task
// kind of its first mode is set, the screen is set up for the range and makes its first task.
ExerciseScreen &openExercise(Windows &windows, Exercise exercise);

// The screen that shows tasks of a kind (anything unknown: the number line).
ExerciseScreen &screenForKind(Windows &windows, TaskKind taskKind);
