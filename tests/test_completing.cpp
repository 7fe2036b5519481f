// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OpenExercise.h"
#include "app/StartPage.h"
#include "engine/SharedValues.h"
#include "exercises/CompletingScreen.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>
#include <memory>

using kit::Button;
using kit::Label;

namespace {

const QString losingText = QStringLiteral("Pech, die falsche Spinne hat gewonnen!\rProbier es bitte noch einmal! "
                                          "Viel Glück!\r");

// As the start page opens the screen.
CompletingScreen &openScreen(int range = 10)
{
    shared().numberRange = qint16(range);
    openExercise(Exercise::Completing);
    return Form4();
}

void enter(int value)
{
    Form4().HBildlauf1->setValue(value);
    QTest::keyClick(Form4().HBildlauf1, Qt::Key_Return);
}

int wrongValue()
{
    return shared().expectedAnswer == 1 ? 2 : 1;
}

Button *modeButton(CompletingScreen &screen, int kind)
{
    return kind == 5 ? screen.Befehl5 : kind == 6 ? screen.Befehl3 : screen.Befehl4;
}

QStringList fixedLabels(const CompletingScreen &s)
{
    return {s.Bezeichnung1->caption(), s.Bezeichnung2->caption(), s.Bezeichnung3->caption(),
            s.Bezeichnung4->caption(), s.Bezeichnung6->caption(), s.Bezeichnung7->caption()};
}

} // namespace

class CompletingTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void equationAndEntry_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("operation");
        QTest::newRow("Zehner, range 10") << 5 << 10 << QStringLiteral("+");
        QTest::newRow("Zehner, range 20") << 5 << 20 << QStringLiteral("+");
        QTest::newRow("plus") << 6 << 13 << QStringLiteral("+");
        QTest::newRow("minus") << 7 << 17 << QStringLiteral("-");
    }
    void equationAndEntry()
    {
        QFETCH(int, kind);
        QFETCH(int, range);
        QFETCH(QString, operation);
        CompletingScreen &screen = openScreen(range);
        QTest::mouseClick(modeButton(screen, kind), Qt::LeftButton);
        QCOMPARE(shared().taskKind, TaskKind(kind));
        QCOMPARE(screen.Bezeichnung2->caption(), QStringLiteral("Wie viel fehlt?"));
        QCOMPARE(screen.Bezeichnung4->caption(), operation);

        const int first = screen.Bezeichnung3->caption().toInt();
        const int last = screen.Bezeichnung7->caption().toInt();
        const int missing = shared().expectedAnswer;
        QCOMPARE(kind == 7 ? first - missing : first + missing, last);
        if (kind == 5)
            QCOMPARE(last, range);
        const int pictures = int(screen.Bezeichnung1->caption().remove(QLatin1Char('\r')).size());
        QCOMPARE(pictures, kind == 7 ? first : last);

        const QStringList before = fixedLabels(screen);
        for (int value = range; value >= 0; --value) {
            screen.HBildlauf1->setValue(value);
            QCOMPARE(screen.Bezeichnung5->caption(), QString::number(value));
        }
        QCOMPARE(fixedLabels(screen), before);
        QCOMPARE(screen.focusWidget(), screen.HBildlauf1);
    }

    void equationDigitsFitTheirBoxes()
    {
        CompletingScreen &screen = openScreen(20);
        for (Label *label : {screen.Bezeichnung3, screen.Bezeichnung5, screen.Bezeichnung7}) {
            label->setCaption(QStringLiteral("20"));
            QVERIFY2(label->sizeHint().height() <= label->height(), qPrintable(label->objectName()));
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->frameWidth() + 10 <=
                         label->width(),
                     qPrintable(label->objectName()));
        }
        for (Label *label : {screen.Bezeichnung4, screen.Bezeichnung6})
            QVERIFY2(label->sizeHint().height() <= label->height(), qPrintable(label->objectName()));
    }

    void zehnerButtonNamesTheRange_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("caption");
        QTest::newRow("10") << 10 << QStringLiteral("z u m  10 e r");
        QTest::newRow("15") << 15 << QStringLiteral("z u m  15 e r");
    }
    void zehnerButtonNamesTheRange()
    {
        QFETCH(int, range);
        QFETCH(QString, caption);
        CompletingScreen &screen = openScreen(range);
        QCOMPARE(screen.caption(), QStringLiteral("E r g ä n z e n   b i s   ") + QString::number(range));
        QCOMPARE(screen.Befehl5->caption(), caption);
        QTest::mouseClick(screen.Befehl4, Qt::LeftButton);
        QCOMPARE(screen.Befehl5->caption(), caption);
    }

    void thirtyRightAnswersWin()
    {
        CompletingScreen &screen = openScreen();
        enter(wrongValue());
        for (int i = 0; i < 29; ++i)
            enter(shared().expectedAnswer);
        QCOMPARE(screen.Bild1->leftTwips(), 120 + 29 * 200);
        QCOMPARE(screen.Bild2->leftTwips(), 320);
        QCOMPARE(world->dialogs.count(), 0);

        int leftWhileOpen = 0;
        world->dialogs.onNextMessage([&] { leftWhileOpen = screen.Bild1->leftTwips(); });
        enter(shared().expectedAnswer);
        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Belohnung"));
        QCOMPARE(leftWhileOpen, 6120);
        QCOMPARE(screen.Bild1->leftTwips(), 120);
        QCOMPARE(screen.Bild2->leftTwips(), 120);
        QCOMPARE(form1().Bezeichnung11->caption(), QStringLiteral("1"));
    }

    void thirtyWrongAnswersLose()
    {
        CompletingScreen &screen = openScreen();
        enter(shared().expectedAnswer);
        const QStringList task = fixedLabels(screen);
        const int answer = shared().expectedAnswer;
        for (int i = 0; i < 29; ++i)
            enter(wrongValue()); // the same wrong number counts every time
        QCOMPARE(screen.Bild2->leftTwips(), 120 + 29 * 200);
        QCOMPARE(screen.Bild1->leftTwips(), 320);
        QCOMPARE(world->dialogs.count(), 0);

        enter(wrongValue());
        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Klack"));
        QCOMPARE(world->dialogs.last().text, losingText);
        QCOMPARE(screen.Bild1->leftTwips(), 120);
        QCOMPARE(screen.Bild2->leftTwips(), 120);
        QCOMPARE(fixedLabels(screen), task);
        QCOMPARE(shared().expectedAnswer, answer);
        QCOMPARE(screen.Bezeichnung5->caption(), QString::number(wrongValue()));
        QCOMPARE(shared().rewardRounds, qint16(0));
    }

    void raceSurvivesLeavingAndModeChange()
    {
        CompletingScreen &screen = openScreen();
        enter(shared().expectedAnswer);
        enter(shared().expectedAnswer);
        enter(wrongValue());
        QTest::mouseClick(screen.Befehl3, Qt::LeftButton);
        QCOMPARE(shared().taskKind, TaskKind::CompletePlus);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
        QVERIFY(form1().isVisible());

        openScreen();
        QCOMPARE(screen.Bild1->leftTwips(), 520);
        QCOMPARE(screen.Bild2->leftTwips(), 320);
        QVERIFY(world->dialogs.boxes().isEmpty());
    }

    void helpPicturesTheTask_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("help");
        QTest::newRow("Zehner from 3") << 5 << 10 << QStringLiteral("3") << QStringLiteral("10")
                                       << QStringLiteral("3 + __ = 10\r\rooo xxxxxxx\r");
        QTest::newRow("Zehner from 0") << 5 << 10 << QStringLiteral("0") << QStringLiteral("10")
                                       << QStringLiteral("0 + __ = 10\r\r xxxxxxxxxx\r");
        QTest::newRow("Zehner from 0 to 20") << 5 << 20 << QStringLiteral("0") << QStringLiteral("20")
                                             << QStringLiteral("0 + __ = 20\r\r xxxxxxxxxxxxxxxxxxxx\r");
        QTest::newRow("plus") << 6 << 10 << QStringLiteral("2") << QStringLiteral("5")
                              << QStringLiteral("2 + __ = 5\r\roo xxx\r");
        QTest::newRow("plus nothing missing") << 6 << 10 << QStringLiteral("4") << QStringLiteral("4")
                                              << QStringLiteral("4 + __ = 4\r\roooo \r");
        QTest::newRow("minus") << 7 << 10 << QStringLiteral("5") << QStringLiteral("2")
                               << QStringLiteral("5 - __ = 2\r\rooo xx\r");
        QTest::newRow("minus nothing taken") << 7 << 10 << QStringLiteral("3") << QStringLiteral("3")
                                             << QStringLiteral("3 - __ = 3\r\r xxx\r");
    }
    void helpPicturesTheTask()
    {
        QFETCH(int, kind);
        QFETCH(int, range);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, help);
        CompletingScreen &screen = openScreen(range);
        // New tasks through the mode button until the wanted one comes up.
        for (int i = 0; i < 1000; ++i) {
            QTest::mouseClick(modeButton(screen, kind), Qt::LeftButton);
            if (screen.Bezeichnung3->caption() == first && screen.Bezeichnung7->caption() == last)
                break;
        }
        QCOMPARE(screen.Bezeichnung3->caption(), first);
        QCOMPARE(screen.Bezeichnung7->caption(), last);
        screen.HBildlauf1->setValue(range); // the child's entry plays no part

        QTest::mouseClick(screen.Befehl6, Qt::LeftButton);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Insert);
        QCOMPARE(world->dialogs.count(), 2);
        for (const ScriptedDialogs::Box &box : world->dialogs.boxes()) {
            QCOMPARE(box.title, QStringLiteral("Hilfe: Ergänzen"));
            QCOMPARE(box.text, help);
        }
        QCOMPARE(screen.Bild1->leftTwips(), 120);
        QCOMPARE(screen.Bezeichnung5->caption(), QString::number(range));
    }

private:
    std::unique_ptr<TestWorld> world;
};

QTEST_MAIN(CompletingTest)
#include "test_completing.moc"
