// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Prerender.h"

#include <QWidget>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace kit {

struct PendingImage::Job
{
    enum class State { Queued, Drawing, Done };
    std::function<QImage()> draw;
    QImage result;
    State state = State::Queued;
};

using Job = PendingImage::Job;

// Everything the drawing thread shares with the painting thread, under one mutex.
struct Drawer::Queues
{
    std::mutex mutex;
    std::condition_variable done;
    std::deque<std::shared_ptr<Job>> queue;
    std::deque<std::function<void()>> first; // side work, before any image
    std::thread thread;
    bool running = false;

    void run()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            if (!first.empty()) {
                const std::function<void()> work = std::move(first.front());
                first.pop_front();
                lock.unlock();
                work();
                lock.lock();
                continue;
            }
            if (queue.empty())
                break;
            // The newest first: a window paints from the back to the front, so the controls
            // made last are the ones its painting thread reaches last.
            std::shared_ptr<Job> job = std::move(queue.back());
            queue.pop_back();
            job->state = Job::State::Drawing;
            lock.unlock();
            QImage image = job->draw();
            lock.lock();
            finish(*job, std::move(image));
        }
        running = false;
        done.notify_all();
    }

    // Called with the mutex held.
    void finish(Job &job, QImage image)
    {
        job.result = std::move(image);
        job.draw = nullptr;
        job.state = Job::State::Done;
        done.notify_all();
    }

    // Called with the mutex held.
    void wake()
    {
        if (running)
            return;
        // A thread that found the queues empty has let go of the mutex for good.
        if (thread.joinable())
            thread.join();
        running = true;
        thread = std::thread([this] { run(); });
    }
};

Drawer::Drawer() : queues_(std::make_unique<Queues>()) {}

void Drawer::stop()
{
    std::thread finished;
    {
        std::unique_lock lock(queues_->mutex);
        queues_->queue.clear();
        queues_->first.clear();
        queues_->done.wait(lock, [this] { return !queues_->running; });
        finished = std::move(queues_->thread);
    }
    if (finished.joinable())
        finished.join();
}

Drawer::~Drawer()
{
    std::thread finished;
    {
        std::unique_lock lock(queues_->mutex);
        queues_->done.wait(lock, [this] { return !queues_->running; });
        finished = std::move(queues_->thread);
    }
    if (finished.joinable())
        finished.join();
}

void Drawer::doAside(std::function<void()> work)
{
    std::lock_guard lock(queues_->mutex);
    queues_->first.push_back(std::move(work));
    queues_->wake();
}

Drawer *drawerOf(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget())
        if (const auto *holder = dynamic_cast<const DrawsAhead *>(widget))
            return holder->drawer();
    return nullptr;
}

PendingImage::~PendingImage()
{
    drop(true);
}

void PendingImage::clear()
{
    drop(false);
}

void PendingImage::drop(bool waitForDrawing)
{
    if (!job_)
        return;
    if (!drawer_) {
        job_.reset(); // nothing else draws it
        return;
    }
    Drawer::Queues &d = *drawer_->queues_;
    std::unique_lock lock(d.mutex);
    if (job_->state == Job::State::Queued)
        d.queue.erase(std::remove(d.queue.begin(), d.queue.end(), job_), d.queue.end());
    else if (waitForDrawing)
        d.done.wait(lock, [this] { return job_->state == Job::State::Done; });
    // Otherwise a drawing under way ends on its own; it holds all it needs.
    job_.reset();
}

void PendingImage::start(std::function<QImage()> draw)
{
    drop(false);
    job_ = std::make_shared<Job>();
    job_->draw = std::move(draw);
    if (!drawer_)
        return;
    Drawer::Queues &d = *drawer_->queues_;
    std::lock_guard lock(d.mutex);
    d.queue.push_back(job_);
    d.wake();
}

QImage PendingImage::image()
{
    if (!job_)
        return {};
    if (!drawer_) {
        if (job_->state == Job::State::Queued) {
            job_->result = job_->draw();
            job_->draw = nullptr;
            job_->state = Job::State::Done;
        }
        return job_->result;
    }
    Drawer::Queues &d = *drawer_->queues_;
    std::unique_lock lock(d.mutex);
    switch (job_->state) {
    case Job::State::Done:
        return job_->result;
    case Job::State::Drawing:
        d.done.wait(lock, [this] { return job_->state == Job::State::Done; });
        return job_->result;
    case Job::State::Queued:
        break;
    }
    // Not begun: drawn here rather than waited for.
    d.queue.erase(std::remove(d.queue.begin(), d.queue.end(), job_), d.queue.end());
    job_->state = Job::State::Drawing;
    const std::shared_ptr<Job> job = job_;
    lock.unlock();
    QImage image = job->draw();
    lock.lock();
    d.finish(*job, std::move(image));
    return job->result;
}

} // namespace kit
