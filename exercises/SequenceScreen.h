#pragma once

#include "exercises/ExerciseScreen.h"

class Label;

class SequenceScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    SequenceScreen();

    void applyTask(const Task &task) override;
    void showEntry() override;
    void showHelp() override;
    void resetGame() override;

protected:
    void rightAnswerMove() override;
    void wrongAnswerMove() override;
};
