#include "exercises/NumberLineScreen.h"

#include "app/Controls.h"
#include "engine/Task.h"

NumberLineScreen::NumberLineScreen()
    : ExerciseScreen(QStringLiteral("Form2"), QSize(9285, 4965), kit::systemWindowColour(), Reseed::OnLoad)
{
    buildCommonControls(QRect(480, 3480, 1095, 375), QRect(1680, 3480, 2655, 375), QRect(4440, 3480, 1095, 375),
                        QRect(5640, 3480, 375, 375), QStringLiteral("Befehl5"));

}

void NumberLineScreen::applyTask(const Task &) { HBildlauf1->setValue(0); }
void NumberLineScreen::showEntry() {}
void NumberLineScreen::showHelp() {}
void NumberLineScreen::resetGame() {}
void NumberLineScreen::rightAnswerMove() {}
void NumberLineScreen::wrongAnswerMove() {}
