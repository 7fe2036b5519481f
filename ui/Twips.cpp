#include "ui/Twips.h"

#include <QWidget>
#include <cmath>

namespace {
double zoomFactor = 1.0;
}

namespace twips {

double zoom()
{
    return zoomFactor;
}

void setZoom(double factor)
{
    zoomFactor = factor > 0 ? factor : 1.0;
}

int toPixels(int value)
{
    return int(std::lround(value * zoomFactor / perPixel));
}

QRect toPixels(const QRect &rect)
{
    return QRect(toPixels(rect.x()), toPixels(rect.y()), toPixels(rect.width()), toPixels(rect.height()));
}

} // namespace twips

void TwipsPlaced::setLeftTwips(int left)
{
    rect_.moveLeft(left);
    apply();
}

void TwipsPlaced::setTopTwips(int top)
{
    rect_.moveTop(top);
    apply();
}

void TwipsPlaced::setWidthTwips(int width)
{
    rect_.setWidth(width);
    apply();
}

void TwipsPlaced::setRectTwips(const QRect &rect)
{
    rect_ = rect;
    apply();
}

void TwipsPlaced::apply()
{
    self_->setGeometry(twips::toPixels(rect_));
}
