// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Twips.h"

#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace kit {

namespace {

// Handed in once by main before the first window; tests hand in theirs.
Zoom *drawn = nullptr;

} // namespace

namespace twips {

void drawAt(Zoom *zoom)
{
    drawn = zoom;
}

Zoom *drawnAt()
{
    return drawn;
}

double zoom()
{
    return drawn ? drawn->value() : 1.0;
}

int toPixels(int value)
{
    return toPixelsAt(value, zoom());
}

int toPixelsAt(int value, double factor)
{
    // Whole pixels of zoom 1 first: every window is its zoom 1 self enlarged, and no control moves
    // a pixel against its neighbours from one zoom to the next.
    const long atZoom1 = std::lround(double(value) / perPixel);
    return int(std::lround(atZoom1 * factor));
}

QRect toPixels(const QRect &rect)
{
    return QRect(toPixels(rect.x()), toPixels(rect.y()), toPixels(rect.width()), toPixels(rect.height()));
}

int lineWidth(int widthAtZoom1)
{
    return std::max(1, int(std::lround(widthAtZoom1 * zoom())));
}

int fontPixels(double points)
{
    return std::max(1, int(std::lround(points * 96.0 / 72.0 * zoom())));
}

QPoint coveringPixel(QPoint twips)
{
    const double scale = zoom() / perPixel;
    return QPoint(int(std::floor(twips.x() * scale)), int(std::floor(twips.y() * scale)));
}

QPoint firstTwipIn(QPoint pixel)
{
    const double twipsPerPixel = perPixel / zoom();
    return QPoint(int(std::ceil(pixel.x() * twipsPerPixel)), int(std::ceil(pixel.y() * twipsPerPixel)));
}

double toExactPixels(double value)
{
    return value * zoom() / perPixel;
}

QPoint nearestTwips(QPointF pixel)
{
    const double twipsPerPixel = perPixel / zoom();
    return QPoint(int(std::lround(pixel.x() * twipsPerPixel)), int(std::lround(pixel.y() * twipsPerPixel)));
}

double zoomToFit(const QSize &windowTwips, const QSize &availablePixels)
{
    if (windowTwips.isEmpty() || availablePixels.isEmpty())
        return minimumZoom;
    const double heightAtZoom1 = double(windowTwips.height()) / perPixel;
    const double widthAtZoom1 = double(windowTwips.width()) / perPixel;
    double factor = std::round(0.75 * availablePixels.height() / heightAtZoom1 / zoomStep) * zoomStep;
    // A wide window on a narrow screen: smaller, so it is seen whole.
    while (factor > minimumZoom && widthAtZoom1 * factor > availablePixels.width())
        factor -= zoomStep;
    return Zoom::clamped(factor);
}

double largestZoomWithin(const QSize &windowTwips, const QSize &screenPixels)
{
    double factor = maximumZoom;
    while (factor > minimumZoom && (toPixelsAt(windowTwips.width(), factor) > screenPixels.width() ||
                                    toPixelsAt(windowTwips.height(), factor) > screenPixels.height()))
        factor -= zoomStep;
    return factor;
}

} // namespace twips

int leastBarThickness()
{
    return twips::zoom() >= reachableFromZoom ? reachableThickness : 0;
}

QRect reachableGeometry(const QWidget *control, const QRect &pixels)
{
    const auto *bar = qobject_cast<const QScrollBar *>(control);
    if (!bar)
        return pixels;
    QRect grown = pixels;
    if (bar->orientation() == Qt::Horizontal) {
        const int more = leastBarThickness() - pixels.height();
        if (more > 0)
            grown.adjust(0, -more / 2, 0, more - more / 2);
    } else {
        const int more = leastBarThickness() - pixels.width();
        if (more > 0)
            grown.adjust(-more / 2, 0, more - more / 2, 0);
    }
    return grown;
}

// ---- TwipsPlaced

void TwipsPlaced::setLeftTwips(int left)
{
    rect_.moveLeft(left);
    place();
}

void TwipsPlaced::setTopTwips(int top)
{
    rect_.moveTop(top);
    place();
}

void TwipsPlaced::setWidthTwips(int width)
{
    rect_.setWidth(width);
    place();
}

void TwipsPlaced::setRectTwips(const QRect &rect)
{
    rect_ = rect;
    place();
}

void TwipsPlaced::followZoom(double previous)
{
    place();
    scaleFont(self_, previous);
}

void TwipsPlaced::place()
{
    QRect pixels = twips::toPixels(rect_);
    if (const auto *holder = dynamic_cast<const TwipsOrigin *>(self_->parentWidget()))
        pixels.translate(holder->clientOrigin());
    self_->setGeometry(kit::reachableGeometry(self_, pixels));
}

} // namespace kit
