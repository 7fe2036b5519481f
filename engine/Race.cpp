#include "engine/Race.h"

#include "engine/TextHelpers.h"

#include <QtGlobal>

namespace races {

RaceRules numberLine()
{
    RaceRules rules;
    rules.childStart = rules.opponentStart = 240;
    rules.goal = 8100;
    rules.step = 300;
    rules.trailStart = 255;
    rules.lostTitle = QStringLiteral("Pick!");
    rules.lostText = QStringLiteral("Pech, du hast verloren und") + text::CR + QStringLiteral("musst von vorn anfangen!") +
                     text::CR;
    return rules;
}

RaceRules numberSets()
{
    RaceRules rules;
    rules.childStart = rules.opponentStart = 120;
    rules.goal = 7600;
    rules.step = 300;
    rules.lostTitle = QStringLiteral("E N D E");
    rules.lostText = QStringLiteral("Pech, der falsche Wagen hat gewonnen!") + text::CR +
                     QStringLiteral("Probier es doch noch einmal! Viel Glück!") + text::CR;
    return rules;
}

RaceRules completing()
{
    RaceRules rules;
    rules.childStart = rules.opponentStart = 120;
    rules.goal = 6100;
    rules.step = 200;
    rules.lostTitle = QStringLiteral("Klack");
    rules.lostText = QStringLiteral("Pech, die falsche Spinne hat gewonnen!") + text::CR +
                     QStringLiteral("Probier es bitte noch einmal! Viel Glück!") + text::CR;
    return rules;
}

RaceRules sequences()
{
    RaceRules rules;
    rules.childStart = rules.opponentStart = 120;
    rules.goal = 5400;
    rules.step = 100;
    rules.onWrong = RaceRules::OnWrong::ChildStepsBack;
    return rules;
}

RaceRules calculation()
{
    RaceRules rules;
    rules.childStart = 600;
    rules.opponentStart = 120;
    rules.goal = 5600;
    rules.step = 200;
    rules.onWrong = RaceRules::OnWrong::OpponentChases;
    rules.catchDistance = 300;
    rules.lostTitle = QStringLiteral("Schmatz");
    rules.lostText = QStringLiteral("Pech, du bist aufgefressen worden!") + text::CR +
                     QStringLiteral("Probier es noch einmal, viel Glück!") + text::CR;
    return rules;
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
