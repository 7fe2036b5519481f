// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Zoom.h"

#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace kit {

namespace {

// Where a widget keeps the size its font has at zoom 1, and the size last shown, so that a font the
// program sets anew is told apart from one the zoom scaled.
const char *const fontAtZoom1 = "quarimoFontAtZoom1";
const char *const fontShown = "quarimoFontShown";

} // namespace

double Zoom::clamped(double factor)
{
    return std::clamp(factor, minimum, maximum);
}

Zoom::~Zoom()
{
    for (ZoomFollower *follower : followers_)
        follower->zoomEnded();
}

void Zoom::set(double factor)
{
    const double next = clamped(factor);
    if (next == value_)
        return;
    const double previous = value_;
    value_ = next;
    // Controls first, so a window that fits texts to its controls sees their new sizes. A follower
    // may make or destroy others meanwhile: walk by index and look again each time.
    for (ZoomFollower::Stage stage : {ZoomFollower::Stage::Controls, ZoomFollower::Stage::Windows}) {
        for (std::size_t i = 0; i < followers_.size(); ++i) {
            ZoomFollower *follower = followers_[i];
            if (follower->stage() == stage)
                follower->followZoom(previous);
        }
    }
}

double Zoom::above() const
{
    return clamped((std::floor(value_ / step + 1e-9) + 1) * step);
}

double Zoom::below() const
{
    return clamped((std::ceil(value_ / step - 1e-9) - 1) * step);
}

void Zoom::add(ZoomFollower *follower)
{
    followers_.push_back(follower);
}

void Zoom::remove(const ZoomFollower *follower)
{
    // Windows are torn down from their last control back: look from the end.
    const auto found = std::find(followers_.rbegin(), followers_.rend(), follower);
    if (found != followers_.rend())
        followers_.erase(std::next(found).base());
}

ZoomFollower::ZoomFollower(Zoom *zoom, Stage stage) : zoom_(zoom), stage_(stage)
{
    if (zoom_)
        zoom_->add(this);
}

ZoomFollower::~ZoomFollower()
{
    if (zoom_)
        zoom_->remove(this);
}

Zoom *zoomOf(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget())
        if (const auto *follower = dynamic_cast<const ZoomFollower *>(widget))
            return follower->zoom();
    return nullptr;
}

void ZoomFollower::scaleFont(QWidget *widget, double previous) const
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
    const int scaled = std::max(1, int(std::lround(atZoom1 * zoomValue())));
    widget->setProperty(fontAtZoom1, atZoom1);
    widget->setProperty(fontShown, scaled);
    if (scaled == shown)
        return;
    font.setPixelSize(scaled);
    widget->setFont(font);
}

} // namespace kit
