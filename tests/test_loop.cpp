// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartPage.h"
#include "engine/SharedValues.h"
#include "exercises/CalculationScreen.h"
#include "games/MemoryGame.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>

// The child's whole road: start page, calculation, a won race, the reward list, Memory, and back.
class LoopTest : public QObject
{
    Q_OBJECT
private slots:
    void startPageToRewardGameAndBack()
    {
        TestWorld world;
        StartPage &page = form1();
        page.showWindow();

        QTest::mouseClick(page.Bild13, Qt::LeftButton);
        CalculationScreen &screen = Form6();
        QVERIFY(screen.isVisible());
        QVERIFY(!page.isVisible());

        for (int i = 0; i < 25; ++i) {
            screen.HBildlauf1->setValue(shared().expectedAnswer);
            QTest::keyClick(screen.HBildlauf1, Qt::Key_Return);
        }
        QCOMPARE(world.dialogs.count(ScriptedDialogs::Kind::Message), 1);
        QCOMPARE(world.dialogs.last().title, QStringLiteral("Belohnung"));
        QCOMPARE(page.Bezeichnung11->caption(), QStringLiteral("1"));

        QTest::keyClick(screen.HBildlauf1, Qt::Key_Escape);
        QVERIFY(page.isVisible());
        QVERIFY(!screen.isVisible());

        QTest::mouseClick(page.Bild5, Qt::LeftButton);
        QVERIFY(page.Liste2->isVisible());
        const QRect firstRow = page.Liste2->visualItemRect(page.Liste2->item(0));
        QTest::mouseClick(page.Liste2->viewport(), Qt::LeftButton, {}, firstRow.center());
        QTest::mouseDClick(page.Liste2->viewport(), Qt::LeftButton, {}, firstRow.center());
        MemoryGame &game = memo();
        QVERIFY(game.isVisible());
        QVERIFY(!page.isVisible());
        QCOMPARE(page.Bezeichnung11->caption(), QStringLiteral("4"));

        // Find every pair: the first click deals and opens card 1; its partner comes next, then
        // each other digit's two cards in turn.
        QTest::mouseClick(game.card(1), Qt::LeftButton);
        const QString deal = game.board().deal();
        QList<int> order;
        for (QChar digit : QString(deal.at(0)) + QStringLiteral("123456789")) {
            for (int card = 1; card <= 18; ++card)
                if (deal.at(card - 1) == digit && !order.contains(card))
                    order.append(card);
        }
        for (int card : order.mid(1))
            QTest::mouseClick(game.card(card), Qt::LeftButton);
        QCOMPARE(world.dialogs.last().title, QStringLiteral("Memory"));
        QVERIFY(!game.isVisible());
        QVERIFY(page.isVisible());
    }
};

QTEST_MAIN(LoopTest)
#include "test_loop.moc"
