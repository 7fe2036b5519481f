#include "exercises/RewardAward.h"

#include "engine/Rewards.h"
#include "ui/Seams.h"

void awardReward()
{
    seams::dialogs().message(rewardMessage(), rewardTitle());
    addRewardRound();
}
