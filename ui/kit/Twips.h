// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/Zoom.h"

#include <QPoint>
#include <QRect>

class QWidget;

namespace kit {

namespace twips {

constexpr int perPixel = 15;

constexpr double minimumZoom = Zoom::minimum;
constexpr double maximumZoom = Zoom::maximum;
constexpr double zoomStep = Zoom::step;

// The one place where twips become pixels, at the zoom factor a window is drawn at (each
// window and control knows its own: the zoom main made and handed on).
int toPixelsAt(int value, double factor);
QRect toPixelsAt(const QRect &rect, double factor);
// A line that is widthAtZoom1 pixels wide at zoom 1, in whole pixels so it stays sharp.
int lineWidthAt(double factor, int widthAtZoom1 = 1);
// A font size in points as whole pixels at the zoom (96 dots per inch at zoom 1), at least 1, so
// that text fits the twips layout whatever the screen's dots per inch.
int fontPixelsAt(double points, double factor);

// A drawing kept as an image: pixel p covers the twips from p * 15 up to (p + 1) * 15 at zoom 1.
QPoint coveringPixel(QPoint twips, double factor);
// The first twip inside a pixel of such an image, so a colour read back there is that pixel's.
QPoint firstTwipIn(QPoint pixel, double factor);
// A length in twips as pixels at the zoom, not rounded (a circle's radius).
double toExactPixels(double value, double factor);
// A point on a window in pixels, to the nearest twip.
QPoint nearestTwips(QPointF pixel, double factor);

// The zoom at which a window of windowTwips takes about three quarters of the available height
// and still fits its width: quarter steps, never below 1 nor above 3.
double zoomToFit(const QSize &windowTwips, const QSize &availablePixels);
// The largest quarter step, from 1 to 3, at which a window of windowTwips fits within
// screenPixels whole; 1 where not even that fits.
double largestZoomWithin(const QSize &windowTwips, const QSize &screenPixels);

} // namespace twips

// From this zoom on the screen is big enough to give every scroll bar a size a six-year-old's
// mouse hand, or a finger on a classroom board, can hit.
constexpr double reachableFromZoom = 1.5;
constexpr int reachableThickness = 40;

// The least thickness of a scroll bar at the zoom.
int leastBarThickness(double factor);
// Where a control placed at `pixels` at the zoom goes: a scroll bar grows about its middle line
// to the least thickness; anything else stays as placed.
QRect reachableGeometry(const QWidget *control, const QRect &pixels, double factor);

// What holds controls placed in twips from a corner of its own: a window in full screen shows
// its client area in the middle of the screen.
class TwipsOrigin
{
public:
    virtual QPoint clientOrigin() const = 0;

protected:
    ~TwipsOrigin() = default;
};

// A control whose position and size the program keeps in twips; the left edge of a race
// figure is its score, so the logic reads these numbers, never the pixel geometry.
class TwipsPlaced : public ZoomFollower
{
public:
    int leftTwips() const { return rect_.x(); }
    int topTwips() const { return rect_.y(); }
    int widthTwips() const { return rect_.width(); }
    int heightTwips() const { return rect_.height(); }
    QRect rectTwips() const { return rect_; }

    void setLeftTwips(int left);
    void setTopTwips(int top);
    void setWidthTwips(int width);
    void setRectTwips(const QRect &rect);
    // Puts the control where its twips say; its window calls it when its client area moves.
    void place();

protected:
    // Follows the zoom of what the control sits on, which it has by now.
    explicit TwipsPlaced(QWidget *self);
    ~TwipsPlaced() override = default;

    // Places the control anew and scales its font; a control with more drawn at the zoom adds to it.
    void followZoom(double previous) override;

private:
    QWidget *self_;
    QRect rect_;
};

} // namespace kit
