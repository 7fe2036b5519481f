// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/NumberSetScreen.h"

#include "engine/TaskView.h"
#include "engine/TextHelpers.h"
#include "ui/kit/Controls.h"

using kit::Label;
using kit::Picture;

namespace {

const QColor darkRed(192, 0, 0);

} // namespace

NumberSetScreen::NumberSetScreen(const kit::Context &context)
    : ExerciseScreen(context, QStringLiteral("Form3"), QSize(8535, 4725), kit::systemWindowColour(), Reseed::OnLoad,
                     races::numberSets())
{
    Befehl3 = addModeButton(QStringLiteral("Befehl3"), QRect(120, 360, 1935, 375), QStringLiteral("Zahlen"),
                            TaskKind::CountPictures);

    Bezeichnung2 = new Label(this, QStringLiteral("Bezeichnung2"), QRect(2160, 360, 4215, 495));
    Bezeichnung2->setFontSpec(QStringLiteral("Verdana"), 18, true);
    Bezeichnung2->setTextColour(darkRed);
    Bezeichnung2->setCentred();

    Befehl4 = addModeButton(QStringLiteral("Befehl4"), QRect(6480, 360, 1935, 375), QStringLiteral("Bilder"),
                            TaskKind::SetPictures);

    Figur1 = addShape(QStringLiteral("Figur1"), QRect(120, 960, 975, 1215));

    // As wide as the frame allows: a two-digit number in 31.5 pt bold needs more than 735 twips.
    Bezeichnung3 = new Label(this, QStringLiteral("Bezeichnung3"), QRect(150, 1200, 915, 735));
    Bezeichnung3->setFontSpec(QStringLiteral("Verdana"), 31.5, true);
    Bezeichnung3->setTextColour(darkRed);
    Bezeichnung3->setBackgroundColour(Qt::white);
    Bezeichnung3->setCentred();
    Bezeichnung3->setNameBeforeCaption(QStringLiteral("Zahl"));

    Bezeichnung1 = new Label(this, QStringLiteral("Bezeichnung1"), QRect(1080, 960, 7335, 1215));
    Bezeichnung1->setFontSpec(QStringLiteral("Arial"), 24, false);
    Bezeichnung1->setTextColour(Qt::black);
    Bezeichnung1->setCentred();
    Bezeichnung1->setSingleBorder(true);
    Bezeichnung1->setWordWrap(true);
    // Named for what the child does with them: their characters would give the count away.
    Bezeichnung1->setAccessibleName(QStringLiteral("Bilder zum Zählen"));

    buildCommonControls(QRect(1560, 2520, 1095, 375), QRect(2760, 2520, 2655, 375), QRect(5520, 2520, 1095, 375),
                        QRect(6720, 2520, 375, 375), QStringLiteral("Befehl5"));

    Figur2 = addShape(QStringLiteral("Figur2"), QRect(0, 3360, 8535, 1335));
    Figur2->setNoBorder();
    Figur2->setFill(QColor(224, 224, 224));

    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(race().child(), 3720, 495, 495),
                        QStringLiteral("car_plus.svg"), QStringLiteral("blaues Auto mit Plus"));
    Bild2 = new Picture(this, QStringLiteral("Bild2"), QRect(race().opponent(), 4080, 495, 495),
                        QStringLiteral("car_minus.svg"), QStringLiteral("rotes Auto mit Minus"));
    Bild3 = new Picture(this, QStringLiteral("Bild3"), QRect(7920, 3480, 495, 1095), QStringLiteral("stop_sign.svg"),
                        QStringLiteral("STOP-Schild"));
    setRaceFigures(Bild1, Bild2);
}

QString NumberSetScreen::captionPrefix() const
{
    return QStringLiteral("Z a h l e n m e n g e n   b i s  ");
}

void NumberSetScreen::applyTask(const Task &task)
{
    const taskview::NumberSet view = taskview::numberSet(task);
    HBildlauf1->setMinimum(view.firstValue);
    HBildlauf1->setValue(view.firstValue);
    Bezeichnung1->setCaption(view.pictures);
    Bezeichnung2->setCaption(view.question);
    Bezeichnung3->setCaption(view.number);
}

void NumberSetScreen::writeEntry(int value)
{
    if (task().kind == TaskKind::SetPictures)
        Bezeichnung1->setCaption(captions::pictureBlock(task().picture, value));
    else
        Bezeichnung3->setCaption(captions::plain(value));
}

void NumberSetScreen::showHelp()
{
    showHelpText(helptexts::numberSets(task()));
}

void NumberSetScreen::placeFigures()
{
    Bild1->setLeftTwips(race().child());
    Bild2->setLeftTwips(race().opponent());
}
