// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/NumberPicturesScreen.h"

#include "engine/Invitations.h"
#include "engine/Rewards.h"
#include "engine/TextHelpers.h"
#include "exercises/NumberPicturesCanvas.h"
#include "ui/kit/ActivationWatch.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Navigation.h"
#include "ui/machine/Platform.h"
#include "ui/machine/Seams.h"
#include "ui/speech/Reading.h"

using kit::ActivationWatch;
using kit::Button;
using kit::Form;

NumberPicturesScreen::NumberPicturesScreen(const kit::Context &context)
    : Form(context.zoom, context.drawer, QStringLiteral("Form8"), QSize(7170, 8325), QColor(224, 224, 224)),
      context_(context)
{
    setCaption(QStringLiteral("Q U A R I M O :  Zahlenbilder"));

    addShape(QStringLiteral("Figur1"), QRect(240, 240, 6615, 7335))->setBorder(QColor(128, 128, 255), 2);
    Bild1 = new NumberPicturesCanvas(this, QStringLiteral("Bild1"), QRect(380, 400, 6300, 7005));
    Bild1->setAccessibleName(QStringLiteral("Zahlenbild: klicke die Zahlen der Reihe nach an"));
    invitations::declare(*Bild1, Invitation::NumberPicture);

    Befehl3 = new Button(this, QStringLiteral("Befehl3"), QRect(240, 7680, 1095, 375), QStringLiteral("E n d e"));
    invitations::declare(*Befehl3, Invitation::NumberPicturesEnd);
    Befehl3->setAccessibleName(QStringLiteral("Ende"));
    Befehl4 = new Button(this, QStringLiteral("Befehl4"), QRect(1440, 7680, 855, 375), QStringLiteral("?"));
    invitations::declare(*Befehl4, Invitation::NumberPicturesHelp);
    Befehl4->setAccessibleName(QStringLiteral("Hilfe"));
    Befehl1 = new Button(this, QStringLiteral("Befehl1"), QRect(2400, 7680, 1095, 375), QStringLiteral("<<"));
    Befehl1->setAccessibleName(QStringLiteral("Bild 1"));
    Befehl2 = new Button(this, QStringLiteral("Befehl2"), QRect(3600, 7680, 1095, 375), QStringLiteral(">>"));
    Befehl2->setAccessibleName(QStringLiteral("Bild 2"));
    Befehl6 = new Button(this, QStringLiteral("Befehl6"), QRect(4800, 7680, 855, 375), QStringLiteral("N e u"));
    Befehl6->setAccessibleName(QStringLiteral("Neu"));
    Befehl5 = new Button(this, QStringLiteral("Befehl5"), QRect(5760, 7680, 1095, 375), QStringLiteral("UnDo"));
    Befehl5->setAccessibleName(QStringLiteral("Rückgängig"));

    connect(Bild1, &NumberPicturesCanvas::pressed, this, &NumberPicturesScreen::drawTo);
    connect(Befehl1, &QPushButton::clicked, this, [this] { showTemplate(1); });
    connect(Befehl2, &QPushButton::clicked, this, [this] { showTemplate(2); });
    connect(Befehl3, &QPushButton::clicked, this, [this] { leaveScreen(); });
    connect(Befehl4, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(Befehl5, &QPushButton::clicked, this, [this] { undo(); });
    connect(Befehl6, &QPushButton::clicked, this, [this] { newDrawing(); });
    connect(new ActivationWatch(this), &ActivationWatch::activated, this, [this] { showTemplate(1); });

    showTemplate(1);
    centreOnScreen();
}

void NumberPicturesScreen::showTemplate(int which)
{
    // The lines and the count stay: a template switch is no new drawing.
    template_ = which == 2 ? 2 : 1;
    Bild1->setTemplate(numberpictures::builtInTemplate(template_));
}

void NumberPicturesScreen::drawTo(QPoint twips)
{
    drawing_.click(twips);
    refreshLines();
}

void NumberPicturesScreen::undo()
{
    drawing_.undo();
    refreshLines();
}

void NumberPicturesScreen::newDrawing()
{
    pointCheck();
    drawing_.clearLines();
    refreshLines();
}

void NumberPicturesScreen::pointCheck()
{
    if (!drawing_.pointCheck())
        return;
    addRewardRound(context_.shared);
    context_.platform.dialogs().message(QStringLiteral("Du bekommst einen Punkt dazu!") + captions::CR,
                                        QStringLiteral("A B C - Bilder"));
}

namespace {

// The help box's long text, in a few short words for a child who listens.
QString spokenRule()
{
    return QStringLiteral("Klick die Zahlen der Reihe nach an. Dann entsteht ein Bild.");
}

QString helpText()
{
    return QStringLiteral("Verbinde die Zahlen der Reihe nach, indem du sie mit der") + captions::CR +
           QStringLiteral("Maus anklickst! Wenn das Bild fertig ist, klicke auf 'NEU'") + captions::CR +
           QStringLiteral("und verbinde die Zahlen rückwärts. Schaffst du das auch?") + captions::CR;
}

} // namespace

void NumberPicturesScreen::showHelp()
{
    context_.platform.reading().sayNextBoxAs(spokenRule());
    context_.platform.dialogs().message(helpText(), QStringLiteral("H i l f e"));
}

void NumberPicturesScreen::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    // The window has no instruction of its own on screen: a listening child hears the rule.
    context_.platform.reading().say(spokenRule() + QLatin1Char(' ') + kit::Reading::wayBack(Befehl3));
}

void NumberPicturesScreen::leaveScreen()
{
    pointCheck();
    newDrawing();
    hide();
    context_.navigation.showStartPage();
}

void NumberPicturesScreen::closeRequested()
{
    leaveScreen();
}

void NumberPicturesScreen::refreshLines()
{
    Bild1->setStrokes(drawing_.strokes());
}
