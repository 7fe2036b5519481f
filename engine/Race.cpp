// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Race.h"

#include "engine/TextHelpers.h"

#include <QtGlobal>

namespace races {

namespace {

QString lines(const QString &first, const QString &second)
{
    return first + captions::CR + second + captions::CR;
}

} // namespace

using OnWrong = RaceRules::OnWrong;

// start of the child, start of the opponent, goal, step, what a wrong answer does, catch distance,
// bar width at the start, and the losing box.
RaceRules numberLine()
{
    return {240,
            240,
            8100,
            300,
            OnWrong::OpponentRuns,
            0,
            255,
            QStringLiteral("Pick!"),
            lines(QStringLiteral("Pech, du hast verloren und"), QStringLiteral("musst von vorn anfangen!"))};
}

RaceRules numberSets()
{
    return {120,
            120,
            7600,
            300,
            OnWrong::OpponentRuns,
            0,
            0,
            QStringLiteral("E N D E"),
            lines(QStringLiteral("Pech, der falsche Wagen hat gewonnen!"),
                  QStringLiteral("Probier es doch noch einmal! Viel Glück!"))};
}

RaceRules completing()
{
    return {120,
            120,
            6100,
            200,
            OnWrong::OpponentRuns,
            0,
            0,
            QStringLiteral("Klack"),
            lines(QStringLiteral("Pech, die falsche Spinne hat gewonnen!"),
                  QStringLiteral("Probier es bitte noch einmal! Viel Glück!"))};
}

RaceRules sequences()
{
    return {120, 120, 5400, 100, OnWrong::ChildStepsBack, 0, 0, {}, {}};
}

RaceRules calculation()
{
    return {600,
            120,
            5600,
            200,
            OnWrong::OpponentChases,
            300,
            0,
            QStringLiteral("Schmatz"),
            lines(QStringLiteral("Pech, du bist aufgefressen worden!"),
                  QStringLiteral("Probier es noch einmal, viel Glück!"))};
}

} // namespace races

Race::Race(const RaceRules &rules) : rules_(rules), child_(rules.childStart), opponent_(rules.opponentStart) {}

Race::Outcome Race::right()
{
    child_ += rules_.step;
    return child_ >= rules_.goal ? Outcome::Won : Outcome::GoesOn;
}

Race::Outcome Race::wrong()
{
    switch (rules_.onWrong) {
    case RaceRules::OnWrong::ChildStepsBack:
        child_ = qMax(rules_.childStart, child_ - rules_.step);
        return Outcome::GoesOn;
    case RaceRules::OnWrong::OpponentChases:
        opponent_ += rules_.step;
        return opponent_ + rules_.catchDistance > child_ ? Outcome::Lost : Outcome::GoesOn;
    case RaceRules::OnWrong::OpponentRuns:
        break;
    }
    opponent_ += rules_.step;
    return opponent_ >= rules_.goal ? Outcome::Lost : Outcome::GoesOn;
}

void Race::reset()
{
    child_ = rules_.childStart;
    opponent_ = rules_.opponentStart;
}
