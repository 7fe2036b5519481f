// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/HelpTexts.h"

#include "engine/Task.h"
#include "engine/TaskKinds.h"
#include "engine/TaskView.h"
#include "engine/TextHelpers.h"

namespace helptexts {

namespace {

QString title(const Task &task)
{
    const char16_t *title = kindInfo(task.kind).helpTitle;
    return title ? QString::fromUtf16(title) : QString();
}

} // namespace

HelpText numberLine(const Task &task)
{
    static const QString scale = QStringLiteral("  0- 1- 2- 3- 4- 5- 6- 7- 8- 9-10-11-12-13-14-15-16-17-18-19-20");
    return {title(task), scale.left(3 * (task.answer + 1)) + captions::CR + captions::CR};
}

HelpText numberSets(const Task &task)
{
    QString symbols;
    for (int i = 1; i <= task.answer; ++i) {
        symbols += QLatin1Char('x');
        if (i % 5 == 0)
            symbols += QLatin1Char(' ');
    }
    return {title(task), symbols + captions::CR + captions::CR};
}

HelpText completing(const Task &task, int range)
{
    const KindInfo &info = kindInfo(task.kind);
    const taskview::Completing view = taskview::completing(task, range);
    const int missing = task.answer;
    // The number after "=": the range, the whole t, or what is left of it.
    const int afterEquals = task.kind == TaskKind::CompleteRange  ? range
                            : task.kind == TaskKind::CompletePlus ? task.t
                                                                  : task.t - task.a;
    const QString blank = QStringLiteral(" ");
    const QString o = QStringLiteral("o");
    const QString x = QStringLiteral("x");
    // The part given as "o", the missing one as "x"; for a minus task the missing part is taken away.
    QString part;
    if (info.screen == Screen::Completing && isDrawn(info)) {
        part = info.sign == u'+' ? captions::repeated(o, afterEquals - missing) + blank + captions::repeated(x, missing)
                                 : captions::repeated(o, missing) + blank + captions::repeated(x, afterEquals);
    }
    const QString line = view.first + blank + view.op + QStringLiteral(" __ = ") + view.result;
    return {title(task), line + captions::CR + captions::CR + part + captions::CR};
}

HelpText sequence(const Task &task)
{
    QString numbers;
    if (task.kind == TaskKind::CountBack) {
        for (int i = 0; i < 5; ++i)
            numbers = captions::signedNumber(task.s - i) + QStringLiteral("  ") + numbers;
    } else {
        for (int i = 0; i < 5; ++i)
            numbers += QLatin1Char(' ') + captions::signedNumber(task.s + i) + QLatin1Char(' ');
    }
    return {title(task), numbers + captions::CR + captions::CR};
}

std::optional<HelpText> calculation(const Task &task)
{
    const KindInfo &info = kindInfo(task.kind);
    if (info.screen != Screen::Calculation || !isDrawn(info))
        return std::nullopt; // a kind of another screen
    // p + q is always s, the larger number of the task, split into the two parts it shows.
    const int s = task.s;
    const int b = task.b;
    return HelpText{title(task), info.sign == u'+' ? calculationSymbols(s - b, b) : calculationSymbols(b, s - b)};
}

QString calculationSymbols(int p, int q)
{
    const QString symbols = captions::repeated(QStringLiteral("o"), p) + captions::repeated(QStringLiteral("x"), q);
    QString help;
    for (int i = 1; i <= symbols.size(); ++i) {
        help += symbols.at(i - 1);
        help += QLatin1Char(' ');
        // A gap after every five makes the quantity easy to count.
        if (i % 5 == 0)
            help += QStringLiteral("  ");
    }
    return help + captions::CR + captions::CR;
}

} // namespace helptexts
