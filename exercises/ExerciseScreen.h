#pragma once

#include "ui/Form.h"

class Button;
class ScrollBar;
struct Task;

// What the five exercise screens share: the answer scroll bar, "o k a y" with Enter, "E n d e"
// with Escape, help with Insert, the answer check and the progress game's wins and losses.
// A screen adds its layout, how it shows the entry and the task, its help text and its race.
class ExerciseScreen : public Form
{
    Q_OBJECT
public:
    enum class Reseed { OnLoad, OnActivation };

    ScrollBar *HBildlauf1 = nullptr; // the answer picker
    Button *Befehl1 = nullptr;       // "o k a y"
    Button *Befehl2 = nullptr;       // "E n d e"
    Button *helpButton = nullptr;    // " ?"

    // Writes a drawn task into the screen's controls, in the generator's order of writes.
    virtual void applyTask(const Task &task) = 0;

    // Compares the scroll bar with expectedAnswer and moves the race.
    virtual void checkAnswer();
    // Back to the start page; the race stays as it is for the next visit.
    void leaveScreen();
    // Shows the scroll bar's value in the task, the screen's own way.
    virtual void showEntry() = 0;
    // Pictures the current task in a message box.
    virtual void showHelp() = 0;
    // Puts every race figure back to its start.
    virtual void resetGame() = 0;

    void focusAnswer();

protected:
    ExerciseScreen(const QString &name, const QSize &clientTwips, const QColor &background, Reseed reseed);

    // Creates "E n d e", the scroll bar, "o k a y" and the help button at their places.
    void buildCommonControls(const QRect &endTwips, const QRect &scrollTwips, const QRect &okayTwips,
                             const QRect &helpTwips, const QString &helpName);
    // A mode button: the task kind changes and a new task is made; the race is not touched.
    Button *addModeButton(const QString &name, const QRect &twips, const QString &caption, int kind);
    void chooseMode(int kind);

    virtual void rightAnswerMove() = 0;
    virtual void wrongAnswerMove() = 0;
    // The child's figure reached its goal: the reward first, then a new run.
    void winRun();
    // The opponent reached its goal: the losing message, then a new run; the task stays.
    void loseRun(const QString &title, const QString &text);
    // A help text in a message box with OK only, then the focus back on the scroll bar.
    void showHelpText(const QString &text, const QString &title);

    bool previewKey(QKeyEvent *event) override;
    void closeRequested() override;
    void activated() override;

private:
    Reseed reseed_;
};
