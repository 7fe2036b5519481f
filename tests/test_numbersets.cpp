// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OpenExercise.h"
#include "app/StartPage.h"
#include "engine/SharedValues.h"
#include "exercises/NumberSetScreen.h"
#include "support/ExerciseDriver.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>
#include <memory>

using kit::Label;

namespace {

const QString losingText =
    QStringLiteral("Pech, der falsche Wagen hat gewonnen!\rProbier es doch noch einmal! Viel Glück!\r");

// As the start page opens the screen.
NumberSetScreen &openNumberSets(int range)
{
    shared().numberRange = qint16(range);
    openExercise(Exercise::NumberSets);
    return Form3();
}

void answerWrong(NumberSetScreen &screen)
{
    screen.HBildlauf1->setValue(shared().expectedAnswer == 1 ? 2 : 1);
    QTest::mouseClick(screen.Befehl1, Qt::LeftButton);
}

// The rows of a picture block: each row's length, every character the same.
QList<int> rowLengths(const QString &block, QChar picture)
{
    QList<int> lengths;
    for (const QString &row : block.split(QLatin1Char('\r'))) {
        lengths << int(row.size());
        for (QChar c : row)
            if (c != picture)
                return {};
    }
    return lengths;
}

} // namespace

class NumberSetsTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void tasks_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("count the pictures") << 3;
        QTest::newRow("set the pictures") << 4;
    }
    void tasks()
    {
        QFETCH(int, kind);
        NumberSetScreen &screen = openNumberSets(20);
        QTest::mouseClick(kind == 3 ? screen.Befehl3 : screen.Befehl4, Qt::LeftButton);
        for (int i = 0; i < 40; ++i) {
            const int answer = shared().expectedAnswer;
            QVERIFY(answer >= 1 && answer <= 20);
            const QString block = screen.Bezeichnung1->caption();
            const QChar picture = block.at(0);
            QVERIFY(picture.unicode() >= 33 && picture.unicode() <= 122);
            if (kind == 3) {
                QCOMPARE(screen.Bezeichnung2->caption(), QStringLiteral("Wie viele sind das?"));
                QCOMPARE(screen.Bezeichnung3->caption(), QStringLiteral("0"));
                QCOMPARE(screen.HBildlauf1->minimum(), 0);
                QCOMPARE(screen.HBildlauf1->value(), 0);
                const QList<int> rows = rowLengths(block, picture);
                const QList<int> expected = answer > 10 ? QList<int>{10, answer - 10} : QList<int>{answer};
                QCOMPARE(rows, expected);
            } else {
                QCOMPARE(screen.Bezeichnung2->caption(), QStringLiteral("Stelle die Bilder ein!"));
                QCOMPARE(screen.Bezeichnung3->caption(), QString::number(answer));
                QCOMPARE(screen.HBildlauf1->minimum(), 1);
                QCOMPARE(screen.HBildlauf1->value(), 1);
                QCOMPARE(block.size(), 1);
            }
            // The child's entry of the last task must not show in the next one.
            screen.HBildlauf1->setValue(20);
            newTask();
        }
    }

    void entry_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("rows"); // picture rows in the pictures mode
        QTest::newRow("numbers: 0") << 3 << 0 << QList<int>();
        QTest::newRow("numbers: 17") << 3 << 17 << QList<int>();
        QTest::newRow("pictures: 1") << 4 << 1 << QList<int>{1};
        QTest::newRow("pictures: 10 in one line") << 4 << 10 << QList<int>{10};
        QTest::newRow("pictures: 11 in two lines") << 4 << 11 << QList<int>{10, 1};
        QTest::newRow("pictures: 20") << 4 << 20 << QList<int>{10, 10};
    }
    void entry()
    {
        QFETCH(int, kind);
        QFETCH(int, value);
        QFETCH(QList<int>, rows);
        NumberSetScreen &screen = openNumberSets(20);
        QTest::mouseClick(kind == 3 ? screen.Befehl3 : screen.Befehl4, Qt::LeftButton);
        const QString blockBefore = screen.Bezeichnung1->caption();
        const QString numberBefore = screen.Bezeichnung3->caption();
        // Up to the value and back down again: the display follows every step.
        screen.HBildlauf1->setValue(20);
        screen.HBildlauf1->setValue(value);
        if (kind == 3) {
            QCOMPARE(screen.Bezeichnung3->caption(), QString::number(value));
            QCOMPARE(screen.Bezeichnung1->caption(), blockBefore);
        } else {
            QCOMPARE(rowLengths(screen.Bezeichnung1->caption(), blockBefore.at(0)), rows);
            QCOMPARE(screen.Bezeichnung3->caption(), numberBefore);
        }
    }

    void picturesNeverRunOut()
    {
        NumberSetScreen &screen = openNumberSets(10);
        QTest::mouseClick(screen.Befehl4, Qt::LeftButton);
        const QChar picture = screen.Bezeichnung1->caption().at(0);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Right);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Right);
        QCOMPARE(screen.Bezeichnung1->caption(), QString(3, picture));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(screen.HBildlauf1, Qt::Key_Left);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Home);
        QCOMPARE(screen.HBildlauf1->value(), 1);
        QCOMPARE(screen.Bezeichnung1->caption(), QString(1, picture));

        // Back in the numbers mode the entry may be 0 again.
        QTest::mouseClick(screen.Befehl3, Qt::LeftButton);
        QCOMPARE(screen.HBildlauf1->minimum(), 0);
        QCOMPARE(screen.Bezeichnung3->caption(), QStringLiteral("0"));
    }

    void runEnds_data()
    {
        QTest::addColumn<int>("wrongFirst");
        QTest::addColumn<int>("rightAfter");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("25 right answers win") << 0 << 25 << QStringLiteral("Belohnung") << QString();
        QTest::newRow("24 wrong, then 25 right still win") << 24 << 25 << QStringLiteral("Belohnung") << QString();
        QTest::newRow("25 wrong answers lose") << 25 << 0 << QStringLiteral("E N D E") << losingText;
    }
    void runEnds()
    {
        QFETCH(int, wrongFirst);
        QFETCH(int, rightAfter);
        QFETCH(QString, title);
        QFETCH(QString, text);
        NumberSetScreen &screen = openNumberSets(12);
        for (int i = 0; i < wrongFirst - (rightAfter ? 0 : 1); ++i)
            answerWrong(screen);
        for (int i = 0; i < rightAfter - 1; ++i)
            answerRight(screen);
        QCOMPARE(world->dialogs.count(), 0);
        QCOMPARE(screen.Bild1->leftTwips(), 120 + (rightAfter ? rightAfter - 1 : 0) * 300);

        const QString block = screen.Bezeichnung1->caption();
        const int answer = shared().expectedAnswer;
        int leaderAtMessage = 0;
        world->dialogs.onNextMessage(
            [&] { leaderAtMessage = qMax(screen.Bild1->leftTwips(), screen.Bild2->leftTwips()); });
        if (rightAfter)
            answerRight(screen);
        else
            answerWrong(screen);

        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().title, title);
        if (!text.isEmpty())
            QCOMPARE(world->dialogs.last().text, text);
        QCOMPARE(leaderAtMessage, 7620);
        QCOMPARE(screen.Bild1->leftTwips(), 120);
        QCOMPARE(screen.Bild2->leftTwips(), 120);
        QCOMPARE(shared().rewardRounds, qint16(rightAfter ? 1 : 0));
        if (!rightAfter) {
            QCOMPARE(shared().expectedAnswer, answer);
            QCOMPARE(screen.Bezeichnung1->caption(), block);
            QCOMPARE(screen.Bezeichnung2->caption(), QStringLiteral("Wie viele sind das?"));
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
        NumberSetScreen &screen = openNumberSets(20);
        for (int i = 0; i < 5; ++i)
            answerRight(screen);
        for (int i = 0; i < 2; ++i)
            answerWrong(screen);
        if (withEscape)
            QTest::keyClick(screen.HBildlauf1, Qt::Key_Escape);
        else
            QTest::mouseClick(screen.Befehl2, Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QVERIFY(form1().isVisible());

        form1().hide();
        openNumberSets(20);
        QCOMPARE(screen.Bild1->leftTwips(), 1620);
        QCOMPARE(screen.Bild2->leftTwips(), 720);

        QTest::mouseClick(screen.Befehl4, Qt::LeftButton);
        QCOMPARE(shared().taskKind, TaskKind::SetPictures);
        QCOMPARE(screen.Bild1->leftTwips(), 1620);
        QCOMPARE(screen.Bild2->leftTwips(), 720);
        QCOMPARE(world->dialogs.count(), 0);
    }

    void help_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << QStringLiteral("x\r\r");
        QTest::newRow("5 ends with a blank") << 5 << QStringLiteral("xxxxx \r\r");
        QTest::newRow("12") << 12 << QStringLiteral("xxxxx xxxxx xx\r\r");
        QTest::newRow("20") << 20 << QStringLiteral("xxxxx xxxxx xxxxx xxxxx \r\r");
    }
    void help()
    {
        QFETCH(int, answer);
        QFETCH(QString, text);
        NumberSetScreen &screen = openNumberSets(20);
        QVERIFY(taskAskingFor(answer));
        screen.HBildlauf1->setValue(3);

        QTest::keyClick(screen.HBildlauf1, Qt::Key_Insert);
        QTest::mouseClick(screen.helpButton, Qt::LeftButton);
        QCOMPARE(world->dialogs.count(), 2);
        for (const ScriptedDialogs::Box &box : world->dialogs.boxes()) {
            QCOMPARE(box.title, QStringLiteral("Hilfe: Zahlmengen"));
            QCOMPARE(box.text, text);
        }
        QCOMPARE(screen.Bezeichnung3->caption(), QStringLiteral("3"));
    }

    void lookOfTheScreen()
    {
        NumberSetScreen &screen = openNumberSets(15);
        QCOMPARE(screen.caption(), QStringLiteral("Z a h l e n m e n g e n   b i s   15"));
        QCOMPARE(screen.HBildlauf1->maximum(), 15);
        QCOMPARE(screen.clientTwips(), QSize(8535, 4725));
        QCOMPARE(screen.Befehl3->caption(), QStringLiteral("Zahlen"));
        QCOMPARE(screen.Befehl4->caption(), QStringLiteral("Bilder"));
        QCOMPARE(screen.Bild1->accessibleName(), QStringLiteral("blaues Auto mit Plus"));
        QCOMPARE(screen.Bild2->accessibleName(), QStringLiteral("rotes Auto mit Minus"));
        QCOMPARE(screen.Bild3->accessibleName(), QStringLiteral("STOP-Schild"));
        // The number box stays inside its frame; two rows of ten pictures fit the picture label.
        QVERIFY(screen.Figur1->rectTwips().contains(screen.Bezeichnung3->rectTwips()));
        const Label *block = screen.Bezeichnung1;
        QVERIFY(block->fontMetrics().horizontalAdvance(QString(10, QLatin1Char('W'))) < block->contentsRect().width());
        QVERIFY(2 * block->fontMetrics().lineSpacing() <= block->contentsRect().height());
    }
};

QTEST_MAIN(NumberSetsTest)
#include "test_numbersets.moc"
