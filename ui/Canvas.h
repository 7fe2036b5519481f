#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;
class QWidget;

// What a window draws on its own surface (grid, nails, targets, holes), kept in an image so it
// survives while the window is hidden or covered. Coordinates are twips from the top-left corner
// of the window's client area. Antialiasing stays off, so the colour read back at a point is
// exactly the colour drawn there.
class Canvas
{
public:
    Canvas(QWidget *owner, const QSize &clientTwips, const QColor &background);

    // Everything drawn goes; the surface shows the background colour again.
    void clear();
    void line(QPoint from, QPoint to, const QColor &colour);
    // An outline through both corners, both included.
    void rectangle(QPoint corner, QPoint oppositeCorner, const QColor &colour);
    void filledRectangle(const QRect &twips, const QColor &colour);
    void filledCircle(QPoint centre, int radius, const QColor &colour);

    QColor colourAt(QPoint twips) const;
    // The twips point under a pixel of the window (for mouse positions).
    static QPoint twipsAt(QPoint pixel);

    QColor background() const { return background_; }
    const QImage &image() const { return image_; }
    // Puts the surface onto the window; call first in the window's paint event.
    void paint(QPainter &painter) const;

private:
    QPoint toPixel(QPoint twips) const;

    QWidget *owner_;
    QColor background_;
    QImage image_;
};
