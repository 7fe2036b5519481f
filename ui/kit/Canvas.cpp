// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Canvas.h"

#include <QPainter>
#include <QWidget>
#include <utility>

namespace kit {

namespace {

// A band of whole pixels from one corner to the other, both included, widened by width - 1 to the
// right and down: a line as sharp at every zoom as at zoom 1.
void fillBand(QPainter &painter, QPoint from, QPoint to, int width, const QColor &colour)
{
    const QRect band = QRect(from, to).normalized();
    painter.fillRect(QRect(band.topLeft(), band.bottomRight() + QPoint(width - 1, width - 1)), colour);
}

} // namespace

Canvas::Canvas(QWidget *owner, const QSize &clientTwips, const QColor &background)
    : ZoomFollower(zoomOf(owner), Stage::Controls), owner_(owner), clientTwips_(clientTwips), background_(background),
      image_(twips::toPixelsAt(clientTwips.width(), zoomValue()), twips::toPixelsAt(clientTwips.height(), zoomValue()),
             QImage::Format_RGB32)
{
    image_.fill(background_);
}

void Canvas::clear()
{
    strokes_.clear();
    image_.fill(background_);
    owner_->update();
}

void Canvas::line(QPoint from, QPoint to, const QColor &colour)
{
    draw({Stroke::Kind::Line, from, to, colour});
}

void Canvas::rectangle(QPoint corner, QPoint oppositeCorner, const QColor &colour)
{
    draw({Stroke::Kind::Rectangle, corner, oppositeCorner, colour});
}

void Canvas::filledRectangle(const QRect &twips, const QColor &colour)
{
    draw({Stroke::Kind::FilledRectangle, twips.topLeft(), twips.topLeft() + QPoint(twips.width(), twips.height()),
          colour});
}

void Canvas::filledCircle(QPoint centre, int radius, const QColor &colour)
{
    draw({Stroke::Kind::FilledCircle, centre, QPoint(radius, 0), colour});
}

void Canvas::draw(const Stroke &stroke)
{
    strokes_.append(stroke);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPoint from = toPixel(stroke.from);
    const int width = twips::lineWidthAt(zoomValue());
    switch (stroke.kind) {
    case Stroke::Kind::Line: {
        const QPoint to = toPixel(stroke.to);
        if (from.x() == to.x() || from.y() == to.y()) {
            fillBand(painter, from, to, width, stroke.colour);
        } else {
            // A pen one pixel wide at zoom 1, with square ends so lines reach their end points.
            QPen pen(stroke.colour, width == 1 ? 0 : width);
            pen.setCapStyle(Qt::SquareCap);
            painter.setPen(pen);
            painter.drawLine(from, to);
        }
        break;
    }
    case Stroke::Kind::Rectangle: {
        const QRect r = QRect(from, toPixel(stroke.to)).normalized();
        fillBand(painter, r.topLeft(), r.topRight(), width, stroke.colour);
        fillBand(painter, r.bottomLeft(), r.bottomRight(), width, stroke.colour);
        fillBand(painter, r.topLeft(), r.bottomLeft(), width, stroke.colour);
        fillBand(painter, r.topRight(), r.bottomRight(), width, stroke.colour);
        break;
    }
    case Stroke::Kind::FilledRectangle:
        // The pixels from the first corner up to, not including, the pixel of the far edge.
        painter.fillRect(QRect(from, toPixel(stroke.to) - QPoint(1, 1)), stroke.colour);
        break;
    case Stroke::Kind::FilledCircle: {
        const double r = twips::toExactPixels(stroke.to.x(), zoomValue());
        painter.setPen(Qt::NoPen);
        painter.setBrush(stroke.colour);
        painter.drawEllipse(QPointF(from) + QPointF(0.5, 0.5), r, r);
        break;
    }
    }
    owner_->update();
}

void Canvas::drawAll()
{
    image_ = QImage(twips::toPixelsAt(clientTwips_.width(), zoomValue()),
                    twips::toPixelsAt(clientTwips_.height(), zoomValue()), QImage::Format_RGB32);
    image_.fill(background_);
    const QList<Stroke> strokes = std::exchange(strokes_, {});
    for (const Stroke &stroke : strokes)
        draw(stroke);
}

void Canvas::followZoom(double)
{
    drawAll();
}

QColor Canvas::colourAt(QPoint twips) const
{
    const QPoint p = toPixel(twips);
    if (!image_.rect().contains(p))
        return background_;
    return image_.pixelColor(p);
}

QPoint Canvas::twipsAt(QPoint pixel) const
{
    // The colour read back at it is the colour of that very pixel at every zoom.
    return twips::firstTwipIn(pixel, zoomValue());
}

void Canvas::paint(QPainter &painter) const
{
    painter.drawImage(QPoint(0, 0), image_);
}

QPoint Canvas::toPixel(QPoint twips) const
{
    return twips::coveringPixel(twips, zoomValue());
}

} // namespace kit
