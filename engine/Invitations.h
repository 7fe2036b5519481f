// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What each control a child can point at or reach with Tab is, and what a click on it does, in
// words a six-year-old understands: said instead of the control's short name while reading aloud
// is on, and the control's description for a screen reader. Things for grown-ups say so.
//
// A control is keyed by its window's name and its own, "form1/Bild13"; a row of a list adds its
// number counted from 1, "form1/Liste2/1". A key ending in "#" stands for every number there:
// Memory's cards, the rows of a list that all say the same.
namespace invitations {

// The sentence for a key, with the number range said as a word and `shown` (what the control
// or row shows, as it is said) put in where the sentence names it. Empty for keys without one.
QString sentence(const QString &key, int numberRange, const QString &shown = QString());

} // namespace invitations
