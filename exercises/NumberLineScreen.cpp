// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/NumberLineScreen.h"

#include "engine/SharedValues.h"
#include "engine/TaskView.h"
#include "engine/TextHelpers.h"
#include "ui/kit/Controls.h"

using kit::DrawingSurface;
using kit::Label;
using kit::Picture;

namespace {

constexpr int zeroTagLeft = 250; // the tag centred over the tick of 0

const QColor darkRed(192, 0, 0);
const QColor yellow(255, 255, 0);

} // namespace

NumberLineScreen::NumberLineScreen(const kit::Context &context)
    : ExerciseScreen(context, QStringLiteral("Form2"), QSize(9285, 4965), Qt::white, Reseed::OnActivation,
                     races::numberLine())
{
    Befehl3 = addModeButton(QStringLiteral("Befehl3"), QRect(120, 360, 2055, 375), QStringLiteral("Zahlenwert"),
                            TaskKind::NameNumber);

    Bezeichnung2 = new Label(this, QStringLiteral("Bezeichnung2"), QRect(2280, 360, 4695, 495));
    Bezeichnung2->setFontSpec(QStringLiteral("Verdana"), 16.5, true);
    Bezeichnung2->setTextColour(darkRed);
    Bezeichnung2->setBackgroundColour(Qt::white);
    Bezeichnung2->setCentred();

    Befehl4 = addModeButton(QStringLiteral("Befehl4"), QRect(7080, 360, 2055, 375), QStringLiteral("Zahlposition"),
                            TaskKind::PlaceNumber);

    Figur1 = addShape(QStringLiteral("Figur1"), QRect(120, 960, 9015, 1455));
    Figur1->setBorder(QColor(0, 0, 128), 1);

    Bezeichnung1 = new Label(this, QStringLiteral("Bezeichnung1"), QRect(8280, 1080, 495, 495), QStringLiteral("20"));
    Bezeichnung1->setBackgroundColour(QColor(255, 0, 0));
    Bezeichnung1->setSingleBorder(true);
    Bezeichnung1->setFontSpec(QStringLiteral("MS Sans Serif"), 18, false);
    // Centred both ways: the box is hardly taller than its 18 pt number.
    Bezeichnung1->setAlignment(Qt::AlignCenter);
    Bezeichnung1->setAccessibleDescription(QStringLiteral("Zahlenschild"));
    Bezeichnung1->setNameBeforeCaption(QStringLiteral("rotes Schild"));

    buildCommonControls(QRect(1920, 2760, 1095, 375), QRect(3120, 2760, 2535, 375), QRect(5760, 2760, 1095, 375),
                        QRect(6960, 2760, 375, 375), QStringLiteral("Befehl5"));

    // The track first, so that the bars lie on it.
    Figur4 = addShape(QStringLiteral("Figur4"), QRect(0, 3600, 9255, 1335));
    Figur4->setNoBorder();
    Figur4->setFill(QColor(192, 255, 192));
    Figur2 = addShape(QStringLiteral("Figur2"), QRect(120, 3840, race().childTrail(), 255));
    Figur2->setFill(yellow);
    Figur3 = addShape(QStringLiteral("Figur3"), QRect(120, 4440, race().opponentTrail(), 255));
    Figur3->setFill(yellow);

    Bild2 = new Picture(this, QStringLiteral("Bild2"), QRect(race().child(), 3720, 495, 495),
                        QStringLiteral("face_smiling.svg"), QStringLiteral("lachendes Gesicht"));
    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(8640, 3720, 495, 495), QStringLiteral("leaf.svg"),
                        QStringLiteral("Blatt"));
    Bild3 = new Picture(this, QStringLiteral("Bild3"), QRect(race().opponent(), 4320, 495, 495),
                        QStringLiteral("face_neutral.svg"), QStringLiteral("neutrales Gesicht"));
    Bild4 = new Picture(this, QStringLiteral("Bild4"), QRect(8640, 4320, 495, 495), QStringLiteral("bird.svg"),
                        QStringLiteral("Vogel"));
    setRaceFigures(Bild2, Bild3);
}

void NumberLineScreen::setUp()
{
    const int range = context_.shared.numberRange;
    setCaption(captionPrefix() + captions::signedNumber(range));
    HBildlauf1->setValue(0);
    HBildlauf1->setMaximum(range);

    // The scale always reaches 20 above range 10; the scroll bar stops at the range.
    DrawingSurface &scale = surface();
    scale.clear();
    scale.line(QPoint(500, 1800), QPoint(9000, 1800));
    const int step = numberLineStep(range);
    for (int x = 500; x <= 8500; x += step) {
        const bool isLong = (x - 500) / step % 5 == 0;
        scale.line(QPoint(x, 1600), QPoint(x, isLong ? 1950 : 1850));
    }
    scale.print(QPoint(300, 1900), QStringLiteral("0"), 20);
    scale.print(QPoint(300 + 10 * step, 1900), QStringLiteral("10"), 20);
    if (range > 10)
        scale.print(QPoint(300 + 20 * step, 1900), QStringLiteral("20"), 20);
}

QString NumberLineScreen::captionPrefix() const
{
    return QStringLiteral("Z a h l e n s t r a h l   b i s  ");
}

void NumberLineScreen::placeTag(int number)
{
    Bezeichnung1->setLeftTwips(zeroTagLeft + number * numberLineStep(context_.shared.numberRange));
}

void NumberLineScreen::applyTask(const Task &task)
{
    const taskview::NumberLine view = taskview::numberLine(task);
    // Each kind in the generator's order of writes.
    if (task.kind == TaskKind::PlaceNumber) {
        HBildlauf1->setValue(0);
        placeTag(view.tagAt);
    } else {
        placeTag(view.tagAt);
        HBildlauf1->setValue(0);
    }
    Bezeichnung1->setCaption(view.number);
    Bezeichnung2->setCaption(view.question);
}

void NumberLineScreen::writeEntry(int value)
{
    if (task().kind == TaskKind::PlaceNumber)
        placeTag(value);
    else
        Bezeichnung1->setCaption(captions::plain(value));
}

void NumberLineScreen::showHelp()
{
    showHelpText(helptexts::numberLine(task()));
}

void NumberLineScreen::placeFigures()
{
    Figur2->setWidthTwips(race().childTrail());
    Bild2->setLeftTwips(race().child());
    Figur3->setWidthTwips(race().opponentTrail());
    Bild3->setLeftTwips(race().opponent());
}
