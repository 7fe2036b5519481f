// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What taskKind holds: which task the generator makes, numbered as the program has always
// numbered them, so tables and recorded draws read the same.
enum class TaskKind {
    NotSet = 0, // nothing chose a kind yet; the generator makes a NameNumber task

    // Number line screen.
    NameNumber = 1,  // the marked number: what is it called?
    PlaceNumber = 2, // a number: where does it stand?
    // Number sets screen.
    CountPictures = 3, // a block of pictures to count
    SetPictures = 4,   // a number of pictures to set
    // Completing screen.
    CompleteRange = 5, // a + __ = range
    CompletePlus = 6,  // (t - a) + __ = t
    CompleteMinus = 7, // t - __ = t - a
    // Number sequences screen.
    CountOn = 8,   // s, then the next four upwards
    CountBack = 9, // s, then the next four downwards
    // Calculation screen: "Rechnen" (the result is missing) ...
    Plus = 10,  // (s - b) + b = __
    Minus = 11, // s - b = __
    // ... and "Umkehren" (the first number is missing).
    ReversedPlus = 12,  // __ + b = s
    ReversedMinus = 13, // __ - b = s - b

    // Worksheet rows only: two kinds taking turns on one sheet, the minus kind first.
    MixedCalculation = 14, // Minus and Plus
    MixedReversing = 15,   // ReversedMinus and ReversedPlus
    MixedCompleting = 16,  // CompleteMinus and CompletePlus
};
