// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSize>
#include <vector>

class QTimer;
class QWidget;

namespace kit {

class Form;
class Zoom;

// How the program's windows meet the screens: the zoom chosen for the screen at the start,
// full-screen mode, the order in which the windows came to the front, and the screens themselves.
// Made once by the top of the program, it learns about the windows from their own events (shown,
// hidden, activated, destroyed, keys asking for zoom or full screen), so no window knows of it.
// When a screen changes its size or its free area, a screen comes or goes (a projector plugged
// in, xrandr) or a window moves to another screen, the start zoom and the full-screen fit are
// worked out again and every window is kept whole on its screen, centred where it stood centred;
// a window hidden meanwhile is fitted again before it is shown.
class Display : public QObject
{
public:
    // Follows the screens and the windows from now on; zoom is the one every window is drawn at.
    explicit Display(Zoom &zoom);
    ~Display() override;

    double zoom() const;
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

    // A window manager moves windows of its own accord after the screen changed, and places a
    // window when it maps it: once it has stopped moving them, every window of the program,
    // boxes too, is put back where the placement rules want it.
    void placeAfterWindowManager();

    // The screens changed, or a window went to another one: followed once the changes settle.
    void screensChanged();
    // Follows the screens as they are now: start zoom, full-screen fit, every window on its screen.
    void followScreens();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Listens to a window's keys and screen from the first time it is seen.
    void meet(Form *form);
    // A window about to be shown takes the mode and fits the screen as it is now.
    void aboutToShow(Form *form);
    void cameToFront(Form *form);
    void wentBehind();
    void forget(const QObject *form);
    // Whether every window, frame included, fits the free area of its screen at the zoom.
    bool windowsFitAt(double factor) const;
    bool frontWindowFitsAt(double factor) const;
    void fitZoomToScreens();
    void watchScreens();
    // Waits for the window manager to stop moving the program's windows.
    void awaitWindowManager();
    // A box or dialog whole on the screen and over its window; centred over it again after its
    // window has been placed anew.
    static void keepBoxOnScreen(QWidget *box, bool overItsWindow);

    Zoom &zoom_;
    double startZoom_;
    QSize startWindowTwips_;
    bool fullScreen_ = false;
    // The zoom the windows had before full screen; they get it back when it ends.
    double windowedZoom_ = 1.0;
    // The windows in the order they were shown or activated, the front one last.
    std::vector<Form *> raisedOrder_;
    // The window the zoom was last fitted to: while it stays in front, the zoom keys have their way.
    const Form *fittedTo_ = nullptr;
    QSet<const QObject *> met_;
    QTimer *settle_;
    // Restarted by every move of a window while waiting for the window manager.
    QTimer *quiet_;
    bool awaiting_ = false;
    // The windows that stood centred when the screens changed or that were shown centred.
    QList<QPointer<Form>> centred_;
};

} // namespace kit
