#include "exercises/CalculationScreen.h"

#include "app/Controls.h"
#include "engine/Task.h"

CalculationScreen::CalculationScreen()
    : ExerciseScreen(QStringLiteral("Form6"), QSize(6525, 5115), kit::systemWindowColour(), Reseed::OnLoad)
{
    buildCommonControls(QRect(480, 3480, 1095, 375), QRect(1680, 3480, 2655, 375), QRect(4440, 3480, 1095, 375),
                        QRect(5640, 3480, 375, 375), QStringLiteral("Befehl5"));
    Bezeichnung2 = new Label(this, QStringLiteral("Bezeichnung2"), QRect(2040, 2400, 735, 615), QStringLiteral("+"));
    Bezeichnung7 = new Label(this, QStringLiteral("Bezeichnung7"), QRect(5400, 2760, 375, 255));
    Bezeichnung7->hide();
}

void CalculationScreen::applyTask(const Task &) { HBildlauf1->setValue(0); }
void CalculationScreen::showEntry() {}
void CalculationScreen::showHelp() {}
void CalculationScreen::resetGame() {}
void CalculationScreen::rightAnswerMove() {}
void CalculationScreen::wrongAnswerMove() {}
