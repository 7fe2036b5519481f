// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/Twips.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;
class QWidget;

namespace kit {

// What a window draws on its own surface (grid, nails, targets, holes), kept in an image so it
// survives while the window is hidden or covered. Coordinates are twips from the top-left corner
// of the window's client area. Antialiasing stays off, so the colour read back at a point is
// exactly the colour drawn there, at every zoom: a new zoom draws everything again.
class Canvas : public ZoomFollower
{
public:
    // Drawn at the zoom of its owner, the window it is painted on.
    Canvas(QWidget *owner, const QSize &clientTwips, const QColor &background);

    // Everything drawn goes; the surface shows the background colour again.
    void clear();
    // Lines are one pixel wide at zoom 1 and grow with it in whole pixels, to the right and down.
    void line(QPoint from, QPoint to, const QColor &colour);
    // An outline through both corners, both included.
    void rectangle(QPoint corner, QPoint oppositeCorner, const QColor &colour);
    void filledRectangle(const QRect &twips, const QColor &colour);
    void filledCircle(QPoint centre, int radius, const QColor &colour);

    QColor colourAt(QPoint twips) const;
    // The twips point under a pixel of the window (for mouse positions).
    QPoint twipsAt(QPoint pixel) const;

    QColor background() const { return background_; }
    const QImage &image() const { return image_; }
    // Puts the surface onto the window; call first in the window's paint event.
    void paint(QPainter &painter) const;

protected:
    void followZoom(double previous) override;

private:
    struct Stroke
    {
        enum class Kind { Line, Rectangle, FilledRectangle, FilledCircle };
        Kind kind;
        QPoint from;
        QPoint to; // the opposite corner, or for a circle x = the radius
        QColor colour;
    };

    void draw(const Stroke &stroke);
    void drawAll();
    QPoint toPixel(QPoint twips) const;

    QWidget *owner_;
    QSize clientTwips_;
    QColor background_;
    QImage image_;
    // Everything drawn since the last clear, in twips, for drawing again at another zoom.
    QList<Stroke> strokes_;
};

} // namespace kit
