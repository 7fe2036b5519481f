// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Random.h"

void Random::seed(quint32 value)
{
    engine_.seed(value);
}

double Random::next()
{
    // 53 random bits give every double in [0, 1) on the grid of 2^-53, never 1.
    const quint64 high = engine_() >> 5;
    const quint64 low = engine_() >> 6;
    return double((high << 26) | low) * (1.0 / 9007199254740992.0);
}

int Random::below(int n)
{
    if (n <= 0)
        return 0;
    return int(next() * n);
}
