#pragma once

#include <QRect>

class QWidget;

namespace twips {

constexpr int perPixel = 15;

// The one place where twips become pixels; a zoom factor scales every window at once.
double zoom();
void setZoom(double factor);
int toPixels(int value);
QRect toPixels(const QRect &rect);

} // namespace twips

// A control whose position and size the program keeps in twips; the left edge of a race
// figure is its score, so the logic reads these numbers, never the pixel geometry.
class TwipsPlaced
{
public:
    int leftTwips() const { return rect_.x(); }
    int topTwips() const { return rect_.y(); }
    int widthTwips() const { return rect_.width(); }
    int heightTwips() const { return rect_.height(); }
    QRect rectTwips() const { return rect_; }

    void setLeftTwips(int left);
    void setTopTwips(int top);
    void setWidthTwips(int width);
    void setRectTwips(const QRect &rect);

protected:
    explicit TwipsPlaced(QWidget *self) : self_(self) {}
    ~TwipsPlaced() = default;

private:
    void apply();

    QWidget *self_;
    QRect rect_;
};
