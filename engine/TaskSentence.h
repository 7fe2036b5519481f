// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

struct Task;

// What the reading key says for a task: the task as one short German sentence, with every number
// as a word ("drei plus vier gleich wie viel?"). The gap the child fills is "wie viel"; the
// answer is never said.
namespace tasksentence {

// `range` is the number range; `expectedAnswer` tells how far a number sequence has come.
QString sentence(const Task &task, int range, int expectedAnswer);

} // namespace tasksentence
