// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

namespace kit {

// A window's timer ("Zeit"): ticks at its interval while enabled. Tests call fire() to run one
// tick at once instead of waiting for the interval.
class GameTimer : public QObject
{
    Q_OBJECT
public:
    GameTimer(QObject *parent, const QString &name, int intervalMs);

    int interval() const { return timer_.interval(); }
    bool isEnabled() const { return timer_.isActive(); }
    // Enabling a running timer leaves its rhythm alone; disabling drops a tick that is due.
    void setEnabled(bool enabled);
    // One tick now, as if the interval had passed; nothing while the timer is disabled.
    void fire();

signals:
    void tick();

private:
    QTimer timer_;
};

} // namespace kit
