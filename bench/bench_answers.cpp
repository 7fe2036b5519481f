// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long each race screen takes to answer: "o k a y" judges the entry, moves the race figures
// (sometimes to a win or a loss), makes the next task, and the window repaints. 10,000 answers
// per screen, about two right to one wrong in a fixed random order, offscreen; prints the median,
// the 99th percentile and the worst time per answer of every screen, as wall-clock time and as the
// processor time of the answering thread (which a busy, shared machine does not inflate).
// Usage: bench_answers [answers per screen]

#include "app/OpenExercise.h"
#include "app/Windows.h"
#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "exercises/CalculationScreen.h"
#include "exercises/CompletingScreen.h"
#include "exercises/NumberLineScreen.h"
#include "exercises/NumberSetScreen.h"
#include "exercises/SequenceScreen.h"
#include "print/FaceMetrics.h"
#include "support/RecordingSpeech.h"
#include "support/TestPlatform.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"
#include "ui/machine/Seams.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <time.h>
#include <vector>

using kit::Dialogs;
using kit::SystemClock;

namespace {

// Reward and losing boxes close at once; the benchmark only counts them.
class ClosingDialogs final : public Dialogs
{
public:
    int rewards = 0;
    int losses = 0;
    void message(const QString &, const QString &title) override
    {
        ++(title == QLatin1String("Belohnung") ? rewards : losses);
    }
    Answer question(const QString &, const QString &) override { return Answer::No; }
    QString inputBox(const QString &, const QString &, const QString &) override { return {}; }
    void beep() override {}
};

struct Screen
{
    const char *name;
    Exercise exercise;
    // The screen's mode buttons, taken in turn as a child might switch between them.
    std::vector<QAbstractButton *> modes;
};

qint64 threadNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Median, 99th percentile and worst, in microseconds.
QString figures(std::vector<qint64> nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const auto us = [&](size_t index) { return QString::number(double(nanoseconds[index]) / 1000.0, 'f', 1); };
    return QStringLiteral("median %1 us, 99%: %2 us, worst %3 us")
        .arg(us(nanoseconds.size() / 2), us(nanoseconds.size() * 99 / 100), us(nanoseconds.size() - 1));
}

void measure(const Screen &entry, int answers, ClosingDialogs &dialogs)
{
    dialogs.rewards = 0;
    dialogs.losses = 0;
    ExerciseScreen &screen = openExercise(entry.exercise);
    QApplication::processEvents();
    // After the showing, which may seed the generator from the clock.
    rng().seed(4711);

    std::minstd_rand child(2024); // decides right or wrong, apart from the task generator
    std::vector<qint64> wall;
    std::vector<qint64> processor;
    wall.reserve(size_t(answers));
    processor.reserve(size_t(answers));
    for (int i = 0; i < answers; ++i) {
        // Every 500 answers the child switches to the screen's next mode.
        if (i % 500 == 0)
            entry.modes[size_t(i / 500) % entry.modes.size()]->click();
        const bool right = child() % 3 != 0;
        const int expected = shared().expectedAnswer;
        // Any other value of the scroll bar is wrong.
        screen.HBildlauf1->setValue(right ? expected : (expected + 1) % (screen.HBildlauf1->maximum() + 1));
        QElapsedTimer timer;
        timer.start();
        const qint64 processorStart = threadNanoseconds();
        screen.Befehl1->click();
        screen.repaint();
        processor.push_back(threadNanoseconds() - processorStart);
        wall.push_back(timer.nsecsElapsed());
    }
    screen.hide();

    std::printf("%-12s (%d rewards, %d lost runs)\n  wall clock: %s\n  processor:  %s\n", entry.name,
                dialogs.rewards, dialogs.losses, qPrintable(figures(wall)), qPrintable(figures(processor)));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kit::installFontSubstitutions(worksheets::pictureFaceName());
    ClosingDialogs dialogs;
    SystemClock clock;
    RecordingSpeech speech;
    TestPlatform platform(dialogs, clock, speech);
    kit::Zoom zoom;
    kit::Drawer drawer;
    Windows windows(platform, shared(), rng(), zoom, drawer);
    useWindows(&windows);
    const int answers = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;

    // Loaded as in the program (the start page's box about a missing settings file is counted
    // before the figures start).
    form1();
    shared().numberRange = 20;

    const Screen screens[] = {
        {"number line", Exercise::NumberLine, {Form2().Befehl3, Form2().Befehl4}},
        {"number sets", Exercise::NumberSets, {Form3().Befehl3, Form3().Befehl4}},
        {"completing", Exercise::Completing, {Form4().Befehl5, Form4().Befehl3, Form4().Befehl4}},
        {"sequences", Exercise::Sequences, {Form5().Befehl3, Form5().Befehl4}},
        {"calculation", Exercise::Calculating, {Form6().Befehl3, Form6().Befehl4}},
    };
    std::printf("%d answers per screen (about 2 right : 1 wrong), range 20, offscreen, repaint included\n", answers);
    for (const Screen &screen : screens)
        measure(screen, answers, dialogs);

    windows.unloadAll();
    useWindows(nullptr);
    return 0;
}
