// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercises/ExerciseScreen.h"

#include <QString>

namespace kit {
class Button;
class Label;
class Picture;
class Shape;
}

// Form6: plus and minus within the range, forward ("Rechnen", 3 + 4 = ?) or reversed
// ("Umkehren", ? + 4 = 7), with a small fish fleeing from a predator fish.
class CalculationScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit CalculationScreen(const kit::Context &context);

    // Which of the two exercises the screen serves: it names the window and decides whether the
    // operator buttons make calculating or reversing tasks.
    enum class Exercise { Calculating, Reversing };

    // As the start page opens the screen: the operator back to "+", and the exercise.
    void startExercise(Exercise exercise);
    Exercise exercise() const { return exercise_; }

    void showHelp() override;

    // "p l u s" and "m i n u s": the operator changes, the exercise stays as the marker says.
    void choosePlus();
    void chooseMinus();

    kit::Button *Befehl3 = nullptr;     // "p l u s"
    kit::Button *Befehl4 = nullptr;     // "m i n u s"
    kit::Button *Befehl5 = nullptr;     // " ?"
    kit::Label *Bezeichnung1 = nullptr; // first number (the entry when reversed)
    kit::Label *Bezeichnung2 = nullptr; // the operator, "+" or "-"
    kit::Label *Bezeichnung3 = nullptr; // second number
    kit::Label *Bezeichnung4 = nullptr; // "="
    kit::Label *Bezeichnung5 = nullptr; // result (the entry when calculating)
    kit::Label *Bezeichnung6 = nullptr; // "Rechne aus!"
    kit::Label *Bezeichnung8 = nullptr; // the row of picture characters
    kit::Shape *Figur1 = nullptr;       // frame about the task
    kit::Shape *Figur2 = nullptr;       // the water
    kit::Picture *Bild1 = nullptr;      // the predator fish (chaser)
    kit::Picture *Bild2 = nullptr;      // the small red fish (the child's figure)
    kit::Picture *Bild3 = nullptr;      // seaweed, the refuge

protected:
    QString captionPrefix() const override;
    void applyTask(const Task &task) override;
    void placeFigures() override;
    void writeEntry(int value) override;

private:
    void chooseOperator(const QString &sign, TaskKind calculateKind, TaskKind reverseKind);

    Exercise exercise_ = Exercise::Calculating;
};
