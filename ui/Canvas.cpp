#include "ui/Canvas.h"

#include "ui/Twips.h"

#include <QPainter>
#include <QWidget>
#include <cmath>

namespace {

// A pen one pixel wide whatever the zoom, with square ends so lines reach their end points.
QPen thinPen(const QColor &colour)
{
    QPen pen(colour, 0);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

} // namespace

Canvas::Canvas(QWidget *owner, const QSize &clientTwips, const QColor &background)
    : owner_(owner), background_(background),
      image_(twips::toPixels(clientTwips.width()), twips::toPixels(clientTwips.height()), QImage::Format_RGB32)
{
    image_.fill(background_);
}

void Canvas::clear()
{
    image_.fill(background_);
    owner_->update();
}

void Canvas::line(QPoint from, QPoint to, const QColor &colour)
{
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(thinPen(colour));
    painter.drawLine(toPixel(from), toPixel(to));
    owner_->update();
}

void Canvas::rectangle(QPoint corner, QPoint oppositeCorner, const QColor &colour)
{
    const QRect r = QRect(toPixel(corner), toPixel(oppositeCorner)).normalized();
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(thinPen(colour));
    painter.setBrush(Qt::NoBrush);
    // A one-pixel outline of w x h covers w + 1 x h + 1 pixels: both corners included.
    painter.drawRect(r.x(), r.y(), r.width() - 1, r.height() - 1);
    owner_->update();
}

void Canvas::filledRectangle(const QRect &twips, const QColor &colour)
{
    const QRect pixels(toPixel(twips.topLeft()), toPixel(twips.topLeft() + QPoint(twips.width(), twips.height())));
    QPainter painter(&image_);
    painter.fillRect(QRect(pixels.topLeft(), pixels.size() - QSize(1, 1)), colour);
    owner_->update();
}

void Canvas::filledCircle(QPoint centre, int radius, const QColor &colour)
{
    const double r = radius * twips::zoom() / twips::perPixel;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(toPixel(centre)) + QPointF(0.5, 0.5), r, r);
    owner_->update();
}

QColor Canvas::colourAt(QPoint twips) const
{
    const QPoint p = toPixel(twips);
    if (!image_.rect().contains(p))
        return background_;
    return image_.pixelColor(p);
}

QPoint Canvas::twipsAt(QPoint pixel)
{
    const double perPixel = twips::perPixel / twips::zoom();
    return QPoint(int(std::lround(pixel.x() * perPixel)), int(std::lround(pixel.y() * perPixel)));
}

void Canvas::paint(QPainter &painter) const
{
    painter.drawImage(QPoint(0, 0), image_);
}

QPoint Canvas::toPixel(QPoint twips) const
{
    // Pixel p covers the twips from p * 15 up to (p + 1) * 15.
    const double scale = twips::zoom() / twips::perPixel;
    return QPoint(int(std::floor(twips.x() * scale)), int(std::floor(twips.y() * scale)));
}
