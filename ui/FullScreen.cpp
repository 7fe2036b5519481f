// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The full-screen side of Form: F11 and --vollbild, for classroom boards and for small hands that
// need everything as large as the screen allows.

#include "ui/Form.h"

#include "ui/Twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace kit {

namespace {

bool modeOn = false;
// The windows in the order they were shown or activated, the front one last.
std::vector<Form *> raisedOrder;
// The window the zoom was last fitted to: while it stays in front, the zoom keys have their way.
const Form *fittedTo = nullptr;
// The zoom the windows had before full screen; they get it back when it ends.
double windowedZoom = 1.0;

QRect wholeScreen(const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

bool fitsAt(QSize clientTwips, double factor, QSize screen)
{
    return twips::toPixelsAt(clientTwips.width(), factor) <= screen.width() &&
           twips::toPixelsAt(clientTwips.height(), factor) <= screen.height();
}

} // namespace

bool Form::fullScreenMode()
{
    return modeOn;
}

void Form::setFullScreenMode(bool on)
{
    if (on == modeOn)
        return;
    modeOn = on;
    // Hidden windows take the mode when they are shown next: a window system may not place a
    // window that is not on the screen as it will place it when it is.
    QList<Form *> shown = windows();
    shown.removeIf([](const Form *form) { return !form->isVisible(); });
    if (on) {
        windowedZoom = twips::zoom();
        for (Form *form : shown)
            form->enterFullScreen();
        fitZoomToScreens();
    } else {
        fittedTo = nullptr;
        // The controls take the windowed zoom while the windows still fill the screen; then each
        // window shrinks to its client area at that zoom and goes back to its place.
        twips::setZoom(windowedZoom);
        for (Form *form : shown)
            form->leaveFullScreen();
    }
}

QColor Form::fullScreenBackground()
{
    // A quiet grey-blue: no scene's colour, so the window's own area stands out without glare.
    return QColor(0x6f, 0x80, 0x94);
}

QRect Form::clientArea() const
{
    const QSize client(twips::toPixels(clientTwips_.width()), twips::toPixels(clientTwips_.height()));
    if (!fullScreen_)
        return QRect(QPoint(0, 0), client);
    // In the middle; on a screen too small even at zoom 1, from its top-left corner.
    return QRect(QPoint(std::max(0, (width() - client.width()) / 2), std::max(0, (height() - client.height()) / 2)),
                 client);
}

Form *Form::frontWindow()
{
    for (auto it = raisedOrder.crbegin(); it != raisedOrder.crend(); ++it)
        if ((*it)->isVisible())
            return *it;
    return nullptr;
}

void Form::cameToFront()
{
    forgetFront(this);
    raisedOrder.push_back(this);
    if (modeOn && fittedTo != this)
        fitZoomToScreens();
}

void Form::wentBehind()
{
    // In full screen the window now in front decides the zoom.
    if (modeOn && frontWindow() != fittedTo)
        fitZoomToScreens();
}

void Form::forgetFront(const Form *form)
{
    raisedOrder.erase(std::remove(raisedOrder.begin(), raisedOrder.end(), form), raisedOrder.end());
    if (fittedTo == form)
        fittedTo = nullptr;
}

bool Form::frontWindowFitsAt(double factor)
{
    const Form *front = frontWindow();
    return !front || fitsAt(front->clientTwips_, factor, wholeScreen(front).size());
}

void Form::fitZoomToScreens()
{
    // The windows behind the front one are hidden by it; with no window shown, the next one to
    // show decides.
    const Form *front = modeOn ? frontWindow() : nullptr;
    fittedTo = front;
    if (front)
        twips::setZoom(twips::largestZoomWithin(front->clientTwips_, wholeScreen(front).size()));
}

bool Form::fullScreenKey(QKeyEvent *event)
{
    if (event->key() != Qt::Key_F11 || (event->modifiers() & ~Qt::KeypadModifier))
        return false;
    // Held down, it switches once.
    if (!event->isAutoRepeat())
        setFullScreenMode(!modeOn);
    return true;
}

void Form::enterFullScreen()
{
    if (fullScreen_)
        return;
    // The centre to come back to; a window never placed nor shown keeps the platform's choice.
    if (placed_ || isVisible()) {
        keptCentre_ = keptCentre();
        placed_ = true;
    }
    // What the frame added at the top left, while the window system still says.
    if (testAttribute(Qt::WA_WState_Created))
        frameBeforeFullScreen_ = geometry().topLeft() - frameGeometry().topLeft();
    fullScreen_ = true;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Laid out for the screen before it gets there, so it comes up whole.
    setGeometry(wholeScreen(this));
    setWindowState(windowState() | Qt::WindowFullScreen);
    placeControls();
    update();
}

void Form::leaveFullScreen()
{
    if (!fullScreen_)
        return;
    fullScreen_ = false;
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    setFixedSize(twips::toPixels(clientTwips_.width()), twips::toPixels(clientTwips_.height()));
    placeControls();
    if (placed_) {
        placeAround(keptCentre_);
        // Until the window is on the screen again, Qt takes it to have the full screen's frame,
        // none. The frame's corner is asked for as the frame's, not the client area's: a window
        // manager that puts a hidden window's client area where its frame stood (mutter) would
        // otherwise take it up by the title bar's height at every return.
        if (QWindow *window = windowHandle(); window && frameBeforeFullScreen_)
            window->setFramePosition(placedAt_);
    }
    frameBeforeFullScreen_.reset();
    update();
}

void Form::setVisible(bool visible)
{
    if (visible && fullScreen_ != modeOn) {
        if (modeOn)
            enterFullScreen();
        else
            leaveFullScreen();
    }
    QWidget::setVisible(visible);
}

void Form::placeControls()
{
    placedOrigin_ = clientOrigin();
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (auto *placed = dynamic_cast<TwipsPlaced *>(child))
            placed->apply();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The window manager sizes a full-screen window when it likes: the client area stays centred.
    if (clientOrigin() != placedOrigin_)
        placeControls();
}

} // namespace kit
