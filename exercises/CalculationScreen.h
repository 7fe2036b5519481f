#pragma once

#include "exercises/ExerciseScreen.h"

#include <QString>

class Button;
class Label;
class Picture;
class Shape;

// The help picture of a calculation task: p "o" and q "x", each followed by a blank, two more
// blanks after every fifth symbol, and two CRs at the end.
QString calculationHelpText(int p, int q);

// Form6: plus and minus within the range, forward ("Rechnen", 3 + 4 = ?) or reversed
// ("Umkehren", ? + 4 = 7), with a small fish fleeing from a predator fish.
class CalculationScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    CalculationScreen();

    void applyTask(const Task &task) override;
    void showEntry() override;
    void showHelp() override;
    void resetGame() override;

    // "p l u s" and "m i n u s": the operator changes, the exercise stays as the marker says.
    void choosePlus();
    void chooseMinus();

    Button *Befehl3 = nullptr;      // "p l u s"
    Button *Befehl4 = nullptr;      // "m i n u s"
    Button *Befehl5 = nullptr;      // " ?"
    Label *Bezeichnung1 = nullptr;  // first number (the entry when reversed)
    Label *Bezeichnung2 = nullptr;  // the operator, "+" or "-"
    Label *Bezeichnung3 = nullptr;  // second number
    Label *Bezeichnung4 = nullptr;  // "="
    Label *Bezeichnung5 = nullptr;  // result (the entry when calculating)
    Label *Bezeichnung6 = nullptr;  // "Rechne aus!"
    Label *Bezeichnung7 = nullptr;  // invisible exercise marker: "r" calculate, "u" reverse
    Label *Bezeichnung8 = nullptr;  // the row of picture characters
    Shape *Figur1 = nullptr;        // frame about the task
    Shape *Figur2 = nullptr;        // the water
    Picture *Bild1 = nullptr;       // the predator fish (chaser)
    Picture *Bild2 = nullptr;       // the small red fish (the child's figure)
    Picture *Bild3 = nullptr;       // seaweed, the refuge

    // Start positions of the chase and the small fish's goal, in twips.
    static constexpr int predatorStart = 120;
    static constexpr int fishStart = 600;
    static constexpr int fishGoal = 5600;
    static constexpr int swimStep = 200;
    static constexpr int catchDistance = 300;

protected:
    void rightAnswerMove() override;
    void wrongAnswerMove() override;

private:
    void chooseOperator(const QString &sign, int calculateKind, int reverseKind);
};
