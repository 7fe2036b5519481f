#include "app/FontViewer.h"
#include "app/StartPage.h"
#include "app/Windows.h"
#include "engine/SharedValues.h"
#include "exercises/NumberPicturesScreen.h"
#include "exercises/NumberWordsScreen.h"
#include "games/MemoryGame.h"
#include "games/ShootingGallery.h"
#include "games/SlalomDrive.h"
#include "support/ScriptedDialogs.h"
#include "ui/Controls.h"

#include <QtTest>
#include <memory>

// The whole program without a mouse: the start page's Tab walk and keys, the lists, the games.
class KeyboardTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    StartPage &activePage()
    {
        StartPage &page = form1();
        page.showWindow();
        if (!QTest::qWaitForWindowActive(&page))
            qWarning("the start page did not become active");
        return page;
    }

    static QWidget *windowNamed(const QString &name)
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == name)
                return w;
        return nullptr;
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void tabWalksTheSceneInReadingOrder()
    {
        StartPage &page = activePage();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(page.HBildlauf1));
        const QStringList expected = {
            QStringLiteral("Bezeichnung1"),  QStringLiteral("Bild13"), QStringLiteral("Bild5"),
            QStringLiteral("Bild12"),        QStringLiteral("Bild14"), QStringLiteral("Bild15"),
            QStringLiteral("Bild6"),         QStringLiteral("Bezeichnung12"), QStringLiteral("Bild4"),
            QStringLiteral("Bild3"),         QStringLiteral("Bild10"), QStringLiteral("Bild11"),
            QStringLiteral("Bild9"),         QStringLiteral("Bild2"),  QStringLiteral("Bild8"),
            QStringLiteral("Bild7"),         QStringLiteral("HBildlauf1")};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void enterOpensTheFocusedPicture_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window"); // empty: a box on the page
        QTest::addColumn<bool>("pageStays");
        QTest::newRow("number line") << QStringLiteral("Bild3") << QStringLiteral("Form2") << false;
        QTest::newRow("number sets") << QStringLiteral("Bild11") << QStringLiteral("Form3") << false;
        QTest::newRow("completing") << QStringLiteral("Bild14") << QStringLiteral("Form4") << false;
        QTest::newRow("sequences") << QStringLiteral("Bild12") << QStringLiteral("Form5") << false;
        QTest::newRow("calculating") << QStringLiteral("Bild13") << QStringLiteral("Form6") << false;
        QTest::newRow("reversing") << QStringLiteral("Bild15") << QStringLiteral("Form6") << false;
        QTest::newRow("table") << QStringLiteral("Bild6") << QStringLiteral("Form8") << false;
        QTest::newRow("notepad") << QStringLiteral("Bild10") << QStringLiteral("Form8") << false;
        QTest::newRow("ABC block") << QStringLiteral("Bild9") << QStringLiteral("Form7") << true;
        QTest::newRow("fountain pen") << QStringLiteral("Bild8") << QStringLiteral("Form9") << true;
        QTest::newRow("printer") << QStringLiteral("Bild4") << QStringLiteral("Liste1") << true;
        QTest::newRow("dartboard") << QStringLiteral("Bild5") << QStringLiteral("Liste2") << true;
        QTest::newRow("red book") << QStringLiteral("Bild2") << QString() << true;
        QTest::newRow("screwdriver") << QStringLiteral("Bild7") << QString() << true;
    }
    void enterOpensTheFocusedPicture()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(bool, pageStays);
        StartPage &page = activePage();
        auto *picture = page.findChild<PictureButton *>(button);
        picture->setFocus(Qt::TabFocusReason);
        QTest::keyClick(picture, Qt::Key_Return);

        QCOMPARE(page.isVisible(), pageStays);
        if (window.startsWith(QLatin1String("Liste"))) {
            // A list opened from the keyboard takes the keys at once.
            auto *list = page.findChild<ListBox *>(window);
            QVERIFY(list->isVisible());
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(list));
        } else if (window.isEmpty()) {
            QCOMPARE(world->dialogs.last().title, QStringLiteral("Autor"));
        } else {
            QVERIFY(windowNamed(window)->isVisible());
        }
    }

    void slateOpensAndClosesTheRewardList()
    {
        StartPage &page = activePage();
        QTest::mouseClick(page.Bezeichnung11, Qt::LeftButton);
        QVERIFY(page.Liste2->isVisible());
        QCOMPARE(page.Liste2->count(), 3);
        QCOMPARE(shared().rewardRounds, 5);
        QTest::mouseClick(page.Bezeichnung11, Qt::LeftButton);
        QVERIFY(page.Liste2->isHidden());
    }

    // Enter on a row does what a double-click on it does: the arrows choose the game first.
    void enterOnARowStartsItsGame_data()
    {
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("game");
        QTest::newRow("first row") << 0 << QStringLiteral("memo");
        QTest::newRow("second row") << 1 << QStringLiteral("schiess");
        QTest::newRow("third row") << 2 << QStringLiteral("slalom");
    }
    void enterOnARowStartsItsGame()
    {
        QFETCH(int, downs);
        QFETCH(QString, game);
        StartPage &page = activePage();
        page.Bild5->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page.Bild5, Qt::Key_Space);
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(page.Liste2, Qt::Key_Down);
        QTest::keyClick(page.Liste2, Qt::Key_Return);
        QVERIFY(page.isHidden());
        QVERIFY(windowNamed(game)->isVisible());
        QCOMPARE(shared().rewardRounds, 4);
    }

    void enterOnAWorksheetRowIsADoubleClick()
    {
        StartPage &page = activePage();
        page.Bild4->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page.Bild4, Qt::Key_Return);
        QSignalSpy doubleClicks(page.Liste1, &ListBox::doubleClicked);
        QObject::disconnect(page.Liste1, &ListBox::doubleClicked, &page, nullptr); // no sheet printed here
        QTest::keyClick(page.Liste1, Qt::Key_Down);
        QTest::keyClick(page.Liste1, Qt::Key_Enter);
        QCOMPARE(doubleClicks.count(), 1);
        QCOMPARE(page.Liste1->listIndex(), 1);
    }

    void nameAndDoorTakeTheKeys()
    {
        StartPage &page = activePage();
        world->dialogs.answerInput(QStringLiteral("Mia"));
        page.Bezeichnung12->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page.Bezeichnung12, Qt::Key_Space);
        QCOMPARE(page.Bezeichnung12->caption(), QStringLiteral("Mia"));
        page.Bezeichnung1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page.Bezeichnung1, Qt::Key_Return);
        QCOMPARE(world->dialogs.last().kind, ScriptedDialogs::Kind::Question);
        QCOMPARE(world->endProgramCalls, 0); // the scripted answer is No
    }

    void arrowsWalkTheMemoryBoard_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("right") << 1 << int(Qt::Key_Right) << 2;
        QTest::newRow("down") << 2 << int(Qt::Key_Down) << 8;
        QTest::newRow("up") << 14 << int(Qt::Key_Up) << 8;
        QTest::newRow("left") << 9 << int(Qt::Key_Left) << 8;
        QTest::newRow("left edge") << 7 << int(Qt::Key_Left) << 7;
        QTest::newRow("bottom edge") << 18 << int(Qt::Key_Down) << 18;
    }
    void arrowsWalkTheMemoryBoard()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        memo().showWindow();
        QVERIFY(QTest::qWaitForWindowActive(&memo()));
        memo().card(from)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(memo().card(from), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(memo().card(to)));
        QVERIFY(memo().card(from)->caption().isEmpty()); // walking turns nothing
    }

    void numberWordsJudgeWithEnterAndHelpWithInsert()
    {
        form1().showWindow();
        NumberWordsScreen &screen = Form7();
        screen.showWindow();
        screen.startAfresh();
        world->dialogs.clear();
        screen.HBildlauf1->setValue(screen.quiz().solution());
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Return);
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Richtig"));
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Insert);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("H i l f e"));
        QCOMPARE(world->dialogs.count(), 2);
    }

    void galleryCanBeLeftWithoutAMouse()
    {
        schiess().showWindow();
        world->dialogs.answerYes();
        schiess().Bezeichnung1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(schiess().Bezeichnung1, Qt::Key_Return);
        QVERIFY(!schiess().isVisible());
        QVERIFY(form1().isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
