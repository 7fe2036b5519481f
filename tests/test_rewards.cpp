#include "ui/Controls.h"
#include "engine/SharedValues.h"
#include "app/StartPage.h"
#include "app/Windows.h"
#include "engine/Rewards.h"
#include "exercises/RewardAward.h"
#include "games/MemoryGame.h"
#include "support/ScriptedDialogs.h"

#include <QtTest>
#include <memory>

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
        awardReward();
        awardReward();
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
        awardReward();
        QCOMPARE(labelDuringBox, QStringLiteral("0"));
        QCOMPARE(form1().Bezeichnung11->caption(), QStringLiteral("1"));
    }

    void launchAfterOpeningTheList()
    {
        awardReward();
        awardReward();
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
        QTest::addColumn<bool>("opensMemory");
        QTest::newRow("no row selected") << -1 << true;
        QTest::newRow("M e m o r y") << 0 << true;
        QTest::newRow("Schießbude, not built yet") << 1 << false;
        QTest::newRow("Slalomfahrt, not built yet") << 2 << false;
    }
    void launch()
    {
        QFETCH(int, row);
        QFETCH(bool, opensMemory);
        form1().Liste2->setListIndex(row);
        QCOMPARE(form1().Liste2->listIndex(), row);
        startRewardGame();
        QCOMPARE(memo().isVisible(), opensMemory);
        QCOMPARE(form1().isVisible(), !opensMemory);
        QCOMPARE(world->dialogs.count(), 0);
    }

private:
    std::unique_ptr<TestWorld> world;
};

QTEST_MAIN(RewardsTest)
#include "test_rewards.moc"
