#pragma once

#include "exercises/ExerciseScreen.h"

class Label;

class CalculationScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    CalculationScreen();

    void applyTask(const Task &task) override;
    void showEntry() override;
    void showHelp() override;
    void resetGame() override;

    Label *Bezeichnung2 = nullptr; // the operator, "+" or "-"
    Label *Bezeichnung7 = nullptr; // invisible exercise marker: "r" calculate, "u" reverse

protected:
    void rightAnswerMove() override;
    void wrongAnswerMove() override;
};
