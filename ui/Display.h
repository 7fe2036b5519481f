// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Twips.h"

#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class QObject;
class QTimer;
class QWidget;

namespace kit {

class Form;

// How the program's windows meet the screens, one object for the whole program: the zoom and the
// zoom chosen for the screen at the start, full-screen mode, the order in which the windows came
// to the front, and the screens themselves. When a screen changes its size or its free area, a
// screen comes or goes (a projector plugged in, xrandr) or a window moves to another screen, the
// start zoom and the full-screen fit are worked out again and every window is kept whole on its
// screen, centred where it stood centred.
class Display
{
public:
    static Display &instance();
    // A fresh start, as tests want it: zoom 1 also at the start, windowed, no window in front.
    static void reset();

    double zoom() const { return zoom_; }
    // The zoom chosen for the screen at start; Ctrl+0 comes back to it.
    double startZoom() const { return startZoom_; }
    // Sets the start zoom and the zoom in force, once for all screens.
    void setStartZoom(double factor);
    // The start zoom at which a window of windowTwips takes about three quarters of the primary
    // screen's free height; worked out again whenever the screens change.
    void fitStartZoomTo(const QSize &windowTwips);

    // Ctrl+Plus, as far as every window stays within its screen (in full screen, the one in front).
    void zoomIn();
    // Ctrl+Minus, never below 1.
    void zoomOut();
    // Ctrl+0: the start zoom with every window centred; in full screen, the zoom that fits.
    void resetZoom();

    // Full screen is one mode for the whole program, for windows shown and hidden alike: each
    // window fills its screen and shows its client area in the middle on a calm background, at the
    // largest zoom at which the window in front fits. Leaving it gives every window back the
    // zoom, size and place it had.
    bool fullScreen() const { return fullScreen_; }
    void setFullScreen(bool on);

    // The shown window the child sees in front: the one shown or activated last.
    Form *frontWindow() const;

    // Whether the program places its windows itself: not on Wayland, where the compositor does.
    static bool placesWindows();
    // The screen's area free of panels, and the whole screen, for the window's screen.
    static QRect freeArea(const QWidget *window);
    static QRect wholeScreen(const QWidget *window);
    // What the window manager's frame adds around a window; known once a window has been shown.
    static QSize frameAround();

    // The screens changed, or a window went to another one: followed once the changes settle.
    void screensChanged();
    // Follows the screens as they are now: start zoom, full-screen fit, every window on its screen.
    void followScreens();

private:
    Display() = default;
    friend class Form;
    friend void twips::setZoom(double factor);

    void cameToFront(Form *form);
    void wentBehind();
    void forget(const Form *form);
    // Whether every window, frame included, fits the free area of its screen at the zoom.
    bool windowsFitAt(double factor) const;
    bool frontWindowFitsAt(double factor) const;
    void fitZoomToScreens();
    void watchScreens();

    double zoom_ = 1.0;
    double startZoom_ = 1.0;
    QSize startWindowTwips_;
    bool fullScreen_ = false;
    // The zoom the windows had before full screen; they get it back when it ends.
    double windowedZoom_ = 1.0;
    // The windows in the order they were shown or activated, the front one last.
    std::vector<Form *> raisedOrder_;
    // The window the zoom was last fitted to: while it stays in front, the zoom keys have their way.
    const Form *fittedTo_ = nullptr;
    QSize frame_;
    // Lives with the application and listens to its screens.
    QPointer<QObject> watcher_;
    QPointer<QTimer> settle_;
};

} // namespace kit
