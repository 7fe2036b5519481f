// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/ShootingGallery.h"

#include "engine/Invitations.h"
#include "engine/Random.h"
#include "engine/TextHelpers.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Navigation.h"
#include "ui/machine/GameTimer.h"
#include "ui/machine/Platform.h"
#include "ui/machine/Pointer.h"
#include "ui/machine/Seams.h"
#include "ui/speech/Reading.h"

#include <QMouseEvent>
#include <QPainter>

using kit::Canvas;
using kit::Dialogs;
using kit::Form;
using kit::GameTimer;
using kit::Label;

namespace {

const QColor barColour(0, 192, 192);
const QString title = QStringLiteral("Schießbude");

} // namespace

ShootingGallery::ShootingGallery(const kit::Context &context)
    : Form(context.zoom, context.drawer, QStringLiteral("schiess"), QSize(7950, 5760), Qt::white), context_(context),
      canvas_(this, QSize(7950, 5760), Qt::white)
{
    setCaption(QStringLiteral("S c h i e ß b u d e"));
    setFont(kit::fontAt(zoomValue(), QStringLiteral("MS Sans Serif"), 8.25, true));

    Bezeichnung1 = addBarLabel(QStringLiteral("Bezeichnung1"), 0, 975, QStringLiteral("E N D E"));
    invitations::declare(*Bezeichnung1, Invitation::ShootingGalleryEnd);
    Bezeichnung1->setAccessibleName(QStringLiteral("Ende"));
    Bezeichnung1->onClick(this, &ShootingGallery::endGame);
    Bezeichnung2 = addBarLabel(QStringLiteral("Bezeichnung2"), 960, 975, QStringLiteral("S T A R T"));
    Bezeichnung2->setAccessibleName(QStringLiteral("Start"));
    Bezeichnung2->onClick(this, &ShootingGallery::startGame);
    Bezeichnung3 = addBarLabel(QStringLiteral("Bezeichnung3"), 1920, 1455, QString());
    Bezeichnung4 = addBarLabel(QStringLiteral("Bezeichnung4"), 3360, 1455, QString());
    Bezeichnung5 = addBarLabel(QStringLiteral("Bezeichnung5"), 4800, 3135, QString());
    Bezeichnung5->setAlignment(Qt::AlignRight | Qt::AlignTop);
    // Shooting needs the mouse; the keyboard still starts a game and leaves this window.
    for (Label *clickable : {Bezeichnung1, Bezeichnung2}) {
        clickable->setCursor(Qt::PointingHandCursor);
        clickable->setKeyboardClickable();
    }
    setAccessibleDescription(QStringLiteral("Ein Spiel für die Maus: klicke auf die schwarzen Quadrate."));

    Zeit1 = new GameTimer(this, QStringLiteral("Zeit1"), shootinggallery::tickMs);
    connect(Zeit1, &GameTimer::tick, this, &ShootingGallery::tick);

    centreOnScreen();
}

ShootingGallery::~ShootingGallery()
{
    kit::mousepointer::set(kit::mousepointer::Shape::Default);
}

Label *ShootingGallery::addBarLabel(const QString &name, int left, int width, const QString &caption)
{
    auto *label = new Label(this, name, QRect(left, 5520, width, 255), caption);
    label->setFont(font());
    label->setBackgroundColour(barColour);
    label->setTextColour(Qt::black);
    label->setSingleBorder(true);
    label->setCentred(true);
    // A click on the label row is not a shot at the board behind it.
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

void ShootingGallery::startGame()
{
    // The clock runs before the instruction is shown: squares already appear behind the box.
    Zeit1->setEnabled(true);
    kit::mousepointer::set(kit::mousepointer::Shape::Crosshair);
    rules_.start();
    canvas_.clear();
    context_.platform.dialogs().message(QStringLiteral("   Bei diesem Spiel musst du immer") + captions::CR +
                                            QStringLiteral("die schwarzen Quadrate abschießen!"),
                                        title);
}

void ShootingGallery::tick()
{
    const ShootingGalleryRules::Tick tick = rules_.tick(context_.random);
    if (!tick.ran)
        return;
    Bezeichnung4->setCaption(tick.timeText);
    canvas_.filledRectangle(tick.target.square(), tick.target.colour());
    if (!tick.gameOver)
        return;
    stopClock();
    context_.platform.dialogs().message(rules_.endMessage(), title);
    canvas_.clear();
    leaveGame();
}

void ShootingGallery::shoot(QPoint twips)
{
    const QColor under = canvas_.colourAt(twips);
    const ShootingGalleryRules::Shot shot = rules_.shoot(under);
    if (!shot.hole)
        return;
    canvas_.filledCircle(twips, shootinggallery::holeRadius, Qt::white);
    context_.platform.dialogs().beep();
    if (shot.scored)
        Bezeichnung3->setCaption(rules_.pointsText());
}

void ShootingGallery::endGame()
{
    stopClock();
    const Dialogs::Answer answer =
        context_.platform.dialogs().question(QStringLiteral("Dieses Programm jetzt beenden?"), title);
    // On No the window stays with the clock stopped: START begins a new game.
    if (answer != Dialogs::Answer::No)
        leaveGame();
}

void ShootingGallery::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    // A listening child hears the rule at once, not only where the pointer rests on START.
    context_.platform.reading().say(
        QStringLiteral("Schießbude. Klick auf Start. Dann triff die schwarzen Quadrate mit der Maus. ") +
        kit::Reading::wayBack(Bezeichnung1));
}

void ShootingGallery::closeRequested()
{
    // The frame's close control leaves as "E N D E" with Yes does, without asking.
    stopClock();
    leaveGame();
}

void ShootingGallery::stopClock()
{
    Zeit1->setEnabled(false);
    rules_.stop();
    kit::mousepointer::set(kit::mousepointer::Shape::Default);
}

void ShootingGallery::leaveGame()
{
    hide();
    context_.navigation.showStartPage();
}

void ShootingGallery::mousePressEvent(QMouseEvent *event)
{
    // Any button shoots; in full screen, the calm border around the gallery is no target.
    const QPoint at = event->position().toPoint();
    if (clientArea().contains(at))
        shoot(canvas_.twipsAt(toClient(at)));
    event->accept();
}

void ShootingGallery::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.translate(clientOrigin());
        canvas_.paint(painter);
    }
    Form::paintEvent(event);
}
