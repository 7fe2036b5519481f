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

namespace {

QString movesLeft(int moves, const QString &to)
{
    return moves == 1 ? QStringLiteral("noch 1 Schritt ") + to : QStringLiteral("noch %1 Schritte ").arg(moves) + to;
}

// Moves of `step` from `from` until `to` is reached, the last one perhaps shorter.
int movesBetween(int from, int to, int step)
{
    return step > 0 && to > from ? (to - from + step - 1) / step : 0;
}

} // namespace

QString Race::childStand() const
{
    if (child_ >= rules_.goal)
        return QStringLiteral("am Ziel");
    return movesLeft(movesBetween(child_, rules_.goal, rules_.step), QStringLiteral("bis zum Ziel"));
}

QString Race::opponentStand() const
{
    if (rules_.onWrong != RaceRules::OnWrong::OpponentChases)
        return opponent_ >= rules_.goal
                   ? QStringLiteral("am Ziel")
                   : movesLeft(movesBetween(opponent_, rules_.goal, rules_.step), QStringLiteral("bis zum Ziel"));
    // It catches the child once it is closer than catchDistance.
    const int catchAt = child_ - rules_.catchDistance + 1;
    if (opponent_ >= catchAt)
        return QStringLiteral("hat dich gefangen");
    return movesLeft(movesBetween(opponent_, catchAt, rules_.step), QStringLiteral("bis zu dir"));
}

void Race::reset()
{
    child_ = rules_.childStart;
    opponent_ = rules_.opponentStart;
}
