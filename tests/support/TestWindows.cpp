// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestWindows.h"

using kit::Form;

namespace {

Windows *running = nullptr;
SharedValues values;
Random generator;

} // namespace

void useWindows(Windows *registry)
{
    running = registry;
}

SharedValues &shared()
{
    return values;
}

Random &rng()
{
    return generator;
}

Windows &runningWindows()
{
    Q_ASSERT(running);
    return *running;
}

StartPage &form1()
{
    return runningWindows().form1();
}

NumberLineScreen &Form2()
{
    return runningWindows().Form2();
}

NumberSetScreen &Form3()
{
    return runningWindows().Form3();
}

CompletingScreen &Form4()
{
    return runningWindows().Form4();
}

SequenceScreen &Form5()
{
    return runningWindows().Form5();
}

CalculationScreen &Form6()
{
    return runningWindows().Form6();
}

MemoryGame &memo()
{
    return runningWindows().memo();
}

NumberWordsScreen &Form7()
{
    return runningWindows().Form7();
}

NumberPicturesScreen &Form8()
{
    return runningWindows().Form8();
}

FontViewer &Form9()
{
    return runningWindows().Form9();
}

ShootingGallery &schiess()
{
    return runningWindows().schiess();
}

SlalomDrive &slalom()
{
    return runningWindows().slalom();
}

void startRewardGame()
{
    runningWindows().startRewardGame();
}

QList<Form *> loadedWindows()
{
    return runningWindows().loadedWindows();
}

void unloadAllWindows()
{
    if (running)
        running->unloadAll();
}

ExerciseScreen &openExercise(Exercise exercise)
{
    return openExercise(runningWindows(), exercise);
}

ExerciseScreen &screenForKind(TaskKind taskKind)
{
    return screenForKind(runningWindows(), taskKind);
}
