// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/NumberWords.h"
#include "ui/kit/Context.h"
#include "ui/kit/Form.h"

namespace kit {
class Button;
class Label;
class Picture;
class ScrollBar;
}

// Number words: match "null" to "zwanzig" with their numbers, each answer judged at once. Opens
// beside the start page, which stays usable.
class NumberWordsScreen : public kit::Form
{
    Q_OBJECT
    kit::Context context_; // first: members made after it may use it

public:
    explicit NumberWordsScreen(const kit::Context &context);

    kit::Button *Befehl1 = nullptr;     // "o k a y"
    kit::Button *Befehl2 = nullptr;     // "E n d e"
    kit::Button *Befehl3 = nullptr;     // "Wörter": words mode
    kit::Button *Befehl4 = nullptr;     // "Zahlen": numbers mode
    kit::Button *Befehl5 = nullptr;     // " ?": help
    kit::Label *Bezeichnung2 = nullptr; // the task
    kit::Label *Bezeichnung3 = nullptr; // the answer the scroll bar picks
    kit::ScrollBar *HBildlauf1 = nullptr;
    kit::Picture *Bild1 = nullptr;
    kit::Picture *Bild2 = nullptr;

    const numberwords::Quiz &quiz() const { return quiz_; }

    // Coming to the front: the range from the start page, words mode, a fresh seed, a new task.
    void startAfresh();
    void chooseMode(numberwords::Mode mode);
    void newTask();
    void showAnswer();
    // Read aloud, says the word of a scroll bar value where the bar has come to rest.
    void sayAnswer(int value);
    // What the child does in the current mode, in a child's words: said as the screen comes to the
    // front and instead of the help box's text.
    QString rule() const;
    void judge();
    void showHelp();
    void leaveScreen();

protected:
    bool previewKey(QKeyEvent *event) override;
    void closeRequested() override;

private:
    // The answer bar's accessible description: the word or number to match.
    void describeTask();
    // "Wörter" and "Zahlen" say which of the two is on.
    void showModeStates();
    numberwords::Quiz quiz_;
    bool openingDue_ = false; // the next task is said with the rule and the way back
};
