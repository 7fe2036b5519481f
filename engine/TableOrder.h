// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

// Whether a table indexed by an enum holds its rows in the enum's order, row i keyed i: checked
// at compile time, so that a new enum value without its row cannot build.
template <typename Rows, typename KeyOf>
constexpr bool keyedInOrder(const Rows &rows, KeyOf keyOf)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (std::size_t(keyOf(rows[i])) != i)
            return false;
    }
    return true;
}
