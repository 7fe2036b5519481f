// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/TaskKinds.h"

#include "engine/Random.h"
#include "engine/TableOrder.h"
#include "engine/Task.h"

namespace {

QChar drawPicture(Random &random)
{
    return QChar(32 + (random.below(90) + 1));
}

// The draws of each kind, in the order the generator has always made them.
void drawNumber(Task &task, int range, Random &random)
{
    task.n = random.below(range + 1);
    task.answer = task.n;
}

void drawPlace(Task &task, int range, Random &random)
{
    task.n = random.below(range) + 1;
    task.answer = task.n;
}

void drawPictures(Task &task, int range, Random &random)
{
    task.n = random.below(range) + 1;
    task.picture = drawPicture(random);
    task.answer = task.n;
}

void drawToRange(Task &task, int range, Random &random)
{
    task.a = random.below((range / 10) * 10 + 1);
    task.picture = drawPicture(random);
    task.answer = range - task.a;
}

void drawParts(Task &task, int range, Random &random)
{
    task.t = random.below(range) + 1;
    task.picture = drawPicture(random);
    task.a = random.below(task.t);
    task.answer = task.a;
}

void drawCountOn(Task &task, int range, Random &random)
{
    task.s = random.below(range - 3);
    task.answer = task.s + 1;
}

void drawCountBack(Task &task, int range, Random &random)
{
    task.s = random.below(range - 3) + 4;
    task.answer = task.s - 1;
}

// The sum or minuend s, the part b, then the picture: the same draws for all four kinds.
void drawCalculation(Task &task, int range, Random &random)
{
    task.s = random.below(range - 3) + 4;
    task.b = random.below(task.s);
    task.picture = drawPicture(random);
}

void drawSum(Task &task, int range, Random &random)
{
    drawCalculation(task, range, random);
    task.answer = task.s;
}

void drawDifference(Task &task, int range, Random &random)
{
    drawCalculation(task, range, random);
    task.answer = task.s - task.b;
}

using K = TaskKind;
using I = Invitation;
constexpr std::array<TaskKind, 2> alone = {K::NotSet, K::NotSet};

// The mixed sheets are never drawn: they become NameNumber tasks like an unset kind.
constexpr std::array<KindInfo, kindCount> table = {{
    {K::NotSet, Screen::None, 0, false, I::Nothing, nullptr, u"{Gleichung}", 0, nullptr, false, alone, drawNumber},
    {K::NameNumber, Screen::NumberLine, 0, false, I::NameNumberMode, u"Hilfe: Zahlenstrahl",
     u"Wie heißt die Zahl beim roten Schild?", 1, u"Zahlenstrahl", false, alone, drawNumber},
    {K::PlaceNumber, Screen::NumberLine, 0, false, I::PlaceNumberMode, u"Hilfe: Zahlenstrahl",
     u"Wo steht die Zahl {Zahl} auf dem Zahlenstrahl?", 0, nullptr, false, alone, drawPlace},
    {K::CountPictures, Screen::NumberSets, 0, false, I::CountPicturesMode, u"Hilfe: Zahlmengen",
     u"Wie viele Bilder sind das? Zähle sie!", 2, u"Bilder zählen", true, alone, drawPictures},
    {K::SetPictures, Screen::NumberSets, 0, false, I::SetPicturesMode, u"Hilfe: Zahlmengen", u"Stelle {Bilder} ein!", 3,
     u"Bilder malen", true, alone, drawPictures},
    {K::CompleteRange, Screen::Completing, u'+', false, I::CompleteRangeMode, u"Hilfe: Ergänzen", u"{Gleichung}", 7,
     u"Zahlenraum ergänzen", true, alone, drawToRange},
    {K::CompletePlus, Screen::Completing, u'+', false, I::CompletePlusMode, u"Hilfe: Ergänzen", u"{Gleichung}", 8,
     u"Plus-Ergänzen", true, alone, drawParts},
    {K::CompleteMinus, Screen::Completing, u'-', false, I::CompleteMinusMode, u"Hilfe: Ergänzen", u"{Gleichung}", 9,
     u"Minus-Ergänzen", true, alone, drawParts},
    {K::CountOn, Screen::Sequences, u'+', false, I::CountOnMode, u"Hilfe: Zahlfolgen",
     u"Zähle vorwärts: {Gezählt}welche Zahl kommt dann?", 4, u"Zahlfolgen", false, alone, drawCountOn},
    {K::CountBack, Screen::Sequences, u'-', false, I::CountBackMode, u"Hilfe: Zahlfolgen",
     u"Zähle rückwärts: {Gezählt}welche Zahl kommt dann?", 0, nullptr, false, alone, drawCountBack},
    {K::Plus, Screen::Calculation, u'+', false, I::PlusMode, u"Hilfe: Rechnen", u"{Gleichung}", 5, u"Plusrechnen",
     false, alone, drawSum},
    {K::Minus, Screen::Calculation, u'-', false, I::MinusMode, u"Hilfe: Rechnen", u"{Gleichung}", 6, u"Minusrechnen",
     false, alone, drawDifference},
    {K::ReversedPlus, Screen::Calculation, u'+', true, I::ReversePlusMode, u"Hilfe: Umkehren", u"{Gleichung}", 10,
     u"Plus-Umkehren", false, alone, drawDifference},
    {K::ReversedMinus, Screen::Calculation, u'-', true, I::ReverseMinusMode, u"Hilfe: Umkehren", u"{Gleichung}", 11,
     u"Minus-Umkehren", false, alone, drawSum},
    {K::MixedCalculation,
     Screen::Calculation,
     0,
     false,
     I::Nothing,
     nullptr,
     u"{Gleichung}",
     12,
     u"Verm. Rechnen",
     false,
     {K::Minus, K::Plus},
     drawNumber},
    {K::MixedReversing,
     Screen::Calculation,
     0,
     true,
     I::Nothing,
     nullptr,
     u"{Gleichung}",
     14,
     u"Verm. Umkehren",
     false,
     {K::ReversedMinus, K::ReversedPlus},
     drawNumber},
    {K::MixedCompleting,
     Screen::Completing,
     0,
     false,
     I::Nothing,
     nullptr,
     u"{Gleichung}",
     13,
     u"Verm. Ergänzen",
     true,
     {K::CompleteMinus, K::CompletePlus},
     drawNumber},
}};

static_assert(keyedInOrder(table, [](const KindInfo &row) { return row.kind; }),
              "one row for every task kind, in the order of their numbers");
static_assert(int(TaskKind::MixedCompleting) == kindCount - 1, "a new kind needs its row");

} // namespace

const KindInfo &kindInfo(TaskKind kind)
{
    const int index = int(kind);
    return table[std::size_t(index >= 0 && index < kindCount ? index : 0)];
}

bool isDrawn(const KindInfo &info)
{
    return info.screen != Screen::None && info.turns[0] == TaskKind::NotSet;
}

const std::array<KindInfo, kindCount> &kindTable()
{
    return table;
}

TaskKind kindOfSheetTask(TaskKind sheetKind, int c)
{
    const KindInfo &info = kindInfo(sheetKind);
    if (info.turns[0] == TaskKind::NotSet)
        return sheetKind;
    return info.turns[c % 2 == 1 ? 0 : 1];
}
