#pragma once

// Praises the child for a won race and counts one more reward game round.
void awardReward();
// Takes one round off the count and opens the game selected in the start page's reward list.
void startRewardGame();
