// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into a program built for the start-up benchmark: when the first top-level window has
// been painted, prints the wall-clock time in nanoseconds, the peak resident memory in KB and
// the window's width and height in pixels, then ends the process at once.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <time.h>
#include <cstdio>
#include <unistd.h>

namespace {

class FirstFrameProbe : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!seen_ && event->type() == QEvent::Paint) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow()) {
                seen_ = true;
                const QSize size = widget->size();
                // Once this paint has been delivered and flushed to the display.
                QTimer::singleShot(0, [size] {
                    timespec now{};
                    clock_gettime(CLOCK_REALTIME, &now);
                    rusage usage{};
                    getrusage(RUSAGE_SELF, &usage);
                    std::printf("%lld %ld %d %d\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                                usage.ru_maxrss, size.width(), size.height());
                    std::fflush(stdout);
                    _exit(0);
                });
            }
        }
        return false;
    }

private:
    bool seen_ = false;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstFrameProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
