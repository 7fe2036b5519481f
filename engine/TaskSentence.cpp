// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/TaskSentence.h"

#include "engine/NumberWords.h"
#include "engine/Task.h"
#include "engine/TaskKinds.h"
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
    const int step = kindInfo(task.kind).sign == u'-' ? -1 : 1;
    QString said;
    // Five boxes at most, however the answer stands.
    for (int i = 0, value = task.s; i < 5 && value != expectedAnswer; ++i, value += step)
        said += w(value) + QStringLiteral(", ");
    return said;
}

// The task as an equation with its gap said as "wie viel".
QString equation(const Task &task, int range)
{
    const QString gap = QStringLiteral("wie viel");
    const KindInfo &info = kindInfo(task.kind);
    if (info.screen == Screen::Completing && isDrawn(info)) {
        const taskview::Completing view = taskview::completing(task, range);
        return w(view.first.toInt()) + sign(view.op) + gap + QStringLiteral(" gleich ") + w(view.result.toInt()) +
               QLatin1Char('?');
    }
    const taskview::Calculation view = taskview::calculation(task, range);
    const QString first = view.first.isEmpty() ? QStringLiteral("Wie viel") : w(view.first.toInt());
    const QString result = view.result.isEmpty() ? gap : w(view.result.toInt());
    return first + sign(view.op) + w(view.second.toInt()) + QStringLiteral(" gleich ") + result + QLatin1Char('?');
}

} // namespace

namespace tasksentence {

QString sentence(const Task &task, int range, int expectedAnswer)
{
    QString said = QString::fromUtf16(kindInfo(task.kind).sentence);
    said.replace(QStringLiteral("{Zahl}"), w(task.n));
    said.replace(QStringLiteral("{Bilder}"),
                 task.n == 1 ? QStringLiteral("ein Bild") : w(task.n) + QStringLiteral(" Bilder"));
    if (said.contains(QStringLiteral("{Gezählt}")))
        said.replace(QStringLiteral("{Gezählt}"), countedSoFar(task, expectedAnswer));
    if (said.contains(QStringLiteral("{Gleichung}")))
        said.replace(QStringLiteral("{Gleichung}"), equation(task, range));
    return said;
}

} // namespace tasksentence
