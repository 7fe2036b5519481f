// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/NumberWordsScreen.h"

#include "engine/Invitations.h"
#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "ui/kit/ActivationWatch.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Navigation.h"
#include "ui/machine/Platform.h"
#include "ui/machine/Seams.h"
#include "ui/speech/Accessibility.h"
#include "ui/speech/Reading.h"

#include <QKeyEvent>
#include <utility>

using kit::ActivationWatch;
using kit::Button;
using kit::Form;
using kit::Label;
using kit::Picture;
using kit::ScrollBar;
using kit::Shape;

using numberwords::Mode;

NumberWordsScreen::NumberWordsScreen(const kit::Context &context)
    : Form(context.zoom, context.drawer, QStringLiteral("Form7"), QSize(9300, 4515), QColor(192, 255, 255)),
      context_(context)
{
    setCaption(QStringLiteral("Q U A R I M O :  Zahlwörter"));

    Befehl3 = new Button(this, QStringLiteral("Befehl3"), QRect(120, 360, 2055, 375), QStringLiteral("Wörter"));
    Befehl3->setAccessibleName(QStringLiteral("Wörter lesen"));
    Bezeichnung2 = new Label(this, QStringLiteral("Bezeichnung2"), QRect(2280, 360, 4695, 495));
    Bezeichnung2->setFontSpec(QStringLiteral("Verdana"), 18, true);
    Bezeichnung2->setTextColour(QColor(192, 0, 0));
    Bezeichnung2->setCentred();
    Befehl4 = new Button(this, QStringLiteral("Befehl4"), QRect(7080, 360, 2055, 375), QStringLiteral("Zahlen"));
    Befehl4->setAccessibleName(QStringLiteral("Zahlen lesen"));

    Shape *frame = addShape(QStringLiteral("Figur1"), QRect(120, 960, 9015, 1455));
    frame->setBorder(QColor(0, 0, 0), 1);
    Bezeichnung3 = new Label(this, QStringLiteral("Bezeichnung3"), QRect(2400, 1440, 4455, 615));
    Bezeichnung3->setFontSpec(QStringLiteral("MS Sans Serif"), 24, true);
    Bezeichnung3->setCentred();

    Befehl2 = new Button(this, QStringLiteral("Befehl2"), QRect(1920, 2880, 1095, 375), QStringLiteral("E n d e"));
    invitations::declare(*Befehl2, Invitation::NumberWordsEnd);
    Befehl2->setAccessibleName(QStringLiteral("Ende"));
    HBildlauf1 =
        new ScrollBar(this, QStringLiteral("HBildlauf1"), QRect(3120, 2880, 2535, 375), 0, context_.shared.numberRange);
    HBildlauf1->setAccessibleName(QStringLiteral("Deine Antwort"));
    Befehl1 = new Button(this, QStringLiteral("Befehl1"), QRect(5760, 2880, 1095, 375), QStringLiteral("o k a y"));
    invitations::declare(*Befehl1, Invitation::NumberWordsOkay);
    Befehl1->setAccessibleName(QStringLiteral("okay"));
    Befehl5 = new Button(this, QStringLiteral("Befehl5"), QRect(6960, 2880, 375, 375), QStringLiteral(" ?"));
    invitations::declare(*Befehl5, Invitation::NumberWordsHelp);
    Befehl5->setAccessibleName(QStringLiteral("Hilfe"));

    Shape *band = addShape(QStringLiteral("Figur2"), QRect(0, 3720, 9615, 975));
    band->setNoBorder();
    band->setFill(QColor(0, 160, 176));
    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(120, 3840, 495, 495), QStringLiteral("word_bubble.svg"),
                        QStringLiteral("Sprechblase"));
    Bild2 = new Picture(this, QStringLiteral("Bild2"), QRect(8640, 3840, 495, 495), QStringLiteral("number_badge.svg"),
                        QStringLiteral("Zahlenschild"));

    connect(Befehl3, &QPushButton::clicked, this, [this] { chooseMode(Mode::Words); });
    connect(Befehl4, &QPushButton::clicked, this, [this] { chooseMode(Mode::Numbers); });
    showModeStates();
    connect(Befehl1, &QPushButton::clicked, this, [this] { judge(); });
    connect(Befehl2, &QPushButton::clicked, this, [this] { leaveScreen(); });
    connect(Befehl5, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(HBildlauf1, &QScrollBar::valueChanged, this, [this] { showAnswer(); });
    // A step by key, click or wheel is said at once; a drag only where the thumb is let go.
    connect(HBildlauf1, &QScrollBar::actionTriggered, this, [this] {
        if (!HBildlauf1->isSliderDown())
            sayAnswer(HBildlauf1->sliderPosition());
    });
    connect(HBildlauf1, &QScrollBar::sliderReleased, this, [this] { sayAnswer(HBildlauf1->value()); });
    connect(new ActivationWatch(this), &ActivationWatch::activated, this, [this] { startAfresh(); });

    setKeyPreview(true);
    centreOnScreen();
}

void NumberWordsScreen::startAfresh()
{
    // The range chosen on the start page counts from the next time the child comes here.
    quiz_.setRange(context_.shared.numberRange);
    HBildlauf1->setMaximum(context_.shared.numberRange);
    quiz_.setMode(Mode::Words);
    context_.random.seedWithTimeOfDay(context_.platform.clock().secondsSinceMidnight());
    openingDue_ = true;
    newTask();
}

void NumberWordsScreen::chooseMode(Mode mode)
{
    quiz_.setMode(mode);
    newTask();
}

void NumberWordsScreen::newTask()
{
    quiz_.newTask(context_.random);
    Bezeichnung2->setCaption(quiz_.taskText());
    describeTask();
    showModeStates();
    // Setting 0 when the bar already stands at 0 changes nothing, so the answer is shown here.
    HBildlauf1->setValue(0);
    showAnswer();
    HBildlauf1->setFocus(Qt::OtherFocusReason);
    // Reading the word is the exercise: only a child who has reading aloud on hears it.
    QString words;
    if (std::exchange(openingDue_, false))
        words = rule() + QLatin1Char(' ') + kit::Reading::wayBack(Befehl2) + QLatin1Char(' ');
    if (quiz_.mode() == Mode::Words)
        words += quiz_.taskText();
    context_.platform.reading().say(words);
}

QString NumberWordsScreen::rule() const
{
    if (quiz_.mode() == Mode::Words)
        return QStringLiteral("Hör das Wort. Stell seine Zahl mit dem Balken ein.");
    return QStringLiteral("Schau die Zahl an. Such ihr Wort mit dem Balken.");
}

void NumberWordsScreen::showModeStates()
{
    kit::setSwitchState(Befehl3, quiz_.mode() == Mode::Words);
    kit::setSwitchState(Befehl4, quiz_.mode() == Mode::Numbers);
}

void NumberWordsScreen::describeTask()
{
    // A screen reader on the bar says what to match, with the bar's name.
    HBildlauf1->setAccessibleDescription(
        (quiz_.mode() == Mode::Words ? QStringLiteral("Die Zahl zum Wort: ") : QStringLiteral("Das Wort zur Zahl: ")) +
        quiz_.taskText());
}

void NumberWordsScreen::showAnswer()
{
    Bezeichnung3->setCaption(quiz_.answerText(HBildlauf1->value()));
}

void NumberWordsScreen::sayAnswer(int value)
{
    // In numbers mode the child hears the word the bar stopped on; in words mode it is a digit.
    if (quiz_.mode() == Mode::Numbers)
        context_.platform.reading().say(quiz_.answerText(value));
}

void NumberWordsScreen::judge()
{
    if (quiz_.isRight(HBildlauf1->value())) {
        context_.platform.dialogs().message(QStringLiteral("Richtig"), QString());
        newTask();
    } else {
        context_.platform.dialogs().message(QStringLiteral("Fehler"), QString());
        HBildlauf1->setFocus(Qt::OtherFocusReason);
    }
}

void NumberWordsScreen::showHelp()
{
    context_.platform.reading().sayNextBoxAs(rule());
    context_.platform.dialogs().message(quiz_.helpText(), QStringLiteral("H i l f e"));
    HBildlauf1->setFocus(Qt::OtherFocusReason);
}

void NumberWordsScreen::leaveScreen()
{
    // Back to the start page, unless an exercise or a game has taken its place meanwhile.
    hide();
    context_.navigation.showStartPage();
}

bool NumberWordsScreen::previewKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        // Only this window goes; the keys go back to the start page or the window in its place.
        hide();
        context_.navigation.giveKeysBack();
        return true;
    // The keys of the other exercise screens, so the arrows, Enter and Insert alone will do.
    case Qt::Key_Return:
    case Qt::Key_Enter:
        judge();
        return true;
    case Qt::Key_Insert:
    case Qt::Key_F1: // a screen reader such as Orca keeps Insert for itself
        showHelp();
        return true;
    default:
        return false;
    }
}

void NumberWordsScreen::closeRequested()
{
    leaveScreen();
}
