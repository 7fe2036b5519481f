// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartPage.h"
#include "engine/Random.h"
#include "engine/Rewards.h"
#include "games/MemoryBoard.h"
#include "games/MemoryGame.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>
#include <memory>

using kit::Label;

namespace {

// Stands in for the generator: hands out the given draws of below() one after another.
struct ScriptedDraws
{
    QList<int> draws;
    int below(int) { return draws.takeFirst(); }
};

QString sortedDigits(QString deal)
{
    std::sort(deal.begin(), deal.end());
    return deal;
}

Label *cardLabel(int n)
{
    return memo().card(n);
}

QString caption(int n)
{
    return cardLabel(n)->caption();
}

QColor back(int n)
{
    return cardLabel(n)->palette().color(QPalette::Window);
}

QString face(QChar digit)
{
    return QStringLiteral("%1                %1").arg(digit); // sixteen blanks
}

void click(int n)
{
    QTest::mouseClick(cardLabel(n), Qt::LeftButton);
}

QChar digitOn(int n)
{
    return memo().board().deal().at(n - 1);
}

int partnerOf(int n)
{
    const QString deal = memo().board().deal();
    for (int p = 1; p <= 18; ++p)
        if (p != n && deal.at(p - 1) == deal.at(n - 1))
            return p;
    return 0;
}

// The first card after `from` whose digit differs from every digit in `avoid`.
int cardNotMatching(const QList<int> &avoid, int from = 1)
{
    for (int p = from; p <= 18; ++p) {
        bool differs = true;
        for (int a : avoid)
            differs = differs && p != a && digitOn(p) != digitOn(a);
        if (differs)
            return p;
    }
    return 0;
}

// The cards showing a digit, in card order.
QList<int> faceUpCards()
{
    QList<int> up;
    for (int n = 1; n <= 18; ++n)
        if (!caption(n).isEmpty() && back(n) != QColor(255, 255, 255))
            up.append(n);
    return up;
}

void launch()
{
    form1().Liste2->setListIndex(-1); // no row selected opens Memory
    startRewardGame();
}

} // namespace

class MemoryTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init()
    {
        world = std::make_unique<TestWorld>();
        launch();
    }
    void cleanup() { world.reset(); }

    void dealIsAPermutationOfThePairs()
    {
        Random random;
        for (quint32 seed = 0; seed < 500; ++seed) {
            random.seed(seed);
            const QString deal = memorygame::dealCards(random);
            QCOMPARE(deal.size(), 18);
            QCOMPARE(sortedDigits(deal), QStringLiteral("112233445566778899"));
        }
    }

    void dealForFixedSeeds_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QString>("deal");
        QTest::newRow("4711") << quint32(4711) << QStringLiteral("813312475567946982");
        QTest::newRow("1") << quint32(1) << QStringLiteral("233492418569186577");
    }
    void dealForFixedSeeds()
    {
        QFETCH(quint32, seed);
        QFETCH(QString, deal);
        Random random;
        random.seed(seed);
        QCOMPARE(memorygame::dealCards(random), deal);
    }

    void takenPlaceIsDrawnAgain()
    {
        // Place 18, then 18 again and 1, then 1 again and 2, then 3 to 17 in turn.
        ScriptedDraws draws{{17, 17, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};
        QCOMPARE(memorygame::dealCards(draws), QStringLiteral("122334455667788991"));
        QVERIFY(draws.draws.isEmpty());
    }

    void boardLayout_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("first") << 1 << QRect(480, 1080, 615, 1095);
        QTest::newRow("end of top row") << 6 << QRect(4680, 1080, 615, 1095);
        QTest::newRow("start of middle row") << 7 << QRect(480, 2400, 615, 1095);
        QTest::newRow("last") << 18 << QRect(4680, 3720, 615, 1095);
    }
    void boardLayout()
    {
        QFETCH(int, card);
        QFETCH(QRect, twips);
        QCOMPARE(cardLabel(card)->objectName(), QStringLiteral("Bezeichnung%1").arg(card));
        QCOMPARE(cardLabel(card)->rectTwips(), twips);
        QCOMPARE(back(card), QColor(0, 0, 192));
        QCOMPARE(cardLabel(card)->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(caption(card), QString());
        QCOMPARE(cardLabel(card)->accessibleName(), QStringLiteral("Karte %1").arg(card));
    }

    void windowTexts()
    {
        QCOMPARE(memo().caption(), QStringLiteral("Memory"));
        QCOMPARE(memo().Bezeichnung19->caption(),
                 QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes Einzelfeld an und suche "
                                "alle Zahlenpaare !"));
        QCOMPARE(memo().Befehl1->caption(), QStringLiteral("STOP"));
        QVERIFY(memo().isVisible());
        QVERIFY(!form1().isVisible());
    }

    void firstClickDealsAndShowsThatCard_data()
    {
        QTest::addColumn<int>("card");
        QTest::newRow("first card") << 1;
        QTest::newRow("middle") << 9;
        QTest::newRow("last card") << 18;
    }
    void firstClickDealsAndShowsThatCard()
    {
        QFETCH(int, card);
        QVERIFY(!memo().board().isDealt());
        click(card);
        QVERIFY(memo().board().isDealt());
        QCOMPARE(sortedDigits(memo().board().deal()), QStringLiteral("112233445566778899"));
        QCOMPARE(caption(card), face(digitOn(card)));
        QCOMPARE(faceUpCards(), QList<int>{card});
    }

    void sameCardTwiceStaysTheFirstCard()
    {
        click(5);
        click(5);
        QCOMPARE(faceUpCards(), QList<int>{5});
        QCOMPARE(caption(5), face(digitOn(5)));
        // Still the first card: its partner completes the pair.
        const int partner = partnerOf(5);
        click(partner);
        QCOMPARE(back(5), QColor(255, 255, 255));
        QCOMPARE(back(partner), QColor(255, 255, 255));
    }

    void thirdClickTurnsTheOpenPairDown_data()
    {
        QTest::addColumn<int>("which"); // 0: another card, 1: the first open card, 2: the second
        QTest::newRow("another card") << 0;
        QTest::newRow("the first open card") << 1;
        QTest::newRow("the second open card") << 2;
    }
    void thirdClickTurnsTheOpenPairDown()
    {
        QFETCH(int, which);
        click(1);
        const int second = cardNotMatching({1});
        click(second);
        QCOMPARE(faceUpCards(), (QList<int>{1, second}));
        QCOMPARE(caption(second), face(digitOn(second)));

        const int third = which == 1 ? 1 : which == 2 ? second : cardNotMatching({1, second});
        click(third);
        QCOMPARE(faceUpCards(), QList<int>{third});
        QCOMPARE(caption(third), face(digitOn(third)));
        // The third card starts a new turn: its partner makes a pair.
        click(partnerOf(third));
        QCOMPARE(back(third), QColor(255, 255, 255));
        QCOMPARE(faceUpCards(), QList<int>{});
    }

    void foundPairTurnsWhiteAndIgnoresClicks()
    {
        click(1);
        const int partner = partnerOf(1);
        click(partner);
        for (int n : {1, partner}) {
            QCOMPARE(back(n), QColor(255, 255, 255));
            QCOMPARE(caption(n), face(digitOn(n))); // white on white
            QCOMPARE(cardLabel(n)->accessibleName(), QStringLiteral("Karte %1, gefunden").arg(n));
        }

        // A found card does not count as a turn's card.
        click(1);
        QCOMPARE(faceUpCards(), QList<int>{});
        const int a = cardNotMatching({1});
        const int b = cardNotMatching({1, a});
        click(a);
        click(partner);
        click(b);
        QCOMPARE(faceUpCards(), (QList<int>{a, b}));
        click(cardNotMatching({1, a, b}));
        QCOMPARE(back(1), QColor(255, 255, 255));
        QCOMPARE(back(partner), QColor(255, 255, 255));
        QCOMPARE(caption(1), face(digitOn(1)));
    }

    void ninthPairEndsTheGame()
    {
        click(1);
        click(partnerOf(1));
        bool lastPairWhiteDuringMessage = false;
        int lastCard = 0;
        world->dialogs.onNextMessage([&] {
            lastPairWhiteDuringMessage = back(lastCard) == QColor(255, 255, 255) &&
                                         back(partnerOf(lastCard)) == QColor(255, 255, 255) &&
                                         memo().isVisible();
        });
        for (int n = 2; n <= 18 && world->dialogs.count() == 0; ++n) {
            if (back(n) == QColor(255, 255, 255))
                continue;
            lastCard = n;
            click(n);
            click(partnerOf(n));
        }

        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(int(world->dialogs.last().kind), int(ScriptedDialogs::Kind::Message));
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Memory"));
        QCOMPARE(world->dialogs.last().text, QStringLiteral("  Das Spiel ist beendet!\r"));
        QVERIFY(lastPairWhiteDuringMessage);
        for (int n = 1; n <= 18; ++n) {
            QCOMPARE(back(n), QColor(0, 0, 128));
            QCOMPARE(caption(n), QString());
        }
        QVERIFY(!memo().isVisible());
        QVERIFY(form1().isVisible());

        launch();
        QVERIFY(!memo().board().isDealt());
        click(4);
        QVERIFY(memo().board().isDealt());
        QCOMPARE(faceUpCards(), QList<int>{4});
        QCOMPARE(caption(4), face(digitOn(4)));
    }

    void stopKeepsTheGameOnYes_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes leaves, game kept") << true;
        QTest::newRow("No plays on") << false;
    }
    void stopKeepsTheGameOnYes()
    {
        QFETCH(bool, yes);
        click(1);
        click(partnerOf(1));
        const int a = cardNotMatching({1});
        const int b = cardNotMatching({1, a});
        click(a);
        click(b);
        const QString deal = memo().board().deal();

        if (yes)
            world->dialogs.answerYes();
        else
            world->dialogs.answerNo();
        QTest::mouseClick(memo().Befehl1, Qt::LeftButton);

        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(int(world->dialogs.last().kind), int(ScriptedDialogs::Kind::Question));
        QCOMPARE(world->dialogs.last().title, QStringLiteral("M e m o r y"));
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Dieses Spiel jetzt beenden?\r"));
        QCOMPARE(memo().isVisible(), !yes);
        QCOMPARE(form1().isVisible(), yes);

        if (yes)
            launch();
        QCOMPARE(memo().board().deal(), deal);
        QCOMPARE(faceUpCards(), (QList<int>{a, b}));
        QCOMPARE(back(1), QColor(255, 255, 255));
        // The turn goes on where it stopped.
        const int c = cardNotMatching({1, a, b});
        click(c);
        QCOMPARE(faceUpCards(), QList<int>{c});
    }

    void frameCloseLeavesWithoutAsking()
    {
        click(3);
        memo().close();
        QCOMPARE(world->dialogs.count(), 0);
        QVERIFY(!memo().isVisible());
        QVERIFY(form1().isVisible());
        launch();
        QCOMPARE(faceUpCards(), QList<int>{3});
    }

    void keyboardTurnsTheFocusedCard()
    {
        cardLabel(8)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cardLabel(8), Qt::Key_Space);
        QCOMPARE(faceUpCards(), QList<int>{8});
        QCOMPARE(cardLabel(8)->accessibleName(), QStringLiteral("Karte 8: %1").arg(digitOn(8)));
    }
};

QTEST_MAIN(MemoryTest)
#include "test_memory.moc"
