// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The progress game under an exercise: the child's figure moves on right answers, and on wrong
// ones an opponent races or chases it, or the child's figure walks back. Positions are the left
// edges of the figures in twips: the score is where a figure stands.
struct RaceRules
{
    enum class OnWrong {
        OpponentRuns,   // the opponent moves; it wins at the goal
        OpponentChases, // the opponent moves; it wins when it comes within catchDistance
        ChildStepsBack, // the child's figure walks back, never behind its start; nobody wins
    };

    int childStart = 0;
    int opponentStart = 0;
    int goal = 0; // reached at a left edge greater than or equal to it
    int step = 0; // how far one answer moves a figure
    OnWrong onWrong = OnWrong::OpponentRuns;
    int catchDistance = 0; // OpponentChases only
    int trailStart = 0;    // width of the bars the figures pull behind them (0: none)
    QString lostTitle;     // the box shown when the child loses a run
    QString lostText;
};

// The table of each race screen.
namespace races {
RaceRules numberLine();  // two faces pulling bars
RaceRules numberSets();  // two cars
RaceRules completing();  // two spiders
RaceRules sequences();   // the walker going to the pond
RaceRules calculation(); // the small fish and the predator
} // namespace races

class Race
{
public:
    enum class Outcome { GoesOn, Won, Lost };

    explicit Race(const RaceRules &rules);

    // The figures move; a Won or Lost run stays at its end positions until reset().
    Outcome right();
    Outcome wrong();
    // Both figures back to their starts: a new run.
    void reset();

    int child() const { return child_; }
    int opponent() const { return opponent_; }
    // The bars' widths: they grow with the figure that pulls them.
    int childTrail() const { return rules_.trailStart + child_ - rules_.childStart; }
    int opponentTrail() const { return rules_.trailStart + opponent_ - rules_.opponentStart; }
    const RaceRules &rules() const { return rules_; }

    // Where each figure stands, in a few words for a screen reader: the moves left to the goal,
    // or, for an opponent that chases, to the child's figure.
    QString childStand() const;
    QString opponentStand() const;

private:
    RaceRules rules_;
    int child_;
    int opponent_;
};
