// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>
#include <QRect>

class QWidget;

namespace kit {

// From this zoom on the screen is big enough to give every scroll bar a size a six-year-old's
// mouse hand, or a finger on a classroom board, can hit.
constexpr double reachableFromZoom = 1.5;
constexpr int reachableThickness = 40;

// The least thickness of a scroll bar at the zoom in force.
int leastBarThickness();
// Where a control placed at `pixels` goes: a scroll bar grows about its middle line to the least
// thickness; anything else stays as placed.
QRect reachableGeometry(const QWidget *control, const QRect &pixels);

// The platform's style with what the child has to hit grown with the zoom: a scroll bar's arrows
// are square with the bar (but leave the thumb a third of it to move in), its thumb at least as
// long as the bar is thick, the bars inside lists at least the least thickness, and a spin box's
// up and down buttons as much wider as its text is larger.
class ZoomStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override;
};

// Makes ZoomStyle the application's style and lets tooltips grow with the zoom; once, before
// the first window is made.
void installZoomStyle();

} // namespace kit
