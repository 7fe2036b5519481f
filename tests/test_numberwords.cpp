// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartPage.h"
#include "engine/NumberWords.h"
#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "exercises/NumberWordsScreen.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>
#include <memory>

using numberwords::Mode;

class NumberWordsTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    // The screen as the child finds it after a click on the ABC block, for the given range.
    NumberWordsScreen &open(int range)
    {
        shared().numberRange = qint16(range);
        form1().showWindow();
        QTest::mouseClick(form1().Bild9, Qt::LeftButton);
        NumberWordsScreen &screen = Form7();
        screen.startAfresh(); // the activation, whether or not the platform delivers one
        world->dialogs.clear();
        return screen;
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void wordTableHoldsTheWordsInIndexOrder_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("word");
        QTest::newRow("0") << 0 << QStringLiteral("null");
        QTest::newRow("12") << 12 << QStringLiteral("zwölf");
        QTest::newRow("20") << 20 << QStringLiteral("zwanzig");
    }
    void wordTableHoldsTheWordsInIndexOrder()
    {
        QFETCH(int, value);
        QFETCH(QString, word);
        QCOMPARE(numberwords::wordTable().size(), 21);
        QCOMPARE(numberwords::word(value), word);
    }

    void tasksCoverTheRangeInBothModes_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("mode");
        for (int range : {10, 15, 20})
            for (int mode : {1, 2})
                QTest::addRow("range %d mode %d", range, mode) << range << mode;
    }
    void tasksCoverTheRangeInBothModes()
    {
        QFETCH(int, range);
        QFETCH(int, mode);
        Random random;
        random.seed(7);
        numberwords::Quiz quiz;
        quiz.setRange(range);
        quiz.setMode(Mode(mode));
        QList<int> seen(range + 1, 0);
        for (int i = 0; i < 3000; ++i) {
            quiz.newTask(random);
            QVERIFY(quiz.solution() >= 0 && quiz.solution() <= range);
            ++seen[quiz.solution()];
            const QString word = numberwords::word(quiz.solution());
            const QString digits = QString::number(quiz.solution());
            QCOMPARE(quiz.taskText(), mode == 1 ? word : digits);
            QCOMPARE(quiz.answerText(quiz.solution()), mode == 1 ? digits : word);
        }
        QVERIFY(!seen.contains(0));
    }

    void activationTakesTheRangeAndStartsInWordsMode_data()
    {
        QTest::addColumn<int>("range");
        QTest::newRow("10") << 10;
        QTest::newRow("15") << 15;
        QTest::newRow("20") << 20;
    }
    void activationTakesTheRangeAndStartsInWordsMode()
    {
        QFETCH(int, range);
        NumberWordsScreen &screen = open(range);
        QVERIFY(form1().isVisible());
        QVERIFY(screen.isVisible());
        QCOMPARE(screen.HBildlauf1->maximum(), range);
        QCOMPARE(screen.HBildlauf1->value(), 0);
        QCOMPARE(screen.Bezeichnung3->caption(), QStringLiteral("0"));
        QCOMPARE(screen.Bezeichnung2->caption(), numberwords::word(screen.quiz().solution()));

        QTest::mouseClick(screen.Befehl4, Qt::LeftButton); // "Zahlen"
        QCOMPARE(screen.Bezeichnung2->caption(), QString::number(screen.quiz().solution()));
        QCOMPARE(screen.Bezeichnung3->caption(), QStringLiteral("null"));
        screen.HBildlauf1->setValue(range);
        QCOMPARE(screen.Bezeichnung3->caption(), numberwords::word(range));

        screen.startAfresh(); // back from the start page
        QCOMPARE(screen.quiz().mode(), Mode::Words);
    }

    void judging_data()
    {
        QTest::addColumn<bool>("right");
        QTest::newRow("right") << true;
        QTest::newRow("wrong") << false;
    }
    void judging()
    {
        QFETCH(bool, right);
        NumberWordsScreen &screen = open(20);
        const int solution = screen.quiz().solution();
        const int answer = right ? solution : (solution + 1) % 21;
        screen.HBildlauf1->setValue(answer);
        const QString task = screen.Bezeichnung2->caption();
        rng().seed(1); // the next task differs from this one
        QTest::mouseClick(screen.Befehl1, Qt::LeftButton);

        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().text, right ? QStringLiteral("Richtig") : QStringLiteral("Fehler"));
        QCOMPARE(world->dialogs.last().title, QString());
        QCOMPARE(screen.HBildlauf1->value(), right ? 0 : answer);
        if (!right) {
            QCOMPARE(screen.Bezeichnung2->caption(), task);
            QCOMPARE(screen.quiz().solution(), solution);
        }
    }

    void escapeHidesOnlyThisWindow()
    {
        NumberWordsScreen &screen = open(10);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
        QVERIFY(form1().isVisible());
    }
};

QTEST_MAIN(NumberWordsTest)
#include "test_numberwords.moc"
