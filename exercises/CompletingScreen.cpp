#include "exercises/CompletingScreen.h"

#include "app/Controls.h"
#include "engine/Task.h"

CompletingScreen::CompletingScreen()
    : ExerciseScreen(QStringLiteral("Form4"), QSize(7470, 5865), kit::systemWindowColour(), Reseed::OnLoad)
{
    buildCommonControls(QRect(480, 3480, 1095, 375), QRect(1680, 3480, 2655, 375), QRect(4440, 3480, 1095, 375),
                        QRect(5640, 3480, 375, 375), QStringLiteral("Befehl5"));

}

void CompletingScreen::applyTask(const Task &) { HBildlauf1->setValue(0); }
void CompletingScreen::showEntry() {}
void CompletingScreen::showHelp() {}
void CompletingScreen::resetGame() {}
void CompletingScreen::rightAnswerMove() {}
void CompletingScreen::wrongAnswerMove() {}
