// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FontViewer.h"
#include "app/OpenExercise.h"
#include "app/StartPage.h"
#include "exercises/CalculationScreen.h"
#include "exercises/CompletingScreen.h"
#include "exercises/NumberLineScreen.h"
#include "exercises/NumberPicturesScreen.h"
#include "exercises/NumberSetScreen.h"
#include "exercises/NumberWordsScreen.h"
#include "exercises/SequenceScreen.h"
#include "games/MemoryGame.h"
#include "games/ShootingGallery.h"
#include "games/ShootingGalleryRules.h"
#include "games/SlalomDrive.h"
#include "support/ExerciseDriver.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Canvas.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Display.h"
#include "ui/kit/ZoomStyle.h"
#include "ui/machine/QtDialogs.h"

#include <QProxyStyle>
#include <QSpinBox>
#include <QStyleOptionSpinBox>
#include <QToolTip>
#include <QWindow>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>

using kit::Canvas;
using kit::Form;
using kit::ListBox;
using kit::QtDialogs;
using kit::TwipsPlaced;

namespace {

const QMap<QString, std::function<Form &()>> &windows()
{
    static const QMap<QString, std::function<Form &()>> all = {
        {QStringLiteral("form1"), []() -> Form & { return form1(); }},
        {QStringLiteral("Form2"), []() -> Form & { return Form2(); }},
        {QStringLiteral("Form3"), []() -> Form & { return Form3(); }},
        {QStringLiteral("Form4"), []() -> Form & { return Form4(); }},
        {QStringLiteral("Form5"), []() -> Form & { return Form5(); }},
        {QStringLiteral("Form6"), []() -> Form & { return Form6(); }},
        {QStringLiteral("Form7"), []() -> Form & { return Form7(); }},
        {QStringLiteral("Form8"), []() -> Form & { return Form8(); }},
        {QStringLiteral("Form9"), []() -> Form & { return Form9(); }},
        {QStringLiteral("memo"), []() -> Form & { return memo(); }},
        {QStringLiteral("schiess"), []() -> Form & { return schiess(); }},
        {QStringLiteral("slalom"), []() -> Form & { return slalom(); }},
    };
    return all;
}

struct Placed
{
    QWidget *widget;
    QRect twips;
    QRect pixels;
    int fontPixels;
    QMargins margins;
};

QList<Placed> placedControls(Form &window)
{
    QList<Placed> found;
    for (QWidget *widget : window.findChildren<QWidget *>())
        if (auto *placed = dynamic_cast<TwipsPlaced *>(widget))
            found.append({widget, placed->rectTwips(), widget->geometry(), widget->font().pixelSize(),
                          widget->contentsMargins()});
    return found;
}

QStyleOptionSlider barOption(const QScrollBar *bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return option;
}

QRect doubled(const QRect &r)
{
    return QRect(2 * r.x(), 2 * r.y(), 2 * r.width(), 2 * r.height());
}

} // namespace

class ZoomTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    // The zoom on its own: quarter steps between 1 and 3, controls told before windows.
    void zoomSteps_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("above");
        QTest::addColumn<double>("below");
        QTest::newRow("plain") << 1.0 << 1.25 << 1.0;
        QTest::newRow("on a step") << 2.0 << 2.25 << 1.75;
        QTest::newRow("between steps") << 1.6 << 1.75 << 1.5;
        QTest::newRow("top") << 3.0 << 3.0 << 2.75;
        QTest::newRow("kept within 1 to 3") << 7.0 << 3.0 << 2.75;
    }
    void zoomSteps()
    {
        QFETCH(double, from);
        QFETCH(double, above);
        QFETCH(double, below);
        kit::Zoom zoom;
        zoom.set(from);
        QCOMPARE(zoom.above(), above);
        QCOMPARE(zoom.below(), below);
    }
    void controlsFollowTheZoomBeforeWindows()
    {
        struct Follower : kit::ZoomFollower
        {
            Follower(kit::Zoom *zoom, Stage stage, QStringList &told, QString name)
                : ZoomFollower(zoom, stage), told_(told), name_(std::move(name))
            {
            }
            void followZoom(double) override { told_.append(name_); }
            QStringList &told_;
            QString name_;
        };
        QStringList told;
        kit::Zoom zoom;
        Follower window(&zoom, kit::ZoomFollower::Stage::Windows, told, QStringLiteral("window"));
        Follower control(&zoom, kit::ZoomFollower::Stage::Controls, told, QStringLiteral("control"));
        {
            Follower gone(&zoom, kit::ZoomFollower::Stage::Controls, told, QStringLiteral("gone"));
        }
        zoom.set(2);
        zoom.set(2); // no change, no word
        QCOMPARE(told, QStringList({QStringLiteral("control"), QStringLiteral("window")}));
    }

    void everyWindowDoublesAtZoom2_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : windows().keys())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyWindowDoublesAtZoom2()
    {
        QFETCH(QString, name);
        Form &window = windows().value(name)();
        const QSize plain = window.size();
        const QList<Placed> before = placedControls(window);
        QVERIFY(!before.isEmpty());

        world->zoom.set(2);
        QCOMPARE(window.size(), 2 * plain);
        for (const Placed &p : before) {
            const auto *placed = dynamic_cast<TwipsPlaced *>(p.widget);
            // Scroll bars grow to a thickness a small hand can hit.
            QCOMPARE(p.widget->geometry(), kit::reachableGeometry(p.widget, doubled(p.pixels), 2));
            QCOMPARE(placed->rectTwips(), p.twips); // the logic keeps its numbers
            if (p.fontPixels > 0 && p.widget->testAttribute(Qt::WA_SetFont))
                QVERIFY2(qAbs(p.widget->font().pixelSize() - 2 * p.fontPixels) <= 1,
                         qPrintable(p.widget->objectName()));
            const QMargins margins = p.widget->contentsMargins();
            QVERIFY2(qAbs(margins.left() - 2 * p.margins.left()) <= 1 && qAbs(margins.top() - 2 * p.margins.top()) <= 1,
                     qPrintable(p.widget->objectName()));
        }

        world->zoom.set(1);
        QCOMPARE(window.size(), plain);
        for (const Placed &p : before) {
            QCOMPARE(p.widget->geometry(), p.pixels);
            if (p.widget->testAttribute(Qt::WA_SetFont))
                QCOMPARE(p.widget->font().pixelSize(), p.fontPixels);
        }
    }

    void answerBarsAreBigEnoughToHit_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.75") << 1.75;
        QTest::newRow("3") << 3.0;
    }
    void answerBarsAreBigEnoughToHit()
    {
        QFETCH(double, zoom);
        world->zoom.set(zoom);
        openExercise(Exercise::Calculating).show();
        const QScrollBar *bar = Form6().HBildlauf1;
        const QStyleOptionSlider option = barOption(bar);
        const QRect less = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, bar);
        const QRect more = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);
        const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
        QCOMPARE(bar->height(), qMax(kit::twips::toPixelsAt(375, zoom), zoom >= 1.5 ? 40 : 0));
        QVERIFY2(less.width() >= bar->height() && more.width() >= bar->height(),
                 qPrintable(QStringLiteral("%1, %2").arg(less.width()).arg(more.width())));
        QCOMPARE(more.right(), bar->width() - 1);
        QVERIFY(thumb.width() >= bar->height());
        // The lists' bars grow as well.
        ListBox *list = form1().Liste1;
        QCOMPARE(list->verticalScrollBar()->sizeHint().width(),
                 qMax(int(std::lround(14 * zoom)), zoom >= 1.5 ? 40 : 0));

        // So do the class-set dialog's spin buttons, beside the text field they take room from.
        QSpinBox spin;
        spin.resize(spin.sizeHint() * zoom);
        QStyleOptionSpinBox spinOption;
        spinOption.initFrom(&spin);
        spinOption.subControls = QStyle::SC_All;
        const auto part = [&](const QStyle *style, QStyle::SubControl sub) {
            return style->subControlRect(QStyle::CC_SpinBox, &spinOption, sub, &spin);
        };
        const QStyle *platform = static_cast<const QProxyStyle *>(spin.style())->baseStyle();
        QCOMPARE(part(spin.style(), QStyle::SC_SpinBoxUp).width(),
                 int(std::lround(part(platform, QStyle::SC_SpinBoxUp).width() * zoom)));
        QCOMPARE(part(spin.style(), QStyle::SC_SpinBoxDown).right(), part(platform, QStyle::SC_SpinBoxDown).right());
        QVERIFY(part(spin.style(), QStyle::SC_SpinBoxEditField).right() < part(spin.style(), QStyle::SC_SpinBoxUp).left());
    }

    void aRightAnswerAtZoom2MovesTheFigureByTheSameTwips()
    {
        openExercise(Exercise::NumberLine);
        NumberLineScreen &screen = Form2();
        const int start = screen.race().child();
        world->zoom.set(2);
        answerRight(screen);
        QVERIFY(screen.race().child() > start);
        QCOMPARE(screen.Bild2->leftTwips(), screen.race().child());
        QCOMPARE(screen.Bild2->x(), 2 * int(std::lround(screen.race().child() / 15.0)));
    }

    void canvasGivesBackWhatWasDrawnAtEveryZoom_data()
    {
        QTest::addColumn<double>("drawnAt");
        QTest::addColumn<double>("readAt");
        QTest::newRow("drawn and read at 2") << 2.0 << 2.0;
        QTest::newRow("drawn at 1, read at 2") << 1.0 << 2.0;
        QTest::newRow("drawn at 2.75, read at 1.25") << 2.75 << 1.25;
        QTest::newRow("drawn and read at 1.75") << 1.75 << 1.75;
        QTest::newRow("drawn and read at 3") << 3.0 << 3.0;
    }
    void canvasGivesBackWhatWasDrawnAtEveryZoom()
    {
        QFETCH(double, drawnAt);
        QFETCH(double, readAt);
        world->zoom.set(drawnAt);
        Canvas &canvas = schiess().canvas();
        for (int k = 0; k < 5; ++k)
            canvas.filledRectangle(shootinggallery::Target{k, 2, k}.square(), shootinggallery::targetColour(k));
        canvas.filledCircle(QPoint(4000, 4000), 200, Qt::black);
        world->zoom.set(readAt);
        QCOMPARE(canvas.image().size(), schiess().size());
        for (int k = 0; k < 5; ++k) {
            const QRect square = shootinggallery::Target{k, 2, k}.square();
            for (QPoint p : {square.topLeft(), square.center(), square.bottomRight()})
                QCOMPARE(canvas.colourAt(p), shootinggallery::targetColour(k));
            QCOMPARE(canvas.colourAt(square.topLeft() - QPoint(16, 16)), QColor(Qt::white));
        }
        QCOMPARE(canvas.colourAt(QPoint(4000, 4000)), QColor(Qt::black));
        QCOMPARE(canvas.colourAt(QPoint(4260, 4000)), QColor(Qt::white));
        // A shot at any pixel reads the colour the child sees there.
        for (int x = 0; x < canvas.image().width() / 2; ++x)
            for (int y = 0; y < canvas.image().height() / 4; ++y)
                QCOMPARE(canvas.colourAt(canvas.twipsAt(QPoint(x, y))), canvas.image().pixelColor(x, y));
    }

    void aShotHitsTheSquareUnderThePointer_data()
    {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<double>("zoom");
        QTest::newRow("window at zoom 2") << false << 2.0;
        // 800 x 600 offscreen: the gallery fits it up to 1.5.
        QTest::newRow("full screen") << true << 1.5;
    }
    void aShotHitsTheSquareUnderThePointer()
    {
        QFETCH(bool, fullScreen);
        QFETCH(double, zoom);
        world->zoom.set(2);
        QTest::mouseClick(form1().Bild5, Qt::LeftButton);
        form1().Liste2->setListIndex(1); // "Schießbude"
        startRewardGame();
        if (fullScreen)
            QTest::keyClick(&schiess(), Qt::Key_F11);
        QCOMPARE(world->zoom.value(), zoom);
        QTest::mouseClick(schiess().Bezeichnung2, Qt::LeftButton);
        const QRect black = shootinggallery::Target{20, 5, 0}.square();
        schiess().canvas().filledRectangle(black, Qt::black);
        // The calm border around the gallery is no target.
        QTest::mousePress(&schiess(), Qt::LeftButton, {}, QPoint(0, 0));
        const QPoint centre = schiess().clientOrigin() + black.center() * zoom / kit::twips::perPixel;
        QTest::mousePress(&schiess(), Qt::LeftButton, {}, centre);
        QCOMPARE(schiess().Bezeichnung3->caption(), QStringLiteral("Punkte: 1"));
        QCOMPARE(schiess().canvas().colourAt(black.center()), QColor(Qt::white));
    }

    void fullScreenIsOneModeForEveryWindow()
    {
        StartPage &page = form1();
        page.showWindow();
        const QSize windowed = page.size();
        const QRect screen = page.screen()->geometry();
        const auto placedRight = [this](Form &window, QWidget *control) {
            const QRect twips = dynamic_cast<TwipsPlaced *>(control)->rectTwips();
            return window.childAt(window.clientOrigin() +
                                  kit::twips::toPixelsAt(twips, world->zoom.value()).center()) == control;
        };

        QTest::keyClick(page.HBildlauf1, Qt::Key_F11);
        QVERIFY(world->display.fullScreen());
        QCOMPARE(page.geometry(), screen);
        // 800 x 600: the start page fits up to 1.25, in the middle.
        QCOMPARE(world->zoom.value(), 1.25);
        const QRect client = page.clientArea();
        QCOMPARE(client.size(), QSize(kit::twips::toPixelsAt(StartPage::sizeTwips.width(), 1.25),
                                      kit::twips::toPixelsAt(StartPage::sizeTwips.height(), 1.25)));
        QVERIFY(page.rect().contains(client));
        QVERIFY((client.center() - page.rect().center()).manhattanLength() <= 1);
        QVERIFY(placedRight(page, page.Bild3));
        QVERIFY(placedRight(page, page.HBildlauf1));

        // Ctrl+Plus never beyond the screen, Ctrl+0 back to the fitting zoom.
        QTest::keyClick(page.HBildlauf1, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(world->zoom.value(), 1.25);
        QTest::keyClick(page.HBildlauf1, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(world->zoom.value(), 1.0);
        QVERIFY(placedRight(page, page.Bild3));
        QTest::keyClick(page.HBildlauf1, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(world->zoom.value(), 1.25);

        // The next window comes up in full screen at its own fitting zoom.
        CalculationScreen &screen6 = static_cast<CalculationScreen &>(openExercise(Exercise::Calculating));
        QVERIFY(!page.isVisible());
        QVERIFY(screen6.isFullScreen());
        QCOMPARE(screen6.geometry(), screen);
        QCOMPARE(world->zoom.value(), 1.75);
        QVERIFY(placedRight(screen6, screen6.HBildlauf1));

        // F11 again: every window at its normal size and place, at the zoom from before, also one
        // that a window manager maximized as well when it mapped it filling the screen (kwin).
        screen6.setWindowState(screen6.windowState() | Qt::WindowMaximized);
        QTest::keyClick(screen6.HBildlauf1, Qt::Key_F11);
        QVERIFY(!world->display.fullScreen());
        QCOMPARE(world->zoom.value(), 1.0);
        QVERIFY(!screen6.isFullScreen());
        QVERIFY(!(screen6.windowHandle()->windowStates() & Qt::WindowMaximized));
        QCOMPARE(screen6.size(), QSize(435, 341));
        QVERIFY((screen6.frameGeometry().center() - page.screen()->availableGeometry().center()).manhattanLength() <= 1);
        QCOMPARE(screen6.clientOrigin(), QPoint(0, 0));
        QVERIFY(placedRight(screen6, screen6.HBildlauf1));
        QTest::keyClick(screen6.HBildlauf1, Qt::Key_Escape); // "E n d e"
        QVERIFY(page.isVisible());
        QCOMPARE(page.size(), windowed);
        QVERIFY((page.frameGeometry().center() - page.screen()->availableGeometry().center()).manhattanLength() <= 1);
        QVERIFY(placedRight(page, page.Bild3));
    }

    void zoomKeys_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<QString>("keys"); // + - 0
        QTest::addColumn<double>("expected");
        QTest::newRow("up a quarter") << 1.0 << QStringLiteral("+") << 1.25;
        // The offscreen screen is 800 x 600: the start page fits it up to 1.25.
        QTest::newRow("never beyond the screen") << 1.0 << QStringLiteral("++++++++++") << 1.25;
        QTest::newRow("never below 1") << 1.0 << QStringLiteral("+--") << 1.0;
        QTest::newRow("back to the start zoom") << 1.25 << QStringLiteral("++-+0") << 1.25;
        QTest::newRow("six up, eight down, back") << 1.25 << QStringLiteral("++++++--------0") << 1.25;
    }
    void zoomKeys()
    {
        QFETCH(double, start);
        QFETCH(QString, keys);
        QFETCH(double, expected);
        world->display.setStartZoom(start);
        form1().showWindow();
        const QSize atStart = form1().size();
        for (QChar key : keys) {
            const Qt::Key k = key == QLatin1Char('+')   ? Qt::Key_Plus
                              : key == QLatin1Char('-') ? Qt::Key_Minus
                                                        : Qt::Key_0;
            QTest::keyClick(form1().HBildlauf1, k, Qt::ControlModifier);
        }
        QCOMPARE(world->zoom.value(), expected);
        QCOMPARE(form1().size(), atStart * (expected / start));
        const QRect area = form1().screen()->availableGeometry();
        QVERIFY(area.contains(form1().frameGeometry()));
        if (keys.endsWith(QLatin1Char('0')))
            QVERIFY((form1().frameGeometry().center() - area.center()).manhattanLength() <= 1);
        // A hidden window comes back at the zoom now in force.
        QCOMPARE(memo().size(), QSize(kit::twips::toPixelsAt(5805, expected), kit::twips::toPixelsAt(5325, expected)));
    }

    void aWindowKeepsItsCentre()
    {
        Form form(world->zoom, world->drawer, QStringLiteral("f"), QSize(3000, 1500), Qt::white);
        form.move(200, 150);
        const QPoint centre = form.geometry().center();
        world->zoom.set(2);
        QVERIFY((form.geometry().center() - centre).manhattanLength() <= 2);
    }

    void aWindowPushedToTheEdgeComesBack()
    {
        Form form(world->zoom, world->drawer, QStringLiteral("f"), StartPage::sizeTwips, Qt::white);
        form.centreOnScreen();
        const QRect centred = form.geometry();
        world->zoom.set(1.5); // wider than the screen: it stands at the left edge
        QCOMPARE(form.x(), form.screen()->availableGeometry().left());
        world->zoom.set(1);
        QCOMPARE(form.geometry(), centred);
    }

    void everyWindowStaysOnItsScreenWhenTheScreensChange()
    {
        kit::Display &display = world->display;
        StartPage &page = form1();
        page.showWindow();
        auto &words = Form7();
        words.showWindow();
        const QRect area = page.screen()->availableGeometry();
        // Pushed off by a screen grown smaller under it; the one centred stays centred.
        page.move(area.right() - 100, area.bottom() - 100);
        display.followScreens();
        QVERIFY(area.contains(page.frameGeometry()));
        QVERIFY((words.frameGeometry().center() - area.center()).manhattanLength() <= 1);

        // In full screen a window no one fitted to the screen fills it again, at the zoom that fits.
        QTest::keyClick(words.HBildlauf1, Qt::Key_F11);
        words.setGeometry(QRect(0, 0, 300, 200));
        world->zoom.set(3);
        display.followScreens();
        QCOMPARE(words.geometry(), page.screen()->geometry());
        QCOMPARE(world->zoom.value(), kit::twips::largestZoomWithin(words.clientTwips(), area.size()));
        QTest::keyClick(words.HBildlauf1, Qt::Key_F11);
        QVERIFY(area.contains(words.frameGeometry()));
    }

    void startZoomFillsThreeQuartersOfTheHeight_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("expected");
        QTest::newRow("school monitor") << QSize(1920, 1040) << 1.75;
        QTest::newRow("old 1280 x 1024") << QSize(1280, 1024) << 1.5;
        QTest::newRow("laptop") << QSize(1366, 728) << 1.25;
        QTest::newRow("small screen stays at 1") << QSize(800, 600) << 1.0;
        QTest::newRow("4K capped at 3") << QSize(3840, 2160) << 3.0;
        QTest::newRow("narrow and tall: the width decides") << QSize(1000, 1600) << 1.5;
    }
    void startZoomFillsThreeQuartersOfTheHeight()
    {
        QFETCH(QSize, screen);
        QFETCH(double, expected);
        QCOMPARE(kit::twips::zoomToFit(StartPage::sizeTwips, screen), expected);
    }

    void messageBoxesAndTooltipsGrowWithTheZoom()
    {
        const QFont plain = QtDialogs::dialogFont(world->zoom.value());
        const QFont plainTip = QToolTip::font();
        world->zoom.set(2);
        if (plainTip.pixelSize() > 0)
            QCOMPARE(QToolTip::font().pixelSize(), 2 * plainTip.pixelSize());
        else
            QCOMPARE(QToolTip::font().pointSizeF(), 2 * plainTip.pointSizeF());
        const QFont zoomed = QtDialogs::dialogFont(world->zoom.value());
        if (plain.pixelSize() > 0)
            QCOMPARE(zoomed.pixelSize(), 2 * plain.pixelSize());
        else
            QCOMPARE(zoomed.pointSizeF(), 2 * plain.pointSizeF());
    }
};

QTEST_MAIN(ZoomTest)
#include "test_zoom.moc"
