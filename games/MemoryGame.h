// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "games/MemoryBoard.h"
#include "ui/kit/Context.h"
#include "ui/kit/Form.h"

#include <array>

namespace kit {
class Button;
class Label;
}

// Memory: nine pairs of digits face down; the first reward game.
class MemoryGame : public kit::Form
{
    Q_OBJECT
    kit::Context context_; // first: members made after it may use it

public:
    explicit MemoryGame(const kit::Context &context);

    kit::Label *Bezeichnung19 = nullptr; // how to play
    kit::Button *Befehl1 = nullptr;      // "STOP"

    // The card labels Bezeichnung1 .. Bezeichnung18, by card number 1 to 18.
    kit::Label *card(int number) const;
    const MemoryBoard &board() const { return board_; }

    // A click on card `number`.
    void revealCard(int number);
    // STOP: asks, and on anything but No leaves the game as it is for the next visit.
    void stopGame();

protected:
    void closeRequested() override;
    void showEvent(QShowEvent *event) override;
    void zoomChanged() override;

private:
    void hideOpenPair(int first, int second);
    void markPairFound(int first, int second);
    void endGame();
    void resetBoard();
    void leaveGame();
    void describeCard(int number);

    std::array<kit::Label *, memorygame::cardCount> cards_{};
    MemoryBoard board_;
};
