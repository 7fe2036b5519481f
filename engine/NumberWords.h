// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class Random;

namespace numberwords {

// The German number words "null" to "zwanzig"; the index is the value.
const QStringList &wordTable();
// The word of a value from 0 to 20 (an empty text outside).
QString word(int value);

enum class Mode { Words = 1, Numbers = 2 };

// One task of the number words screen: in words mode the child reads a word and sets its number,
// in numbers mode the child reads a number and scrolls to its word.
class Quiz
{
public:
    Mode mode() const { return mode_; }
    int solution() const { return solution_; }
    int range() const { return range_; }

    void setRange(int range) { range_ = range; }
    void setMode(Mode mode) { mode_ = mode; }
    // Draws the solution from 0 to the range, each value equally likely.
    void newTask(Random &random);
    // What the task label shows, and what the answer label shows for a scroll bar value.
    QString taskText() const;
    QString answerText(int value) const;
    bool isRight(int value) const { return value == solution_; }
    // The help for the mode in use, in the program's message layout (a CR after every line).
    QString helpText() const;

private:
    Mode mode_ = Mode::Words;
    int range_ = 10;
    int solution_ = 0;
};

} // namespace numberwords
