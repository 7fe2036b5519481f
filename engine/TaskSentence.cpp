// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/TaskSentence.h"

#include "engine/NumberWords.h"
#include "engine/Task.h"
#include "engine/TaskView.h"

namespace {

QString w(int value)
{
    return numberwords::word(value);
}

QString sign(const QString &op)
{
    return op == QStringLiteral("-") ? QStringLiteral(" minus ") : QStringLiteral(" plus ");
}

// The numbers of a sequence so far, in the order the child counts them.
QString countedSoFar(const Task &task, int expectedAnswer)
{
    const int step = task.kind == TaskKind::CountBack ? -1 : 1;
    QString said;
    // Five boxes at most, however the answer stands.
    for (int i = 0, value = task.s; i < 5 && value != expectedAnswer; ++i, value += step)
        said += w(value) + QStringLiteral(", ");
    return said;
}

} // namespace

namespace tasksentence {

QString sentence(const Task &task, int range, int expectedAnswer)
{
    const QString gap = QStringLiteral("wie viel");
    switch (task.kind) {
    case TaskKind::NameNumber:
        return QStringLiteral("Wie heißt die Zahl beim roten Schild?");
    case TaskKind::PlaceNumber:
        return QStringLiteral("Wo steht die Zahl ") + w(task.n) + QStringLiteral(" auf dem Zahlenstrahl?");
    case TaskKind::CountPictures:
        return QStringLiteral("Wie viele Bilder sind das? Zähle sie!");
    case TaskKind::SetPictures:
        return task.n == 1 ? QStringLiteral("Stelle ein Bild ein!")
                           : QStringLiteral("Stelle ") + w(task.n) + QStringLiteral(" Bilder ein!");
    case TaskKind::CompleteRange:
    case TaskKind::CompletePlus:
    case TaskKind::CompleteMinus: {
        const taskview::Completing view = taskview::completing(task, range);
        return w(view.first.toInt()) + sign(view.op) + gap + QStringLiteral(" gleich ") + w(view.result.toInt()) +
               QLatin1Char('?');
    }
    case TaskKind::CountOn:
        return QStringLiteral("Zähle vorwärts: ") + countedSoFar(task, expectedAnswer) +
               QStringLiteral("welche Zahl kommt dann?");
    case TaskKind::CountBack:
        return QStringLiteral("Zähle rückwärts: ") + countedSoFar(task, expectedAnswer) +
               QStringLiteral("welche Zahl kommt dann?");
    case TaskKind::Plus:
    case TaskKind::Minus:
    case TaskKind::ReversedPlus:
    case TaskKind::ReversedMinus:
    case TaskKind::NotSet: // never a drawn task's kind
    case TaskKind::MixedCalculation:
    case TaskKind::MixedReversing:
    case TaskKind::MixedCompleting: {
        const taskview::Calculation view = taskview::calculation(task, range);
        const QString first = view.first.isEmpty() ? QStringLiteral("Wie viel") : w(view.first.toInt());
        const QString result = view.result.isEmpty() ? gap : w(view.result.toInt());
        return first + sign(view.op) + w(view.second.toInt()) + QStringLiteral(" gleich ") + result + QLatin1Char('?');
    }
    }
    return QString(); // a kind outside the enum; drawTask never makes one
}

} // namespace tasksentence
