// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

struct Task;

// The help boxes of the exercise screens: a picture of the task in symbols, built from the task
// itself, never from the child's entry.
namespace helptexts {

struct HelpText
{
    QString title;
    QString text;
};

// A cut of the number scale up to the answer.
HelpText numberLine(const Task &task);
// As many "x" as the answer, a blank after every five.
HelpText numberSets(const Task &task);
// The equation with its gap, then the whole as "o" for the given part and "x" for the missing one.
HelpText completing(const Task &task, int range);
// The whole run of five numbers, smallest first.
HelpText sequence(const Task &task);
// The larger number of the task as "o" and "x"; nothing for a kind of another screen.
std::optional<HelpText> calculation(const Task &task);

// p "o" and q "x", each followed by a blank, two more blanks after every fifth symbol, and two
// CRs at the end.
QString calculationSymbols(int p, int q);

} // namespace helptexts
