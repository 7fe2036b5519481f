// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/ExerciseScreen.h"

#include "engine/Invitations.h"
#include "engine/NumberWords.h"
#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "engine/TaskDraw.h"
#include "engine/TaskKinds.h"
#include "engine/TaskSentence.h"
#include "engine/TextHelpers.h"
#include "exercises/RewardAward.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Navigation.h"
#include "ui/machine/Platform.h"
#include "ui/machine/Seams.h"
#include "ui/speech/Accessibility.h"
#include "ui/speech/Reading.h"

#include <QKeyEvent>
#include <utility>

using kit::Button;
using kit::Form;
using kit::ScrollBar;

ExerciseScreen::ExerciseScreen(const kit::Context &context, const QString &name, const QSize &clientTwips,
                               const QColor &background, Reseed reseed, const RaceRules &race)
    : Form(context.zoom, context.drawer, name, clientTwips, background), context_(context), reseed_(reseed), race_(race)
{
    setKeyPreview(true);
    centreOnScreen();
    if (reseed_ == Reseed::OnLoad)
        context_.random.seedWithTimeOfDay(context_.platform.clock().secondsSinceMidnight());
}

void ExerciseScreen::setUp()
{
    const int range = context_.shared.numberRange;
    setCaption(captionPrefix() + captions::signedNumber(range));
    HBildlauf1->setMaximum(range);
}

void ExerciseScreen::newTask()
{
    showTask(nextTask(context_.shared, context_.random));
    // The draw may bring the same task again; a child who hears it unchanged thinks its answer was
    // not taken.
    if (sameQuestion(std::exchange(lastDrawn_, task_), task_) && !judgement_.isEmpty())
        judgement_ += QStringLiteral("Und gleich noch einmal: ");
    announceTask();
}

void ExerciseScreen::announceTask()
{
    describeTask();
    const QString judgement = std::exchange(judgement_, QString());
    // A screen still being set up before it shows is announced by the task it shows with.
    if (!isVisible())
        return;
    QString words = taskSentence();
    if (std::exchange(openingDue_, false)) {
        words = QStringLiteral("Schieb den Balken und drück Okay. ") + kit::Reading::wayBack(Befehl2) +
                QLatin1Char(' ') + words;
    }
    numberRest_.stop();
    numberSaid_.clear();
    context_.platform.reading().say(judgement + words);
}

void ExerciseScreen::answerMoved()
{
    kit::Reading &reading = context_.platform.reading();
    if (!reading.isOn())
        return;
    // A number still being said is old now; the new one comes when the bar stands still again.
    if (!std::exchange(numberSaid_, QString()).isEmpty())
        reading.speakNow(QString());
    numberRest_.start();
}

void ExerciseScreen::sayNumber()
{
    kit::Reading &reading = context_.platform.reading();
    if (!reading.isOn() || !isVisible())
        return;
    numberSaid_ = numberwords::word(HBildlauf1->value());
    reading.say(numberSaid_);
}

QString ExerciseScreen::taskSentence() const
{
    return tasksentence::sentence(task_, context_.shared.numberRange, context_.shared.expectedAnswer);
}

void ExerciseScreen::showTask(const Task &task)
{
    // Stored first: the scroll bar reset inside applyTask may run showEntry, which reads it.
    task_ = task;
    applyTask(task_);
    describeTask();
    showModeStates();
}

void ExerciseScreen::showModeStates()
{
    for (const auto &[button, kind] : modeButtons_)
        kit::setSwitchState(button, context_.shared.taskKind == kind);
}

void ExerciseScreen::announceAnswer(const QString &judgement)
{
    if (context_.platform.reading().isOn())
        return;
    kit::announce(HBildlauf1, judgement + taskSentence());
}

void ExerciseScreen::describeTask()
{
    // A screen reader says the task when the answer bar takes the keyboard, as F2 would.
    const QString sentence = taskSentence();
    if (HBildlauf1->accessibleDescription() != sentence)
        HBildlauf1->setAccessibleDescription(sentence);
}

void ExerciseScreen::buildCommonControls(const QRect &endTwips, const QRect &scrollTwips, const QRect &okayTwips,
                                         const QRect &helpTwips, const QString &helpName)
{
    Befehl2 = new Button(this, QStringLiteral("Befehl2"), endTwips, QStringLiteral("E n d e"));
    Befehl2->setAccessibleName(QStringLiteral("Ende"));
    invitations::declare(*Befehl2, Invitation::ExerciseEnd);
    HBildlauf1 = new ScrollBar(this, QStringLiteral("HBildlauf1"), scrollTwips, 0, context_.shared.numberRange);
    HBildlauf1->setAccessibleName(QStringLiteral("Deine Zahl"));
    Befehl1 = new Button(this, QStringLiteral("Befehl1"), okayTwips, QStringLiteral("o k a y"));
    Befehl1->setAccessibleName(QStringLiteral("okay"));
    invitations::declare(*Befehl1, Invitation::ExerciseOkay);
    helpButton = new Button(this, helpName, helpTwips, QStringLiteral(" ?"));
    helpButton->setAccessibleName(QStringLiteral("Hilfe"));
    invitations::declare(*helpButton, Invitation::ExerciseHelp);
    // The help box keeps its picture of the task alone; reading aloud is told where it changes no text.
    helpButton->setToolTip(helpButtonHint());

    connect(Befehl1, &QPushButton::clicked, this, [this] { checkAnswer(); });
    connect(Befehl2, &QPushButton::clicked, this, [this] { leaveScreen(); });
    connect(helpButton, &QPushButton::clicked, this, [this] { showHelp(); });
    // The change and the drag of the thumb both show the entry at once.
    connect(HBildlauf1, &QScrollBar::valueChanged, this, [this] { showEntry(); });
    // Only the child's own moves are said, a drag where the thumb is let go: a new task setting
    // the bar back is not.
    invitations::declare(*HBildlauf1, Invitation::AnswerBar);
    numberRest_.setParent(this); // found by its name, gone before the screen
    numberRest_.setObjectName(QStringLiteral("numberRest"));
    numberRest_.setSingleShot(true);
    numberRest_.setInterval(numberRestMilliseconds);
    connect(&numberRest_, &QTimer::timeout, this, [this] { sayNumber(); });
    connect(HBildlauf1, &QScrollBar::actionTriggered, this, [this] {
        if (!HBildlauf1->isSliderDown())
            answerMoved();
    });
    connect(HBildlauf1, &QScrollBar::sliderPressed, this, [this] { numberRest_.stop(); });
    connect(HBildlauf1, &QScrollBar::sliderReleased, this, [this] { answerMoved(); });
}

Button *ExerciseScreen::addModeButton(const QString &name, const QRect &twips, const QString &caption, TaskKind kind)
{
    auto *button = new Button(this, name, twips, caption);
    invitations::declare(*button, kindInfo(kind).mode);
    connect(button, &QPushButton::clicked, this, [this, kind] { chooseMode(kind); });
    modeButtons_.emplace_back(button, kind);
    kit::setSwitchState(button, context_.shared.taskKind == kind);
    return button;
}

void ExerciseScreen::chooseMode(TaskKind kind)
{
    context_.shared.taskKind = kind;
    newTask();
    focusAnswer();
}

void ExerciseScreen::focusAnswer()
{
    HBildlauf1->setFocus(Qt::OtherFocusReason);
}

void ExerciseScreen::checkAnswer()
{
    // The judgement is heard, not a number still waiting behind it.
    numberRest_.stop();
    focusAnswer();
    const int value = HBildlauf1->value();
    if (value == context_.shared.expectedAnswer) {
        rightAnswerMove();
        newTask();
        announceAnswer(QStringLiteral("Richtig! "));
    } else {
        wrongAnswerMove();
        announceAnswer(QStringLiteral("Noch nicht. "));
    }
}

void ExerciseScreen::leaveScreen()
{
    focusAnswer();
    hide();
    context_.navigation.showStartPage();
}

void ExerciseScreen::resetGame()
{
    race_.reset();
    moveFigures();
}

void ExerciseScreen::setRaceFigures(QWidget *child, QWidget *opponent)
{
    childFigure_ = child;
    opponentFigure_ = opponent;
    moveFigures();
}

void ExerciseScreen::moveFigures()
{
    placeFigures();
    if (childFigure_)
        kit::setStand(childFigure_, race_.childStand());
    if (opponentFigure_)
        kit::setStand(opponentFigure_, race_.opponentStand());
}

void ExerciseScreen::rightAnswerMove()
{
    const Race::Outcome outcome = race_.right();
    moveFigures();
    judgement_ = QStringLiteral("Richtig! ");
    if (outcome == Race::Outcome::Won) {
        judgement_.clear(); // the reward box says it
        awardReward(context_.platform.dialogs(), context_.shared);
        resetGame();
    }
}

void ExerciseScreen::wrongAnswerMove()
{
    const Race::Outcome outcome = race_.wrong();
    moveFigures();
    if (outcome == Race::Outcome::Lost) {
        context_.platform.dialogs().message(race_.rules().lostText, race_.rules().lostTitle);
        resetGame();
        // The box said how the race ended; the task is still there to answer.
        context_.platform.reading().say(taskSentence());
        return;
    }
    context_.platform.reading().say(QStringLiteral("Noch nicht. ") + taskSentence());
}

void ExerciseScreen::showEntry()
{
    const int value = HBildlauf1->value();
    focusAnswer();
    writeEntry(value);
}

QString ExerciseScreen::helpButtonHint()
{
    return QStringLiteral("Zeigt ein Bild der Aufgabe (Einfg oder F1). F2 liest die Aufgabe vor.");
}

void ExerciseScreen::showHelpText(const helptexts::HelpText &help)
{
    // The box pictures the task in symbols; a child listening hears what they stand for.
    context_.platform.reading().sayNextBoxAs(taskSentence());
    context_.platform.dialogs().help(help.text, help.title, taskSentence());
    focusAnswer();
}

void ExerciseScreen::readTaskAloud()
{
    context_.platform.reading().speakNow(taskSentence());
    focusAnswer();
}

bool ExerciseScreen::previewKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        checkAnswer();
        return true;
    case Qt::Key_Escape:
        leaveScreen();
        return true;
    case Qt::Key_Insert:
    case Qt::Key_F1: // a screen reader such as Orca keeps Insert for itself
        showHelp();
        return true;
    case Qt::Key_F2:
        readTaskAloud();
        return true;
    default:
        return false;
    }
}

void ExerciseScreen::closeRequested()
{
    leaveScreen();
}

void ExerciseScreen::activated()
{
    if (reseed_ == Reseed::OnActivation)
        context_.random.seedWithTimeOfDay(context_.platform.clock().secondsSinceMidnight());
}

void ExerciseScreen::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    openingDue_ = true;
    // Every visit starts with the arrow keys and Enter on the answer, the first one too.
    focusAnswer();
}
