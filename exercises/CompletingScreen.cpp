// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/CompletingScreen.h"

#include "engine/SharedValues.h"
#include "engine/TaskView.h"
#include "engine/TextHelpers.h"
#include "ui/kit/Controls.h"

using kit::Label;
using kit::Picture;

namespace {

const QColor questionBlue(0, 0, 192);
const QColor darkBlue(0, 0, 128);
const QColor lightYellow(255, 255, 128);

Label *equationLabel(QWidget *parent, const QString &name, const QRect &twips, const QString &caption = QString())
{
    auto *label = new Label(parent, name, twips, caption);
    label->setFontSpec(QStringLiteral("MS Sans Serif"), 24, true);
    return label;
}

Label *numberBox(QWidget *parent, const QString &name, const QRect &twips)
{
    Label *label = equationLabel(parent, name, twips);
    label->setBackgroundColour(Qt::white);
    label->setSingleBorder(true);
    return label;
}

} // namespace

CompletingScreen::CompletingScreen(const kit::Context &context)
    : ExerciseScreen(context, QStringLiteral("Form4"), QSize(7470, 5865), Qt::white, Reseed::OnLoad,
                     races::completing())
{
    Befehl5 = addModeButton(QStringLiteral("Befehl5"), QRect(120, 360, 2055, 495), QStringLiteral("Z e h n e r"),
                            TaskKind::CompleteRange);
    Befehl5->setAccessibleName(QStringLiteral("Zehner"));

    Bezeichnung2 = new Label(this, QStringLiteral("Bezeichnung2"), QRect(2160, 360, 3135, 495));
    Bezeichnung2->setFontSpec(QStringLiteral("MS Sans Serif"), 18, true);
    Bezeichnung2->setTextColour(questionBlue);
    Bezeichnung2->setBackgroundColour(Qt::white);
    Bezeichnung2->setCentred();

    Befehl3 = addModeButton(QStringLiteral("Befehl3"), QRect(5280, 360, 975, 495), QStringLiteral("plus"),
                            TaskKind::CompletePlus);
    Befehl4 = addModeButton(QStringLiteral("Befehl4"), QRect(6360, 360, 975, 495), QStringLiteral("minus"),
                            TaskKind::CompleteMinus);

    Figur1 = addShape(QStringLiteral("Figur1"), QRect(120, 1080, 7215, 2175));
    Figur1->setBorder(questionBlue, 1);

    Bezeichnung1 = new Label(this, QStringLiteral("Bezeichnung1"), QRect(240, 1200, 6975, 1095));
    Bezeichnung1->setFontSpec(QStringLiteral("Arial"), 24, false);
    Bezeichnung1->setCentred();
    Bezeichnung1->setWordWrap(true);
    // Named for what the child does with them: their characters would give the count away.
    Bezeichnung1->setAccessibleName(QStringLiteral("Bilder zum Zählen"));

    Bezeichnung3 = numberBox(this, QStringLiteral("Bezeichnung3"), QRect(1560, 2520, 975, 615));
    Bezeichnung3->setCentred();
    Bezeichnung3->setNameBeforeCaption(QStringLiteral("erste Zahl"));
    Bezeichnung4 =
        equationLabel(this, QStringLiteral("Bezeichnung4"), QRect(2640, 2520, 495, 615), QStringLiteral("+"));
    Bezeichnung4->setCentred();
    Bezeichnung5 = equationLabel(this, QStringLiteral("Bezeichnung5"), QRect(3240, 2520, 975, 615));
    Bezeichnung5->setTextColour(darkBlue);
    Bezeichnung5->setBackgroundColour(lightYellow);
    Bezeichnung5->setSingleBorder(true);
    // Centred like the first number, so the child's digit sits in the middle of the gap.
    Bezeichnung5->setCentred();
    Bezeichnung5->setNameBeforeCaption(QStringLiteral("Antwortfeld"));
    Bezeichnung6 =
        equationLabel(this, QStringLiteral("Bezeichnung6"), QRect(4320, 2520, 495, 615), QStringLiteral("="));
    Bezeichnung7 = numberBox(this, QStringLiteral("Bezeichnung7"), QRect(4920, 2520, 975, 615));
    Bezeichnung7->setCentred();
    Bezeichnung7->setNameBeforeCaption(QStringLiteral("Ergebnis"));

    buildCommonControls(QRect(960, 3480, 1095, 375), QRect(2160, 3480, 2655, 375), QRect(4920, 3480, 1095, 375),
                        QRect(6120, 3480, 375, 375), QStringLiteral("Befehl6"));
    Befehl6 = helpButton;

    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(race().child(), 4440, 495, 495),
                        QStringLiteral("spider_plus.svg"), QStringLiteral("Spinne mit Plus"));
    Bild2 = new Picture(this, QStringLiteral("Bild2"), QRect(race().opponent(), 4920, 495, 495),
                        QStringLiteral("spider_minus.svg"), QStringLiteral("Spinne mit Minus"));
    Bild2->setBackgroundColour(lightYellow);
    Bild3 = new Picture(this, QStringLiteral("Bild3"), QRect(6120, 4200, 1335, 1455),
                        QStringLiteral("spider_finish.svg"), QStringLiteral("Ziel"));
    Bild3->lower(); // the spiders run onto the finish picture
    setRaceFigures(Bild1, Bild2);
}

QString CompletingScreen::captionPrefix() const
{
    return QStringLiteral("E r g ä n z e n   b i s  ");
}

void CompletingScreen::applyTask(const Task &task)
{
    if (task.kind != TaskKind::CompleteRange && task.kind != TaskKind::CompletePlus &&
        task.kind != TaskKind::CompleteMinus)
        return;
    const int range = context_.shared.numberRange;
    const taskview::Completing view = taskview::completing(task, range);
    HBildlauf1->setValue(0);
    Bezeichnung1->setCaption(view.pictures);
    if (task.kind == TaskKind::CompleteRange) {
        Befehl5->setCaption(taskview::completingRangeCaption(range));
        Befehl5->setAccessibleName(taskview::completingRangeAccessibleName(range));
    }
    Bezeichnung2->setCaption(view.question);
    Bezeichnung7->setCaption(view.result);
    Bezeichnung3->setCaption(view.first);
    Bezeichnung4->setCaption(view.op);
}

void CompletingScreen::writeEntry(int value)
{
    Bezeichnung5->setCaption(captions::plain(value));
}

void CompletingScreen::showHelp()
{
    showHelpText(helptexts::completing(task(), context_.shared.numberRange));
}

void CompletingScreen::placeFigures()
{
    Bild1->setLeftTwips(race().child());
    Bild2->setLeftTwips(race().opponent());
}
