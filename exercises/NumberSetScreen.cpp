#include "exercises/NumberSetScreen.h"

#include "app/Controls.h"
#include "engine/Task.h"

NumberSetScreen::NumberSetScreen()
    : ExerciseScreen(QStringLiteral("Form3"), QSize(8535, 4725), kit::systemWindowColour(), Reseed::OnLoad)
{
    buildCommonControls(QRect(480, 3480, 1095, 375), QRect(1680, 3480, 2655, 375), QRect(4440, 3480, 1095, 375),
                        QRect(5640, 3480, 375, 375), QStringLiteral("Befehl5"));

}

void NumberSetScreen::applyTask(const Task &) { HBildlauf1->setValue(0); }
void NumberSetScreen::showEntry() {}
void NumberSetScreen::showHelp() {}
void NumberSetScreen::resetGame() {}
void NumberSetScreen::rightAnswerMove() {}
void NumberSetScreen::wrongAnswerMove() {}
