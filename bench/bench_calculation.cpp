// How long the calculation screen takes to answer: "o k a y" judges the entry, moves a fish
// (sometimes to a win or a catch), makes the next task and the window repaints. 10,000 answers,
// about two right to one wrong in a fixed random order, offscreen; prints the median and the
// worst time per answer.

#include "ui/Controls.h"
#include "ui/Seams.h"
#include "engine/SharedValues.h"
#include "app/OpenExercise.h"
#include "app/Windows.h"
#include "engine/Random.h"
#include "exercises/CalculationScreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// Reward and losing boxes close at once; the benchmark only counts them.
class ClosingDialogs final : public Dialogs
{
public:
    int rewards = 0;
    int catches = 0;
    void message(const QString &, const QString &title) override
    {
        ++(title == QLatin1String("Belohnung") ? rewards : catches);
    }
    Answer question(const QString &, const QString &) override { return Answer::No; }
    QString inputBox(const QString &, const QString &, const QString &) override { return {}; }
    void beep() override {}
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kit::installFontSubstitutions();
    ClosingDialogs dialogs;
    seams::setDialogs(&dialogs);

    // Loaded as in the program; both seed the generator from the clock, so the fixed seed comes after.
    form1();
    CalculationScreen &screen = Form6();
    dialogs.catches = 0; // the start page's box about a missing settings file
    shared().numberRange = 20;
    rng().seed(4711);
    openExercise(Exercise::Calculating);
    QApplication::processEvents();

    const int answers = 10000;
    std::minstd_rand child(2024); // decides right or wrong, apart from the task generator
    std::vector<qint64> nanoseconds;
    nanoseconds.reserve(answers);
    for (int i = 0; i < answers; ++i) {
        // Every 500 answers the exercise switches between plus and minus, as a child might.
        if (i % 500 == 0)
            (i / 500) % 2 == 0 ? screen.choosePlus() : screen.chooseMinus();
        const bool right = child() % 3 != 0;
        screen.HBildlauf1->setValue(right ? shared().expectedAnswer : 0); // every answer is at least 1
        QElapsedTimer timer;
        timer.start();
        screen.Befehl1->click();
        screen.repaint();
        nanoseconds.push_back(timer.nsecsElapsed());
    }

    std::vector<qint64> sorted = nanoseconds;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2] / 1000.0;
    const double worst = sorted.back() / 1000.0;
    std::printf("calculation screen, %d answers (about 2 right : 1 wrong): %d rewards, %d catches\n",
                answers, dialogs.rewards, dialogs.catches);
    std::printf("per answer: median %.1f us, worst %.1f us\n", median, worst);

    seams::setDialogs(nullptr);
    unloadAllWindows();
    return 0;
}
