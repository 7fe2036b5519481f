// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The full-screen side of Form: F11 and --vollbild, for classroom boards and for small hands that
// need everything as large as the screen allows.

#include "ui/kit/Form.h"

#include "ui/kit/Screens.h"
#include "ui/kit/Twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace kit {

QColor Form::fullScreenBackground()
{
    // A quiet grey-blue: no scene's colour, so the window's own area stands out without glare.
    return QColor(0x6f, 0x80, 0x94);
}

QRect Form::clientArea() const
{
    const QSize client(twips::toPixelsAt(clientTwips_.width(), zoomValue()),
                       twips::toPixelsAt(clientTwips_.height(), zoomValue()));
    if (!fullScreen_)
        return QRect(QPoint(0, 0), client);
    // In the middle; on a screen too small even at zoom 1, from its top-left corner.
    return QRect(QPoint(std::max(0, (width() - client.width()) / 2), std::max(0, (height() - client.height()) / 2)),
                 client);
}

bool Form::fullScreenKey(QKeyEvent *event)
{
    if (event->key() != Qt::Key_F11 || (event->modifiers() & ~Qt::KeypadModifier))
        return false;
    // Held down, it switches once.
    if (!event->isAutoRepeat())
        emit fullScreenAsked();
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
    if (testAttribute(Qt::WA_WState_Created)) {
        frameBeforeFullScreen_ = geometry().topLeft() - frameGeometry().topLeft();
        noteFrame(); // learnt while the frame is there
    }
    fullScreen_ = true;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Laid out for the screen before it gets there, so it comes up whole.
    setGeometry(screens::wholeScreen(this));
    setWindowState(windowState() | Qt::WindowFullScreen);
    placeControls();
    update();
}

void Form::leaveFullScreen()
{
    if (!fullScreen_)
        return;
    fullScreen_ = false;
    // A window manager may also have maximized the window when it mapped it filling the screen
    // (kwin does with a window shown again in full screen); a window of fixed size is never
    // maximized, and one left so would stay in the screen's corner when full screen ends.
    const Qt::WindowStates filling = Qt::WindowFullScreen | Qt::WindowMaximized;
    setWindowState(windowState() & ~filling);
    // Qt forgets the widget's states when the widget is given a geometry, not the native
    // window's: that one is asked as well, or the window manager keeps them.
    if (QWindow *window = windowHandle(); window && (window->windowStates() & filling))
        window->setWindowStates(window->windowStates() & ~filling);
    setFixedSize(twips::toPixelsAt(clientTwips_.width(), zoomValue()),
                 twips::toPixelsAt(clientTwips_.height(), zoomValue()));
    placeControls();
    if (placed_) {
        placeAround(keptCentre_);
        // Until the window is on the screen again, Qt takes it to have the full screen's frame,
        // none. The frame's corner is asked for as the frame's, not the client area's: a window
        // manager that puts a hidden window's client area where its frame stood (mutter) would
        // otherwise take it up by the title bar's height at every return.
        if (QWindow *window = windowHandle(); window && frameBeforeFullScreen_) {
            window->setFramePosition(placedAt_);
            // A window manager may give the window back the place it had before full screen
            // (mutter does), which is wrong when the screen changed meanwhile: asked again once
            // it has.
            const QPoint client = placedAt_ + *frameBeforeFullScreen_;
            QTimer::singleShot(600, this, [this, centre = keptCentre_, client] {
                QWindow *window = windowHandle();
                if (fullScreen_ || !isVisible() || !window || keptCentre_ != centre || geometry().topLeft() == client)
                    return;
                placeAround(centre);
                window->setFramePosition(placedAt_);
            });
        }
    }
    frameBeforeFullScreen_.reset();
    update();
}

void Form::placeControls()
{
    placedOrigin_ = clientOrigin();
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (auto *placed = dynamic_cast<TwipsPlaced *>(child))
            placed->place();
}

void Form::paintAfresh()
{
    update();
    for (QWidget *child : findChildren<QWidget *>())
        child->update();
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle())
        followFrameInBuffer(event);
    return QWidget::eventFilter(watched, event);
}

void Form::followFrameInBuffer(QEvent *event)
{
    // Qt on Wayland draws the frame into the window's buffer and starts an empty buffer when the
    // frame comes or goes (full screen on or off); it then paints only what was marked as changed
    // since, and a control that was not, the opaque ones first, stays black. The compositor's
    // answer that brings the new frame comes after the program's own change of state, at a moment
    // of its choosing: the window is painted afresh when the frame has changed, before Qt paints
    // for that answer's expose.
    const QEvent::Type type = event->type();
    if (type != QEvent::Expose && type != QEvent::WindowStateChange && type != QEvent::Resize)
        return;
    const QMargins frame = windowHandle()->frameMargins();
    if (frame == framePainted_)
        return;
    framePainted_ = frame;
    paintAfresh();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The window manager sizes a full-screen window when it likes: the client area stays centred.
    if (clientOrigin() != placedOrigin_)
        placeControls();
}

} // namespace kit
