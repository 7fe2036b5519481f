// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ExerciseDriver.h"

#include "engine/SharedValues.h"
#include "exercises/ExerciseScreen.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>

void answerRight(ExerciseScreen &screen)
{
    screen.HBildlauf1->setValue(shared().expectedAnswer);
    QTest::keyClick(screen.HBildlauf1, Qt::Key_Return);
}

void newTask()
{
    screenForKind(shared().taskKind).newTask();
}

bool taskAskingFor(int answer)
{
    for (int i = 0; i < 1000; ++i) {
        if (shared().expectedAnswer == answer)
            return true;
        newTask();
    }
    return false;
}
