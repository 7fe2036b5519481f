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

// "Zahlenstrahl": name the number under the red tag, or move the tag to a number's place.
// Two faces race along the bottom, each pulling a yellow bar behind it.
class NumberLineScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit NumberLineScreen(const kit::Context &context);

    kit::Button *Befehl3 = nullptr;     // "Zahlenwert"
    kit::Button *Befehl4 = nullptr;     // "Zahlposition"
    kit::Label *Bezeichnung1 = nullptr; // the red number tag
    kit::Label *Bezeichnung2 = nullptr; // the question
    kit::Shape *Figur1 = nullptr;       // frame about the number line
    kit::Shape *Figur2 = nullptr;       // the child's bar
    kit::Shape *Figur3 = nullptr;       // the opponent's bar
    kit::Shape *Figur4 = nullptr;       // the race track
    kit::Picture *Bild1 = nullptr;      // leaf at the end of the upper lane
    kit::Picture *Bild2 = nullptr;      // the child's face
    kit::Picture *Bild3 = nullptr;      // the opponent's face
    kit::Picture *Bild4 = nullptr;      // bird at the end of the lower lane

    // Besides the caption and the scroll bar, draws the scale the tag stands over.
    void setUp() override;
    void showHelp() override;

protected:
    QString captionPrefix() const override;
    void applyTask(const Task &task) override;
    void placeFigures() override;
    void writeEntry(int value) override;

private:
    void placeTag(int number);
};
