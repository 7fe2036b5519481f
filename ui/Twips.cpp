// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Twips.h"

#include "ui/Display.h"
#include "ui/Form.h"
#include "ui/ZoomStyle.h"

#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace kit {

namespace {

// Every control, canvas and window made so far; a handful of dozen per window.
std::vector<ZoomFollower *> &followers()
{
    static std::vector<ZoomFollower *> all;
    return all;
}

// Where a widget keeps the size its font has at zoom 1, and the size last shown, so that a font the
// program sets anew is told apart from one the zoom scaled.
const char *const fontAtZoom1 = "quarimoFontAtZoom1";
const char *const fontShown = "quarimoFontShown";

double clampedZoom(double factor)
{
    return std::clamp(factor, twips::minimumZoom, twips::maximumZoom);
}

} // namespace

namespace twips {

double zoom()
{
    return Display::instance().zoom();
}

void setZoom(double factor)
{
    const double next = clampedZoom(factor);
    Display &display = Display::instance();
    if (next == display.zoom_)
        return;
    const double previous = display.zoom_;
    display.zoom_ = next;
    // Controls first, so a window that fits texts to its controls sees their new sizes. A follower
    // may make or destroy others meanwhile: walk by index and look again each time.
    for (ZoomFollower::Stage stage : {ZoomFollower::Stage::Controls, ZoomFollower::Stage::Windows}) {
        for (std::size_t i = 0; i < followers().size(); ++i) {
            ZoomFollower *follower = followers()[i];
            if (follower->stage_ == stage)
                follower->followZoom(previous);
        }
    }
}

int toPixels(int value)
{
    return toPixelsAt(value, zoom());
}

int toPixelsAt(int value, double factor)
{
    // Whole pixels of zoom 1 first: every window is its zoom 1 self enlarged, and no control moves
    // a pixel against its neighbours from one zoom to the next.
    const long atZoom1 = std::lround(double(value) / perPixel);
    return int(std::lround(atZoom1 * factor));
}

QRect toPixels(const QRect &rect)
{
    return QRect(toPixels(rect.x()), toPixels(rect.y()), toPixels(rect.width()), toPixels(rect.height()));
}

int lineWidth(int widthAtZoom1)
{
    return std::max(1, int(std::lround(widthAtZoom1 * zoom())));
}

int fontPixels(double points)
{
    return std::max(1, int(std::lround(points * 96.0 / 72.0 * zoom())));
}

QPoint coveringPixel(QPoint twips)
{
    const double scale = zoom() / perPixel;
    return QPoint(int(std::floor(twips.x() * scale)), int(std::floor(twips.y() * scale)));
}

QPoint firstTwipIn(QPoint pixel)
{
    const double twipsPerPixel = perPixel / zoom();
    return QPoint(int(std::ceil(pixel.x() * twipsPerPixel)), int(std::ceil(pixel.y() * twipsPerPixel)));
}

double toExactPixels(double value)
{
    return value * zoom() / perPixel;
}

QPoint nearestTwips(QPointF pixel)
{
    const double twipsPerPixel = perPixel / zoom();
    return QPoint(int(std::lround(pixel.x() * twipsPerPixel)), int(std::lround(pixel.y() * twipsPerPixel)));
}

double zoomToFit(const QSize &windowTwips, const QSize &availablePixels)
{
    if (windowTwips.isEmpty() || availablePixels.isEmpty())
        return minimumZoom;
    const double heightAtZoom1 = double(windowTwips.height()) / perPixel;
    const double widthAtZoom1 = double(windowTwips.width()) / perPixel;
    double factor = std::round(0.75 * availablePixels.height() / heightAtZoom1 / zoomStep) * zoomStep;
    // A wide window on a narrow screen: smaller, so it is seen whole.
    while (factor > minimumZoom && widthAtZoom1 * factor > availablePixels.width())
        factor -= zoomStep;
    return clampedZoom(factor);
}

double largestZoomWithin(const QSize &windowTwips, const QSize &screenPixels)
{
    double factor = maximumZoom;
    while (factor > minimumZoom && (toPixelsAt(windowTwips.width(), factor) > screenPixels.width() ||
                                    toPixelsAt(windowTwips.height(), factor) > screenPixels.height()))
        factor -= zoomStep;
    return factor;
}

double zoomAbove()
{
    return clampedZoom((std::floor(zoom() / zoomStep + 1e-9) + 1) * zoomStep);
}

} // namespace twips

// ---- ZoomFollower

ZoomFollower::ZoomFollower(Stage stage) : stage_(stage)
{
    followers().push_back(this);
}

ZoomFollower::~ZoomFollower()
{
    // Windows are torn down from their last control back: look from the end.
    auto &all = followers();
    const auto found = std::find(all.rbegin(), all.rend(), this);
    if (found != all.rend())
        all.erase(std::next(found).base());
}

void ZoomFollower::scaleFont(QWidget *widget, double previous)
{
    // Only fonts the program chose: others follow their window's font.
    if (!widget->testAttribute(Qt::WA_SetFont))
        return;
    QFont font = widget->font();
    const int shown = font.pixelSize();
    if (shown <= 0)
        return;
    const QVariant known = widget->property(fontAtZoom1);
    // A font set since the last change was made at the previous zoom.
    const double atZoom1 =
        known.isValid() && widget->property(fontShown).toInt() == shown ? known.toDouble() : shown / previous;
    const int scaled = std::max(1, int(std::lround(atZoom1 * twips::zoom())));
    widget->setProperty(fontAtZoom1, atZoom1);
    widget->setProperty(fontShown, scaled);
    if (scaled == shown)
        return;
    font.setPixelSize(scaled);
    widget->setFont(font);
}

// ---- TwipsPlaced

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

void TwipsPlaced::followZoom(double previous)
{
    apply();
    scaleFont(self_, previous);
}

void TwipsPlaced::apply()
{
    QRect pixels = twips::toPixels(rect_);
    if (const auto *form = qobject_cast<const Form *>(self_->parentWidget()))
        pixels.translate(form->clientOrigin());
    self_->setGeometry(kit::reachableGeometry(self_, pixels));
}

} // namespace kit
