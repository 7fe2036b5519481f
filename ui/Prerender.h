#pragma once

#include <QImage>

#include <functional>
#include <memory>

namespace kit {

// An image a control will paint, drawn on a second core while the window is still being built
// and laid out. Whoever asks for it first draws it: the drawing thread, or the painting thread
// when it gets there before the drawing thread has begun. The drawing must touch nothing but the
// image and what it captured: no widget, and no font (fonts belong to the painting thread).
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

} // namespace kit
