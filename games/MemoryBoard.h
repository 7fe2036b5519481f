// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

class Random;

namespace memorygame {

constexpr int cardCount = 18;

// Each digit 1 to 9 twice, in order: what a deal spreads over the cards.
inline QString pairsString()
{
    return QStringLiteral("112233445566778899");
}

// Puts the i-th character of the pairs on a random free place, drawing again while the place is
// taken. Character p - 1 of the result is the digit on card p. `random.below(n)` gives 0 .. n - 1.
template <typename Draw>
QString dealCards(Draw &random)
{
    const QString pairs = pairsString();
    QString cards(cardCount, QLatin1Char('0'));
    for (int i = 0; i < cardCount; ++i) {
        int place = random.below(cardCount) + 1;
        while (cards.at(place - 1) != QLatin1Char('0'))
            place = random.below(cardCount) + 1;
        cards[place - 1] = pairs.at(i);
    }
    return cards;
}

// A card turned face up: its digit, sixteen blanks and the digit again; the card wraps the
// blanks away so the digit shows on two lines.
QString faceCaption(QChar digit);

} // namespace memorygame

// The game's rules without the window: the deal, the found pairs and the cards open in this turn.
// Cards are numbered 1 to 18, left to right and top to bottom; 0 means "no card".
class MemoryBoard
{
public:
    // What one click changes, in the order the window shows it.
    struct Turn
    {
        bool ignored = false;  // a card of a found pair: nothing happens
        int hiddenFirst = 0;   // two unmatched cards of the last turn go face down again
        int hiddenSecond = 0;
        int shown = 0;         // the card turned face up
        int foundFirst = 0;    // the two cards of a pair just found
        int foundSecond = 0;
        bool unmatched = false; // the second card of the turn shows another digit
        bool gameOver = false;  // that was the ninth pair
    };

    // A click on a card; the first click of a game deals from `random`.
    Turn reveal(int card, Random &random);
    // Back to "not dealt": the next click deals a new game.
    void reset();

    bool isDealt() const { return dealt_; }
    QString deal() const { return deal_; }
    QChar digitOn(int card) const;
    bool isFound(int card) const;

private:
    bool allFound() const;

    bool dealt_ = false;
    QString deal_;                                 // character p - 1: the digit on card p
    std::array<bool, memorygame::cardCount> found_{};  // true: the card belongs to a found pair
    int firstCard_ = 0;                            // first face-up card of the turn
    int secondCard_ = 0;                           // second face-up card, left open when unmatched
};
