// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercises/ExerciseScreen.h"

#include <array>

namespace kit {
class Label;
class Picture;
class Shape;
}

// "Zahlfolgen": five boxes of consecutive numbers; one end box is given and the child fills
// the other four one after another. A walker goes on towards the pond on right entries and
// back on wrong ones.
class SequenceScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit SequenceScreen(const kit::Context &context);

    void showHelp() override;
    // Judges the entry in the current box; a right one moves on to the next box.
    void checkAnswer() override;

    // The box the child fills next, 1 to 5 from the left (0 or 6 once a task is done).
    int currentBox() const { return currentBox_; }
    kit::Label *box(int number) const; // 1 to 5

    kit::Button *Befehl3 = nullptr;     // "vorwärts"
    kit::Button *Befehl4 = nullptr;     // "rückwärts"
    kit::Button *Befehl5 = nullptr;     // " ?" (the help button)
    kit::Label *Bezeichnung1 = nullptr; // the five boxes, left to right
    kit::Label *Bezeichnung2 = nullptr;
    kit::Label *Bezeichnung3 = nullptr;
    kit::Label *Bezeichnung4 = nullptr;
    kit::Label *Bezeichnung5 = nullptr;
    kit::Label *Bezeichnung6 = nullptr; // "Welche Zahl fehlt?"
    kit::Shape *Figur1 = nullptr;       // frame about the boxes
    kit::Picture *Bild1 = nullptr;      // the walker
    kit::Picture *Bild2 = nullptr;      // the pond

protected:
    QString captionPrefix() const override;
    void applyTask(const Task &task) override;
    void placeFigures() override;
    void writeEntry(int value) override;

private:
    bool backward() const;

    std::array<kit::Label *, 5> boxes_{};
    int currentBox_ = 2;
};
