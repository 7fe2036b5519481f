// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercises/ExerciseScreen.h"

class Button;
class Label;
class Picture;
class Shape;

// "Zahlenmengen": count a block of pictures, or set as many pictures as a number says.
// A blue and a red car race to the STOP sign.
class NumberSetScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit NumberSetScreen(const kit::Context &context);

    Button *Befehl3 = nullptr;     // "Zahlen"
    Button *Befehl4 = nullptr;     // "Bilder"
    Label *Bezeichnung1 = nullptr; // the picture block
    Label *Bezeichnung2 = nullptr; // the question
    Label *Bezeichnung3 = nullptr; // the number box
    Shape *Figur1 = nullptr;       // frame about the number box
    Shape *Figur2 = nullptr;       // the track
    Picture *Bild1 = nullptr;      // the child's car
    Picture *Bild2 = nullptr;      // the opponent's car
    Picture *Bild3 = nullptr;      // STOP sign at the finish

    void showHelp() override;

protected:
    QString captionPrefix() const override;
    void applyTask(const Task &task) override;
    void placeFigures() override;
    void writeEntry(int value) override;
};
