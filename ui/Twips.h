// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QWidget;

namespace kit {

class Form;

namespace twips {

constexpr int perPixel = 15;

constexpr double minimumZoom = 1.0;
constexpr double maximumZoom = 3.0;
constexpr double zoomStep = 0.25;

// The one place where twips become pixels; a zoom factor scales every window at once. The zoom
// itself is the display's (ui/Display.h), with the start zoom and the zoom keys.
double zoom();
// Takes the new zoom (kept between 1 and 3) into every window, control and canvas made so far.
void setZoom(double factor);
int toPixels(int value);
QRect toPixels(const QRect &rect);
// The pixels a length of twips takes at another zoom than the one in force.
int toPixelsAt(int value, double factor);
// A line that is widthAtZoom1 pixels wide at zoom 1, in whole pixels so it stays sharp.
int lineWidth(int widthAtZoom1 = 1);
// A font size in points as whole pixels at the zoom (96 dots per inch at zoom 1), at least 1, so
// that text fits the twips layout whatever the screen's dots per inch.
int fontPixels(double points);

// A drawing kept as an image: pixel p covers the twips from p * 15 up to (p + 1) * 15 at zoom 1.
QPoint coveringPixel(QPoint twips);
// The first twip inside a pixel of such an image, so a colour read back there is that pixel's.
QPoint firstTwipIn(QPoint pixel);
// A length in twips as pixels at the zoom, not rounded (a circle's radius).
double toExactPixels(double value);
// A point on a window in pixels, to the nearest twip.
QPoint nearestTwips(QPointF pixel);

// The zoom at which a window of windowTwips takes about three quarters of the available height
// and still fits its width: quarter steps, never below 1 nor above 3.
double zoomToFit(const QSize &windowTwips, const QSize &availablePixels);
// The largest quarter step, from 1 to 3, at which a window of windowTwips fits within
// screenPixels whole; 1 where not even that fits.
double largestZoomWithin(const QSize &windowTwips, const QSize &screenPixels);
// Where Ctrl+Plus would go from the zoom in force.
double zoomAbove();

} // namespace twips

// Something drawn at the zoom: told when the zoom changes, after the controls have moved when it
// is a window, so a window may fit its texts to the new sizes.
class ZoomFollower
{
public:
    enum class Stage { Controls, Windows };

    ZoomFollower(const ZoomFollower &) = delete;
    ZoomFollower &operator=(const ZoomFollower &) = delete;

protected:
    explicit ZoomFollower(Stage stage);
    virtual ~ZoomFollower();

    // previous is the zoom everything was drawn at until now; twips::zoom() is the new one.
    virtual void followZoom(double previous) = 0;

    // Scales a font the program set on the widget; the size at zoom 1 is kept, so going up and
    // down again ends at the same size.
    static void scaleFont(QWidget *widget, double previous);

private:
    friend void twips::setZoom(double factor);
    Stage stage_;
};

// A control whose position and size the program keeps in twips; the left edge of a race
// figure is its score, so the logic reads these numbers, never the pixel geometry.
class TwipsPlaced : public ZoomFollower
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
    explicit TwipsPlaced(QWidget *self) : ZoomFollower(Stage::Controls), self_(self) {}
    ~TwipsPlaced() override = default;

    // Places the control anew and scales its font; a control with more drawn at the zoom adds to it.
    void followZoom(double previous) override;

private:
    // A window in full screen places its controls anew when its client area moves on the screen.
    friend class Form;
    // The rectangle in pixels; on a window, from the top-left corner of its client area.
    void apply();

    QWidget *self_;
    QRect rect_;
};

} // namespace kit
