// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Invitations.h"
#include "engine/TaskKind.h"

#include <array>

class Random;
struct Task;

// The exercise screens that show tasks; None for the worksheet-only kinds.
enum class Screen { None, NumberLine, NumberSets, Completing, Sequences, Calculation };

// Everything that differs from one task kind to the next, in one row per kind: the screens, the
// help boxes, the sentences and the worksheets all read it here.
struct KindInfo
{
    TaskKind kind;
    Screen screen;
    // The task's operation: '+' or '-' for completing, sequences and calculation, 0 otherwise.
    char16_t sign;
    bool reversed;                 // "Umkehren": the first number is the missing one
    Invitation mode;               // what the mode button choosing the kind says
    const char16_t *helpTitle;     // the help box's title; null where no help box shows it
    const char16_t *sentence;      // the task read aloud; {Zahl}, {Bilder}, {Gezählt}, {Gleichung} filled in
    int worksheetRow;              // counted from 1; 0 for none
    const char16_t *worksheetName; // the row's name without the range
    bool pictureFace;              // the sheet draws pictures in the picture face
    std::array<TaskKind, 2> turns; // a mixed sheet's two kinds, taking turns; NotSet otherwise
    void (*draw)(Task &task, int range, Random &random); // the generator's draws, in their order
};

// The row of a kind; the NotSet row for a number outside the enum.
const KindInfo &kindInfo(TaskKind kind);
// Whether the generator makes tasks of the kind: an exercise screen's kind, not a mixed sheet's.
bool isDrawn(const KindInfo &info);

// Every row, in the order of the kind numbers.
inline constexpr int kindCount = 17;
const std::array<KindInfo, kindCount> &kindTable();

// The kind of the c-th task of a sheet (c counted from 1): a mixed sheet's kinds take turns, the
// first of them on odd c.
TaskKind kindOfSheetTask(TaskKind sheetKind, int c);
