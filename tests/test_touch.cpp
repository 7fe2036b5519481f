// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OpenExercise.h"
#include "app/StartPage.h"
#include "app/Windows.h"
#include "exercises/CalculationScreen.h"
#include "exercises/NumberPicturesCanvas.h"
#include "exercises/NumberPicturesScreen.h"
#include "exercises/NumberWordsScreen.h"
#include "games/MemoryGame.h"
#include "games/ShootingGallery.h"
#include "games/ShootingGalleryRules.h"
#include "support/ScriptedDialogs.h"
#include "ui/kit/Canvas.h"
#include "ui/kit/Controls.h"

#include <QtTest>
#include <memory>

using kit::Label;
using kit::ScrollBar;

// A finger on a classroom board: Qt turns taps on controls that take no touch into clicks.
class TouchTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;
    QPointingDevice *finger = QTest::createTouchDevice();

    void tap(QWidget *widget, QPoint at)
    {
        QTest::touchEvent(widget, finger).press(0, at, widget);
        QTest::touchEvent(widget, finger).release(0, at, widget);
    }
    void tap(QWidget *widget) { tap(widget, widget->rect().center()); }

    // The pixel of a window at twips, at the zoom in force.
    QPoint pixelAt(QPoint twips) const
    {
        const double zoom = world->zoom.value();
        return QPoint(kit::twips::toPixelsAt(twips.x(), zoom), kit::twips::toPixelsAt(twips.y(), zoom));
    }

private slots:
    void init()
    {
        world = std::make_unique<TestWorld>();
        world->zoom.set(1.75);
        form1().showWindow();
    }
    void cleanup() { world.reset(); }

    void aTapOnAStartPagePictureOpensIt()
    {
        tap(form1().Bild9); // the ABC block
        QVERIFY(Form7().isVisible());
    }

    void aFingerDraggedAlongTheAnswerBarMovesIt()
    {
        openExercise(Exercise::Calculating).showWindow();
        ScrollBar *bar = Form6().HBildlauf1;
        bar->setValue(0);
        const int y = bar->height() / 2;
        // From the thumb at the left end, just right of the arrow, halfway along the bar.
        const QPoint from(bar->height() + bar->height() / 2, y);
        QTest::touchEvent(bar, finger).press(0, from, bar);
        for (int x = from.x(); x <= bar->width() / 2; x += 10)
            QTest::touchEvent(bar, finger).move(0, QPoint(x, y), bar);
        QTest::touchEvent(bar, finger).release(0, QPoint(bar->width() / 2, y), bar);
        QVERIFY2(bar->value() >= bar->maximum() / 3, qPrintable(QString::number(bar->value())));
    }

    void aTapTurnsAMemoryCard()
    {
        form1().Liste2->setListIndex(-1); // no row selected opens Memory
        startRewardGame();
        Label *card = memo().card(7);
        QVERIFY(card->caption().isEmpty());
        tap(card);
        QVERIFY(!card->caption().isEmpty());
    }

    void aTapDrawsWhereTheFingerIs()
    {
        QTest::mouseClick(form1().Bild10, Qt::LeftButton);
        NumberPicturesScreen &screen = Form8();
        const QPoint twips(1500, 2100);
        tap(screen.Bild1, pixelAt(twips));
        QCOMPARE(screen.drawing().strokes().size(), 1);
        QVERIFY((screen.drawing().strokes().last().to - twips).manhattanLength() <= 20);
    }

    void aTapShootsTheSquareUnderTheFinger()
    {
        // The dartboard's top: a note covers its middle.
        tap(form1().Bild5, QPoint(form1().Bild5->width() / 2, form1().Bild5->height() / 5));
        form1().Liste2->setListIndex(1); // "Schießbude"
        startRewardGame();
        tap(schiess().Bezeichnung2); // the start label
        const QRect black = shootinggallery::Target{20, 5, 0}.square();
        schiess().canvas().filledRectangle(black, Qt::black);
        tap(&schiess(), pixelAt(black.center()));
        QCOMPARE(schiess().Bezeichnung3->caption(), QStringLiteral("Punkte: 1"));
    }
};

QTEST_MAIN(TouchTest)
#include "test_touch.moc"
