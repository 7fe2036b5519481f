// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartPage.h"
#include "engine/NumberPictures.h"
#include "engine/SharedValues.h"
#include "exercises/NumberPicturesCanvas.h"
#include "exercises/NumberPicturesScreen.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>
#include <memory>

using numberpictures::Drawing;
using numberpictures::Stroke;

namespace {

using Points = QList<QPoint>;

Drawing drawingOf(const Points &clicks)
{
    Drawing drawing;
    for (QPoint p : clicks)
        drawing.click(p);
    return drawing;
}

const QString pointText = QStringLiteral("Du bekommst einen Punkt dazu!\r");

} // namespace

class NumberPicturesTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    NumberPicturesScreen &open()
    {
        form1().showWindow();
        QTest::mouseClick(form1().Bild10, Qt::LeftButton);
        return Form8();
    }

    void clickTimes(NumberPicturesScreen &screen, int times)
    {
        for (int i = 1; i <= times; ++i)
            QTest::mouseClick(screen.Bild1, Qt::LeftButton, {}, QPoint(10 + i % 50, 20 + i % 40));
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void eachClickJoinsTheLastPoint_data()
    {
        QTest::addColumn<Points>("clicks");
        QTest::addColumn<QPoint>("lastFrom");
        QTest::addColumn<QPoint>("lastTo");
        QTest::newRow("first click is a dot") << Points{{300, 400}} << QPoint(300, 400) << QPoint(300, 400);
        QTest::newRow("second click joins") << Points{{300, 400}, {900, 1200}} << QPoint(300, 400) << QPoint(900, 1200);
        QTest::newRow("x 0 counts as absent") << Points{{0, 400}, {900, 1200}} << QPoint(900, 400) << QPoint(900, 1200);
        QTest::newRow("y 0 counts as absent")
            << Points{{300, 0}, {900, 1200}} << QPoint(300, 1200) << QPoint(900, 1200);
        QTest::newRow("a 0 click is stored as it is")
            << Points{{300, 400}, {0, 500}} << QPoint(300, 400) << QPoint(0, 500);
    }
    void eachClickJoinsTheLastPoint()
    {
        QFETCH(Points, clicks);
        QFETCH(QPoint, lastFrom);
        QFETCH(QPoint, lastTo);
        const QList<Stroke> strokes = drawingOf(clicks).strokes();
        QCOMPARE(strokes.size(), clicks.size());
        QCOMPARE(strokes.last(), (Stroke{lastFrom, lastTo}));
    }

    void undoTakesBackOnlyTheLastLine_data()
    {
        QTest::addColumn<Points>("clicks");
        QTest::addColumn<int>("undos");
        QTest::addColumn<int>("linesLeft");
        QTest::addColumn<QPoint>("lastPoint");
        QTest::newRow("before any click") << Points{} << 1 << 0 << QPoint();
        QTest::newRow("after the first click") << Points{{300, 400}} << 1 << 0 << QPoint(300, 400);
        QTest::newRow("one line") << Points{{300, 400}, {900, 1200}, {1500, 600}} << 1 << 2 << QPoint(900, 1200);
        QTest::newRow("twice in a row") << Points{{300, 400}, {900, 1200}, {1500, 600}} << 2 << 2 << QPoint(900, 1200);
    }
    void undoTakesBackOnlyTheLastLine()
    {
        QFETCH(Points, clicks);
        QFETCH(int, undos);
        QFETCH(int, linesLeft);
        QFETCH(QPoint, lastPoint);
        Drawing drawing = drawingOf(clicks);
        const QList<Stroke> before = drawing.strokes();
        const QPoint segmentStart = drawing.segmentStart();
        for (int i = 0; i < undos; ++i)
            drawing.undo();
        QCOMPARE(drawing.strokes(), before.first(linesLeft));
        QCOMPARE(drawing.lastPoint(), lastPoint);
        QCOMPARE(drawing.segmentStart(), segmentStart);
        QCOMPARE(drawing.clickCount(), clicks.size());

        drawing.click({2000, 2000}); // goes on from where the erased line began
        QCOMPARE(drawing.strokes().last(), (Stroke{lastPoint.isNull() ? QPoint(2000, 2000) : lastPoint, {2000, 2000}}));
    }

    void pointCheckOnNew_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("points");
        QTest::newRow("25 clicks") << 25 << 0;
        QTest::newRow("26 clicks") << 26 << 1;
    }
    void pointCheckOnNew()
    {
        QFETCH(int, clicks);
        QFETCH(int, points);
        NumberPicturesScreen &screen = open();
        QVERIFY(!form1().isVisible());
        clickTimes(screen, clicks);
        screen.undo();                                     // the count survives undo
        QTest::mouseClick(screen.Befehl6, Qt::LeftButton); // "N e u"

        QCOMPARE(int(shared().rewardRounds), points);
        QCOMPARE(form1().Bezeichnung11->caption(), QString::number(points));
        QCOMPARE(world->dialogs.count(), points);
        if (points) {
            QCOMPARE(world->dialogs.last().text, pointText);
            QCOMPARE(world->dialogs.last().title, QStringLiteral("A B C - Bilder"));
        }
        QCOMPARE(screen.drawing().clickCount(), 0);
        QVERIFY(screen.drawing().strokes().isEmpty());
        QCOMPARE(screen.drawing().lastPoint(), QPoint());
    }

    void endAfter26ClicksAwardsOnceAndReturns()
    {
        NumberPicturesScreen &screen = open();
        QTest::mouseClick(screen.Befehl2, Qt::LeftButton); // ">>": the count stays
        clickTimes(screen, 26);
        QTest::mouseClick(screen.Befehl3, Qt::LeftButton); // "E n d e"
        QCOMPARE(int(shared().rewardRounds), 1);
        QCOMPARE(world->dialogs.count(), 1);
        QVERIFY(!screen.isVisible());
        QVERIFY(form1().isVisible());
        QVERIFY(screen.drawing().strokes().isEmpty());
    }

    void comingBackShowsTemplate1()
    {
        NumberPicturesScreen &screen = open();
        QTest::mouseClick(screen.Befehl2, Qt::LeftButton); // ">>"
        QCOMPARE(screen.templateShown(), 2);
        QTest::mouseClick(screen.Befehl3, Qt::LeftButton); // "E n d e"
        open();
        QVERIFY(QTest::qWaitForWindowActive(&screen)); // the platform delivers the activation
        QCOMPARE(screen.templateShown(), 1);
    }

    void helpHasItsThreeLines()
    {
        NumberPicturesScreen &screen = open();
        QTest::mouseClick(screen.Befehl4, Qt::LeftButton);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("H i l f e"));
        QCOMPARE(world->dialogs.last().text,
                 QStringLiteral("Verbinde die Zahlen der Reihe nach, indem du sie mit der\r"
                                "Maus anklickst! Wenn das Bild fertig ist, klicke auf 'NEU'\r"
                                "und verbinde die Zahlen rückwärts. Schaffst du das auch?\r"));
    }

    void templatesHoldTheirSeriesInsideTheArea_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("series");
        QTest::newRow("template 1") << 1 << 2;
        QTest::newRow("template 2") << 2 << 3;
    }
    void templatesHoldTheirSeriesInsideTheArea()
    {
        QFETCH(int, which);
        QFETCH(int, series);
        const auto numbers = numberpictures::builtInTemplate(which);
        QCOMPARE(numbers.size(), series * 10);
        // A 20 point number stands about 400 twips high and up to 500 wide around its centre.
        const QRect area(QPoint(0, 0), numberpictures::areaTwips);
        const QRect labelRoom = area.adjusted(250, 200, -250, -200);
        for (int s = 1; s <= series; ++s)
            for (int n = 1; n <= 10; ++n) {
                const auto found = std::find_if(numbers.begin(), numbers.end(),
                                                [&](const auto &t) { return t.series == s && t.number == n; });
                QVERIFY2(found != numbers.end(), qPrintable(QStringLiteral("%1/%2").arg(s).arg(n)));
                QVERIFY(area.contains(found->dot));
                QVERIFY2(labelRoom.contains(found->label), qPrintable(QStringLiteral("%1/%2").arg(s).arg(n)));
            }
    }
};

QTEST_MAIN(NumberPicturesTest)
#include "test_numberpictures.moc"
