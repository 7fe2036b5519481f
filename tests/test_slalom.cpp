// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartPage.h"
#include "engine/Random.h"
#include "games/SlalomDrive.h"
#include "games/SlalomDriveRules.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"
#include "ui/machine/GameTimer.h"

#include <QtTest>
#include <memory>

using slalomdrive::Place;
using Direction = SlalomDriveRules::Direction;

namespace {

// Stands in for the generator: hands out the given draws of below() one after another.
struct ScriptedDraws
{
    QList<int> draws;
    int below(int) { return draws.takeFirst(); }
};

QString placesText(const QList<Place> &places)
{
    QStringList parts;
    for (const Place &p : places)
        parts.append(QStringLiteral("%1,%2").arg(p.column).arg(p.row));
    return parts.join(QLatin1Char(' '));
}

// Twenty nails: the given ones, the rest far away in the bottom-left corner.
QList<Place> nailsWith(const QList<Place> &some)
{
    QList<Place> nails = some;
    while (nails.size() < slalomdrive::nailCount)
        nails.append(Place{1, 10});
    return nails;
}

Direction direction(QChar c)
{
    return c == QLatin1Char('L')   ? Direction::Left
           : c == QLatin1Char('R') ? Direction::Right
           : c == QLatin1Char('U') ? Direction::Up
                                   : Direction::Down;
}

void launch()
{
    QTest::mouseClick(form1().Bild5, Qt::LeftButton); // the reward list
    form1().Liste2->setListIndex(2);                  // "Slalomfahrt"
    startRewardGame();
}

QPoint travellerAt()
{
    return QPoint(slalom().Bild1->leftTwips(), slalom().Bild1->topTwips());
}

} // namespace

class SlalomTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    // ---- rules

    void nailPlacesForFixedSeeds_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QString>("places");
        QTest::newRow("4711")
            << quint32(4711)
            << QStringLiteral("2,3 4,10 2,3 5,8 3,6 6,5 5,5 3,1 3,3 7,4 2,3 5,8 8,9 2,5 2,7 8,8 12,7 12,1 3,2 5,7");
        QTest::newRow("1")
            << quint32(1)
            << QStringLiteral("6,8 1,4 2,1 3,4 5,6 6,7 3,9 1,7 6,6 2,2 10,10 4,7 11,9 2,1 3,9 2,5 12,6 9,4 9,9 1,8");
    }
    void nailPlacesForFixedSeeds()
    {
        QFETCH(quint32, seed);
        QFETCH(QString, places);
        Random random;
        random.seed(seed);
        QCOMPARE(placesText(slalomdrive::placeNails(random)), places);
    }

    void startAndGoalStayFree()
    {
        // Column before row; (1, 1) moves down a row, (12, 10) a column to the left.
        ScriptedDraws draws;
        for (int i = 0; i < 10; ++i)
            draws.draws << 0 << 0 << 11 << 9;
        QCOMPARE(placesText(slalomdrive::placeNails(draws)).left(15), QStringLiteral("1,2 11,10 1,2 1"));
    }

    void warningOnlyForTheFourNeighbours_data()
    {
        QTest::addColumn<Place>("nail");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<bool>("warning");
        QTest::newRow("right") << Place{2, 1} << QString() << true;
        QTest::newRow("below") << Place{1, 2} << QString() << true;
        QTest::newRow("left") << Place{1, 3} << QStringLiteral("RDD") << true;
        QTest::newRow("above") << Place{2, 1} << QStringLiteral("DR") << true;
        QTest::newRow("diagonal below") << Place{2, 2} << QString() << false;
        QTest::newRow("diagonal above") << Place{2, 2} << QStringLiteral("RRDD") << false;
    }
    void warningOnlyForTheFourNeighbours()
    {
        QFETCH(Place, nail);
        QFETCH(QString, moves);
        QFETCH(bool, warning);
        SlalomDriveRules rules;
        rules.prepareWith(QList<Place>(slalomdrive::nailCount, nail));
        SlalomDriveRules::Move move = rules.moveTraveller();
        for (QChar c : moves)
            move = rules.move(direction(c));
        QCOMPARE(move.breakdown, 0);
        QCOMPARE(move.warning, warning);
        QCOMPARE(*move.status,
                 warning ? QStringLiteral("Nagel auf der Fahrbahn!") : QStringLiteral("Die Fahrbahn ist frei!"));
    }

    void breakdownChain_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("traveller");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << int(slalomdrive::Traveller::Car) << QStringLiteral("Autopanne")
                           << QStringLiteral("Pech, ein Reifenplatzer! Aber\rdu hast ja einen Ersatzreifen!");
        QTest::newRow("2") << 2 << int(slalomdrive::Traveller::Bicycle) << QStringLiteral("Autodefekt")
                           << QStringLiteral(
                                  "Wieder ein Reifenplatzer!\rZum Glück hast du ein\rKlapprad im Kofferraum!");
        QTest::newRow("3") << 3 << int(slalomdrive::Traveller::Pedestrian) << QStringLiteral("Radpanne")
                           << QStringLiteral("Vorderreifen ohne Luft!\rDu musst zu Fuß gehen!");
        QTest::newRow("4") << 4 << int(slalomdrive::Traveller::Ambulance) << QStringLiteral("Fußverletzung")
                           << QStringLiteral("Nagel im Fuß! Pech, du\rmusst ins Krankenhaus!");
    }
    void breakdownChain()
    {
        QFETCH(int, count);
        QFETCH(int, traveller);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QCOMPARE(slalomdrive::breakdown(count).title, title);
        QCOMPARE(slalomdrive::breakdown(count).text, text);

        // Down onto a nail, then Left against the edge: the same nail again and again.
        SlalomDriveRules rules;
        rules.prepareWith(nailsWith({Place{1, 2}}));
        SlalomDriveRules::Move move = rules.move(Direction::Down);
        for (int i = 1; i < count; ++i)
            move = rules.move(Direction::Left);
        QCOMPARE(move.breakdown, count);
        QVERIFY(!move.status);
        QCOMPARE(int(rules.traveller()), traveller);
        QCOMPARE(rules.state() == SlalomDriveRules::State::Lost, count == 4);
        if (count == 4) {
            QVERIFY(rules.move(Direction::Right).ignored);
            QCOMPARE(rules.cell(), (Place{1, 2}));
        }
    }

    // ---- window

    void firstLaunchPreparesBeforeShowing()
    {
        bool visibleDuringBox = true;
        world->dialogs.onNextMessage([&] {
            // The window is still loading here: look at every window rather than ask for it.
            visibleDuringBox = false;
            for (QWidget *w : QApplication::topLevelWidgets())
                visibleDuringBox = visibleDuringBox || w->isVisible();
        });
        launch();
        QCOMPARE(world->dialogs.count(ScriptedDialogs::Kind::Message), 1);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Nagelstellen"));
        QCOMPARE(world->dialogs.last().text,
                 QStringLiteral("Jetzt werden die Nagelstellen\raufgelistet, merke sie dir gut!"));
        QVERIFY(!visibleDuringBox);
        QVERIFY(slalom().isVisible());
        QCOMPARE(travellerAt(), QPoint(120, 960));
        QVERIFY(slalom().Zeit1->isEnabled());
    }

    void listingPausesWhileAwayAndEndsWithGoodLuck()
    {
        launch();
        const QList<Place> nails = slalom().rules().nails();
        for (int i = 0; i < 3; ++i)
            slalom().Zeit1->fire();
        QTest::mouseClick(slalom().Befehl1, Qt::LeftButton);
        QVERIFY(!slalom().isVisible());
        QVERIFY(form1().isVisible());
        QVERIFY(!slalom().Zeit1->isEnabled());

        launch();
        QCOMPARE(slalom().rules().nails(), nails); // the same drive goes on
        QVERIFY(slalom().Zeit1->isEnabled());
        for (int i = 3; i < slalomdrive::nailCount; ++i) {
            slalom().Zeit1->fire();
            QVERIFY(slalom().Bezeichnung5->isVisible());
            QCOMPARE(QPoint(slalom().Bezeichnung5->leftTwips(), slalom().Bezeichnung5->topTwips()),
                     slalomdrive::cellTopLeft(nails.at(i)));
        }
        QCOMPARE(world->dialogs.count(ScriptedDialogs::Kind::Message), 1);
        slalom().Zeit1->fire();
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Starten"));
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Los geht's, viel Glück!"));
        QVERIFY(!slalom().Bezeichnung5->isVisible());
        QVERIFY(!slalom().Zeit1->isEnabled());
        QCOMPARE(slalom().rules().state(), SlalomDriveRules::State::Driving);
    }

    void keysAndButtonsMoveTheTraveller()
    {
        launch();
        slalom().prepareDriveWith(nailsWith({Place{3, 3}}));
        // Key preview: the arrow reaches the window even when a button has the focus.
        QTest::keyClick(slalom().Befehl1, Qt::Key_Right);
        QCOMPARE(travellerAt(), QPoint(120 + 492, 960));
        QTest::mouseClick(slalom().Befehl5, Qt::LeftButton);
        QCOMPARE(travellerAt(), QPoint(120 + 492, 960 + 492));
        QTest::keyClick(slalom().Befehl1, Qt::Key_Down);
        QCOMPARE(slalom().Bezeichnung4->caption(), QStringLiteral("Nagel auf der Fahrbahn!"));
        QCOMPARE(world->dialogs.last().kind, ScriptedDialogs::Kind::Beep);
        QTest::mouseClick(slalom().Befehl4, Qt::LeftButton);
        QTest::mouseClick(slalom().Befehl2, Qt::LeftButton);
        QTest::keyClick(slalom().Befehl1, Qt::Key_Up);
        QCOMPARE(travellerAt(), QPoint(120, 960));
        QCOMPARE(slalom().Bezeichnung4->caption(), QStringLiteral("Die Fahrbahn ist frei!"));
    }

    void fourthBreakdownCallsTheAmbulance()
    {
        launch();
        slalom().prepareDriveWith(nailsWith({Place{1, 2}, Place{6, 6}}));
        QStringList picturesDuringBoxes;
        for (int i = 0; i < 4; ++i)
            world->dialogs.onNextMessage([&] { picturesDuringBoxes.append(slalom().Bild1->svgFile()); });
        QTest::keyClick(&slalom(), Qt::Key_Down);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(slalom().Befehl2, Qt::LeftButton);
        QCOMPARE(picturesDuringBoxes, (QStringList{QStringLiteral("car_red.svg"), QStringLiteral("bicycle.svg"),
                                                   QStringLiteral("walker.svg"), QStringLiteral("ambulance.svg")}));
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Fußverletzung"));
        QCOMPARE(slalom().Bild1->accessibleName(), QStringLiteral("Krankenwagen"));
        // Every nail is drawn: the head's left end is black.
        const slalomdrive::NailDrawing far = slalomdrive::nailDrawing(Place{6, 6});
        QCOMPARE(slalom().canvas().colourAt(far.headFrom), QColor(Qt::black));
        QTest::keyClick(&slalom(), Qt::Key_Right);
        QCOMPARE(travellerAt(), slalomdrive::cellTopLeft(Place{1, 2}));
    }

    void reachingTheHouseAndComingBackForANewDrive()
    {
        launch();
        slalom().prepareDriveWith(nailsWith({Place{5, 5}}));
        world->dialogs.clear();
        for (QChar c : QStringLiteral("RRRRRRRRRRRDDDDDDDDD"))
            slalom().move(direction(c));
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Spielende"));
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Prima, du hast es geschafft!\r"));
        QCOMPARE(slalom().Bezeichnung4->caption(), QString());
        QCOMPARE(slalom().canvas().colourAt(slalomdrive::nailDrawing(Place{5, 5}).headFrom), QColor(Qt::black));
        QCOMPARE(slalom().rules().state(), SlalomDriveRules::State::Won);
        // Moves go on after the goal, and coming back praises again.
        slalom().move(Direction::Up);
        QCOMPARE(travellerAt(), slalomdrive::cellTopLeft(Place{12, 9}));
        slalom().move(Direction::Down);
        QCOMPARE(world->dialogs.count(ScriptedDialogs::Kind::Message), 2);

        slalom().close(); // the frame's close control: as "Ende"
        QVERIFY(form1().isVisible());
        world->dialogs.clear();
        launch();
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Nagelstellen"));
        QCOMPARE(travellerAt(), QPoint(120, 960));
        QCOMPARE(slalom().rules().state(), SlalomDriveRules::State::Listing);
        QCOMPARE(slalom().canvas().colourAt(slalomdrive::nailDrawing(Place{5, 5}).headFrom), QColor(Qt::white));
    }
};

QTEST_MAIN(SlalomTest)
#include "test_slalom.moc"
