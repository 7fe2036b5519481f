// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

class QWidget;

namespace kit {

class ZoomFollower;

// The factor every window is drawn at, in quarter steps from 1 to 3, and everything drawn at it:
// told in two rounds when it changes, the controls first, then the windows.
class Zoom
{
public:
    static constexpr double minimum = 1.0;
    static constexpr double maximum = 3.0;
    static constexpr double step = 0.25;

    Zoom() = default;
    ~Zoom();
    Zoom(const Zoom &) = delete;
    Zoom &operator=(const Zoom &) = delete;

    static double clamped(double factor);

    double value() const { return value_; }
    // Takes the new zoom (kept between 1 and 3) into every follower.
    void set(double factor);
    // Where Ctrl+Plus and Ctrl+Minus go from the zoom in force.
    double above() const;
    double below() const;

    void add(ZoomFollower *follower);
    void remove(const ZoomFollower *follower);

private:
    double value_ = 1.0;
    // Every control, canvas and window made so far; a handful of dozen per window.
    std::vector<ZoomFollower *> followers_;
};

// Something drawn at the zoom: told when the zoom changes, after the controls have moved when it
// is a window, so a window may fit its texts to the new sizes.
class ZoomFollower
{
public:
    enum class Stage { Controls, Windows };

    ZoomFollower(const ZoomFollower &) = delete;
    ZoomFollower &operator=(const ZoomFollower &) = delete;

    Stage stage() const { return stage_; }
    // previous is the zoom everything was drawn at until now.
    virtual void followZoom(double previous) = 0;
    // The zoom followed is gone before the follower (a tooltip font the application ends last):
    // nothing to follow any more.
    void zoomEnded() { zoom_ = nullptr; }
    // The zoom followed, handed on to what is made inside the follower; none at 1.
    Zoom *zoom() const { return zoom_; }
    double zoomValue() const { return zoom_ ? zoom_->value() : 1.0; }

protected:
    // Follows zoom from now on; none (a widget made outside the program's windows) stays at 1.
    ZoomFollower(Zoom *zoom, Stage stage);
    virtual ~ZoomFollower();

    // Scales a font the program set on the widget; the size at zoom 1 is kept, so going up and
    // down again ends at the same size.
    void scaleFont(QWidget *widget, double previous) const;

private:
    Zoom *zoom_;
    Stage stage_;
};

// The zoom a widget is drawn at: the one its nearest follower (itself, or a control or window
// it sits in) follows; none for a widget outside the program's windows.
Zoom *zoomOf(const QWidget *widget);

} // namespace kit
