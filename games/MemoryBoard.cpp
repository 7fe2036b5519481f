// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/MemoryBoard.h"

#include "engine/Random.h"

#include <algorithm>

QString memorygame::faceCaption(QChar digit)
{
    return QString(digit) + QString(16, QLatin1Char(' ')) + QString(digit);
}

MemoryBoard::Turn MemoryBoard::reveal(int card, Random &random)
{
    Turn turn;
    if (card < 1 || card > memorygame::cardCount) {
        turn.ignored = true;
        return turn;
    }

    if (!dealt_) {
        deal_ = memorygame::dealCards(random);
        found_.fill(false);
        dealt_ = true;
        firstCard_ = 0;
        secondCard_ = 0;
    }
    if (isFound(card)) {
        turn.ignored = true;
        return turn;
    }

    // Two unmatched cards stay open until the next click turns them down.
    if (firstCard_ > 0 && secondCard_ > 0) {
        turn.hiddenFirst = firstCard_;
        turn.hiddenSecond = secondCard_;
        firstCard_ = 0;
        secondCard_ = 0;
    }

    turn.shown = card;
    if (firstCard_ == 0) {
        firstCard_ = card;
        return turn;
    }
    secondCard_ = card;
    if (secondCard_ == firstCard_) {
        // The open card clicked again: it stays the first card of the turn.
        secondCard_ = 0;
        return turn;
    }
    if (digitOn(firstCard_) == digitOn(secondCard_)) {
        found_[firstCard_ - 1] = true;
        found_[secondCard_ - 1] = true;
        turn.foundFirst = firstCard_;
        turn.foundSecond = secondCard_;
        firstCard_ = 0;
        secondCard_ = 0;
        turn.gameOver = allFound();
    } else {
        turn.unmatched = true;
    }
    return turn;
}

void MemoryBoard::reset()
{
    *this = MemoryBoard();
}

QChar MemoryBoard::digitOn(int card) const
{
    if (card < 1 || card > deal_.size())
        return QChar();
    return deal_.at(card - 1);
}

bool MemoryBoard::isFound(int card) const
{
    return card >= 1 && card <= memorygame::cardCount && found_[card - 1];
}

bool MemoryBoard::allFound() const
{
    return std::all_of(found_.begin(), found_.end(), [](bool found) { return found; });
}
