// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the whole program at random, as a child who presses everything would: clicks, keys,
// scroll bar values, list double-clicks and frame closes on whatever window is in front, every
// box answered at random. After each step it checks what must always hold. The same seed plays
// the same storm.
//
//   test_storm [--steps N] [--seed S]     (default 20000 steps, seed 1)

#include "app/StartPage.h"
#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "exercises/ExerciseScreen.h"
#include "print/FaceMetrics.h"
#include "print/RecordingDevice.h"
#include "print/Worksheets.h"
#include "support/RecordingSpeech.h"
#include "support/TestPlatform.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"
#include "ui/machine/GameTimer.h"
#include "ui/machine/Seams.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <random>

using kit::Clock;
using kit::Dialogs;
using kit::Form;
using kit::GameTimer;

namespace {

// One generator for the storm's own choices, apart from the program's.
class Dice
{
public:
    explicit Dice(quint32 seed) : engine_(seed) {}
    int below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> T pick(const QList<T> &list) { return list.at(below(int(list.size()))); }

private:
    std::mt19937 engine_;
};

class RandomDialogs final : public Dialogs
{
public:
    explicit RandomDialogs(Dice &dice) : dice_(dice) {}
    int boxes = 0;

    void message(const QString &, const QString &) override { ++boxes; }
    Answer question(const QString &, const QString &) override
    {
        ++boxes;
        return dice_.chance(30) ? Answer::Yes : Answer::No;
    }
    QString inputBox(const QString &, const QString &, const QString &proposed) override
    {
        ++boxes;
        static const QList<QString> names = {QStringLiteral("Lena"), QStringLiteral("Ömer"), QString(),
                                             QStringLiteral("A"), QStringLiteral("Maximilian-Alexander")};
        return dice_.chance(10) ? proposed : dice_.pick(names);
    }
    void beep() override {}

private:
    Dice &dice_;
};

// Sheets are laid out on a recording device: a storm prints hundreds of them.
class RecordedOutputs final : public worksheets::Outputs
{
public:
    bool hasPrinter() override { return true; }
    std::unique_ptr<SheetDevice> openPrinter(const QString &) override
    {
        return std::make_unique<RecordingDevice>(faces_);
    }
    std::unique_ptr<SheetDevice> openPdf(const QString &, const QString &) override
    {
        return std::make_unique<RecordingDevice>(faces_);
    }
    QString pdfFolder() override { return QDir::currentPath(); }
    Faces &faces() override { return faces_; }

private:
    Faces faces_;
};

class StillClock final : public Clock
{
public:
    int secondsSinceMidnight() const override { return 36000; }
};

// Windows that make something new each time they come to the front, by design.
bool renewsOnActivation(const Form *window)
{
    static const QSet<QString> names = {QStringLiteral("Form7"), QStringLiteral("Form8"), QStringLiteral("Form9")};
    return names.contains(window->objectName());
}

QStringList captions(const Form *window)
{
    QStringList texts{window->windowTitle()};
    for (const QLabel *label : window->findChildren<QLabel *>())
        texts << label->text() + (label->isVisible() ? QStringLiteral("|v") : QStringLiteral("|h"));
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        texts << button->text();
    for (const QScrollBar *bar : window->findChildren<QScrollBar *>())
        texts << QString::number(bar->value());
    return texts;
}

class Storm
{
public:
    Storm(quint32 seed) : seed_(seed), dice_(seed), dialogs_(dice_)
    {
        platform_.use.outputs = &outputs_;
        platform_.onEndProgram = [this] { ended_ = true; };
        useWindows(&windows_);
        QDir::setCurrent(directory_.path());
        QFile file(settingsPath());
        if (file.open(QIODevice::WriteOnly))
            file.write(" 12 \r\n");
    }

    ~Storm()
    {
        windows_.unloadAll();
        useWindows(nullptr);
    }

    bool run(qint64 steps)
    {
        start();
        for (step_ = 1; step_ <= steps; ++step_) {
            tickTimers();
            act();
            QCoreApplication::processEvents();
            if (!check())
                return false;
            if (ended_) {
                ++restarts_;
                start();
            }
        }
        return true;
    }

    void report(double seconds) const
    {
        std::printf("%lld steps (seed %u) in %.1f s, %.0f steps per second; %d windows visited, %lld invariant "
                    "checks, %d restarts, %d boxes answered\n",
                    static_cast<long long>(step_ - 1), seed_, seconds, seconds > 0 ? (step_ - 1) / seconds : 0.0,
                    int(visited_.size()), static_cast<long long>(checks_), restarts_, dialogs_.boxes);
    }

private:
    QString settingsPath() const { return directory_.filePath(QStringLiteral("QUARIMO.INI")); }

    void start()
    {
        unloadAllWindows();
        shared() = SharedValues();
        ended_ = false;
        listWasOpen_ = false;
        form1().showWindow();
    }

    QList<Form *> visibleWindows() const
    {
        QList<Form *> visible;
        for (Form *window : loadedWindows())
            if (window->isVisible())
                visible.append(window);
        return visible;
    }

    // The games' timers run between a child's clicks: a few ticks, at random.
    void tickTimers()
    {
        for (Form *window : visibleWindows())
            for (GameTimer *timer : window->findChildren<GameTimer *>())
                for (int ticks = dice_.below(4); ticks > 0 && timer->isEnabled(); --ticks)
                    timer->fire();
    }

    void act()
    {
        const QList<Form *> windows = visibleWindows();
        if (windows.isEmpty())
            return;
        Form *window = dice_.pick(windows);
        visited_.insert(window->objectName());
        const int what = dice_.below(100);
        if (what < 45)
            click(window);
        else if (what < 80)
            key(window);
        else if (what < 88)
            scroll(window);
        else if (what < 95)
            doubleClickRow(window);
        else if (what < 97)
            window->close();
        else
            hideAndShow(window);
    }

    void click(Form *window)
    {
        QList<QWidget *> targets;
        for (QWidget *child : window->findChildren<QWidget *>())
            if (child->isVisible() && (qobject_cast<QAbstractButton *>(child) || qobject_cast<QLabel *>(child) ||
                                       qobject_cast<QListWidget *>(child)))
                targets.append(child);
        if (!targets.isEmpty() && dice_.chance(70)) {
            QWidget *target = dice_.pick(targets);
            if (auto *list = qobject_cast<QListWidget *>(target); list && list->count() > 0) {
                const QRect row = list->visualItemRect(list->item(dice_.below(list->count())));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
                return;
            }
            QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
            return;
        }
        const QPoint point(dice_.below(window->width()), dice_.below(window->height()));
        QWidget *target = window->childAt(point);
        if (!target)
            target = window;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, point));
    }

    void key(Form *window)
    {
        static const QList<int> keys = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Insert, Qt::Key_Left, Qt::Key_Right,
                                        Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Tab,    Qt::Key_Space, Qt::Key_A,
                                        Qt::Key_7,      Qt::Key_F11};
        // Escape ends the program from the start page: rarer, so the storm gets somewhere first.
        int key = dice_.pick(keys);
        if (key == Qt::Key_Escape && dice_.chance(50))
            key = Qt::Key_Return;
        QWidget *target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, Qt::Key(key));
    }

    void scroll(Form *window)
    {
        const QList<QScrollBar *> bars = window->findChildren<QScrollBar *>();
        QList<QScrollBar *> visible;
        for (QScrollBar *bar : bars)
            if (bar->isVisible())
                visible.append(bar);
        if (visible.isEmpty())
            return;
        QScrollBar *bar = dice_.pick(visible);
        bar->setValue(bar->minimum() + dice_.below(bar->maximum() - bar->minimum() + 1));
    }

    void doubleClickRow(Form *window)
    {
        QList<QListWidget *> lists;
        for (QListWidget *list : window->findChildren<QListWidget *>())
            if (list->isVisible())
                lists.append(list);
        if (lists.isEmpty())
            return;
        QListWidget *list = dice_.pick(lists);
        QPoint point(2, 2);
        if (list->count() > 0)
            point = list->visualItemRect(list->item(dice_.below(list->count()))).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
    }

    void hideAndShow(Form *window)
    {
        if (renewsOnActivation(window))
            return;
        const QStringList before = captions(window);
        window->hide();
        window->showWindow();
        QCoreApplication::processEvents();
        ++checks_;
        if (captions(window) != before)
            failure_ = QStringLiteral("%1 changed when hidden and shown again").arg(window->objectName());
    }

    bool fail(const QString &what)
    {
        std::fprintf(stderr, "FAIL at step %lld (seed %u): %s\n  replay: test_storm --seed %u --steps %lld\n",
                     static_cast<long long>(step_), seed_, qPrintable(what), seed_, static_cast<long long>(step_));
        return false;
    }

    bool check()
    {
        if (!failure_.isEmpty())
            return fail(failure_);

        ++checks_;
        if (ended_) {
            QFile file(settingsPath());
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            const QByteArray expected = ' ' + QByteArray::number(shared().numberRange) + " \r\n";
            if (bytes != expected || shared().numberRange < 10 || shared().numberRange > 20)
                return fail(QStringLiteral("the settings file holds '%1'").arg(QString::fromLatin1(bytes.toPercentEncoding())));
            return true;
        }

        ++checks_;
        if (visibleWindows().isEmpty())
            return fail(QStringLiteral("no window is visible"));

        for (Form *window : loadedWindows()) {
            const auto *screen = qobject_cast<const ExerciseScreen *>(window);
            if (!screen)
                continue;
            ++checks_;
            const Race &race = screen->race();
            const RaceRules &rules = race.rules();
            if (race.child() < rules.childStart || race.child() > rules.goal || race.opponent() < rules.opponentStart ||
                race.opponent() > rules.goal)
                return fail(QStringLiteral("a figure of %1 stands off its track (%2, %3)")
                                .arg(window->objectName())
                                .arg(race.child())
                                .arg(race.opponent()));
        }

        // Opening the reward list sets the count without showing it; the next change shows it.
        ++checks_;
        StartPage &page = form1();
        const bool listOpen = page.Liste2->isVisible();
        if (listOpen && !listWasOpen_)
            staleCount_ = true;
        listWasOpen_ = listOpen;
        const QString shown = page.Bezeichnung11->caption();
        if (shown == QString::number(shared().rewardRounds))
            staleCount_ = false;
        else if (!staleCount_)
            return fail(QStringLiteral("the reward label shows %1 for %2 rounds").arg(shown).arg(shared().rewardRounds));
        return true;
    }

    quint32 seed_;
    Dice dice_;
    RandomDialogs dialogs_;
    RecordedOutputs outputs_;
    StillClock clock_;
    RecordingSpeech speech_; // the storm never starts the speech service
    TestPlatform platform_{dialogs_, clock_, speech_};
    kit::Zoom zoom_; // the storm's windows stay at 1
    kit::Drawer drawer_;
    Windows windows_{platform_, shared(), rng(), zoom_, drawer_};
    QTemporaryDir directory_;
    bool ended_ = false;
    bool listWasOpen_ = false;
    bool staleCount_ = false;
    qint64 step_ = 0;
    qint64 checks_ = 0;
    int restarts_ = 0;
    QSet<QString> visited_;
    QString failure_;
};

} // namespace

int main(int argc, char **argv)
{
    // Whatever a window saves into the documents folder stays in a home of the storm's own.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    kit::installFontSubstitutions(worksheets::pictureFaceName());
    qint64 steps = 20000;
    quint32 seed = 1;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QStringLiteral("--steps"))
            steps = args.at(i + 1).toLongLong();
        else if (args.at(i) == QStringLiteral("--seed"))
            seed = args.at(i + 1).toUInt();
    }
    rng().seed(seed);
    QElapsedTimer timer;
    timer.start();
    Storm storm(seed);
    const bool passed = storm.run(steps);
    storm.report(timer.elapsed() / 1000.0);
    return passed ? 0 : 1;
}
