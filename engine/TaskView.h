// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

struct Task;

// What a task shows: the texts its exercise screen writes into its labels. The screens and the
// worksheets both take them from here, so a task reads the same on screen and on paper.
namespace taskview {

// Number line screen, kinds 1 and 2.
struct NumberLine
{
    QString number;   // Bezeichnung1: the number to find (kind 2), empty while the child names it (kind 1)
    QString question; // Bezeichnung2
    int tagAt = 0;    // where the tag stands when the task appears
};
NumberLine numberLine(const Task &task);

// Number sets screen, kinds 3 and 4.
struct NumberSet
{
    QString pictures; // Bezeichnung1: the block to count (3), or the one picture to repeat (4)
    QString question; // Bezeichnung2
    QString number;   // Bezeichnung3: "0" to count up from (3), the number to set (4)
    int firstValue = 0; // the answer scroll bar's minimum and start value
};
NumberSet numberSet(const Task &task);

// Completing screen, kinds 5 to 7: first + __ = result, or first - __ = result.
struct Completing
{
    QString pictures; // Bezeichnung1
    QString question; // Bezeichnung2
    QString first;    // Bezeichnung3
    QString op;       // Bezeichnung4: "+" or "-"
    QString result;   // Bezeichnung7
};
Completing completing(const Task &task, int range);
// The completing screen's mode button for kind 5, and what a screen reader says for it.
QString completingRangeCaption(int range);
QString completingRangeAccessibleName(int range);

// Number sequences screen, kinds 8 and 9: the five boxes left to right.
struct Sequence
{
    std::array<QString, 5> boxes;
    int currentBox = 0; // the box the first entry goes into, counted from 1
};
Sequence sequence(const Task &task);

// Calculation screen, kinds 10 to 13: first op second = result, the unknown one empty.
struct Calculation
{
    QString first;    // Bezeichnung1
    QString op;       // "+" for kinds 10 and 12, "-" for 11 and 13
    QString second;   // Bezeichnung3
    QString result;   // Bezeichnung5
    QString pictures; // Bezeichnung8: a counting aid as long as the range
};
Calculation calculation(const Task &task, int range);

} // namespace taskview

// Distance in twips between two numbers on the number line: wide for range 10, narrow above, so
// that both scales end at the same place.
int numberLineStep(int range);

