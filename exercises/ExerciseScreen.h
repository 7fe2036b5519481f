// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/HelpTexts.h"
#include "engine/Race.h"
#include "engine/Task.h"
#include "ui/kit/Context.h"
#include "ui/kit/Form.h"

#include <QTimer>
#include <utility>
#include <vector>

namespace kit {
class Button;
class ScrollBar;
}

// What the five exercise screens share: the answer scroll bar, "o k a y" with Enter, "E n d e"
// with Escape, help with Insert, the task read aloud with F2, the answer check and the progress game's wins and losses.
// Read aloud, the bar says the number it stops at.
// A screen adds its layout, how it shows the entry and the task, its help text and where its
// race figures stand.
class ExerciseScreen : public kit::Form
{
    Q_OBJECT
public:
    enum class Reseed { OnLoad, OnActivation };

    kit::ScrollBar *HBildlauf1 = nullptr; // the answer picker
    kit::Button *Befehl1 = nullptr;       // "o k a y"
    kit::Button *Befehl2 = nullptr;       // "E n d e"
    kit::Button *helpButton = nullptr;    // " ?"

    // Before the first task of a visit: the caption names the exercise and the range, and the
    // scroll bar stops at the range.
    virtual void setUp();
    // Draws the next task of taskKind (which sets expectedAnswer) and shows it.
    void newTask();
    // Shows a task: it becomes the screen's current task and is written into the labels.
    void showTask(const Task &task);
    const Task &task() const { return task_; }
    const Race &race() const { return race_; }

    // Compares the scroll bar with expectedAnswer and moves the race.
    virtual void checkAnswer();
    // Back to the start page; the race stays as it is for the next visit.
    void leaveScreen();
    // Shows the scroll bar's value in the task, the screen's own way.
    void showEntry();
    // Pictures the current task in a message box.
    virtual void showHelp() = 0;
    // F2: says the current task as a sentence, for children who cannot read it yet.
    void readTaskAloud();
    // The current task as the sentence F2 says.
    QString taskSentence() const;
    // The help button's tooltip and description: what it shows, and that F2 reads the task aloud.
    static QString helpButtonHint();
    // Puts every race figure back to its start.
    void resetGame();

    void focusAnswer();

    // How long the answer bar must stand still before its number is said.
    static constexpr int numberRestMilliseconds = 400;

protected:
    const kit::Context context_;

    ExerciseScreen(const kit::Context &context, const QString &name, const QSize &clientTwips, const QColor &background,
                   Reseed reseed, const RaceRules &race);

    // The window caption before " bis" and the range, e.g. "E r g ä n z e n   b i s  ".
    virtual QString captionPrefix() const = 0;
    // Writes the current task into the controls, in the generator's order of writes.
    virtual void applyTask(const Task &task) = 0;
    // Puts the race figures where the race says.
    virtual void placeFigures() = 0;
    // The figures whose stand a screen reader is told after every move; a race without an
    // opponent has none.
    void setRaceFigures(QWidget *child, QWidget *opponent);
    // Writes the child's entry into the task.
    virtual void writeEntry(int value) = 0;

    // Creates "E n d e", the scroll bar, "o k a y" and the help button at their places.
    void buildCommonControls(const QRect &endTwips, const QRect &scrollTwips, const QRect &okayTwips,
                             const QRect &helpTwips, const QString &helpName);
    // A mode button: the task kind changes and a new task is made; the race is not touched.
    kit::Button *addModeButton(const QString &name, const QRect &twips, const QString &caption, TaskKind kind);
    void chooseMode(TaskKind kind);

    // The child's figure moves on; at the goal the reward comes first, then a new run. Read
    // aloud, the next task announced starts with "Richtig!".
    void rightAnswerMove();
    // The opponent moves (or the child's figure back); a lost run shows its message, then a new run.
    // Read aloud, the child hears "Noch nicht." and the task again.
    void wrongAnswerMove();
    // A help text in a message box with OK only, then the focus back on the scroll bar.
    void showHelpText(const helptexts::HelpText &help);

    bool previewKey(QKeyEvent *event) override;
    void closeRequested() override;
    void activated() override;
    void showEvent(QShowEvent *event) override;

    // With reading aloud on, a new task (or the next step of one) is said as its sentence; as the
    // screen opens, how to answer and how to get back come first.
    void announceTask();

private:
    // The answer bar's accessible description: the current task as its sentence.
    void describeTask();
    // A screen reader says how the answer went and the task now asked, unless reading aloud
    // already says it.
    void announceAnswer(const QString &judgement);
    // Each mode button says whether its mode is the one on.
    void showModeStates();
    // The figures are placed, and tell a screen reader where they stand; one that did not move
    // raises no event.
    void moveFigures();

    QWidget *childFigure_ = nullptr;
    QWidget *opponentFigure_ = nullptr;

    std::vector<std::pair<kit::Button *, TaskKind>> modeButtons_;
    // The child moved the answer bar: its number is said once it stands still.
    void answerMoved();
    void sayNumber();

    bool openingDue_ = true;
    QString judgement_; // said before the next task: how the last answer went
    Task lastDrawn_;    // the same task drawn again is said to be a new one
    QTimer numberRest_;
    QString numberSaid_; // the number said last, cut off by the next move
    Reseed reseed_;
    Race race_;
    Task task_;
};
