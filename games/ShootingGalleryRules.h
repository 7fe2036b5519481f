// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

class Random;

namespace shootinggallery {

constexpr int tickMs = 200;
constexpr int gameLengthMs = 40000;
constexpr int cellTwips = 300;
constexpr int squareTwips = 200;
constexpr int squareInset = 100;
constexpr int holeRadius = 200;
constexpr int heightTakenOff = 500; // the label row and a margin: no squares there

// The window's outer size in twips: the client area 7950 x 5760 with borders of 3 pixels and a
// title bar of 19 pixels. The grid rests on this size, not on whatever frame the desktop draws.
constexpr QSize nominalOuterSize(7950 + 2 * 3 * 15, 5760 + 19 * 15 + 2 * 3 * 15);

int columns(QSize outerTwips = nominalOuterSize);
int rows(QSize outerTwips = nominalOuterSize);

// Palette colour 3k of the 16-colour palette, k = 0 .. 4: black, teal, olive, blue, red.
QColor targetColour(int k);

struct Target
{
    int column = 0;
    int row = 0;
    int k = 0;
    QRect square() const;
    QColor colour() const { return targetColour(k); }
};

// Column, row and colour of the next square, drawn in this order.
Target drawTarget(Random &random, QSize outerTwips = nominalOuterSize);

} // namespace shootinggallery

// One game of the shooting gallery: the clock, the hits and what a shot does.
class ShootingGalleryRules
{
public:
    enum class State { Idle, Running };

    struct Tick
    {
        bool ran = false; // false: no game runs, nothing happens
        int remainingMs = 0;
        QString timeText;       // "Zeit: " and the tenths of a second left
        shootinggallery::Target target; // the square to paint
        bool gameOver = false;  // that was the last tick
    };

    struct Shot
    {
        bool hole = false;   // a white hole is punched and the beep sounds
        bool scored = false; // the colour under the shot was black
    };

    // Counters to 0; the clock runs from here on.
    void start();
    // 200 ms later; after 40 s the game is over and the clock stops.
    Tick tick(Random &random);
    // The clock stops; hits and drawing stay.
    void stop();
    // A shot on the colour that lies under the pointer.
    Shot shoot(const QColor &under);

    State state() const { return state_; }
    int hits() const { return hits_; }
    int elapsedMs() const { return elapsedMs_; }
    QString pointsText() const;
    QString endMessage() const;

private:
    State state_ = State::Idle;
    int hits_ = 0;
    int elapsedMs_ = 0;
};
