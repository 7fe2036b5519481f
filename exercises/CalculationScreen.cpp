// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/CalculationScreen.h"

#include "engine/Invitations.h"
#include "engine/SharedValues.h"
#include "engine/TaskKinds.h"
#include "engine/TaskView.h"
#include "engine/TextHelpers.h"
#include "ui/kit/Controls.h"
#include "ui/speech/Accessibility.h"

using kit::Button;
using kit::Label;
using kit::Picture;

namespace {

const QColor darkBlue(0, 0, 128); // palette colour 1
const QColor headingBlue(0, 0, 192);
const QColor water(128, 255, 255);

bool isCalculating(TaskKind kind)
{
    return kind == TaskKind::Plus || kind == TaskKind::Minus;
}

bool isReversing(TaskKind kind)
{
    return kind == TaskKind::ReversedPlus || kind == TaskKind::ReversedMinus;
}

// One of the five boxes of the equation row.
Label *equationLabel(QWidget *parent, const QString &name, int left, const QString &caption, bool box)
{
    auto *label = new Label(parent, name, QRect(left, 2400, 735, 615), caption);
    label->setFontSpec(QStringLiteral("MS Sans Serif"), 24, true);
    label->setTextColour(darkBlue);
    label->setCentred();
    label->setSingleBorder(box);
    return label;
}

} // namespace

CalculationScreen::CalculationScreen(const kit::Context &context)
    : ExerciseScreen(context, QStringLiteral("Form6"), QSize(6525, 5115), kit::systemWindowColour(), Reseed::OnLoad,
                     races::calculation())
{
    // Created in the order they lie on the screen, so the Tab key runs top to bottom.
    Befehl3 = new Button(this, QStringLiteral("Befehl3"), QRect(120, 360, 1455, 495), QStringLiteral("p l u s"));
    Befehl3->setAccessibleName(QStringLiteral("plus"));
    invitations::declare(*Befehl3, kindInfo(TaskKind::Plus).mode);
    Bezeichnung6 =
        new Label(this, QStringLiteral("Bezeichnung6"), QRect(1680, 360, 3135, 495), QStringLiteral("Rechne aus!"));
    Bezeichnung6->setFontSpec(QStringLiteral("MS Sans Serif"), 18, true);
    Bezeichnung6->setTextColour(headingBlue);
    Bezeichnung6->setCentred();
    Befehl4 = new Button(this, QStringLiteral("Befehl4"), QRect(4920, 360, 1455, 495), QStringLiteral("m i n u s"));
    Befehl4->setAccessibleName(QStringLiteral("minus"));
    invitations::declare(*Befehl4, kindInfo(TaskKind::Minus).mode);

    Figur1 = addShape(QStringLiteral("Figur1"), QRect(120, 1080, 6255, 2175));
    Figur1->setBorder(darkBlue, 2);

    // Tall enough for two rows of 24 pt pictures (a range above ten), and still clear of the
    // equation row below.
    Bezeichnung8 = new Label(this, QStringLiteral("Bezeichnung8"), QRect(240, 1200, 6015, 1155));
    Bezeichnung8->setFontSpec(QStringLiteral("Arial"), 24, false);
    Bezeichnung8->setCentred();
    Bezeichnung8->setWordWrap(true);
    // Named for what the child does with them: their characters would give the count away.
    Bezeichnung8->setAccessibleName(QStringLiteral("Bilder zum Zählen"));

    const QString unknown = QStringLiteral("?");
    Bezeichnung1 = equationLabel(this, QStringLiteral("Bezeichnung1"), 1200, unknown, true);
    Bezeichnung2 = equationLabel(this, QStringLiteral("Bezeichnung2"), 2040, QStringLiteral("+"), false);
    Bezeichnung3 = equationLabel(this, QStringLiteral("Bezeichnung3"), 2880, unknown, true);
    Bezeichnung3->setBackgroundColour(Qt::white);
    Bezeichnung4 = equationLabel(this, QStringLiteral("Bezeichnung4"), 3720, QStringLiteral("="), false);
    Bezeichnung5 = equationLabel(this, QStringLiteral("Bezeichnung5"), 4560, unknown, true);
    Bezeichnung5->setBackgroundColour(Qt::white);
    // Each number box says which it is: the one the child fills changes with the mode.
    Bezeichnung1->setNameBeforeCaption(QStringLiteral("erste Zahl"));
    Bezeichnung3->setNameBeforeCaption(QStringLiteral("zweite Zahl"));
    Bezeichnung5->setNameBeforeCaption(QStringLiteral("Ergebnis"));

    buildCommonControls(QRect(480, 3480, 1095, 375), QRect(1680, 3480, 2655, 375), QRect(4440, 3480, 1095, 375),
                        QRect(5640, 3480, 375, 375), QStringLiteral("Befehl5"));
    Befehl5 = helpButton;

    Figur2 = addShape(QStringLiteral("Figur2"), QRect(120, 4440, 6255, 495));
    Figur2->setNoBorder();
    Figur2->setFill(water);
    Bild3 = new Picture(this, QStringLiteral("Bild3"), QRect(5880, 4440, 495, 495), QStringLiteral("seaweed.svg"),
                        QStringLiteral("Seetang"));
    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(race().opponent(), 4440, 495, 495),
                        QStringLiteral("fish_predator.svg"), QStringLiteral("Raubfisch"));
    Bild1->setBackgroundColour(water);
    // The small fish swims above the predator when they meet.
    Bild2 = new Picture(this, QStringLiteral("Bild2"), QRect(race().child(), 4440, 495, 495),
                        QStringLiteral("fish_small.svg"), QStringLiteral("kleiner Fisch"));
    Bild2->setBackgroundColour(water);
    setRaceFigures(Bild2, Bild1);

    connect(Befehl3, &QPushButton::clicked, this, [this] { choosePlus(); });
    connect(Befehl4, &QPushButton::clicked, this, [this] { chooseMinus(); });
}

void CalculationScreen::startExercise(Exercise exercise)
{
    Bezeichnung2->setCaption(QStringLiteral("+"));
    exercise_ = exercise;
    // The mode buttons say what they do in this exercise: reversed, the first number is sought.
    const bool reversing = exercise == Exercise::Reversing;
    invitations::declare(*Befehl3, kindInfo(reversing ? TaskKind::ReversedPlus : TaskKind::Plus).mode);
    invitations::declare(*Befehl4, kindInfo(reversing ? TaskKind::ReversedMinus : TaskKind::Minus).mode);
}

QString CalculationScreen::captionPrefix() const
{
    return exercise_ == Exercise::Reversing ? QStringLiteral("U m k e h r e n   b i s  ")
                                            : QStringLiteral("R e c h n e n   b i s  ");
}

void CalculationScreen::applyTask(const Task &task)
{
    if (!isCalculating(task.kind) && !isReversing(task.kind))
        return;
    const taskview::Calculation view = taskview::calculation(task, context_.shared.numberRange);
    Bezeichnung1->setCaption(view.first);
    Bezeichnung3->setCaption(view.second);
    Bezeichnung5->setCaption(view.result);
    Bezeichnung8->setCaption(view.pictures);
    // The operator's button says it is the one on.
    const bool plus = kindInfo(task.kind).sign == u'+';
    kit::setSwitchState(Befehl3, plus);
    kit::setSwitchState(Befehl4, !plus);
    // Last: when the value really changes, showEntry puts the 0 into the entry box.
    HBildlauf1->setValue(0);
}

void CalculationScreen::writeEntry(int value)
{
    const TaskKind kind = task().kind;
    if (isCalculating(kind))
        Bezeichnung5->setCaption(captions::plain(value));
    else if (isReversing(kind))
        Bezeichnung1->setCaption(captions::plain(value));
}

void CalculationScreen::showHelp()
{
    if (const std::optional<helptexts::HelpText> help = helptexts::calculation(task()))
        showHelpText(*help);
}

void CalculationScreen::placeFigures()
{
    Bild1->setLeftTwips(race().opponent());
    Bild2->setLeftTwips(race().child());
}

void CalculationScreen::choosePlus()
{
    chooseOperator(QStringLiteral("+"), TaskKind::Plus, TaskKind::ReversedPlus);
}

void CalculationScreen::chooseMinus()
{
    chooseOperator(QStringLiteral("-"), TaskKind::Minus, TaskKind::ReversedMinus);
}

void CalculationScreen::chooseOperator(const QString &sign, TaskKind calculateKind, TaskKind reverseKind)
{
    Bezeichnung2->setCaption(sign);
    context_.shared.taskKind = exercise_ == Exercise::Reversing ? reverseKind : calculateKind;
    newTask();
    focusAnswer();
}
