// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kit {

// The screen-wide mouse pointer: the shooting gallery shows a crosshair over everything while a
// game runs, and every way out of the game puts the ordinary arrow back.
namespace mousepointer {

enum class Shape { Default, Crosshair };

void set(Shape shape);
Shape current();

} // namespace mousepointer

} // namespace kit
