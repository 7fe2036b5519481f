// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

struct SharedValues;

// Reward game rounds: a won race earns one, a started game costs one. The count lives in
// SharedValues::rewardRounds; whoever shows it sets rewardRoundsChanged.

// The praise shown when the child's figure reaches its goal, and its title.
QString rewardMessage();
QString rewardTitle();

// rewardRounds + 1 (stopping at the counter's top), then tells the observer.
void addRewardRound(SharedValues &values);
// rewardRounds - 1 (stopping at the counter's bottom), then tells the observer.
void takeRewardRound(SharedValues &values);

// Which reward game a row of the reward list opens: 2 and 3 are the shooting gallery and the
// slalom drive, every other row (no selection included) Memory.
enum class RewardGame { Memory, ShootingGallery, Slalom };
RewardGame rewardGameForRow(int row);
