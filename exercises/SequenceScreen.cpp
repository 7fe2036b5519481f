#include "exercises/SequenceScreen.h"

#include "app/Controls.h"
#include "engine/Task.h"

SequenceScreen::SequenceScreen()
    : ExerciseScreen(QStringLiteral("Form5"), QSize(6510, 4860), kit::systemWindowColour(), Reseed::OnLoad)
{
    buildCommonControls(QRect(480, 3480, 1095, 375), QRect(1680, 3480, 2655, 375), QRect(4440, 3480, 1095, 375),
                        QRect(5640, 3480, 375, 375), QStringLiteral("Befehl5"));

}

void SequenceScreen::applyTask(const Task &) { HBildlauf1->setValue(0); }
void SequenceScreen::showEntry() {}
void SequenceScreen::showHelp() {}
void SequenceScreen::resetGame() {}
void SequenceScreen::rightAnswerMove() {}
void SequenceScreen::wrongAnswerMove() {}
