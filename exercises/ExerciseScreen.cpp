#include "exercises/ExerciseScreen.h"

#include "ui/Controls.h"
#include "ui/Seams.h"
#include "engine/SharedValues.h"
#include "engine/Random.h"
#include "engine/Task.h"
#include "exercises/RewardAward.h"
#include "ui/Navigation.h"

#include <QKeyEvent>

ExerciseScreen::ExerciseScreen(const QString &name, const QSize &clientTwips, const QColor &background,
                               Reseed reseed)
    : Form(name, clientTwips, background), reseed_(reseed)
{
    setKeyPreview(true);
    centreOnScreen();
    if (reseed_ == Reseed::OnLoad)
        reseedFromClock();
}

void ExerciseScreen::buildCommonControls(const QRect &endTwips, const QRect &scrollTwips, const QRect &okayTwips,
                                         const QRect &helpTwips, const QString &helpName)
{
    Befehl2 = new Button(this, QStringLiteral("Befehl2"), endTwips, QStringLiteral("E n d e"));
    Befehl2->setAccessibleName(QStringLiteral("Ende"));
    HBildlauf1 = new ScrollBar(this, QStringLiteral("HBildlauf1"), scrollTwips, 0, shared().numberRange);
    HBildlauf1->setAccessibleName(QStringLiteral("Deine Zahl"));
    Befehl1 = new Button(this, QStringLiteral("Befehl1"), okayTwips, QStringLiteral("o k a y"));
    Befehl1->setAccessibleName(QStringLiteral("okay"));
    helpButton = new Button(this, helpName, helpTwips, QStringLiteral(" ?"));
    helpButton->setAccessibleName(QStringLiteral("Hilfe"));

    connect(Befehl1, &QPushButton::clicked, this, [this] { checkAnswer(); });
    connect(Befehl2, &QPushButton::clicked, this, [this] { leaveScreen(); });
    connect(helpButton, &QPushButton::clicked, this, [this] { showHelp(); });
    // The change and the drag of the thumb both show the entry at once.
    connect(HBildlauf1, &QScrollBar::valueChanged, this, [this] { showEntry(); });
}

Button *ExerciseScreen::addModeButton(const QString &name, const QRect &twips, const QString &caption, int kind)
{
    auto *button = new Button(this, name, twips, caption);
    connect(button, &QPushButton::clicked, this, [this, kind] { chooseMode(kind); });
    return button;
}

void ExerciseScreen::chooseMode(int kind)
{
    shared().taskKind = kind;
    newTask();
    focusAnswer();
}

void ExerciseScreen::focusAnswer()
{
    HBildlauf1->setFocus(Qt::OtherFocusReason);
}

void ExerciseScreen::checkAnswer()
{
    focusAnswer();
    const int value = HBildlauf1->value();
    if (value == shared().expectedAnswer) {
        rightAnswerMove();
        newTask();
    } else {
        wrongAnswerMove();
    }
}

void ExerciseScreen::leaveScreen()
{
    focusAnswer();
    hide();
    navigation::showStartPage();
}

void ExerciseScreen::winRun()
{
    awardReward();
    resetGame();
}

void ExerciseScreen::loseRun(const QString &title, const QString &text)
{
    seams::dialogs().message(text, title);
    resetGame();
}

void ExerciseScreen::showHelpText(const QString &text, const QString &title)
{
    seams::dialogs().message(text, title);
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
        showHelp();
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
        reseedFromClock();
}
