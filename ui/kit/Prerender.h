// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <functional>
#include <memory>

namespace kit {

// An image a control will paint, drawn on a second core while the window is still being built
// and laid out. Whoever asks for it first draws it: the drawing thread, or the painting thread
// when it gets there before the drawing thread has begun. The drawing must touch nothing but the
// image and what it captured by value: no widget, and no QFont of a widget (a font made in the
// drawing is its own, and may be used there).
class PendingImage
{
public:
    PendingImage() = default;
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

    std::shared_ptr<Job> job_;
};

// Work the painting thread will be glad to find done, such as looking up fonts it is about to
// use: done on the drawing thread before any image, and never waited for.
void doAside(std::function<void()> work);

} // namespace kit
