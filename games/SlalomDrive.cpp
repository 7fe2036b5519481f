// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/SlalomDrive.h"

#include "engine/Invitations.h"
#include "engine/Random.h"
#include "engine/TextHelpers.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Navigation.h"
#include "ui/machine/GameTimer.h"
#include "ui/machine/Platform.h"
#include "ui/speech/Reading.h"

#include "ui/machine/Seams.h"
#include <utility>

#include <QKeyEvent>
#include <QPainter>

using kit::Button;
using kit::Form;
using kit::GameTimer;
using kit::Label;
using kit::Picture;
using kit::Shape;

namespace {

using Direction = SlalomDriveRules::Direction;

const QColor panelColour(0, 192, 192);
constexpr int C = slalomdrive::cellTwips;

QString travellerPicture(slalomdrive::Traveller traveller)
{
    switch (traveller) {
    case slalomdrive::Traveller::Car:
        return QStringLiteral("car_red.svg");
    case slalomdrive::Traveller::Bicycle:
        return QStringLiteral("bicycle.svg");
    case slalomdrive::Traveller::Pedestrian:
        return QStringLiteral("walker.svg");
    case slalomdrive::Traveller::Ambulance:
        break;
    }
    return QStringLiteral("ambulance.svg");
}

QString travellerName(slalomdrive::Traveller traveller)
{
    switch (traveller) {
    case slalomdrive::Traveller::Car:
        return QStringLiteral("rotes Auto");
    case slalomdrive::Traveller::Bicycle:
        return QStringLiteral("Klapprad");
    case slalomdrive::Traveller::Pedestrian:
        return QStringLiteral("zu Fuß");
    case slalomdrive::Traveller::Ambulance:
        break;
    }
    return QStringLiteral("Krankenwagen");
}

} // namespace

SlalomDrive::SlalomDrive(const kit::Context &context)
    : Form(context.zoom, context.drawer, QStringLiteral("slalom"), QSize(6105, 6105), Qt::white), context_(context),
      canvas_(this, QSize(6105, 6105), Qt::white)
{
    setCaption(QStringLiteral("Heimfahrt:  Vorsicht, es sind viele Nägel auf der Fahrbahn!"));
    setFont(kit::fontAt(zoomValue(), QStringLiteral("MS Sans Serif"), 8.25, true));
    setKeyPreview(true);

    auto addButton = [this](const QString &name, int left, const QString &caption) {
        auto *button = new Button(this, name, QRect(left, 240, 735, 495), caption);
        button->setFont(font());
        return button;
    };
    Befehl1 = addButton(QStringLiteral("Befehl1"), 120, QStringLiteral("Ende"));
    invitations::declare(*Befehl1, Invitation::SlalomEnd);
    Befehl2 = addButton(QStringLiteral("Befehl2"), 3120, QStringLiteral("links"));
    Befehl3 = addButton(QStringLiteral("Befehl3"), 3840, QStringLiteral("rechts"));
    Befehl4 = addButton(QStringLiteral("Befehl4"), 4560, QStringLiteral("hoch"));
    Befehl5 = addButton(QStringLiteral("Befehl5"), 5280, QStringLiteral("runter"));
    connect(Befehl1, &QPushButton::clicked, this, &SlalomDrive::leaveGame);
    connect(Befehl2, &QPushButton::clicked, this, [this] { move(Direction::Left); });
    connect(Befehl3, &QPushButton::clicked, this, [this] { move(Direction::Right); });
    connect(Befehl4, &QPushButton::clicked, this, [this] { move(Direction::Up); });
    connect(Befehl5, &QPushButton::clicked, this, [this] { move(Direction::Down); });

    // The status panel: two bars and a frame around the status text.
    for (const QString &name : {QStringLiteral("Figur2"), QStringLiteral("Figur3")}) {
        Shape *bar = addShape(name, QRect(840, name.endsWith(QLatin1Char('2')) ? 240 : 600, 2295, 135));
        bar->setFill(panelColour);
        bar->setNoBorder();
    }
    addShape(QStringLiteral("Figur4"), QRect(840, 240, 2295, 495));
    Bezeichnung4 = new Label(this, QStringLiteral("Bezeichnung4"), QRect(840, 360, 2295, 255));
    Bezeichnung4->setFont(font());
    Bezeichnung4->setBackgroundColour(panelColour);
    Bezeichnung4->setCentred(true);

    addShape(QStringLiteral("Figur1"), QRect(slalomdrive::roadLeft, slalomdrive::roadTop, 0, 0));

    Bild6 = new Picture(this, QStringLiteral("Bild6"), QRect(slalomdrive::roadLeft, slalomdrive::roadTop, C, C),
                        QStringLiteral("house.svg"), QStringLiteral("Haus"));
    Bild6->setBackgroundColour(QColor(255, 255, 128));
    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(slalomdrive::roadLeft, slalomdrive::roadTop, C, C),
                        travellerPicture(slalomdrive::Traveller::Car), travellerName(slalomdrive::Traveller::Car));
    Bild1->setBackgroundColour(Qt::white);

    Bezeichnung5 = new Label(this, QStringLiteral("Bezeichnung5"), QRect(0, 0, 495, 495), QStringLiteral("X"));
    Bezeichnung5->setFontSpec(QStringLiteral("MS Sans Serif"), 18, true);
    Bezeichnung5->setBackgroundColour(QColor(255, 0, 0));
    Bezeichnung5->setSingleBorder(true);
    Bezeichnung5->setAlignment(Qt::AlignCenter);
    Bezeichnung5->setAccessibleName(QStringLiteral("Nagelstelle"));
    Bezeichnung5->hide();

    Zeit1 = new GameTimer(this, QStringLiteral("Zeit1"), 1000);
    connect(Zeit1, &GameTimer::tick, this, &SlalomDrive::tick);

    centreOnScreen();
    context_.random.seedWithTimeOfDay(context_.platform.clock().secondsSinceMidnight());
    prepareDrive();
}

void SlalomDrive::open()
{
    if (rules_.isFinished())
        prepareDrive();
    showWindow();
}

void SlalomDrive::prepareDrive()
{
    prepareDriveWith(slalomdrive::placeNails(context_.random));
}

void SlalomDrive::prepareDriveWith(const QList<slalomdrive::Place> &nails)
{
    canvas_.clear();
    drawRoad();
    rules_.prepareWith(nails);
    Bezeichnung5->hide();
    showMove(rules_.moveTraveller());
    // The box comes before the window: a listening child hears the rule first.
    openingSaid_ = !isVisible() && context_.platform.reading().isOn();
    if (openingSaid_) {
        context_.platform.reading().sayNextBoxAs(openingWords() + QLatin1Char(' ') +
                                                 QStringLiteral("Jetzt kommen die Nägel. Merk sie dir gut!"));
    }
    context_.platform.dialogs().message(QStringLiteral("Jetzt werden die Nagelstellen") + captions::CR +
                                            QStringLiteral("aufgelistet, merke sie dir gut!"),
                                        QStringLiteral("Nagelstellen"));
    updateListingClock();
}

void SlalomDrive::drawRoad()
{
    const int width = slalomdrive::columns * C;
    const int height = slalomdrive::rows * C;
    shape(QStringLiteral("Figur1"))->setRectTwips(QRect(slalomdrive::roadLeft, slalomdrive::roadTop, width, height));
    const QPoint house = slalomdrive::cellTopLeft(slalomdrive::goalCell);
    Bild6->setLeftTwips(house.x());
    Bild6->setTopTwips(house.y());
    // The road's own outline is its left and top edge.
    for (int i = 1; i <= slalomdrive::columns; ++i)
        canvas_.line(QPoint(slalomdrive::roadLeft + i * C, slalomdrive::roadTop),
                     QPoint(slalomdrive::roadLeft + i * C, slalomdrive::roadTop + height), Qt::black);
    for (int i = 1; i <= slalomdrive::rows; ++i)
        canvas_.line(QPoint(slalomdrive::roadLeft, slalomdrive::roadTop + i * C),
                     QPoint(slalomdrive::roadLeft + width, slalomdrive::roadTop + i * C), Qt::black);
}

void SlalomDrive::move(Direction direction)
{
    showMove(rules_.move(direction));
}

void SlalomDrive::showMove(const SlalomDriveRules::Move &move)
{
    if (move.ignored)
        return;
    showTraveller();
    if (move.goal) {
        drawAllNails();
        Bezeichnung4->setCaption(QString());
        context_.platform.dialogs().message(QStringLiteral("Prima, du hast es geschafft!") + captions::CR,
                                            QStringLiteral("Spielende"));
        return;
    }
    if (move.breakdown > 0) {
        const slalomdrive::Breakdown breakdown = slalomdrive::breakdown(move.breakdown);
        if (move.breakdown >= 4)
            drawAllNails();
        context_.platform.dialogs().message(breakdown.text, breakdown.title);
        drawNail(move.cell);
        return;
    }
    if (move.warning)
        context_.platform.dialogs().beep();
    if (move.status) {
        // A warning is said every time, as it beeps; the free road only when it was not before.
        if (move.warning || *move.status != Bezeichnung4->caption())
            context_.platform.reading().say(*move.status);
        Bezeichnung4->setCaption(*move.status);
    }
}

void SlalomDrive::showTraveller()
{
    const QPoint at = slalomdrive::cellTopLeft(rules_.cell());
    Bild1->setLeftTwips(at.x());
    Bild1->setTopTwips(at.y());
    const slalomdrive::Traveller traveller = rules_.traveller();
    if (Bild1->svgFile() != travellerPicture(traveller))
        Bild1->setPicture(travellerPicture(traveller), travellerName(traveller));
}

void SlalomDrive::tick()
{
    const SlalomDriveRules::ListingStep step = rules_.tick();
    if (!step.ran)
        return;
    if (step.finished) {
        updateListingClock();
        Bezeichnung5->hide();
        context_.platform.dialogs().message(QStringLiteral("Los geht's, viel Glück!"), QStringLiteral("Starten"));
        return;
    }
    const QPoint at = slalomdrive::cellTopLeft(step.marker);
    Bezeichnung5->setLeftTwips(at.x());
    Bezeichnung5->setTopTwips(at.y());
    Bezeichnung5->show();
    Bezeichnung5->raise();
}

void SlalomDrive::drawNail(slalomdrive::Place place)
{
    const slalomdrive::NailDrawing nail = slalomdrive::nailDrawing(place);
    canvas_.rectangle(nail.headFrom, nail.headTo, Qt::black);
    canvas_.rectangle(nail.shankFrom, nail.shankTo, Qt::black);
}

void SlalomDrive::drawAllNails()
{
    for (const slalomdrive::Place &place : rules_.nails())
        drawNail(place);
}

void SlalomDrive::updateListingClock()
{
    // The listing goes on only while the child can watch it.
    Zeit1->setEnabled(rules_.isListing() && isVisible());
}

void SlalomDrive::leaveGame()
{
    hide();
    context_.navigation.showStartPage();
}

bool SlalomDrive::previewKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        move(Direction::Left);
        return true;
    case Qt::Key_Right:
        move(Direction::Right);
        return true;
    case Qt::Key_Up:
        move(Direction::Up);
        return true;
    case Qt::Key_Down:
        move(Direction::Down);
        return true;
    default:
        return false;
    }
}

void SlalomDrive::closeRequested()
{
    // The frame's close control does what "Ende" does.
    leaveGame();
}

void SlalomDrive::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    if (!std::exchange(openingSaid_, false))
        context_.platform.reading().say(openingWords());
    Zeit1->setEnabled(rules_.isListing());
}

QString SlalomDrive::openingWords() const
{
    return QStringLiteral("Slalomfahrt. Merk dir, wo die Nägel sind. Dann fahr vorbei nach Hause. ") +
           kit::Reading::wayBack(Befehl1);
}

void SlalomDrive::hideEvent(QHideEvent *event)
{
    Form::hideEvent(event);
    Zeit1->setEnabled(false);
}

void SlalomDrive::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.translate(clientOrigin());
        canvas_.paint(painter);
    }
    Form::paintEvent(event);
}
