// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/OpenExercise.h"
#include "app/Windows.h"
#include "engine/Random.h"
#include "engine/SharedValues.h"

// The tests reach the windows of the root the running test built (a TestWorld, the storm) by the
// program's own names.
void useWindows(Windows *registry);
// The values and the generator a test program hands every root it builds, so that a test can set
// and read them as the windows do.
SharedValues &shared();
Random &rng();
Windows &runningWindows();

StartPage &form1();
NumberLineScreen &Form2();
NumberSetScreen &Form3();
CompletingScreen &Form4();
SequenceScreen &Form5();
CalculationScreen &Form6();
MemoryGame &memo();
NumberWordsScreen &Form7();
NumberPicturesScreen &Form8();
FontViewer &Form9();
ShootingGallery &schiess();
SlalomDrive &slalom();
void startRewardGame();
QList<kit::Form *> loadedWindows();
void unloadAllWindows();
ExerciseScreen &openExercise(Exercise exercise);
ExerciseScreen &screenForKind(TaskKind taskKind);
