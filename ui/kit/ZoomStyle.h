// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/Twips.h"

#include <QProxyStyle>
#include <QRect>

class QWidget;

namespace kit {

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

// Makes ZoomStyle the application's style and lets tooltips grow with the zoom the kit draws at
// (handed in before); once, before the first window is made.
void installZoomStyle();

} // namespace kit
