// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/TaskView.h"

#include "engine/Task.h"
#include "engine/TextHelpers.h"

namespace taskview {

NumberLine numberLine(const Task &task)
{
    if (task.kind == 2)
        return {text::plain(task.n), QStringLiteral("Wo steht diese Zahl?"), 0};
    return {QString(), QStringLiteral("Wie heißt diese Zahl?"), task.n};
}

NumberSet numberSet(const Task &task)
{
    if (task.kind == 4)
        return {QString(task.picture), QStringLiteral("Stelle die Bilder ein!"), text::plain(task.n), 1};
    return {text::pictureBlock(task.picture, task.n), QStringLiteral("Wie viele sind das?"), QStringLiteral("0"), 0};
}

Completing completing(const Task &task, int range)
{
    const QString question = QStringLiteral("Wie viel fehlt?");
    if (task.kind == 5) {
        return {text::pictureBlock(task.picture, range), question, text::plain(task.a), QStringLiteral("+"),
                text::plain(range)};
    }
    const bool plus = task.kind == 6;
    const QString whole = text::plain(task.t);
    const QString part = text::plain(task.t - task.a);
    return {text::pictureBlock(task.picture, task.t), question, plus ? part : whole,
            plus ? QStringLiteral("+") : QStringLiteral("-"), plus ? whole : part};
}

QString completingRangeCaption(int range)
{
    return QStringLiteral("z u m ") + text::signedNumber(range) + QStringLiteral(" e r");
}

QString completingRangeAccessibleName(int range)
{
    return QStringLiteral("zum ") + text::plain(range) + QStringLiteral("er");
}

Sequence sequence(const Task &task)
{
    Sequence view;
    if (task.kind == 9) {
        view.boxes[3] = QStringLiteral("0");
        view.boxes[4] = text::plain(task.s);
        view.currentBox = 4;
    } else {
        view.boxes[0] = text::plain(task.s);
        view.boxes[1] = QStringLiteral("0");
        view.currentBox = 2;
    }
    return view;
}

Calculation calculation(const Task &task, int range)
{
    const int s = task.s;
    const int b = task.b;
    Calculation view;
    view.op = task.kind == 10 || task.kind == 12 ? QStringLiteral("+") : QStringLiteral("-");
    view.second = text::plain(b);
    switch (task.kind) {
    case 10:
        view.first = text::plain(s - b);
        break;
    case 11:
        view.first = text::plain(s);
        break;
    case 12:
        view.result = text::plain(s);
        break;
    default: // 13
        view.result = text::plain(s - b);
        break;
    }
    view.pictures = text::pictureBlock(task.picture, range);
    return view;
}

} // namespace taskview

int numberLineStep(int range)
{
    return range == 10 ? 800 : 400;
}
