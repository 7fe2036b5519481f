// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <random>

// The program's one random generator: uniform in [0, 1).
class Random
{
public:
    void seed(quint32 value);
    double next();
    // Int(Rnd * n): a whole number from 0 to n - 1.
    int below(int n);
    // Seeded from the time of day, as every window that reseeds does.
    void seedWithTimeOfDay(int secondsSinceMidnight) { seed(quint32(secondsSinceMidnight)); }

private:
    std::mt19937 engine_{0};
};
