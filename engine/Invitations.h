// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

class QObject;

// What each control a child can point at or reach with Tab is, and what a click on it does, in
// words a six-year-old understands: said instead of the control's short name while reading aloud
// is on, and the control's description for a screen reader. Things for grown-ups say so.
//
// A sentence is keyed by the thing the child meets, never by a window's or a control's name: the
// windows tell which of their controls is which thing.
enum class Invitation {
    Nothing, // a control without a sentence

    // The start page: the child's pictures first, then the grown-ups' things.
    OpenCalculating,
    OpenReversing,
    OpenCompleting,
    OpenSequences,
    OpenNumberLine,
    OpenNumberSets,
    NumberPicturesTable,
    NumberPicturesPad,
    OpenNumberWords,
    Dartboard,
    Rewards,
    NamePlate,
    Door,
    RangeBar,
    Loudspeaker,
    Blackboard,
    Printer,
    FountainPen,
    RedBook,
    Screwdriver,
    MemoryRow,
    ShootingGalleryRow,
    SlalomRow,
    WorksheetRow,

    // What every exercise screen has.
    ExerciseEnd,
    ExerciseOkay,
    ExerciseHelp,
    AnswerBar,

    // The number line.
    NameNumberMode,
    PlaceNumberMode,
    NumberLineChild,
    NumberLineChildGoal,
    NumberLineRival,
    NumberLineRivalGoal,

    // The number sets.
    CountPicturesMode,
    SetPicturesMode,
    NumberSetsChild,
    NumberSetsRival,
    NumberSetsGoal,

    // Completing.
    CompleteRangeMode,
    CompletePlusMode,
    CompleteMinusMode,
    CompletingChild,
    CompletingRival,
    CompletingGoal,

    // Number sequences.
    CountOnMode,
    CountBackMode,
    SequencesWalker,
    SequencesGoal,

    // Calculation, forward and reversed.
    PlusMode,
    MinusMode,
    ReversePlusMode,
    ReverseMinusMode,
    CalculationChild,
    CalculationRival,
    CalculationGoal,

    // Number words.
    WordsMode,
    NumbersMode,
    NumberWordsEnd,
    NumberWordsOkay,
    NumberWordsHelp,
    SpeechBubble,
    NumberSign,

    // Number pictures.
    NumberPicture,
    NumberPicturesEnd,
    NumberPicturesHelp,
    FirstPicture,
    SecondPicture,
    PictureAgain,
    PictureUndo,

    // The font viewer: for grown-ups.
    FontsEnd,
    FontsSave,
    FontRow,

    // Memory.
    MemoryStop,
    MemoryCard, // face down
    MemoryCardOpen,
    MemoryCardFound,

    // The shooting gallery.
    ShootingGalleryEnd,
    ShootingGalleryStart,

    // The slalom drive.
    SlalomEnd,
    SlalomLeft,
    SlalomRight,
    SlalomUp,
    SlalomDown,
    SlalomDriver,
    SlalomHome,
};

namespace invitations {

// The sentence of a thing, with the number range said as a word and `shown` (what the control
// or row shows, as it is said) put in where the sentence names it. Empty for Nothing.
QString sentence(Invitation what, int numberRange, const QString &shown = QString());

// The keys that do what a thing does, for the control's description where a screen reader says it;
// never said aloud to the child. Empty for most things.
QString keys(Invitation what);

// A window tells what one of its controls is; the window layer reads it back to find the sentence.
void declare(QObject &control, Invitation what);
std::optional<Invitation> declared(const QObject &control);

} // namespace invitations
