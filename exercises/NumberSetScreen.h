#pragma once

#include "exercises/ExerciseScreen.h"

class Label;

class NumberSetScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    NumberSetScreen();

    void applyTask(const Task &task) override;
    void showEntry() override;
    void showHelp() override;
    void resetGame() override;

protected:
    void rightAnswerMove() override;
    void wrongAnswerMove() override;
};
