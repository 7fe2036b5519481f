// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OpenExercise.h"
#include "app/StartPage.h"
#include "engine/SharedValues.h"
#include "exercises/NumberLineScreen.h"
#include "support/ExerciseDriver.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>
#include <memory>

using kit::DrawOp;

namespace {

const QString losingText = QStringLiteral("Pech, du hast verloren und\rmusst von vorn anfangen!\r");

// As the start page opens the screen.
NumberLineScreen &openNumberLine(int range)
{
    shared().numberRange = qint16(range);
    openExercise(Exercise::NumberLine);
    return Form2();
}

void answerWrong(NumberLineScreen &screen)
{
    screen.HBildlauf1->setValue(shared().expectedAnswer == 0 ? 1 : 0);
    QTest::mouseClick(screen.Befehl1, Qt::LeftButton);
}

struct Lanes
{
    int face, bar, opponent, opponentBar;
};

Lanes race(const NumberLineScreen &screen)
{
    return {screen.Bild2->leftTwips(), screen.Figur2->widthTwips(), screen.Bild3->leftTwips(),
            screen.Figur3->widthTwips()};
}

} // namespace

class NumberLineTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void tasksPlaceTheTag_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("kind");
        QTest::newRow("range 10, name the number") << 10 << 1;
        QTest::newRow("range 17, name the number") << 17 << 1;
        QTest::newRow("range 10, find the place") << 10 << 2;
        QTest::newRow("range 20, find the place") << 20 << 2;
    }
    void tasksPlaceTheTag()
    {
        QFETCH(int, range);
        QFETCH(int, kind);
        NumberLineScreen &screen = openNumberLine(range);
        const int step = range == 10 ? 800 : 400;
        QTest::mouseClick(kind == 1 ? screen.Befehl3 : screen.Befehl4, Qt::LeftButton);
        for (int i = 0; i < 40; ++i) {
            const int answer = shared().expectedAnswer;
            QCOMPARE(screen.HBildlauf1->value(), 0);
            if (kind == 1) {
                QCOMPARE(screen.Bezeichnung2->caption(), QStringLiteral("Wie heißt diese Zahl?"));
                QCOMPARE(screen.Bezeichnung1->caption(), QString());
                QCOMPARE(screen.Bezeichnung1->leftTwips(), 250 + answer * step);
            } else {
                QCOMPARE(screen.Bezeichnung2->caption(), QStringLiteral("Wo steht diese Zahl?"));
                QCOMPARE(screen.Bezeichnung1->caption(), QString::number(answer));
                QCOMPARE(screen.Bezeichnung1->leftTwips(), 250);
                QVERIFY(answer >= 1);
            }
            QVERIFY(answer <= range);
            // The child's entry of the last task must not show in the next one.
            screen.HBildlauf1->setValue(range);
            newTask();
        }
    }

    void entryShowsInTheTag_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("tagLeft"); // -1: where the task put it
        QTest::newRow("name: caption follows, range 20") << 20 << 1 << 13 << -1;
        QTest::newRow("name: caption follows, range 10") << 10 << 1 << 10 << -1;
        QTest::newRow("place: range 20, value 20") << 20 << 2 << 20 << 8250;
        QTest::newRow("place: range 10, value 10") << 10 << 2 << 10 << 8250;
        QTest::newRow("place: range 13, value 13") << 13 << 2 << 13 << 5450;
        QTest::newRow("place: range 10, value 3") << 10 << 2 << 3 << 2650;
    }
    void entryShowsInTheTag()
    {
        QFETCH(int, range);
        QFETCH(int, kind);
        QFETCH(int, value);
        QFETCH(int, tagLeft);
        NumberLineScreen &screen = openNumberLine(range);
        QTest::mouseClick(kind == 1 ? screen.Befehl3 : screen.Befehl4, Qt::LeftButton);
        const int placeBefore = screen.Bezeichnung1->leftTwips();
        const QString captionBefore = screen.Bezeichnung1->caption();
        // The arrow keys step through every number on the way.
        for (int v = 1; v <= value; ++v) {
            QTest::keyClick(screen.HBildlauf1, Qt::Key_Right);
            if (kind == 1) {
                QCOMPARE(screen.Bezeichnung1->caption(), QString::number(v));
                QCOMPARE(screen.Bezeichnung1->leftTwips(), placeBefore);
            } else {
                QCOMPARE(screen.Bezeichnung1->caption(), captionBefore);
            }
        }
        QCOMPARE(screen.HBildlauf1->value(), value);
        QCOMPARE(screen.Bezeichnung1->leftTwips(), tagLeft < 0 ? placeBefore : tagLeft);
    }

    void runEnds_data()
    {
        QTest::addColumn<int>("wrongFirst");
        QTest::addColumn<int>("rightAfter");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("27 right answers win") << 0 << 27 << QStringLiteral("Belohnung") << QString();
        QTest::newRow("26 wrong, then 27 right still win") << 26 << 27 << QStringLiteral("Belohnung") << QString();
        QTest::newRow("27 wrong answers lose") << 27 << 0 << QStringLiteral("Pick!") << losingText;
    }
    void runEnds()
    {
        QFETCH(int, wrongFirst);
        QFETCH(int, rightAfter);
        QFETCH(QString, title);
        QFETCH(QString, text);
        NumberLineScreen &screen = openNumberLine(20);
        for (int i = 0; i < wrongFirst - (rightAfter ? 0 : 1); ++i)
            answerWrong(screen);
        for (int i = 0; i < rightAfter - 1; ++i)
            answerRight(screen);
        QCOMPARE(world->dialogs.count(), 0);
        const Lanes before = race(screen);
        QCOMPARE(before.face, 240 + (rightAfter ? rightAfter - 1 : 0) * 300);
        QCOMPARE(before.bar, 255 + (rightAfter ? rightAfter - 1 : 0) * 300);

        const int tagLeft = screen.Bezeichnung1->leftTwips();
        const int answer = shared().expectedAnswer;
        Lanes atMessage{};
        world->dialogs.onNextMessage([&] { atMessage = race(screen); });
        if (rightAfter)
            answerRight(screen);
        else
            answerWrong(screen);

        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().title, title);
        if (!text.isEmpty())
            QCOMPARE(world->dialogs.last().text, text);
        // The message comes while the winner stands at the goal; then everyone goes back.
        QVERIFY(qMax(atMessage.face, atMessage.opponent) >= 8100);
        const Lanes after = race(screen);
        QCOMPARE(after.face, 240);
        QCOMPARE(after.bar, 255);
        QCOMPARE(after.opponent, 240);
        QCOMPARE(after.opponentBar, 255);
        QCOMPARE(shared().rewardRounds, qint16(rightAfter ? 1 : 0));
        if (!rightAfter) {
            QCOMPARE(shared().expectedAnswer, answer);
            QCOMPARE(screen.Bezeichnung1->leftTwips(), tagLeft);
            QCOMPARE(screen.Bezeichnung2->caption(), QStringLiteral("Wie heißt diese Zahl?"));
        }
    }

    void raceSurvivesLeavingAndModeChange_data()
    {
        QTest::addColumn<bool>("withEscape");
        QTest::newRow("Escape") << true;
        QTest::newRow("E n d e") << false;
    }
    void raceSurvivesLeavingAndModeChange()
    {
        QFETCH(bool, withEscape);
        NumberLineScreen &screen = openNumberLine(15);
        for (int i = 0; i < 4; ++i)
            answerRight(screen);
        for (int i = 0; i < 3; ++i)
            answerWrong(screen);
        if (withEscape)
            QTest::keyClick(screen.HBildlauf1, Qt::Key_Escape);
        else
            QTest::mouseClick(screen.Befehl2, Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QVERIFY(form1().isVisible());
        QCOMPARE(world->dialogs.count(), 0);

        form1().hide();
        openNumberLine(15);
        QVERIFY(screen.isVisible());
        Lanes now = race(screen);
        QCOMPARE(now.face, 1440);
        QCOMPARE(now.bar, 1455);
        QCOMPARE(now.opponent, 1140);
        QCOMPARE(now.opponentBar, 1155);

        QTest::mouseClick(screen.Befehl4, Qt::LeftButton);
        QCOMPARE(shared().taskKind, TaskKind::PlaceNumber);
        QCOMPARE(screen.Bezeichnung2->caption(), QStringLiteral("Wo steht diese Zahl?"));
        now = race(screen);
        QCOMPARE(now.face, 1440);
        QCOMPARE(now.opponent, 1140);
    }

    void help_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 1 << 0 << QStringLiteral("  0\r\r");
        QTest::newRow("3") << 2 << 3 << QStringLiteral("  0- 1- 2- 3\r\r");
        QTest::newRow("12") << 1 << 12 << QStringLiteral("  0- 1- 2- 3- 4- 5- 6- 7- 8- 9-10-11-12\r\r");
        QTest::newRow("20") << 2 << 20
                            << QStringLiteral("  0- 1- 2- 3- 4- 5- 6- 7- 8- 9-10-11-12-13-14-15-16-17-18-19-20\r\r");
    }
    void help()
    {
        QFETCH(int, kind);
        QFETCH(int, answer);
        QFETCH(QString, text);
        NumberLineScreen &screen = openNumberLine(20);
        QTest::mouseClick(kind == 1 ? screen.Befehl3 : screen.Befehl4, Qt::LeftButton);
        QVERIFY(taskAskingFor(answer));
        if (kind == 1)
            QCOMPARE(screen.Bezeichnung1->leftTwips(), 250 + answer * 400);
        screen.HBildlauf1->setValue(7); // the child's entry does not change the help

        QTest::keyClick(screen.HBildlauf1, Qt::Key_Insert);
        QTest::mouseClick(screen.helpButton, Qt::LeftButton);
        QCOMPARE(world->dialogs.count(), 2);
        for (const ScriptedDialogs::Box &box : world->dialogs.boxes()) {
            QCOMPARE(box.title, QStringLiteral("Hilfe: Zahlenstrahl"));
            QCOMPARE(box.text, text);
        }
        QCOMPARE(screen.Bild2->leftTwips(), 240);
        QCOMPARE(screen.Bild3->leftTwips(), 240);
    }

    void scale_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<int>>("labelLefts");
        QTest::newRow("10") << 10 << 800 << QStringList{QStringLiteral("0"), QStringLiteral("10")}
                            << QList<int>{300, 8300};
        QTest::newRow("13 shows 0 to 20")
            << 13 << 400 << QStringList{QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("20")}
            << QList<int>{300, 4300, 8300};
        QTest::newRow("20") << 20 << 400
                            << QStringList{QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("20")}
                            << QList<int>{300, 4300, 8300};
    }
    void scale()
    {
        QFETCH(int, range);
        QFETCH(int, step);
        QFETCH(QStringList, labels);
        QFETCH(QList<int>, labelLefts);
        NumberLineScreen &screen = openNumberLine(range);
        QCOMPARE(screen.caption(), QStringLiteral("Z a h l e n s t r a h l   b i s   ") + QString::number(range));
        QCOMPARE(screen.HBildlauf1->maximum(), range);

        // Opening the exercise again must not draw a second scale over the first.
        const QList<DrawOp> first = screen.surface().ops();
        openNumberLine(range);
        const QList<DrawOp> &ops = screen.surface().ops();
        QCOMPARE(ops.size(), first.size());

        QList<int> tickXs;
        QList<int> longTickXs;
        QStringList texts;
        QList<int> textLefts;
        int baseLines = 0;
        for (const DrawOp &op : ops) {
            if (op.kind == DrawOp::Kind::Text) {
                QCOMPARE(op.from.y(), 1900);
                QCOMPARE(op.points, 20.0);
                texts << op.text;
                textLefts << op.from.x();
            } else if (op.from.y() == op.to.y()) {
                QCOMPARE(op.from, QPoint(500, 1800));
                QCOMPARE(op.to, QPoint(9000, 1800));
                ++baseLines;
            } else {
                QCOMPARE(op.from.x(), op.to.x());
                QCOMPARE(op.from.y(), 1600);
                tickXs << op.from.x();
                if (op.to.y() == 1950)
                    longTickXs << op.from.x();
                else
                    QCOMPARE(op.to.y(), 1850);
            }
        }
        QCOMPARE(baseLines, 1);
        QCOMPARE(ops.first().from, QPoint(500, 1800)); // the base line first, the ticks on it
        QCOMPARE(ops.first().to, QPoint(9000, 1800));
        QCOMPARE(screen.HBildlauf1->value(), 0);
        QCOMPARE(tickXs.size(), 8000 / step + 1);
        for (int i = 0; i < tickXs.size(); ++i)
            QCOMPARE(tickXs.at(i), 500 + i * step);
        QCOMPARE(longTickXs.size(), 8000 / step / 5 + 1);
        for (int i = 0; i < longTickXs.size(); ++i)
            QCOMPARE(longTickXs.at(i), 500 + 5 * i * step);
        QCOMPARE(texts, labels);
        QCOMPARE(textLefts, labelLefts);
    }

    void lookOfTheScreen()
    {
        NumberLineScreen &screen = openNumberLine(10);
        QCOMPARE(screen.clientTwips(), QSize(9285, 4965));
        QCOMPARE(screen.Befehl3->caption(), QStringLiteral("Zahlenwert"));
        QCOMPARE(screen.Befehl4->caption(), QStringLiteral("Zahlposition"));
        QCOMPARE(screen.Bild2->accessibleName(), QStringLiteral("lachendes Gesicht"));
        QCOMPARE(screen.Bild1->accessibleName(), QStringLiteral("Blatt"));
        QCOMPARE(screen.Bild4->accessibleName(), QStringLiteral("Vogel"));
        // The tag stands above the ticks, the frame around the whole scale with its numbers.
        QVERIFY(screen.Bezeichnung1->rectTwips().bottom() < 1600);
        const QRect frame = screen.Figur1->rectTwips();
        QVERIFY(!screen.Figur1->filled());
        QVERIFY(frame.left() < 300 && frame.right() > 9000 && frame.top() < 1080 && frame.bottom() > 2300);
    }
};

QTEST_MAIN(NumberLineTest)
#include "test_numberline.moc"
