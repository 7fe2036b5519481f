// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartPage.h"
#include "engine/Rewards.h"
#include "engine/SharedValues.h"
#include "exercises/RewardAward.h"
#include "games/MemoryGame.h"
#include "games/ShootingGallery.h"
#include "games/SlalomDrive.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>
#include <memory>

using kit::ListBox;

class RewardsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        world = std::make_unique<TestWorld>();
        ListBox *list = form1().Liste2;
        list->addItems({QStringLiteral("M e m o r y"), QStringLiteral("Schießbude"), QStringLiteral("Slalomfahrt")});
        form1().showWindow();
    }
    void cleanup() { world.reset(); }

    void twoAwardsInARow()
    {
        awardReward(world->dialogs, shared());
        awardReward(world->dialogs, shared());
        QCOMPARE(world->dialogs.count(), 2);
        for (const ScriptedDialogs::Box &box : world->dialogs.boxes()) {
            QCOMPARE(box.kind, ScriptedDialogs::Kind::Message);
            QCOMPARE(box.title, QStringLiteral("Belohnung"));
            QCOMPARE(box.text, QStringLiteral("Prima, zur Belohnung gibt es eine\r"
                                              "Spielrunde geschenkt!  Du kannst\r"
                                              "weitermachen oder aber aufhören\r"
                                              "und dir deine Belohnung abholen!\r"));
        }
        QCOMPARE(form1().Bezeichnung11->caption(), QStringLiteral("2"));
    }

    void countIsRaisedAfterTheBoxIsClosed()
    {
        QString labelDuringBox;
        world->dialogs.onNextMessage([&] { labelDuringBox = form1().Bezeichnung11->caption(); });
        awardReward(world->dialogs, shared());
        QCOMPARE(labelDuringBox, QStringLiteral("0"));
        QCOMPARE(form1().Bezeichnung11->caption(), QStringLiteral("1"));
    }

    void launchAfterOpeningTheList()
    {
        awardReward(world->dialogs, shared());
        awardReward(world->dialogs, shared());
        shared().rewardRounds = 5; // what opening the reward list does
        QCOMPARE(form1().Bezeichnung11->caption(), QStringLiteral("2"));
        form1().Liste2->setListIndex(0);
        startRewardGame();
        QCOMPARE(form1().Bezeichnung11->caption(), QStringLiteral("4"));
        QCOMPARE(shared().rewardRounds, qint16(4));
    }

    void launch_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("messages");
        QTest::newRow("no row selected") << -1 << QStringLiteral("memo") << 0;
        QTest::newRow("M e m o r y") << 0 << QStringLiteral("memo") << 0;
        QTest::newRow("Schießbude") << 1 << QStringLiteral("schiess") << 0;
        QTest::newRow("Slalomfahrt, nail places announced") << 2 << QStringLiteral("slalom") << 1;
    }
    void launch()
    {
        QFETCH(int, row);
        QFETCH(QString, game);
        QFETCH(int, messages);
        form1().Liste2->setListIndex(row);
        QCOMPARE(form1().Liste2->listIndex(), row);
        startRewardGame();
        QCOMPARE(shared().rewardRounds, qint16(-1));
        QCOMPARE(world->dialogs.count(ScriptedDialogs::Kind::Message), messages);
        // Asking for the other games loads them hidden.
        QCOMPARE(memo().isVisible(), game == QStringLiteral("memo"));
        QCOMPARE(schiess().isVisible(), game == QStringLiteral("schiess"));
        QCOMPARE(slalom().isVisible(), game == QStringLiteral("slalom"));
        QVERIFY(!form1().isVisible());
    }

private:
    std::unique_ptr<TestWorld> world;
};

QTEST_MAIN(RewardsTest)
#include "test_rewards.moc"
