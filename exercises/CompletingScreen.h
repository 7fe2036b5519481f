// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercises/ExerciseScreen.h"

namespace kit {
class Label;
class Picture;
class Shape;
}

// "Ergänzen": an equation with a gap, a + __ = b or a - __ = b, filled with the scroll bar;
// two spiders race along the bottom.
class CompletingScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit CompletingScreen(const kit::Context &context);

    void showHelp() override;

    kit::Button *Befehl5 = nullptr;     // "Z e h n e r", later "z u m  10 e r": complete to the range
    kit::Button *Befehl3 = nullptr;     // "plus"
    kit::Button *Befehl4 = nullptr;     // "minus"
    kit::Button *Befehl6 = nullptr;     // " ?" (the help button)
    kit::Label *Bezeichnung1 = nullptr; // the picture row
    kit::Label *Bezeichnung2 = nullptr; // the question
    kit::Label *Bezeichnung3 = nullptr; // first number
    kit::Label *Bezeichnung4 = nullptr; // operator
    kit::Label *Bezeichnung5 = nullptr; // the gap: the child's entry
    kit::Label *Bezeichnung6 = nullptr; // "="
    kit::Label *Bezeichnung7 = nullptr; // the number after "="
    kit::Shape *Figur1 = nullptr;       // frame about the task
    kit::Picture *Bild1 = nullptr;      // the child's spider
    kit::Picture *Bild2 = nullptr;      // the opposing spider
    kit::Picture *Bild3 = nullptr;      // the finish

protected:
    QString captionPrefix() const override;
    void applyTask(const Task &task) override;
    void placeFigures() override;
    void writeEntry(int value) override;
};
