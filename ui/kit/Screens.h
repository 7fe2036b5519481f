// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QWidget;

namespace kit::screens {

// Whether the program places its windows itself: not on Wayland, where the compositor does.
bool placesWindows();
// The screen's area free of panels, and the whole screen, for the window's screen (the primary
// screen for a window not yet on one).
QRect freeArea(const QWidget *window);
QRect wholeScreen(const QWidget *window);

} // namespace kit::screens
