// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Rewards.h"

#include "engine/SharedValues.h"
#include "engine/TextHelpers.h"

#include <limits>

namespace {

void tellObserver(const SharedValues &values)
{
    if (values.rewardRoundsChanged)
        values.rewardRoundsChanged(values.rewardRounds);
}

} // namespace

QString rewardMessage()
{
    const QChar cr = captions::CR;
    return QStringLiteral("Prima, zur Belohnung gibt es eine") + cr + QStringLiteral("Spielrunde geschenkt!  Du kannst") +
           cr + QStringLiteral("weitermachen oder aber aufhören") + cr +
           QStringLiteral("und dir deine Belohnung abholen!") + cr;
}

QString rewardTitle()
{
    return QStringLiteral("Belohnung");
}

void addRewardRound(SharedValues &values)
{
    // A 16-bit counter: stop at its top instead of overflowing.
    qint16 &rounds = values.rewardRounds;
    if (rounds < std::numeric_limits<qint16>::max())
        ++rounds;
    tellObserver(values);
}

void takeRewardRound(SharedValues &values)
{
    qint16 &rounds = values.rewardRounds;
    if (rounds > std::numeric_limits<qint16>::min())
        --rounds;
    tellObserver(values);
}

RewardGame rewardGameForRow(int row)
{
    switch (row) {
    case 2:
        return RewardGame::ShootingGallery;
    case 3:
        return RewardGame::Slalom;
    default:
        return RewardGame::Memory;
    }
}
