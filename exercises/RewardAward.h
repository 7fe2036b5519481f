// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Praises the child for a won race and counts one more reward game round.
namespace kit {
class Dialogs;
}
struct SharedValues;

// Praises the won race in a box and adds a reward round.
void awardReward(kit::Dialogs &dialogs, SharedValues &values);
