// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/RecordingSpeech.h"
#include "support/TestPlatform.h"
#include "support/TestWindows.h"
#include "ui/kit/Display.h"
#include "ui/kit/Prerender.h"
#include "ui/kit/Zoom.h"
#include "ui/machine/Seams.h"

#include <QDir>
#include <QList>
#include <QTemporaryDir>
#include <QQueue>
#include <QString>

// Records every box the program shows and answers from a script; unscripted questions answer
// No and unscripted input boxes answer as if cancelled.
class ScriptedDialogs final : public kit::Dialogs
{
public:
    enum class Kind { Message, Question, Input, Beep };
    struct Box
    {
        Kind kind;
        QString title;
        QString text;
        QString proposed; // input boxes only
    };

    void answerYes() { answers_.enqueue(Answer::Yes); }
    void answerNo() { answers_.enqueue(Answer::No); }
    void answerInput(const QString &text) { inputs_.enqueue(text); }
    // Runs inside the next message box (while it is "open"), e.g. to look at the screen then.
    void onNextMessage(std::function<void()> action) { messageActions_.enqueue(std::move(action)); }
    // Runs inside the next question, before it is answered.
    void onNextQuestion(std::function<void()> action) { questionActions_.enqueue(std::move(action)); }

    const QList<Box> &boxes() const { return boxes_; }
    int count() const { return int(boxes_.size()); }
    int count(Kind kind) const;
    Box last() const { return boxes_.isEmpty() ? Box{Kind::Message, {}, {}, {}} : boxes_.last(); }
    void clear() { boxes_.clear(); }

    void message(const QString &text, const QString &title) override;
    Answer question(const QString &text, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &proposed) override;
    void beep() override;
    // A help box is recorded as a message; what a screen reader would read of it is kept apart.
    void help(const QString &text, const QString &title, const QString &sentence) override;
    QString lastHelpSentence() const { return helpSentence_; }

private:
    QString helpSentence_;
    QList<Box> boxes_;
    QQueue<Answer> answers_;
    QQueue<QString> inputs_;
    QQueue<std::function<void()>> messageActions_;
    QQueue<std::function<void()>> questionActions_;
};

// A clock that stands still where the test puts it.
class FixedClock final : public kit::Clock
{
public:
    int seconds = 12345;
    int secondsSinceMidnight() const override { return seconds; }
};

// Everything a window test needs: scripted dialogs, a recording voice, a fixed clock, a recorded program end, a
// fresh set of windows and shared values, and a working directory of its own holding a settings
// file for range 10. The start page is loaded (as it is in the program before any other window)
// and the box list is empty. Create one per test function (in init()).
class TestWorld
{
public:
    TestWorld();
    ~TestWorld();

    ScriptedDialogs dialogs;
    RecordingSpeech speech;
    FixedClock clock;
    int endProgramCalls = 0;
    QTemporaryDir workingDirectory;
    // The zoom every test's windows are drawn at (one for the whole test program, as the style's
    // tooltips follow it), back at 1, and a display of the test's own: windowed, nothing in front.
    kit::Zoom &zoom;
    kit::Display display{zoom};
    // The program as the tests build it: the windows' registry on the test platform.
    TestPlatform platform{dialogs, clock, speech};
    // The test's own picture thread: it has finished when the test's windows are gone.
    kit::Drawer drawer;
    Windows windows{platform, shared(), rng(), zoom, drawer};

private:
    QString previousDirectory_;
};
