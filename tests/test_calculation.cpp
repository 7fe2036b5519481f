// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OpenExercise.h"
#include "app/StartPage.h"
#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "engine/TaskDraw.h"
#include "engine/TextHelpers.h"
#include "exercises/CalculationScreen.h"
#include "support/ExerciseDriver.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>
#include <memory>

using kit::Label;

namespace {

const QString caughtText = QStringLiteral("Pech, du bist aufgefressen worden!\rProbier es noch einmal, viel Glück!\r");

// Opens the screen as the start page does: operator "+", the marker, the kind, the set-up, a task.
CalculationScreen &openCalculation(bool reversing, int range = 10)
{
    shared().numberRange = qint16(range);
    openExercise(reversing ? Exercise::Reversing : Exercise::Calculating);
    return Form6();
}

// Opens the screen in the mode of the kind (10 to 13) through the operator buttons.
CalculationScreen &openKind(int kind)
{
    CalculationScreen &screen = openCalculation(kind >= 12);
    if (kind == 11 || kind == 13)
        QTest::mouseClick(screen.Befehl4, Qt::LeftButton);
    return screen;
}

void answerWrong(CalculationScreen &screen)
{
    // Every answer is at least 1, so 0 is always wrong.
    screen.HBildlauf1->setValue(0);
    QTest::mouseClick(screen.Befehl1, Qt::LeftButton);
}

struct Equation
{
    QString first, sign, second, result;
    int expected;
};

Equation equationOf(const CalculationScreen &screen)
{
    return {screen.Bezeichnung1->caption(), screen.Bezeichnung2->caption(), screen.Bezeichnung3->caption(),
            screen.Bezeichnung5->caption(), shared().expectedAnswer};
}

bool sameEquation(const Equation &a, const Equation &b)
{
    return a.first == b.first && a.sign == b.sign && a.second == b.second && a.result == b.result &&
           a.expected == b.expected;
}

} // namespace

class CalculationTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void taskAndEntryPerKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("sign");
        QTest::newRow("10 plus") << 10 << QStringLiteral("+");
        QTest::newRow("11 minus") << 11 << QStringLiteral("-");
        QTest::newRow("12 reversed plus") << 12 << QStringLiteral("+");
        QTest::newRow("13 reversed minus") << 13 << QStringLiteral("-");
    }
    void taskAndEntryPerKind()
    {
        QFETCH(int, kind);
        QFETCH(QString, sign);
        for (int range : {10, 20}) {
            CalculationScreen &screen = openCalculation(kind >= 12, range);
            if (kind == 11 || kind == 13)
                QTest::mouseClick(screen.Befehl4, Qt::LeftButton);
            QCOMPARE(shared().taskKind, TaskKind(kind));
            QCOMPARE(screen.Bezeichnung2->caption(), sign);
            QCOMPARE(screen.Bezeichnung4->caption(), QStringLiteral("="));

            // The bar already stood at 0, so the entry box is still empty.
            const bool reversed = kind >= 12;
            Label *entry = reversed ? screen.Bezeichnung1 : screen.Bezeichnung5;
            Label *given = reversed ? screen.Bezeichnung5 : screen.Bezeichnung1;
            QCOMPARE(entry->caption(), QString());

            // The equation the child sees holds with the expected answer in the entry box.
            const int first = reversed ? shared().expectedAnswer : captions::captionNumber(given->caption());
            const int second = captions::captionNumber(screen.Bezeichnung3->caption());
            const int result = reversed ? captions::captionNumber(given->caption()) : shared().expectedAnswer;
            QCOMPARE(sign == QLatin1String("+") ? first + second : first - second, result);
            QVERIFY(second < qMax(first, result));
            QVERIFY(result >= 0 && first <= range && result <= range);

            // A counting aid of as many pictures as the range.
            const QString pictures = screen.Bezeichnung8->caption();
            QCOMPARE(pictures.size() - pictures.count(captions::CR), range);

            // The scroll bar shows its value in the entry box only.
            const QString givenBefore = given->caption();
            screen.HBildlauf1->setValue(7);
            QCOMPARE(entry->caption(), QStringLiteral("7"));
            QTest::keyClick(screen.HBildlauf1, Qt::Key_Right);
            QCOMPARE(entry->caption(), QStringLiteral("8"));
            QCOMPARE(given->caption(), givenBefore);
            world.reset();
            world = std::make_unique<TestWorld>();
        }
    }

    void rightAnswerShowsZeroInNextTask_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("10") << 10;
        QTest::newRow("11") << 11;
        QTest::newRow("12") << 12;
        QTest::newRow("13") << 13;
    }
    void rightAnswerShowsZeroInNextTask()
    {
        QFETCH(int, kind);
        CalculationScreen &screen = openKind(kind);
        Label *entry = kind >= 12 ? screen.Bezeichnung1 : screen.Bezeichnung5;
        answerRight(screen);
        QCOMPARE(screen.Bild2->leftTwips(), 800);
        QCOMPARE(screen.HBildlauf1->value(), 0);
        QCOMPARE(entry->caption(), QStringLiteral("0"));
        QCOMPARE(world->dialogs.count(), 0);

        // With the bar at 0 already, a new task leaves the entry box empty.
        QTest::mouseClick(kind % 2 == 0 ? screen.Befehl3 : screen.Befehl4, Qt::LeftButton);
        QCOMPARE(entry->caption(), QString());
    }

    void twentyFifthRightAnswerWinsOneRound()
    {
        CalculationScreen &screen = openCalculation(false);
        form1().Bezeichnung11->setCaption(QStringLiteral("0"));
        for (int i = 1; i <= 24; ++i) {
            answerRight(screen);
            QCOMPARE(screen.Bild2->leftTwips(), 600 + 200 * i);
        }
        QCOMPARE(world->dialogs.count(), 0);
        QCOMPARE(screen.Bild1->leftTwips(), 120);

        // While the reward box is open the fish is at the seaweed and the solved task still stands.
        screen.HBildlauf1->setValue(shared().expectedAnswer);
        const Equation solved = equationOf(screen);
        int fishDuringBox = 0;
        bool taskDuringBox = false;
        world->dialogs.onNextMessage([&] {
            fishDuringBox = screen.Bild2->leftTwips();
            taskDuringBox = sameEquation(equationOf(screen), solved);
        });
        QTest::mouseClick(screen.Befehl1, Qt::LeftButton);

        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Belohnung"));
        QCOMPARE(fishDuringBox, 5600);
        QVERIFY(taskDuringBox);
        QCOMPARE(shared().rewardRounds, qint16(1));
        QCOMPARE(form1().Bezeichnung11->caption(), QStringLiteral("1"));
        // Then both fish start again and the next task is there.
        QCOMPARE(screen.Bild1->leftTwips(), 120);
        QCOMPARE(screen.Bild2->leftTwips(), 600);
        QCOMPARE(screen.Bezeichnung5->caption(), QStringLiteral("0"));
    }

    void chase_data()
    {
        QTest::addColumn<QString>("answers"); // R right, W wrong
        QTest::addColumn<int>("predator");
        QTest::addColumn<int>("fish");
        QTest::addColumn<int>("caught");
        QTest::newRow("first answer wrong") << QStringLiteral("W") << 120 << 600 << 1;
        QTest::newRow("one right, one wrong") << QStringLiteral("RW") << 320 << 800 << 0;
        QTest::newRow("three right, three wrong") << QStringLiteral("RRRWWW") << 720 << 1200 << 0;
        QTest::newRow("three right, four wrong") << QStringLiteral("RRRWWWW") << 120 << 600 << 1;
        QTest::newRow("caught, then right again") << QStringLiteral("WR") << 120 << 800 << 1;
        QTest::newRow("wrong outnumber right twice") << QStringLiteral("WRWW") << 120 << 600 << 2;
    }
    void chase()
    {
        QFETCH(QString, answers);
        QFETCH(int, predator);
        QFETCH(int, fish);
        QFETCH(int, caught);
        CalculationScreen &screen = openCalculation(false);
        for (QChar answer : answers) {
            if (answer == QLatin1Char('R'))
                answerRight(screen);
            else
                answerWrong(screen);
        }
        QCOMPARE(screen.Bild1->leftTwips(), predator);
        QCOMPARE(screen.Bild2->leftTwips(), fish);
        QCOMPARE(world->dialogs.count(), caught);
        for (const ScriptedDialogs::Box &box : world->dialogs.boxes()) {
            QCOMPARE(box.title, QStringLiteral("Schmatz"));
            QCOMPARE(box.text, caughtText);
        }
        QCOMPARE(shared().rewardRounds, qint16(0));
    }

    void caughtFishKeepsTheTask()
    {
        CalculationScreen &screen = openCalculation(true);
        screen.HBildlauf1->setValue(0);
        const Equation before = equationOf(screen);
        int predatorDuringBox = 0;
        world->dialogs.onNextMessage([&] { predatorDuringBox = screen.Bild1->leftTwips(); });
        QTest::keyClick(&screen, Qt::Key_Return);

        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Schmatz"));
        QCOMPARE(world->dialogs.last().text, caughtText);
        QCOMPARE(predatorDuringBox, 320);
        QCOMPARE(screen.Bild1->leftTwips(), 120);
        QCOMPARE(screen.Bild2->leftTwips(), 600);
        QVERIFY(sameEquation(equationOf(screen), before));

        // The same task can still be solved.
        answerRight(screen);
        QCOMPARE(screen.Bild2->leftTwips(), 800);
    }

    void help_data()
    {
        QTest::addColumn<int>("s"); // the task's numbers, as the generator drew them
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        // The child's entry (the "9" below) is never pictured.
        QTest::newRow("10: 3 + 4") << 7 << 4 << 10 << QStringLiteral("3") << QStringLiteral("4") << QStringLiteral("9")
                                   << 7 << QStringLiteral("o o o x x   x x \r\r") << QStringLiteral("Hilfe: Rechnen");
        QTest::newRow("10: 4 + 0") << 4 << 0 << 10 << QStringLiteral("4") << QStringLiteral("0") << QString() << 4
                                   << QStringLiteral("o o o o \r\r") << QStringLiteral("Hilfe: Rechnen");
        QTest::newRow("11: 12 - 5") << 12 << 5 << 11 << QStringLiteral("12") << QStringLiteral("5")
                                    << QStringLiteral("9") << 7 << QStringLiteral("o o o o o   x x x x x   x x \r\r")
                                    << QStringLiteral("Hilfe: Rechnen");
        QTest::newRow("11: 7 - 0") << 7 << 0 << 11 << QStringLiteral("7") << QStringLiteral("0") << QStringLiteral("0")
                                   << 7 << QStringLiteral("x x x x x   x x \r\r") << QStringLiteral("Hilfe: Rechnen");
        QTest::newRow("12: ? + 4 = 10") << 10 << 4 << 12 << QStringLiteral("9") << QStringLiteral("4")
                                        << QStringLiteral("10") << 6 << QStringLiteral("o o o o o   o x x x x   \r\r")
                                        << QStringLiteral("Hilfe: Umkehren");
        QTest::newRow("12: ? + 0 = 5") << 5 << 0 << 12 << QString() << QStringLiteral("0") << QStringLiteral("5") << 5
                                       << QStringLiteral("o o o o o   \r\r") << QStringLiteral("Hilfe: Umkehren");
        QTest::newRow("13: ? - 2 = 18") << 20 << 2 << 13 << QStringLiteral("9") << QStringLiteral("2")
                                        << QStringLiteral("18") << 20
                                        << QStringLiteral("o o x x x   x x x x x   x x x x x   x x x x x   \r\r")
                                        << QStringLiteral("Hilfe: Umkehren");
        QTest::newRow("13: ? - 0 = 4") << 4 << 0 << 13 << QStringLiteral("0") << QStringLiteral("0")
                                       << QStringLiteral("4") << 4 << QStringLiteral("x x x x \r\r")
                                       << QStringLiteral("Hilfe: Umkehren");
    }
    void help()
    {
        QFETCH(int, s);
        QFETCH(int, b);
        QFETCH(int, kind);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, result);
        QFETCH(int, expected);
        QFETCH(QString, text);
        QFETCH(QString, title);
        CalculationScreen &screen = openKind(kind);
        Task task;
        task.kind = TaskKind(kind);
        task.s = s;
        task.b = b;
        screen.showTask(task);
        screen.Bezeichnung1->setCaption(first);
        screen.Bezeichnung3->setCaption(second);
        screen.Bezeichnung5->setCaption(result);
        shared().expectedAnswer = expected;

        // The help button, Insert on the window and Insert on the scroll bar all show the same.
        QTest::mouseClick(screen.Befehl5, Qt::LeftButton);
        QTest::keyClick(&screen, Qt::Key_Insert);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Insert);
        QCOMPARE(world->dialogs.count(), 3);
        for (const ScriptedDialogs::Box &box : world->dialogs.boxes()) {
            QCOMPARE(box.kind, ScriptedDialogs::Kind::Message);
            QCOMPARE(box.title, title);
            QCOMPARE(box.text, text);
        }
        QCOMPARE(screen.focusWidget(), static_cast<QWidget *>(screen.HBildlauf1));
        // Help changes nothing.
        QCOMPARE(screen.Bezeichnung1->caption(), first);
        QCOMPARE(screen.Bezeichnung5->caption(), result);
        QCOMPARE(shared().expectedAnswer, expected);
    }

    void helpForAnotherKindShowsNothing()
    {
        CalculationScreen &screen = openCalculation(false);
        screen.showTask(drawTask(TaskKind::CompleteRange, 10, rng()));
        QTest::keyClick(&screen, Qt::Key_Insert);
        QCOMPARE(world->dialogs.count(), 0);
    }

    void helpForADrawnTask()
    {
        // A seeded task: the pictured quantity is the larger number of the task.
        CalculationScreen &screen = openKind(11);
        QTest::keyClick(&screen, Qt::Key_Insert);
        const int s = captions::captionNumber(screen.Bezeichnung1->caption());
        const int b = captions::captionNumber(screen.Bezeichnung3->caption());
        const QString shown = world->dialogs.last().text;
        QCOMPARE(shown.count(QLatin1Char('o')), b);
        QCOMPARE(shown.count(QLatin1Char('x')), s - b);
        QVERIFY(shown.endsWith(QStringLiteral(" \r\r")));
    }

    void modeButtons_data()
    {
        QTest::addColumn<bool>("reversing");
        QTest::addColumn<bool>("minus");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("sign");
        QTest::newRow("calculating, minus") << false << true << 11 << QStringLiteral("-");
        QTest::newRow("calculating, plus") << false << false << 10 << QStringLiteral("+");
        QTest::newRow("reversing, minus") << true << true << 13 << QStringLiteral("-");
        QTest::newRow("reversing, plus") << true << false << 12 << QStringLiteral("+");
    }
    void modeButtons()
    {
        QFETCH(bool, reversing);
        QFETCH(bool, minus);
        QFETCH(int, kind);
        QFETCH(QString, sign);
        CalculationScreen &screen = openCalculation(reversing);
        const QString caption = screen.caption();
        answerRight(screen);
        answerRight(screen);
        answerWrong(screen);
        QTest::mouseClick(minus ? screen.Befehl4 : screen.Befehl3, Qt::LeftButton);

        QCOMPARE(shared().taskKind, TaskKind(kind));
        QCOMPARE(screen.Bezeichnung2->caption(), sign);
        QCOMPARE(screen.exercise(),
                 reversing ? CalculationScreen::Exercise::Reversing : CalculationScreen::Exercise::Calculating);
        QCOMPARE(screen.caption(), caption);
        QCOMPARE(screen.Bild1->leftTwips(), 320);
        QCOMPARE(screen.Bild2->leftTwips(), 1000);
        QCOMPARE(screen.focusWidget(), static_cast<QWidget *>(screen.HBildlauf1));
        // The new task is of the chosen kind: its answer makes the fish swim on.
        answerRight(screen);
        QCOMPARE(screen.Bild2->leftTwips(), 1200);
    }

    void keys_data()
    {
        QTest::addColumn<bool>("onScrollBar");
        QTest::newRow("window") << false;
        QTest::newRow("scroll bar") << true;
    }
    void keys()
    {
        QFETCH(bool, onScrollBar);
        CalculationScreen &screen = openCalculation(false);
        QWidget *target = onScrollBar ? static_cast<QWidget *>(screen.HBildlauf1) : &screen;
        screen.HBildlauf1->setValue(shared().expectedAnswer);
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(screen.Bild2->leftTwips(), 800);
        QTest::keyClick(target, Qt::Key_Enter);
        QCOMPARE(screen.Bild2->leftTwips(), 800); // 0 is never the answer
        QCOMPARE(screen.Bild1->leftTwips(), 320);
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
        QVERIFY(form1().isVisible());
    }

    void leavingAndComingBackKeepsTheChase()
    {
        CalculationScreen &screen = openCalculation(false);
        answerRight(screen);
        answerRight(screen);
        answerRight(screen);
        answerWrong(screen);
        QTest::mouseClick(screen.Befehl2, Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QVERIFY(form1().isVisible());

        // Back through the other exercise: a new task, the same chase.
        openCalculation(true);
        QVERIFY(screen.isVisible());
        QCOMPARE(screen.caption(), QStringLiteral("U m k e h r e n   b i s   10"));
        QCOMPARE(screen.Bild1->leftTwips(), 320);
        QCOMPARE(screen.Bild2->leftTwips(), 1200);
        answerWrong(screen);
        answerWrong(screen);
        QCOMPARE(world->dialogs.count(), 0);
        answerWrong(screen);
        QCOMPARE(world->dialogs.count(), 1); // 920 + 300 > 1200
    }

    void focusReturnsToTheScrollBar_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("okay") << QStringLiteral("Befehl1");
        QTest::newRow("help") << QStringLiteral("Befehl5");
        QTest::newRow("plus") << QStringLiteral("Befehl3");
        QTest::newRow("minus") << QStringLiteral("Befehl4");
    }
    void focusReturnsToTheScrollBar()
    {
        QFETCH(QString, button);
        CalculationScreen &screen = openCalculation(false);
        auto *pressed = screen.findChild<QPushButton *>(button);
        QVERIFY(pressed);
        pressed->setFocus();
        QTest::mouseClick(pressed, Qt::LeftButton);
        QCOMPARE(screen.focusWidget(), static_cast<QWidget *>(screen.HBildlauf1));
    }

    void layout()
    {
        CalculationScreen &screen = openCalculation(false);
        QCOMPARE(screen.clientTwips(), QSize(6525, 5115));
        QCOMPARE(screen.Befehl3->caption(), QStringLiteral("p l u s"));
        QCOMPARE(screen.Befehl4->caption(), QStringLiteral("m i n u s"));
        QCOMPARE(screen.Befehl1->caption(), QStringLiteral("o k a y"));
        QCOMPARE(screen.Befehl2->caption(), QStringLiteral("E n d e"));
        QCOMPARE(screen.Befehl5->caption(), QStringLiteral(" ?"));
        QCOMPARE(screen.Bezeichnung6->caption(), QStringLiteral("Rechne aus!"));
        QVERIFY(!screen.findChild<QWidget *>(QStringLiteral("Bezeichnung7"))); // the marker is no label
        QCOMPARE(screen.Bild1->accessibleName(), QStringLiteral("Raubfisch"));
        QCOMPARE(screen.Bild2->accessibleName(), QStringLiteral("kleiner Fisch"));
        QCOMPARE(screen.Bild3->accessibleName(), QStringLiteral("Seetang"));
        QCOMPARE(screen.Bild3->rectTwips(), QRect(5880, 4440, 495, 495));
        QCOMPARE(screen.Figur2->fillColour(), QColor(128, 255, 255));
        QCOMPARE(screen.HBildlauf1->rectTwips(), QRect(1680, 3480, 2655, 375));
    }

private:
    std::unique_ptr<TestWorld> world;
};

QTEST_MAIN(CalculationTest)
#include "test_calculation.moc"
