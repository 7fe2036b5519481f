// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Seams.h"

#include "ui/QtDialogs.h"

#include <QCoreApplication>
#include <QTime>

namespace {

class SystemClock final : public Clock
{
public:
    int secondsSinceMidnight() const override { return QTime::currentTime().msecsSinceStartOfDay() / 1000; }
};

QtDialogs qtDialogs;
SystemClock systemClock;
Dialogs *currentDialogs = nullptr;
Clock *currentClock = nullptr;
std::function<void()> endProgramHandler;

} // namespace

namespace seams {

Dialogs &dialogs()
{
    return currentDialogs ? *currentDialogs : qtDialogs;
}

void setDialogs(Dialogs *replacement)
{
    currentDialogs = replacement;
}

Clock &clock()
{
    return currentClock ? *currentClock : systemClock;
}

void setClock(Clock *replacement)
{
    currentClock = replacement;
}

void endProgram()
{
    if (endProgramHandler)
        endProgramHandler();
    else
        QCoreApplication::exit(0);
}

void setEndProgram(std::function<void()> handler)
{
    endProgramHandler = std::move(handler);
}

} // namespace seams
