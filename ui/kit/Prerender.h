// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <functional>
#include <memory>

class QWidget;

namespace kit {

// The thread that draws pictures ahead on a second core. It runs while there is something to do
// and ends when its queues are empty. Made by main after the application (tests make their own)
// and destroyed before it, after the windows: it first finishes the work left in its queues,
// since drawings may use the application's fonts.
class Drawer
{
public:
    Drawer();
    ~Drawer();
    Drawer(const Drawer &) = delete;
    Drawer &operator=(const Drawer &) = delete;

    // Work the painting thread will be glad to find done, such as looking up fonts it is about to
    // use: done on the drawing thread before any image, and never waited for.
    void doAside(std::function<void()> work);

    // Leaves what has not begun and waits for the drawing under way: for an end that cannot wait
    // for the windows to go (the display lost). A picture dropped so is drawn when it is asked for.
    void stop();

    struct Queues;

private:
    friend class PendingImage;
    std::unique_ptr<Queues> queues_;
};

// What hands its drawer on to the controls made inside it: a window.
class DrawsAhead
{
public:
    virtual Drawer *drawer() const = 0;

protected:
    ~DrawsAhead() = default;
};

// The drawer of the window a widget sits in; none outside the program's windows.
Drawer *drawerOf(const QWidget *widget);

// An image a control will paint, drawn on a second core while the window is still being built
// and laid out. Whoever asks for it first draws it: the drawing thread, or the painting thread
// when it gets there before the drawing thread has begun. The drawing must touch nothing but the
// image and what it captured by value: no widget, and no QFont of a widget (a font made in the
// drawing is its own, and may be used there).
class PendingImage
{
public:
    // Drawn ahead by drawer, which outlives the image; with none, drawn when it is asked for.
    explicit PendingImage(Drawer *drawer) : drawer_(drawer) {}
    ~PendingImage(); // waits for a drawing under way, so nothing outlives what it captured
    PendingImage(const PendingImage &) = delete;
    PendingImage &operator=(const PendingImage &) = delete;

    // Queues a drawing, dropping the one queued before if it has not begun.
    void start(std::function<QImage()> draw);
    // The drawn image, drawn here if need be; an empty image if nothing was started.
    QImage image();
    bool isStarted() const { return job_ != nullptr; }
    void clear();

    struct Job;

private:
    void drop(bool waitForDrawing);

    Drawer *drawer_;
    std::shared_ptr<Job> job_;
};

} // namespace kit
