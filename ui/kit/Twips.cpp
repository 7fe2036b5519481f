// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Twips.h"

#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace kit {

namespace twips {

int toPixelsAt(int value, double factor)
{
    // Whole pixels of zoom 1 first: every window is its zoom 1 self enlarged, and no control moves
    // a pixel against its neighbours from one zoom to the next.
    const long atZoom1 = std::lround(double(value) / perPixel);
    return int(std::lround(atZoom1 * factor));
}

QRect toPixelsAt(const QRect &rect, double factor)
{
    return QRect(toPixelsAt(rect.x(), factor), toPixelsAt(rect.y(), factor), toPixelsAt(rect.width(), factor),
                 toPixelsAt(rect.height(), factor));
}

int lineWidthAt(double factor, int widthAtZoom1)
{
    return std::max(1, int(std::lround(widthAtZoom1 * factor)));
}

int fontPixelsAt(double points, double factor)
{
    return std::max(1, int(std::lround(points * 96.0 / 72.0 * factor)));
}

QPoint coveringPixel(QPoint twips, double factor)
{
    const double scale = factor / perPixel;
    return QPoint(int(std::floor(twips.x() * scale)), int(std::floor(twips.y() * scale)));
}

QPoint firstTwipIn(QPoint pixel, double factor)
{
    const double twipsPerPixel = perPixel / factor;
    return QPoint(int(std::ceil(pixel.x() * twipsPerPixel)), int(std::ceil(pixel.y() * twipsPerPixel)));
}

double toExactPixels(double value, double factor)
{
    return value * factor / perPixel;
}

QPoint nearestTwips(QPointF pixel, double factor)
{
    const double twipsPerPixel = perPixel / factor;
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

int leastBarThickness(double factor)
{
    return factor >= reachableFromZoom ? reachableThickness : 0;
}

QRect reachableGeometry(const QWidget *control, const QRect &pixels, double factor)
{
    const auto *bar = qobject_cast<const QScrollBar *>(control);
    if (!bar)
        return pixels;
    QRect grown = pixels;
    if (bar->orientation() == Qt::Horizontal) {
        const int more = leastBarThickness(factor) - pixels.height();
        if (more > 0)
            grown.adjust(0, -more / 2, 0, more - more / 2);
    } else {
        const int more = leastBarThickness(factor) - pixels.width();
        if (more > 0)
            grown.adjust(-more / 2, 0, more - more / 2, 0);
    }
    return grown;
}

// ---- TwipsPlaced

TwipsPlaced::TwipsPlaced(QWidget *self) : ZoomFollower(zoomOf(self->parentWidget()), Stage::Controls), self_(self) {}

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
    QRect pixels = twips::toPixelsAt(rect_, zoomValue());
    if (const auto *holder = dynamic_cast<const TwipsOrigin *>(self_->parentWidget()))
        pixels.translate(holder->clientOrigin());
    self_->setGeometry(kit::reachableGeometry(self_, pixels, zoomValue()));
}

} // namespace kit
