// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/ZoomStyle.h"

#include "ui/kit/Twips.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QStyleOptionSpinBox>
#include <QToolTip>
#include <cmath>

namespace kit {

namespace {

int zoomedAt(int plain, double zoom)
{
    return int(std::lround(plain * zoom));
}

// A scroll bar the program placed itself (the answer bars and the range): unlike the bars
// inside a list, its thickness is given, so its arrows and thumb are sized to it.
const QStyleOptionSlider *placedBar(const QStyleOption *option, const QWidget *widget)
{
    if (!qobject_cast<const QScrollBar *>(widget) || !dynamic_cast<const TwipsPlaced *>(widget))
        return nullptr;
    const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
    return slider && !slider->rect.isEmpty() ? slider : nullptr;
}

int thickness(const QStyleOptionSlider *bar)
{
    return bar->orientation == Qt::Horizontal ? bar->rect.height() : bar->rect.width();
}

int length(const QStyleOptionSlider *bar)
{
    return bar->orientation == Qt::Horizontal ? bar->rect.width() : bar->rect.height();
}

int arrowLength(const QStyleOptionSlider *bar)
{
    return qMin(thickness(bar), length(bar) / 3);
}

// Tooltips are read at the size of the window they explain. The style owns it, and the
// application ends the style: nothing made at start is left for the end of the process.
class ToolTipFont : public QObject, public ZoomFollower
{
public:
    ToolTipFont(QObject *owner, Zoom *zoom)
        : QObject(owner), ZoomFollower(zoom, Stage::Controls), atZoom1_(QToolTip::font())
    {
        apply();
    }

    void followZoom(double) override { apply(); }

private:
    void apply()
    {
        QFont font = atZoom1_;
        if (atZoom1_.pixelSize() > 0)
            font.setPixelSize(zoomedAt(atZoom1_.pixelSize(), zoomValue()));
        else
            font.setPointSizeF(atZoom1_.pointSizeF() * zoomValue());
        QToolTip::setFont(font);
    }

    const QFont atZoom1_;
};

} // namespace

int ZoomStyle::zoomed(int plain) const
{
    return zoomedAt(plain, zoomValue());
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int plain = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ScrollBarExtent:
        // The arrows of a horizontal bar are as wide as this, those of a vertical one as high.
        if (const QStyleOptionSlider *bar = placedBar(option, widget))
            return qMax(arrowLength(bar), 1);
        return qMax(zoomed(plain), leastBarThickness(zoomValue()));
    case PM_ScrollBarSliderMin:
        if (const QStyleOptionSlider *bar = placedBar(option, widget)) {
            const int groove = length(bar) - 2 * arrowLength(bar);
            return qMax(zoomed(plain), qMin(thickness(bar), groove / 2));
        }
        return zoomed(plain);
    default:
        return plain;
    }
}

QRect ZoomStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                                const QWidget *widget) const
{
    const QRect plain = QProxyStyle::subControlRect(control, option, part, widget);
    const auto *spin = control == CC_SpinBox ? qstyleoption_cast<const QStyleOptionSpinBox *>(option) : nullptr;
    if (!spin || spin->buttonSymbols == QAbstractSpinBox::NoButtons)
        return plain;
    // The platform keeps its spin buttons one small width whatever the size of the text beside
    // them; they grow with it, and the text field gives them the room.
    const int width = QProxyStyle::subControlRect(control, option, SC_SpinBoxUp, widget).width();
    const int more = zoomed(width) - width;
    if (more <= 0)
        return plain;
    const bool leftToRight = spin->direction != Qt::RightToLeft;
    QRect grown = plain;
    switch (part) {
    case SC_SpinBoxUp:
    case SC_SpinBoxDown:
        if (leftToRight)
            grown.setLeft(grown.left() - more);
        else
            grown.setRight(grown.right() + more);
        break;
    case SC_SpinBoxEditField:
        if (leftToRight)
            grown.setRight(grown.right() - more);
        else
            grown.setLeft(grown.left() + more);
        break;
    default:
        break;
    }
    return grown;
}

namespace {

// An arrow to fill a grown button: the platform draws its arrows at one small size whatever the
// button, and the grown ones get arrows to match, drawn over the small ones.
// `fill` is the share of the button's shorter side the arrow takes.
void drawArrow(QPainter *painter, const QRectF &button, Qt::ArrowType direction, qreal fill)
{
    const qreal side = std::round(qMin(button.width(), button.height()) * fill);
    if (side < 9)
        return;
    const QPointF c = button.center();
    const qreal h = side / 2;
    const qreal w = side * 0.3; // half the arrow's depth
    const bool towardsStart = direction == Qt::LeftArrow || direction == Qt::UpArrow;
    const qreal tip = towardsStart ? -w : w;
    QPainterPath arrow;
    if (direction == Qt::LeftArrow || direction == Qt::RightArrow) {
        arrow.moveTo(c + QPointF(tip, 0));
        arrow.lineTo(c + QPointF(-tip, -h));
        arrow.lineTo(c + QPointF(-tip, h));
    } else {
        arrow.moveTo(c + QPointF(0, tip));
        arrow.lineTo(c + QPointF(-h, -tip));
        arrow.lineTo(c + QPointF(h, -tip));
    }
    arrow.closeSubpath();
    painter->drawPath(arrow);
}

QColor arrowColour(const QStyleOption *option, bool enabled)
{
    return option->palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
}

} // namespace

void ZoomStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                   const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (zoomValue() <= 1.0)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    if (const auto *bar = control == CC_ScrollBar ? qstyleoption_cast<const QStyleOptionSlider *>(option) : nullptr) {
        const bool horizontal = bar->orientation == Qt::Horizontal;
        painter->setBrush(arrowColour(bar, bar->state & State_Enabled));
        drawArrow(painter, subControlRect(CC_ScrollBar, bar, SC_ScrollBarSubLine, widget),
                  horizontal ? Qt::LeftArrow : Qt::UpArrow, 0.45);
        drawArrow(painter, subControlRect(CC_ScrollBar, bar, SC_ScrollBarAddLine, widget),
                  horizontal ? Qt::RightArrow : Qt::DownArrow, 0.45);
    } else if (const auto *spin =
                   control == CC_SpinBox ? qstyleoption_cast<const QStyleOptionSpinBox *>(option) : nullptr;
               spin && spin->buttonSymbols == QAbstractSpinBox::UpDownArrows) {
        const bool enabled = spin->state & State_Enabled;
        painter->setBrush(arrowColour(spin, enabled && (spin->stepEnabled & QAbstractSpinBox::StepUpEnabled)));
        // A spin button is half the box high: its arrow takes more of it.
        drawArrow(painter, subControlRect(CC_SpinBox, spin, SC_SpinBoxUp, widget), Qt::UpArrow, 0.7);
        painter->setBrush(arrowColour(spin, enabled && (spin->stepEnabled & QAbstractSpinBox::StepDownEnabled)));
        drawArrow(painter, subControlRect(CC_SpinBox, spin, SC_SpinBoxDown, widget), Qt::DownArrow, 0.7);
    }
    painter->restore();
}

void installZoomStyle(Zoom &zoom)
{
    auto *style = new ZoomStyle(&zoom);
    new ToolTipFont(style, &zoom);
    QApplication::setStyle(style);
}

} // namespace kit
