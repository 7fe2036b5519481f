// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartPage.h"
#include "engine/Random.h"
#include "games/ShootingGallery.h"
#include "games/ShootingGalleryRules.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Canvas.h"
#include "ui/kit/Controls.h"
#include "ui/machine/GameTimer.h"
#include "ui/machine/Pointer.h"

#include <QtTest>
#include <memory>

using kit::Canvas;

namespace {

const QString instruction = QStringLiteral("   Bei diesem Spiel musst du immer\rdie schwarzen Quadrate abschießen!");

void launch()
{
    QTest::mouseClick(form1().Bild5, Qt::LeftButton); // the reward list
    form1().Liste2->setListIndex(1);                  // "Schießbude"
    startRewardGame();
}

// A mouse button pressed on the board at a twips point.
void pressAt(QPoint twips, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(&schiess(), button, {}, QPoint(twips.x() / 15, twips.y() / 15));
}

bool boardIsBlank()
{
    QImage blank(schiess().canvas().image().size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    return schiess().canvas().image() == blank;
}

} // namespace

class GalleryTest : public QObject
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

    // ---- rules

    void targetsCoverTheGridAndOneInFiveIsBlack()
    {
        Random random;
        random.seed(4711);
        QList<int> perColour(5, 0);
        QSet<int> columns, rows;
        const int draws = 10000;
        for (int i = 0; i < draws; ++i) {
            const shootinggallery::Target t = shootinggallery::drawTarget(random);
            QVERIFY(t.column >= 0 && t.column < 26 && t.row >= 0 && t.row < 18 && t.k >= 0 && t.k < 5);
            columns.insert(t.column);
            rows.insert(t.row);
            ++perColour[t.k];
        }
        // The grid rests on the window's nominal outer size: 26 columns, 18 rows.
        QCOMPARE(columns.size(), 26);
        QCOMPARE(rows.size(), 18);
        for (int count : perColour)
            QVERIFY2(count > draws / 5 - 300 && count < draws / 5 + 300, qPrintable(QString::number(count)));
        QCOMPARE(shootinggallery::targetColour(0), QColor(0, 0, 0));
        QCOMPARE(shootinggallery::targetColour(3), QColor(0, 0, 255));
    }

    void aGameLastsExactly200Ticks()
    {
        Random random;
        ShootingGalleryRules rules;
        rules.start();
        QStringList shown;
        int ticks = 0;
        for (;;) {
            const ShootingGalleryRules::Tick tick = rules.tick(random);
            QVERIFY(tick.ran);
            ++ticks;
            shown.append(tick.timeText);
            if (tick.gameOver)
                break;
        }
        QCOMPARE(ticks, 200);
        QCOMPARE(shown.mid(0, 3),
                 (QStringList{QStringLiteral("Zeit: 398"), QStringLiteral("Zeit: 396"), QStringLiteral("Zeit: 394")}));
        QCOMPARE(shown.last(), QStringLiteral("Zeit: 0"));
        QCOMPARE(rules.elapsedMs(), 40000);
        QVERIFY(!rules.tick(random).ran);
        QCOMPARE(rules.endMessage(), QStringLiteral("Du hast 0 Treffer erzielt!"));
    }

    void shot_data()
    {
        QTest::addColumn<QColor>("under");
        QTest::addColumn<bool>("hole");
        QTest::addColumn<bool>("scored");
        QTest::newRow("black scores") << QColor(0, 0, 0) << true << true;
        QTest::newRow("teal only beeps") << QColor(0, 128, 128) << true << false;
        QTest::newRow("red only beeps") << QColor(255, 0, 0) << true << false;
        QTest::newRow("almost black only beeps") << QColor(1, 0, 0) << true << false;
        QTest::newRow("white does nothing") << QColor(255, 255, 255) << false << false;
    }
    void shot()
    {
        QFETCH(QColor, under);
        QFETCH(bool, hole);
        QFETCH(bool, scored);
        ShootingGalleryRules rules;
        rules.start();
        const ShootingGalleryRules::Shot shot = rules.shoot(under);
        QCOMPARE(shot.hole, hole);
        QCOMPARE(shot.scored, scored);
        QCOMPARE(rules.hits(), scored ? 1 : 0);
        QCOMPARE(rules.pointsText(), QStringLiteral("Punkte: %1").arg(scored ? 1 : 0));
    }

    void canvasGivesBackExactlyWhatWasDrawn()
    {
        Canvas &canvas = schiess().canvas();
        for (int k = 0; k < 5; ++k) {
            const QRect square = shootinggallery::Target{k, 2, k}.square();
            canvas.filledRectangle(square, shootinggallery::targetColour(k));
            for (QPoint p : {square.topLeft(), square.center(), square.bottomRight()})
                QCOMPARE(canvas.colourAt(p), shootinggallery::targetColour(k));
            QCOMPARE(canvas.colourAt(square.topLeft() - QPoint(16, 16)), QColor(Qt::white));
        }
        canvas.filledCircle(QPoint(400, 1000), 200, Qt::white);
        QCOMPARE(canvas.colourAt(QPoint(400, 1000)), QColor(Qt::white));
        canvas.clear();
        QVERIFY(boardIsBlank());
    }

    // ---- window

    void startAsksForBlackSquaresWithTheClockRunning()
    {
        QString timeDuringBox;
        world->dialogs.onNextMessage([&] {
            // The clock runs before the box: ticks that arrive while it is open count.
            schiess().Zeit1->fire();
            schiess().Zeit1->fire();
            timeDuringBox = schiess().Bezeichnung4->caption();
        });
        QTest::mouseClick(schiess().Bezeichnung2, Qt::LeftButton);
        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Schießbude"));
        QCOMPARE(world->dialogs.last().text, instruction);
        QCOMPARE(timeDuringBox, QStringLiteral("Zeit: 396"));
        QCOMPARE(kit::mousepointer::current(), kit::mousepointer::Shape::Crosshair);
        QVERIFY(schiess().Zeit1->isEnabled());
        QCOMPARE(schiess().Zeit1->interval(), 200);
    }

    void aWholeGameEndsWithTheHitsAndTheStartPage()
    {
        QTest::mouseClick(schiess().Bezeichnung2, Qt::LeftButton);
        const QRect black = shootinggallery::Target{3, 4, 0}.square();
        schiess().canvas().filledRectangle(black, Qt::black);
        pressAt(black.center());
        bool boardKeptDuringBox = false;
        world->dialogs.onNextMessage([&] {
            boardKeptDuringBox = !boardIsBlank() && schiess().isVisible() &&
                                 schiess().Bezeichnung4->caption() == QStringLiteral("Zeit: 0");
        });
        for (int i = 0; i < 250 && schiess().isVisible(); ++i)
            schiess().Zeit1->fire();
        QCOMPARE(schiess().rules().elapsedMs(), 40000);
        QCOMPARE(world->dialogs.last().kind, ScriptedDialogs::Kind::Message);
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Du hast 1 Treffer erzielt!"));
        QVERIFY(boardKeptDuringBox);
        QVERIFY(boardIsBlank());
        QVERIFY(!schiess().isVisible());
        QVERIFY(form1().isVisible());
        QVERIFY(!schiess().Zeit1->isEnabled());
        QCOMPARE(kit::mousepointer::current(), kit::mousepointer::Shape::Default);
    }

    void shotsPunchHolesAndOnlyBlackScores()
    {
        QTest::mouseClick(schiess().Bezeichnung2, Qt::LeftButton);
        world->dialogs.clear();
        Canvas &canvas = schiess().canvas();
        const QRect teal = shootinggallery::Target{10, 5, 1}.square();
        const QRect black = shootinggallery::Target{20, 5, 0}.square();
        canvas.filledRectangle(teal, shootinggallery::targetColour(1));
        canvas.filledRectangle(black, Qt::black);

        pressAt(teal.center());
        QCOMPARE(world->dialogs.count(ScriptedDialogs::Kind::Beep), 1);
        QCOMPARE(canvas.colourAt(teal.center()), QColor(Qt::white));
        QCOMPARE(schiess().Bezeichnung3->caption(), QString());

        pressAt(black.center(), Qt::RightButton);
        QCOMPARE(world->dialogs.count(ScriptedDialogs::Kind::Beep), 2);
        QCOMPARE(schiess().Bezeichnung3->caption(), QStringLiteral("Punkte: 1"));

        // The hole is white now: nothing happens, not even a beep.
        pressAt(black.center());
        QCOMPARE(world->dialogs.count(), 2);
        QCOMPARE(schiess().Bezeichnung3->caption(), QStringLiteral("Punkte: 1"));
    }

    void leaving_data()
    {
        QTest::addColumn<int>("way"); // 0: E N D E and Yes, 1: E N D E and No, 2: the frame's close control
        QTest::newRow("Yes leaves") << 0;
        QTest::newRow("No stays, the game is over") << 1;
        QTest::newRow("frame close leaves without asking") << 2;
    }
    void leaving()
    {
        QFETCH(int, way);
        QTest::mouseClick(schiess().Bezeichnung2, Qt::LeftButton);
        schiess().Zeit1->fire();
        if (way == 2) {
            schiess().close();
            QCOMPARE(world->dialogs.count(), 1);
        } else {
            way == 0 ? world->dialogs.answerYes() : world->dialogs.answerNo();
            QTest::mouseClick(schiess().Bezeichnung1, Qt::LeftButton);
            QCOMPARE(world->dialogs.last().kind, ScriptedDialogs::Kind::Question);
            QCOMPARE(world->dialogs.last().title, QStringLiteral("Schießbude"));
            QCOMPARE(world->dialogs.last().text, QStringLiteral("Dieses Programm jetzt beenden?"));
        }
        QCOMPARE(schiess().isVisible(), way == 1);
        QCOMPARE(form1().isVisible(), way != 1);
        QVERIFY(!schiess().Zeit1->isEnabled());
        QCOMPARE(kit::mousepointer::current(), kit::mousepointer::Shape::Default);

        // No further squares until START.
        const QImage before = schiess().canvas().image();
        schiess().Zeit1->fire();
        QCOMPARE(schiess().canvas().image(), before);
        QCOMPARE(schiess().Bezeichnung4->caption(), QStringLiteral("Zeit: 398"));
    }
};

QTEST_MAIN(GalleryTest)
#include "test_gallery.moc"
