#pragma once

// Praises the child for a won race and counts one more reward game round.
void awardReward();
