// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OpenExercise.h"
#include "app/StartPage.h"
#include "engine/SharedValues.h"
#include "exercises/SequenceScreen.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>
#include <memory>

using kit::Label;

namespace {

// As the start page opens the screen.
SequenceScreen &openScreen(int range = 10)
{
    shared().numberRange = qint16(range);
    openExercise(Exercise::Sequences);
    return Form5();
}

void enter(int value)
{
    Form5().HBildlauf1->setValue(value);
    QTest::keyClick(Form5().HBildlauf1, Qt::Key_Return);
}

void enterRight()
{
    enter(shared().expectedAnswer);
}

void enterWrong()
{
    enter(shared().expectedAnswer == 0 ? 1 : 0);
}

QStringList boxes()
{
    QStringList captions;
    for (int i = 1; i <= 5; ++i)
        captions << Form5().box(i)->caption();
    return captions;
}

void chooseDirection(int kind)
{
    QTest::mouseClick(kind == 9 ? Form5().Befehl4 : Form5().Befehl3, Qt::LeftButton);
}

} // namespace

class SequencesTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void fillBoxByBox_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("range");
        QTest::newRow("vorwärts 10") << 8 << 10;
        QTest::newRow("vorwärts 20") << 8 << 20;
        QTest::newRow("rückwärts 10") << 9 << 10;
        QTest::newRow("rückwärts 20") << 9 << 20;
    }
    void fillBoxByBox()
    {
        QFETCH(int, kind);
        QFETCH(int, range);
        SequenceScreen &screen = openScreen(range);
        chooseDirection(kind);
        const int step = kind == 9 ? -1 : 1;
        const int givenBox = kind == 9 ? 5 : 1;
        const int start = screen.box(givenBox)->caption().toInt();

        for (int k = 1; k <= 4; ++k) {
            const int current = givenBox + k * step;
            const int number = start + k * step;
            QVERIFY(number >= 0 && number <= range);
            QCOMPARE(screen.currentBox(), current);
            QCOMPARE(screen.box(current)->caption(), QStringLiteral("0"));
            QCOMPARE(screen.HBildlauf1->value(), 0);

            QStringList expected = boxes();
            for (int value = range; value >= 0; --value) {
                screen.HBildlauf1->setValue(value);
                expected[current - 1] = QString::number(value);
                QCOMPARE(boxes(), expected);
            }
            enterWrong(); // the same box is asked again
            QCOMPARE(screen.currentBox(), current);
            QCOMPARE(screen.box(current)->caption(), QString::number(shared().expectedAnswer == 0 ? 1 : 0));
            QCOMPARE(screen.Bild1->leftTwips(), 120);

            enter(number);
            QCOMPARE(screen.Bild1->leftTwips(), 220);
            if (k < 4) {
                QCOMPARE(screen.box(current)->caption(), QString::number(number));
                QCOMPARE(shared().expectedAnswer, number + step);
            }
        }
        // A new task replaces all five boxes.
        QCOMPARE(screen.currentBox(), givenBox + step);
        QCOMPARE(screen.box(givenBox + step)->caption(), QStringLiteral("0"));
        QCOMPARE(boxes().count(QString()), 3);
        QCOMPARE(shared().expectedAnswer, screen.box(givenBox)->caption().toInt() + step);
        QCOMPARE(world->dialogs.count(), 0);
    }

    void numbersFitTheirBoxes()
    {
        SequenceScreen &screen = openScreen(20);
        for (int i = 1; i <= 5; ++i) {
            screen.box(i)->setCaption(QStringLiteral("20"));
            QVERIFY(screen.box(i)->sizeHint().height() <= screen.box(i)->height());
            QVERIFY(screen.box(i)->sizeHint().width() <= screen.box(i)->width());
        }
        QVERIFY(screen.Bezeichnung6->sizeHint().width() <= screen.Bezeichnung6->width());
    }

    void walkerGoesBackNeverBelowStart()
    {
        SequenceScreen &screen = openScreen();
        for (int i = 0; i < 20; ++i)
            enterWrong();
        QCOMPARE(screen.Bild1->leftTwips(), 120);
        for (int i = 0; i < 3; ++i)
            enterRight();
        enterWrong();
        enterWrong();
        QCOMPARE(screen.Bild1->leftTwips(), 220);
        QCOMPARE(world->dialogs.count(), 0);
    }

    void fiftyThreeNetRightEntriesWin_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("vorwärts") << 8;
        QTest::newRow("rückwärts") << 9;
    }
    void fiftyThreeNetRightEntriesWin()
    {
        QFETCH(int, kind);
        SequenceScreen &screen = openScreen();
        chooseDirection(kind);
        for (int i = 0; i < 5; ++i)
            enterRight();
        for (int i = 0; i < 5; ++i)
            enterWrong();
        QCOMPARE(screen.Bild1->leftTwips(), 120);
        for (int i = 0; i < 52; ++i)
            enterRight();
        QCOMPARE(screen.Bild1->leftTwips(), 5320);
        QCOMPARE(world->dialogs.count(), 0);

        // The 58th right entry is the second of a task: the reward comes in its middle.
        int leftWhileOpen = 0;
        QStringList boxesWhileOpen;
        world->dialogs.onNextMessage([&] {
            leftWhileOpen = screen.Bild1->leftTwips();
            boxesWhileOpen = boxes();
        });
        const int filled = screen.currentBox();
        const int number = shared().expectedAnswer;
        enterRight();
        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Belohnung"));
        QCOMPARE(leftWhileOpen, 5420);
        QCOMPARE(screen.Bild1->leftTwips(), 120);
        QCOMPARE(form1().Bezeichnung11->caption(), QStringLiteral("1"));

        // The task goes on with the next box.
        const int next = kind == 9 ? filled - 1 : filled + 1;
        QCOMPARE(boxes(), boxesWhileOpen);
        QCOMPARE(screen.box(filled)->caption(), QString::number(number));
        QCOMPARE(screen.box(next)->caption(), QStringLiteral("0"));
        QCOMPARE(screen.currentBox(), next);
        enterRight();
        QCOMPARE(screen.Bild1->leftTwips(), 220);
    }

    void walkerSurvivesLeavingAndModeChange()
    {
        SequenceScreen &screen = openScreen();
        for (int i = 0; i < 3; ++i)
            enterRight();
        chooseDirection(9);
        QCOMPARE(shared().taskKind, TaskKind::CountBack);
        QCOMPARE(screen.Bild1->leftTwips(), 420);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
        QVERIFY(form1().isVisible());

        openScreen();
        QCOMPARE(screen.Bild1->leftTwips(), 420);
        QCOMPARE(screen.currentBox(), 2);
    }

    void helpWritesTheSequenceOut_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("help");
        QTest::newRow("vorwärts from 3") << 8 << QStringLiteral("3") << QStringLiteral("  3   4   5   6   7 \r\r");
        QTest::newRow("vorwärts from 0") << 8 << QStringLiteral("0") << QStringLiteral("  0   1   2   3   4 \r\r");
        QTest::newRow("rückwärts to 9") << 9 << QStringLiteral("9") << QStringLiteral(" 5   6   7   8   9  \r\r");
        QTest::newRow("rückwärts to 10") << 9 << QStringLiteral("10") << QStringLiteral(" 6   7   8   9   10  \r\r");
    }
    void helpWritesTheSequenceOut()
    {
        QFETCH(int, kind);
        QFETCH(QString, given);
        QFETCH(QString, help);
        SequenceScreen &screen = openScreen();
        Label *givenBox = screen.box(kind == 9 ? 5 : 1);
        for (int i = 0; i < 1000 && givenBox->caption() != given; ++i)
            chooseDirection(kind);
        QCOMPARE(givenBox->caption(), given);

        QTest::mouseClick(screen.Befehl5, Qt::LeftButton);
        enterRight(); // a filled box changes nothing
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Insert);
        QCOMPARE(world->dialogs.count(), 2);
        for (const ScriptedDialogs::Box &box : world->dialogs.boxes()) {
            QCOMPARE(box.title, QStringLiteral("Hilfe: Zahlfolgen"));
            QCOMPARE(box.text, help);
        }
    }

private:
    std::unique_ptr<TestWorld> world;
};

QTEST_MAIN(SequencesTest)
#include "test_sequences.moc"
