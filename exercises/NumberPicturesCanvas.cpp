// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/NumberPicturesCanvas.h"

#include "ui/kit/Controls.h"

#include <QMouseEvent>
#include <QPainter>

using kit::TwipsPlaced;

namespace {

// One bright colour per series, so the child sees which numbers belong together.
QColor seriesColour(int series)
{
    switch (series) {
    case 1:
        return QColor(0, 84, 204);
    case 2:
        return QColor(204, 32, 32);
    default:
        return QColor(0, 136, 56);
    }
}

// Each series also has a dot of its own shape (round, square, diamond), for children who do not
// tell the colours apart.
void drawDot(QPainter &painter, int series, QPoint centre, int radius)
{
    switch (series) {
    case 1:
        painter.drawEllipse(centre, radius, radius);
        return;
    case 2:
        painter.drawRect(QRect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
        return;
    default: {
        const int r = radius + radius / 3;
        const QPoint corners[] = {centre + QPoint(0, -r), centre + QPoint(r, 0), centre + QPoint(0, r),
                                  centre + QPoint(-r, 0)};
        painter.drawPolygon(corners, 4);
        return;
    }
    }
}

QPoint toPixels(QPoint twipsPoint, double zoom)
{
    return QPoint(kit::twips::toPixelsAt(twipsPoint.x(), zoom), kit::twips::toPixelsAt(twipsPoint.y(), zoom));
}

} // namespace

NumberPicturesCanvas::NumberPicturesCanvas(QWidget *parent, const QString &name, const QRect &twips)
    : QWidget(parent), TwipsPlaced(this)
{
    setObjectName(name);
    setRectTwips(twips);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NumberPicturesCanvas::setTemplate(const QList<numberpictures::TemplateNumber> &numbers)
{
    numbers_ = numbers;
    update();
}

void NumberPicturesCanvas::setStrokes(const QList<numberpictures::Stroke> &strokes)
{
    strokes_ = strokes;
    update();
}

void NumberPicturesCanvas::mousePressEvent(QMouseEvent *event)
{
    emit pressed(kit::twips::nearestTwips(event->position(), zoomValue()));
}

void NumberPicturesCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));

    painter.setRenderHint(QPainter::Antialiasing, true);
    const double zoom = zoomValue();
    const QFont face = kit::fontAt(zoom, QStringLiteral("Arial"), 20, true);
    painter.setFont(face);
    const int dotRadius = qMax(3, kit::twips::toPixelsAt(60, zoom));
    const int box = kit::twips::toPixelsAt(600, zoom);
    for (const auto &n : numbers_) {
        const QColor colour = seriesColour(n.series);
        painter.setPen(QPen(colour.darker(160), kit::twips::lineWidthAt(zoom)));
        painter.setBrush(colour);
        drawDot(painter, n.series, toPixels(n.dot, zoom), dotRadius);
        painter.setPen(colour);
        const QPoint centre = toPixels(n.label, zoom);
        painter.drawText(QRect(centre.x() - box / 2, centre.y() - box / 2, box, box), Qt::AlignCenter,
                         QString::number(n.number));
    }

    // The child's lines: thin and black, drawn over the template without touching it.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::WindowText), kit::twips::lineWidthAt(zoom)));
    for (const auto &s : strokes_) {
        if (s.from == s.to)
            painter.drawPoint(toPixels(s.from, zoom));
        else
            painter.drawLine(toPixels(s.from, zoom), toPixels(s.to, zoom));
    }
}
