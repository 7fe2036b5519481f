// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercises/ExerciseScreen.h"

#include <array>

class Label;
class Picture;
class Shape;

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
    Label *box(int number) const; // 1 to 5

    Button *Befehl3 = nullptr;     // "vorwärts"
    Button *Befehl4 = nullptr;     // "rückwärts"
    Button *Befehl5 = nullptr;     // " ?" (the help button)
    Label *Bezeichnung1 = nullptr; // the five boxes, left to right
    Label *Bezeichnung2 = nullptr;
    Label *Bezeichnung3 = nullptr;
    Label *Bezeichnung4 = nullptr;
    Label *Bezeichnung5 = nullptr;
    Label *Bezeichnung6 = nullptr; // "Welche Zahl fehlt?"
    Shape *Figur1 = nullptr;       // frame about the boxes
    Picture *Bild1 = nullptr;      // the walker
    Picture *Bild2 = nullptr;      // the pond

protected:
    QString captionPrefix() const override;
    void applyTask(const Task &task) override;
    void placeFigures() override;
    void writeEntry(int value) override;

private:
    bool backward() const;

    std::array<Label *, 5> boxes_{};
    int currentBox_ = 2;
};
