// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a Form stands on its screen: centred when loaded, keeping its centre through the zoom,
// and kept whole on the screen when the screens change.

#include "ui/kit/Form.h"

#include "ui/kit/Screens.h"

#include <QScreen>
#include <QWindow>

namespace kit {

void Form::centreOnScreen()
{
    const QRect area = screens::freeArea(this);
    if (area.isEmpty())
        return;
    placeAround(area.center());
    centredIn_ = area;
}

bool Form::standsCentred() const
{
    if (!placed_ || !centredIn_.isValid())
        return false;
    // A window manager moves a window that the screen no longer holds before the program hears of
    // the new screen: a window centred on the screen that was counts as centred still.
    const QPoint centre = fullScreen_ ? keptCentre_ : keptCentre();
    return centre == centredIn_.center() ||
           (centredIn_ != screens::freeArea(this) && keptCentre_ == centredIn_.center());
}

void Form::keepOnScreen(bool centred)
{
    const QRect area = screens::freeArea(this);
    if (area.isEmpty())
        return;
    if (fullScreen_ && isVisible()) {
        // Without a window manager nobody else makes it fit the screen again.
        if (geometry() != screens::wholeScreen(this)) {
            setGeometry(screens::wholeScreen(this));
            placeControls();
        }
        // Asked again after the geometry, which makes Qt forget it: a window manager takes the
        // state from a window it unmaps (mutter, kwin), and the window would come back framed at
        // the old screen's size.
        if (!(windowState() & Qt::WindowFullScreen))
            setWindowState(windowState() | Qt::WindowFullScreen);
    }
    if (centred) {
        centreOnScreen();
        return;
    }
    if (fullScreen_)
        return; // its place is kept within the screen when it comes back
    if (placed_ || (isVisible() && !area.contains(frameGeometry())))
        placeAround(keptCentre());
}

void Form::recentreInFrame()
{
    // Centred before any window had a frame, the client area was; once the window manager has
    // framed the window, the frame is centred instead, as every later window is.
    if (frameCentred_ || fullScreen_ || !isVisible() || frameGeometry().size() == size())
        return;
    frameCentred_ = true;
    QWindow *window = windowHandle();
    if (!window || !standsCentred())
        return;
    const QRect area = screens::freeArea(this);
    if ((frameGeometry().center() - area.center()).manhattanLength() <= 2)
        return;
    centreOnScreen();
    window->setFramePosition(placedAt_);
}

void Form::placeAround(QPoint centre)
{
    if (fullScreen_) {
        // Kept for the return to a window.
        keptCentre_ = centre;
        placedAt_ = QPoint();
        placed_ = true;
        return;
    }
    // The frame the window has, or will have once the window manager has framed it.
    const QSize frame = size() + frameAround();
    const QRect area = screens::freeArea(this);
    QPoint topLeft = centre - QPoint((frame.width() - 1) / 2, (frame.height() - 1) / 2);
    if (!area.isEmpty()) {
        // Within the free area where it fits; where it does not, its title bar stays on the screen.
        topLeft.setX(qMax(area.left(), qMin(topLeft.x(), area.right() + 1 - frame.width())));
        topLeft.setY(qMax(area.top(), qMin(topLeft.y(), area.bottom() + 1 - frame.height())));
    }
    move(topLeft);
    keptCentre_ = centre;
    placedAt_ = pos();
    placed_ = true;
}

QPoint Form::keptCentre() const
{
    // A window pushed to the screen's edge by a larger zoom comes back to where it stood when the
    // zoom shrinks again; one the user has moved keeps its new place.
    if (placed_ && pos() == placedAt_)
        return keptCentre_;
    return frameGeometry().center();
}

} // namespace kit
