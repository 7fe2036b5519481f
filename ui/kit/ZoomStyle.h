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
class ZoomStyle : public QProxyStyle, public ZoomFollower
{
public:
    // Grows with zoom; none handed in, or once it has gone, at 1.
    explicit ZoomStyle(Zoom *zoom) : ZoomFollower(zoom, Stage::Controls) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override;

protected:
    // The sizes are asked for afresh whenever something is drawn.
    void followZoom(double) override {}

private:
    int zoomed(int plain) const;
};

// Makes ZoomStyle the application's style and lets tooltips grow with zoom; once, before the
// first window is made (the caller sees to that: a second call puts a second style in).
void installZoomStyle(Zoom &zoom);

} // namespace kit
