// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Display.h"

#include "ui/Form.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace kit {

namespace {

const QScreen *screenOf(const QWidget *window)
{
    const QScreen *screen = window->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

QSize pixelsAt(const QSize &twips, double factor)
{
    return QSize(twips::toPixelsAt(twips.width(), factor), twips::toPixelsAt(twips.height(), factor));
}

} // namespace

bool Display::placesWindows()
{
    static const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return !wayland;
}

QRect Display::freeArea(const QWidget *window)
{
    const QScreen *screen = screenOf(window);
    return screen ? screen->availableGeometry() : QRect();
}

QRect Display::wholeScreen(const QWidget *window)
{
    const QScreen *screen = screenOf(window);
    return screen ? screen->geometry() : QRect();
}

QSize Display::frameAround()
{
    // Kept once seen: a window in full screen has no frame, and one leaving it has none until the
    // window manager has framed it again.
    QSize &most = instance().frame_;
    for (const Form *form : Form::windows())
        most = most.expandedTo(form->frameGeometry().size() - form->size());
    return most;
}

Display &Display::instance()
{
    static Display display;
    if (!display.watcher_ && qGuiApp)
        display.watchScreens();
    return display;
}

void Display::reset()
{
    Display &display = instance();
    display.setFullScreen(false);
    display.startWindowTwips_ = QSize();
    display.fittedTo_ = nullptr;
    display.frame_ = QSize();
    display.setStartZoom(twips::minimumZoom);
}

void Display::setStartZoom(double factor)
{
    startZoom_ = std::clamp(factor, twips::minimumZoom, twips::maximumZoom);
    twips::setZoom(startZoom_);
}

void Display::fitStartZoomTo(const QSize &windowTwips)
{
    startWindowTwips_ = windowTwips;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setStartZoom(twips::zoomToFit(windowTwips, screen->availableGeometry().size()));
}

void Display::zoomIn()
{
    const double above = twips::zoomAbove();
    if (fullScreen_ ? frontWindowFitsAt(above) : windowsFitAt(above))
        twips::setZoom(above);
}

void Display::zoomOut()
{
    twips::setZoom((std::ceil(zoom_ / twips::zoomStep - 1e-9) - 1) * twips::zoomStep);
}

void Display::resetZoom()
{
    if (fullScreen_) {
        fitZoomToScreens();
        return;
    }
    // Back to what the program showed at its start: the start zoom, each window centred. Where
    // the compositor places windows, a window placed while smaller grows no further than that.
    if (placesWindows() || startZoom_ <= zoom_ || windowsFitAt(startZoom_))
        twips::setZoom(startZoom_);
    for (Form *form : Form::windows())
        form->centreOnScreen();
}

void Display::setFullScreen(bool on)
{
    if (on == fullScreen_)
        return;
    fullScreen_ = on;
    // Hidden windows take the mode when they are shown next: a window system may not place a
    // window that is not on the screen as it will place it when it is.
    QList<Form *> shown = Form::windows();
    shown.removeIf([](const Form *form) { return !form->isVisible(); });
    if (on) {
        windowedZoom_ = zoom_;
        for (Form *form : shown)
            form->enterFullScreen();
        fitZoomToScreens();
    } else {
        fittedTo_ = nullptr;
        // The controls take the windowed zoom while the windows still fill the screen; then each
        // window shrinks to its client area at that zoom and goes back to its place.
        twips::setZoom(windowedZoom_);
        for (Form *form : shown)
            form->leaveFullScreen();
    }
}

Form *Display::frontWindow() const
{
    for (auto it = raisedOrder_.crbegin(); it != raisedOrder_.crend(); ++it)
        if ((*it)->isVisible())
            return *it;
    return nullptr;
}

void Display::cameToFront(Form *form)
{
    forget(form);
    raisedOrder_.push_back(form);
    if (fullScreen_ && fittedTo_ != form)
        fitZoomToScreens();
}

void Display::wentBehind()
{
    // In full screen the window now in front decides the zoom.
    if (fullScreen_ && frontWindow() != fittedTo_)
        fitZoomToScreens();
}

void Display::forget(const Form *form)
{
    raisedOrder_.erase(std::remove(raisedOrder_.begin(), raisedOrder_.end(), form), raisedOrder_.end());
    if (fittedTo_ == form)
        fittedTo_ = nullptr;
}

bool Display::windowsFitAt(double factor) const
{
    const QSize frame = frameAround();
    for (const Form *form : Form::windows()) {
        const QSize client = pixelsAt(form->clientTwips(), factor);
        const QSize pixels = client + frame;
        const QRect area = freeArea(form);
        if (!area.isEmpty() && pixels.boundedTo(area.size()) != pixels)
            return false;
        // The compositor placed the window whole on the screen and keeps its corner where it is:
        // grown past the size it was placed at, it would run off the screen.
        const QSize placed = form->sizeWhenPlaced();
        if (form->isVisible() && placed.isValid() && client.boundedTo(placed) != client)
            return false;
    }
    return true;
}

bool Display::frontWindowFitsAt(double factor) const
{
    const Form *front = frontWindow();
    if (!front)
        return true;
    const QSize pixels = pixelsAt(front->clientTwips(), factor);
    return pixels.boundedTo(wholeScreen(front).size()) == pixels;
}

void Display::fitZoomToScreens()
{
    // The windows behind the front one are hidden by it; with no window shown, the next one to
    // show decides.
    const Form *front = fullScreen_ ? frontWindow() : nullptr;
    fittedTo_ = front;
    if (front)
        twips::setZoom(twips::largestZoomWithin(front->clientTwips(), wholeScreen(front).size()));
}

void Display::watchScreens()
{
    auto *watcher = new QObject(qGuiApp);
    watcher_ = watcher;
    settle_ = new QTimer(watcher);
    settle_->setSingleShot(true);
    // A change of screen comes as a burst of signals, and the window manager moves its panels
    // after it: followed once, when they have settled.
    settle_->setInterval(50);
    QObject::connect(settle_, &QTimer::timeout, watcher, [this] { followScreens(); });
    const auto watch = [this, watcher](QScreen *screen) {
        QObject::connect(screen, &QScreen::geometryChanged, watcher, [this] { screensChanged(); });
        QObject::connect(screen, &QScreen::availableGeometryChanged, watcher, [this] { screensChanged(); });
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, watcher, [this, watch](QScreen *screen) {
        watch(screen);
        screensChanged();
    });
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, watcher, [this] { screensChanged(); });
    QObject::connect(qGuiApp, &QGuiApplication::primaryScreenChanged, watcher, [this] { screensChanged(); });
}

void Display::screensChanged()
{
    if (settle_)
        settle_->start();
}

void Display::followScreens()
{
    const double previousStart = startZoom_;
    if (const QScreen *screen = QGuiApplication::primaryScreen(); screen && !startWindowTwips_.isEmpty())
        startZoom_ = twips::zoomToFit(startWindowTwips_, screen->availableGeometry().size());
    const auto fitting = [this, previousStart](double factor) {
        // A zoom the child did not choose follows the screen; any zoom shrinks until the windows fit.
        if (factor == previousStart)
            factor = startZoom_;
        while (factor > twips::minimumZoom && !windowsFitAt(factor))
            factor -= twips::zoomStep;
        return factor;
    };
    // Which windows stand centred is seen before the zoom moves them.
    const QList<Form *> windows = Form::windows();
    QList<bool> centred;
    for (const Form *form : windows)
        centred.append(form->standsCentred());
    if (fullScreen_)
        windowedZoom_ = fitting(windowedZoom_);
    else
        twips::setZoom(fitting(zoom_));
    for (qsizetype i = 0; i < windows.size(); ++i)
        windows[i]->keepOnScreen(centred[i]);
    if (fullScreen_) {
        fittedTo_ = nullptr;
        fitZoomToScreens();
    }
}

} // namespace kit
