// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/RewardAward.h"

#include "engine/Rewards.h"
#include "ui/machine/Seams.h"

using kit::Dialogs;

void awardReward(Dialogs &dialogs, SharedValues &values)
{
    dialogs.message(rewardMessage(), rewardTitle());
    addRewardRound(values);
}
