// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Display.h"

#include "ui/kit/Form.h"
#include "ui/kit/Screens.h"
#include "ui/kit/Twips.h"
#include "ui/kit/Zoom.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace kit {

namespace {

QSize pixelsAt(const QSize &twips, double factor)
{
    return QSize(twips::toPixelsAt(twips.width(), factor), twips::toPixelsAt(twips.height(), factor));
}

} // namespace

Display::Display(Zoom &zoom)
    : zoom_(zoom), startZoom_(zoom.value()), settle_(new QTimer(this)), quiet_(new QTimer(this))
{
    watchScreens();
    quiet_->setSingleShot(true);
    // mutter moves a window about a quarter of a second after the screen changed, and again
    // after it maps a window.
    quiet_->setInterval(400);
    connect(quiet_, &QTimer::timeout, this, &Display::placeAfterWindowManager);
    qApp->installEventFilter(this);
}

Display::~Display()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

double Display::zoom() const
{
    return zoom_.value();
}

void Display::setStartZoom(double factor)
{
    startZoom_ = Zoom::clamped(factor);
    zoom_.set(startZoom_);
}

void Display::fitStartZoomTo(const QSize &windowTwips)
{
    startWindowTwips_ = windowTwips;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setStartZoom(twips::zoomToFit(windowTwips, screen->availableGeometry().size()));
}

void Display::zoomIn()
{
    const double above = zoom_.above();
    if (fullScreen_ ? frontWindowFitsAt(above) : windowsFitAt(above))
        zoom_.set(above);
}

void Display::zoomOut()
{
    zoom_.set(zoom_.below());
}

void Display::resetZoom()
{
    if (fullScreen_) {
        fitZoomToScreens();
        return;
    }
    // Back to what the program showed at its start: the start zoom, each window centred. Where
    // the compositor places windows, a window placed while smaller grows no further than that.
    if (screens::placesWindows() || startZoom_ <= zoom_.value() || windowsFitAt(startZoom_))
        zoom_.set(startZoom_);
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
    // The window manager gives a window back the place it had before full screen, or frames it
    // anew, after the program has placed it: looked at again once it is done.
    if (screens::placesWindows()) {
        for (Form *form : shown)
            if (!on && form->standsCentred() && !centred_.contains(form))
                centred_.append(form);
        awaitWindowManager();
    }
    if (on) {
        windowedZoom_ = zoom_.value();
        for (Form *form : shown)
            form->enterFullScreen();
        fitZoomToScreens();
    } else {
        fittedTo_ = nullptr;
        // The controls take the windowed zoom while the windows still fill the screen; then each
        // window shrinks to its client area at that zoom and goes back to its place.
        zoom_.set(windowedZoom_);
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

bool Display::eventFilter(QObject *watched, QEvent *event)
{
    // Every event of the program passes here: the few that matter are told apart by type first.
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide && type != QEvent::WindowActivate && type != QEvent::Move)
        return false;
    if (!watched->isWidgetType() || !static_cast<QWidget *>(watched)->isWindow())
        return false;
    if (type == QEvent::Move) {
        if (awaiting_)
            quiet_->start();
        return false;
    }
    auto *form = qobject_cast<Form *>(watched);
    if (!form) {
        // A box or dialog: shown over its window, whole on the screen as it is now.
        if (type == QEvent::Show && !event->spontaneous())
            keepBoxOnScreen(static_cast<QWidget *>(watched), false);
        return false;
    }
    meet(form);
    if (type == QEvent::WindowActivate) {
        cameToFront(form);
    } else if (!event->spontaneous()) {
        if (type == QEvent::Show) {
            aboutToShow(form);
            cameToFront(form);
        } else {
            wentBehind();
        }
    }
    return false;
}

void Display::meet(Form *form)
{
    if (!met_.contains(form)) {
        met_.insert(form);
        connect(form, &QObject::destroyed, this, [this](QObject *gone) { forget(gone); });
        connect(form, &Form::fullScreenAsked, this, [this] { setFullScreen(!fullScreen_); });
        connect(form, &Form::zoomAsked, this, [this](Form::ZoomKey key) {
            switch (key) {
            case Form::ZoomKey::In:
                zoomIn();
                break;
            case Form::ZoomKey::Out:
                zoomOut();
                break;
            case Form::ZoomKey::Reset:
                resetZoom();
                break;
            }
        });
    }
    // Told when the window goes to another screen; its native window may come later than the form.
    if (QWindow *window = form->windowHandle())
        connect(window, &QWindow::screenChanged, this, &Display::screensChanged, Qt::UniqueConnection);
}

void Display::aboutToShow(Form *form)
{
    // A window that was hidden while the mode changed takes it before it is shown again.
    if (form->fillsScreen() != fullScreen_) {
        if (fullScreen_)
            form->enterFullScreen();
        else
            form->leaveFullScreen();
    }
    // A window hidden while the screen changed fits the screen as it is now before it maps:
    // without a window manager nobody else would, and one would place it by the old screen.
    const bool centred = form->standsCentred();
    form->keepOnScreen(centred);
    if (centred && !fullScreen_ && screens::placesWindows()) {
        // The window manager may still place it by its own rules once it maps it.
        if (!centred_.contains(form))
            centred_.append(form);
        awaitWindowManager();
    }
}

void Display::awaitWindowManager()
{
    awaiting_ = true;
    quiet_->start();
}

void Display::placeAfterWindowManager()
{
    awaiting_ = false;
    const QList<QPointer<Form>> centred = std::exchange(centred_, {});
    for (Form *form : Form::windows()) {
        if (!form->isVisible())
            continue;
        if (form->fillsScreen()) {
            form->keepOnScreen(false);
            continue;
        }
        const QRect area = screens::freeArea(form);
        const bool wasCentred = centred.contains(form);
        const bool offCentre = (form->frameGeometry().center() - area.center()).manhattanLength() > 2;
        if ((wasCentred && offCentre) || !area.contains(form->frameGeometry())) {
            form->keepOnScreen(wasCentred);
            // Asked as the frame's corner: the window manager knows the frame by now.
            if (QWindow *window = form->windowHandle())
                window->setFramePosition(form->pos());
        }
    }
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && !qobject_cast<Form *>(window) && window->windowType() == Qt::Dialog)
            keepBoxOnScreen(window, true);
}

void Display::keepBoxOnScreen(QWidget *box, bool overItsWindow)
{
    const QRect area = screens::freeArea(box);
    if (area.isEmpty())
        return;
    const QWidget *owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
    const QRect frame = box->frameGeometry();
    const QRect over = owner && owner->isVisible() ? owner->frameGeometry() : area;
    // After a change of screens its window has been placed anew: the box goes with it.
    const bool centredOver = (frame.center() - over.center()).manhattanLength() <= 2;
    if (area.contains(frame) && (overItsWindow ? centredOver : over.contains(frame.center())))
        return;
    // What the frame adds, where the window manager has put one around the box already.
    const QSize size = frame.size().expandedTo(box->size() + Form::frameAround());
    QPoint topLeft = over.center() - QPoint((size.width() - 1) / 2, (size.height() - 1) / 2);
    // Where it does not fit, its title bar stays on the screen.
    topLeft.setX(qMax(area.left(), qMin(topLeft.x(), area.right() + 1 - size.width())));
    topLeft.setY(qMax(area.top(), qMin(topLeft.y(), area.bottom() + 1 - size.height())));
    box->move(topLeft);
    if (QWindow *window = box->windowHandle(); window && box->isVisible())
        window->setFramePosition(topLeft);
}

void Display::cameToFront(Form *form)
{
    raisedOrder_.erase(std::remove(raisedOrder_.begin(), raisedOrder_.end(), form), raisedOrder_.end());
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

void Display::forget(const QObject *form)
{
    met_.remove(form);
    raisedOrder_.erase(
        std::remove_if(raisedOrder_.begin(), raisedOrder_.end(), [form](const Form *known) { return known == form; }),
        raisedOrder_.end());
    if (fittedTo_ == form)
        fittedTo_ = nullptr;
}

bool Display::windowsFitAt(double factor) const
{
    const QSize frame = Form::frameAround();
    for (const Form *form : Form::windows()) {
        const QSize client = pixelsAt(form->clientTwips(), factor);
        const QSize pixels = client + frame;
        const QRect area = screens::freeArea(form);
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
    return pixels.boundedTo(screens::wholeScreen(front).size()) == pixels;
}

void Display::fitZoomToScreens()
{
    // The windows behind the front one are hidden by it; with no window shown, the next one to
    // show decides.
    const Form *front = fullScreen_ ? frontWindow() : nullptr;
    fittedTo_ = front;
    if (front)
        zoom_.set(twips::largestZoomWithin(front->clientTwips(), screens::wholeScreen(front).size()));
}

void Display::watchScreens()
{
    settle_->setSingleShot(true);
    // A change of screen comes as a burst of signals, and the window manager moves its panels
    // after it: followed once, when they have settled.
    settle_->setInterval(50);
    connect(settle_, &QTimer::timeout, this, [this] { followScreens(); });
    const auto watch = [this](QScreen *screen) {
        connect(screen, &QScreen::geometryChanged, this, [this] { screensChanged(); });
        connect(screen, &QScreen::availableGeometryChanged, this, [this] { screensChanged(); });
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this, watch](QScreen *screen) {
        watch(screen);
        screensChanged();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] { screensChanged(); });
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this] { screensChanged(); });
}

void Display::screensChanged()
{
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
        while (factor > Zoom::minimum && !windowsFitAt(factor))
            factor -= Zoom::step;
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
        zoom_.set(fitting(zoom_.value()));
    centred_.clear();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        windows[i]->keepOnScreen(centred[i]);
        if (centred[i])
            centred_.append(windows[i]);
    }
    if (fullScreen_) {
        fittedTo_ = nullptr;
        fitZoomToScreens();
    }
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && !qobject_cast<Form *>(window) && window->windowType() == Qt::Dialog)
            keepBoxOnScreen(window, true);
    // The window manager moves windows the screen no longer holds, after the program has.
    if (screens::placesWindows())
        awaitWindowManager();
}

} // namespace kit
