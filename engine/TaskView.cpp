// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/TaskView.h"

#include "engine/Task.h"
#include "engine/TaskKinds.h"
#include "engine/TextHelpers.h"

namespace taskview {

NumberLine numberLine(const Task &task)
{
    if (task.kind == TaskKind::PlaceNumber)
        return {captions::plain(task.n), QStringLiteral("Wo steht diese Zahl?"), 0};
    return {QString(), QStringLiteral("Wie heißt diese Zahl?"), task.n};
}

NumberSet numberSet(const Task &task)
{
    if (task.kind == TaskKind::SetPictures)
        return {QString(task.picture), QStringLiteral("Stelle die Bilder ein!"), captions::plain(task.n), 1};
    return {captions::pictureBlock(task.picture, task.n), QStringLiteral("Wie viele sind das?"), QStringLiteral("0"),
            0};
}

Completing completing(const Task &task, int range)
{
    const QString question = QStringLiteral("Wie viel fehlt?");
    if (task.kind == TaskKind::CompleteRange) {
        return {captions::pictureBlock(task.picture, range), question, captions::plain(task.a), QStringLiteral("+"),
                captions::plain(range)};
    }
    const bool plus = task.kind == TaskKind::CompletePlus;
    const QString whole = captions::plain(task.t);
    const QString part = captions::plain(task.t - task.a);
    return {captions::pictureBlock(task.picture, task.t), question, plus ? part : whole,
            plus ? QStringLiteral("+") : QStringLiteral("-"), plus ? whole : part};
}

QString completingRangeCaption(int range)
{
    return QStringLiteral("z u m ") + captions::signedNumber(range) + QStringLiteral(" e r");
}

QString completingRangeAccessibleName(int range)
{
    return QStringLiteral("zum ") + captions::plain(range) + QStringLiteral("er");
}

Sequence sequence(const Task &task)
{
    Sequence view;
    if (task.kind == TaskKind::CountBack) {
        view.boxes[3] = QStringLiteral("0");
        view.boxes[4] = captions::plain(task.s);
        view.currentBox = 4;
    } else {
        view.boxes[0] = captions::plain(task.s);
        view.boxes[1] = QStringLiteral("0");
        view.currentBox = 2;
    }
    return view;
}

Calculation calculation(const Task &task, int range)
{
    const int s = task.s;
    const int b = task.b;
    // A task of no calculation kind shows as before, as a reversed minus task.
    const KindInfo &own = kindInfo(task.kind);
    const KindInfo &info = own.screen == Screen::Calculation && isDrawn(own) ? own : kindInfo(TaskKind::ReversedMinus);
    const bool plus = info.sign == u'+';
    Calculation view;
    view.op = plus ? QStringLiteral("+") : QStringLiteral("-");
    view.second = captions::plain(b);
    if (info.reversed)
        view.result = captions::plain(plus ? s : s - b);
    else
        view.first = captions::plain(plus ? s - b : s);
    view.pictures = captions::pictureBlock(task.picture, range);
    return view;
}

} // namespace taskview

int numberLineStep(int range)
{
    return range == 10 ? 800 : 400;
}
