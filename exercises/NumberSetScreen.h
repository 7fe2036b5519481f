// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercises/ExerciseScreen.h"

namespace kit {
class Button;
class Label;
class Picture;
class Shape;
}

// "Zahlenmengen": count a block of pictures, or set as many pictures as a number says.
// A blue and a red car race to the STOP sign.
class NumberSetScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit NumberSetScreen(const kit::Context &context);

    kit::Button *Befehl3 = nullptr;     // "Zahlen"
    kit::Button *Befehl4 = nullptr;     // "Bilder"
    kit::Label *Bezeichnung1 = nullptr; // the picture block
    kit::Label *Bezeichnung2 = nullptr; // the question
    kit::Label *Bezeichnung3 = nullptr; // the number box
    kit::Shape *Figur1 = nullptr;       // frame about the number box
    kit::Shape *Figur2 = nullptr;       // the track
    kit::Picture *Bild1 = nullptr;      // the child's car
    kit::Picture *Bild2 = nullptr;      // the opponent's car
    kit::Picture *Bild3 = nullptr;      // STOP sign at the finish

    void showHelp() override;

protected:
    QString captionPrefix() const override;
    void applyTask(const Task &task) override;
    void placeFigures() override;
    void writeEntry(int value) override;
};
