// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ControlInvitations.h"

#include "engine/SharedValues.h"
#include "ui/speech/Reading.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHash>
#include <QRegularExpression>
#include <QScrollBar>

namespace {

// What the controls that do not tell it themselves are, by their window's name and their own,
// "form1/Bild13"; a row of a list adds its number counted from 1, "form1/Liste2/1". A key ending
// in "#" stands for every number there: Memory's cards, the rows of a list that all say the same.
// The screens tell their end, okay, help and mode buttons themselves.
const QHash<QString, Invitation> &controlsByName()
{
    static const QHash<QString, Invitation> things = {
        {QStringLiteral("form1/Bild13"), Invitation::OpenCalculating},
        {QStringLiteral("form1/Bild15"), Invitation::OpenReversing},
        {QStringLiteral("form1/Bild14"), Invitation::OpenCompleting},
        {QStringLiteral("form1/Bild12"), Invitation::OpenSequences},
        {QStringLiteral("form1/Bild3"), Invitation::OpenNumberLine},
        {QStringLiteral("form1/Bild11"), Invitation::OpenNumberSets},
        {QStringLiteral("form1/Bild6"), Invitation::NumberPicturesTable},
        {QStringLiteral("form1/Bild10"), Invitation::NumberPicturesPad},
        {QStringLiteral("form1/Bild9"), Invitation::OpenNumberWords},
        {QStringLiteral("form1/Bild5"), Invitation::Dartboard},
        {QStringLiteral("form1/Bezeichnung11"), Invitation::Rewards},
        {QStringLiteral("form1/Bezeichnung12"), Invitation::NamePlate},
        {QStringLiteral("form1/Bezeichnung1"), Invitation::Door},
        {QStringLiteral("form1/HBildlauf1"), Invitation::RangeBar},
        {QStringLiteral("form1/Lautsprecher"), Invitation::Loudspeaker},
        {QStringLiteral("form1/Bild1"), Invitation::Blackboard},
        {QStringLiteral("form1/Bild4"), Invitation::Printer},
        {QStringLiteral("form1/Bild8"), Invitation::FountainPen},
        {QStringLiteral("form1/Bild2"), Invitation::RedBook},
        {QStringLiteral("form1/Bild7"), Invitation::Screwdriver},
        {QStringLiteral("form1/Liste2/1"), Invitation::MemoryRow},
        {QStringLiteral("form1/Liste2/2"), Invitation::ShootingGalleryRow},
        {QStringLiteral("form1/Liste2/3"), Invitation::SlalomRow},
        {QStringLiteral("form1/Liste1/#"), Invitation::WorksheetRow},
        {QStringLiteral("Form2/Bild2"), Invitation::NumberLineChild},
        {QStringLiteral("Form2/Bild1"), Invitation::NumberLineChildGoal},
        {QStringLiteral("Form2/Bild3"), Invitation::NumberLineRival},
        {QStringLiteral("Form2/Bild4"), Invitation::NumberLineRivalGoal},
        {QStringLiteral("Form3/Bild1"), Invitation::NumberSetsChild},
        {QStringLiteral("Form3/Bild2"), Invitation::NumberSetsRival},
        {QStringLiteral("Form3/Bild3"), Invitation::NumberSetsGoal},
        {QStringLiteral("Form4/Bild1"), Invitation::CompletingChild},
        {QStringLiteral("Form4/Bild2"), Invitation::CompletingRival},
        {QStringLiteral("Form4/Bild3"), Invitation::CompletingGoal},
        {QStringLiteral("Form5/Bild1"), Invitation::SequencesWalker},
        {QStringLiteral("Form5/Bild2"), Invitation::SequencesGoal},
        {QStringLiteral("Form6/Bild2"), Invitation::CalculationChild},
        {QStringLiteral("Form6/Bild1"), Invitation::CalculationRival},
        {QStringLiteral("Form6/Bild3"), Invitation::CalculationGoal},
        {QStringLiteral("Form7/Befehl3"), Invitation::WordsMode},
        {QStringLiteral("Form7/Befehl4"), Invitation::NumbersMode},
        {QStringLiteral("Form7/Bild1"), Invitation::SpeechBubble},
        {QStringLiteral("Form7/Bild2"), Invitation::NumberSign},
        {QStringLiteral("Form8/Bild1"), Invitation::NumberPicture},
        {QStringLiteral("Form8/Befehl1"), Invitation::FirstPicture},
        {QStringLiteral("Form8/Befehl2"), Invitation::SecondPicture},
        {QStringLiteral("Form8/Befehl6"), Invitation::PictureAgain},
        {QStringLiteral("Form8/Befehl5"), Invitation::PictureUndo},
        {QStringLiteral("Form9/Befehl1"), Invitation::FontsEnd},
        {QStringLiteral("Form9/Befehl2"), Invitation::FontsSave},
        {QStringLiteral("Form9/Liste1/#"), Invitation::FontRow},
        {QStringLiteral("memo/Bezeichnung#"), Invitation::MemoryCard},
        {QStringLiteral("schiess/Bezeichnung2"), Invitation::ShootingGalleryStart},
        {QStringLiteral("slalom/Befehl2"), Invitation::SlalomLeft},
        {QStringLiteral("slalom/Befehl3"), Invitation::SlalomRight},
        {QStringLiteral("slalom/Befehl4"), Invitation::SlalomUp},
        {QStringLiteral("slalom/Befehl5"), Invitation::SlalomDown},
        {QStringLiteral("slalom/Bild1"), Invitation::SlalomDriver},
        {QStringLiteral("slalom/Bild6"), Invitation::SlalomHome},
    };
    return things;
}

// The sentence this watcher gave a control as its description, to tell it from one the window
// gave it itself (the answer bar's task), which stays.
const char *const givenSentence = "quarimoInvitationGiven";

void giveSentence(QWidget *control, const QString &sentence)
{
    const QVariant given = control->property(givenSentence);
    if (!control->accessibleDescription().isEmpty() &&
        (!given.isValid() || given.toString() != control->accessibleDescription()))
        return;
    control->setProperty(givenSentence, sentence);
    if (control->accessibleDescription() != sentence)
        control->setAccessibleDescription(sentence);
}

Invitation invitationByName(const QString &key)
{
    const QHash<QString, Invitation> &things = controlsByName();
    auto found = things.constFind(key);
    if (found == things.cend()) {
        static const QRegularExpression number(QStringLiteral("\\d+$"));
        QString any = key;
        any.replace(number, QStringLiteral("#"));
        found = things.constFind(any);
    }
    return found == things.cend() ? Invitation::Nothing : *found;
}

} // namespace

ControlInvitations::ControlInvitations(const SharedValues &shared) : shared_(shared) {}

Invitation ControlInvitations::invitationOf(const QWidget *control, int row)
{
    if (!control || control->objectName().isEmpty())
        return Invitation::Nothing;
    if (row == 0) {
        if (const std::optional<Invitation> declared = invitations::declared(*control))
            return *declared;
    }
    QString key = control->window()->objectName() + QLatin1Char('/') + control->objectName();
    if (row > 0)
        key += QLatin1Char('/') + QString::number(row);
    return invitationByName(key);
}

QString ControlInvitations::sentenceFor(const QWidget *control, int row) const
{
    if (!control || control->objectName().isEmpty())
        return QString();
    // Only what a child can point at or reach: not the labels that only show a text. A control that
    // says what it is (a drawing area) counts, whatever its kind.
    if (row == 0 && !qobject_cast<const QScrollBar *>(control) && kit::Reading::nameOf(control).isEmpty() &&
        !invitations::declared(*control))
        return QString();
    QString shown;
    if (row > 0) {
        if (const auto *view = qobject_cast<const QAbstractItemView *>(control); view && view->model())
            shown = kit::Reading::spoken(view->model()->index(row - 1, 0).data().toString());
    } else {
        shown = kit::Reading::nameOf(control);
    }
    return invitations::sentence(invitationOf(control, row), shared_.numberRange, shown);
}
void ControlInvitations::watch(QWidget *window)
{
    window->installEventFilter(this);
    // The range bar's sentence says the range it stands at.
    for (QScrollBar *bar : window->findChildren<QScrollBar *>()) {
        if (!sentenceFor(bar, 0).isEmpty())
            connect(bar, &QScrollBar::valueChanged, this, [this, bar] { giveSentence(bar, sentenceFor(bar, 0)); });
    }
    describe(window);
}

void ControlInvitations::describe(QWidget *window) const
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        QString sentence = sentenceFor(control, 0);
        if (const QString keys = invitations::keys(invitationOf(control, 0)); !sentence.isEmpty() && !keys.isEmpty())
            sentence += QLatin1Char(' ') + keys;
        if (!sentence.isEmpty())
            giveSentence(control, sentence);
    }
}

bool ControlInvitations::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType())
        describe(static_cast<QWidget *>(watched));
    return false;
}
