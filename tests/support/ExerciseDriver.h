// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class ExerciseScreen;

// Sets the scroll bar to the task's answer and confirms it with Enter.
void answerRight(ExerciseScreen &screen);
// Makes a new task of taskKind on the screen that shows that kind.
void newTask();
// Makes new tasks of the current kind until one asks for `answer`; false if none did.
bool taskAskingFor(int answer);
