// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/machine/GameTimer.h"

namespace kit {

GameTimer::GameTimer(QObject *parent, const QString &name, int intervalMs) : QObject(parent)
{
    setObjectName(name);
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GameTimer::tick);
}

void GameTimer::setEnabled(bool enabled)
{
    if (!enabled)
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start();
}

void GameTimer::fire()
{
    if (timer_.isActive())
        emit tick();
}

} // namespace kit
