// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace kit {

class Drawer;

// A font by the program's Windows face name (substituted at start-up) and point size, sized in
// pixels at the zoom so that text fits the twips layout whatever the screen's dots per inch.
QFont fontAt(double zoom, const QString &family, double points, bool bold = false);
// The faces the program names, mapped to installed ones; call once before the first window.
// `pictureFace` is never used for text, not even as the last resort for a face that is missing.
// False when no face for text can be found at all. A drawer given looks the labels' faces up
// ahead, while the first window is built.
bool installFontSubstitutions(const QString &pictureFace, Drawer *drawer = nullptr);

const QColor systemWindowColour(); // "the system window colour" of a window's background

// The mark around a control that has the keyboard focus, drawn inside its rectangle at the zoom.
void paintFocusMark(QPainter &painter, const QRect &rect, double zoom);

} // namespace kit
