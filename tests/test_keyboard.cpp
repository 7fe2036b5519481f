// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartPage.h"
#include "engine/SharedValues.h"
#include "exercises/ExerciseScreen.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QtTest>
#include <memory>

using kit::Form;
using kit::ListBox;
using kit::PictureButton;

// The start page without a mouse: the Tab walk, Enter on the pictures, the lists and the slate.
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

    // A child without a mouse: Tab to the picture, Enter, then only arrow keys and Enter until the
    // figure reaches its goal and the reward comes; Escape back to the start page.
    void raceScreensArePlayedToTheRewardWithKeysAlone_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("number line") << QStringLiteral("Bild3");
        QTest::newRow("number sets") << QStringLiteral("Bild11");
        QTest::newRow("completing") << QStringLiteral("Bild14");
        QTest::newRow("sequences") << QStringLiteral("Bild12");
        QTest::newRow("calculating") << QStringLiteral("Bild13");
        QTest::newRow("reversing") << QStringLiteral("Bild15");
    }
    void raceScreensArePlayedToTheRewardWithKeysAlone()
    {
        QFETCH(QString, button);
        StartPage &page = activePage();
        for (int tabs = 0; tabs < 20 && QApplication::focusWidget()->objectName() != button; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!page.isVisible());
        ExerciseScreen *screen = nullptr;
        for (Form *window : loadedWindows())
            if (window->isVisible() && qobject_cast<ExerciseScreen *>(window))
                screen = qobject_cast<ExerciseScreen *>(window);
        QVERIFY(screen);
        QVERIFY(QTest::qWaitForWindowActive(screen));

        for (int answers = 0; answers < 200 && shared().rewardRounds == 0; ++answers) {
            QWidget *keys = QApplication::focusWidget();
            QCOMPARE(keys, static_cast<QWidget *>(screen->HBildlauf1));
            for (int moves = 0; moves < 25 && screen->HBildlauf1->value() != shared().expectedAnswer; ++moves)
                QTest::keyClick(keys, screen->HBildlauf1->value() < shared().expectedAnswer ? Qt::Key_Right : Qt::Key_Left);
            QTest::keyClick(keys, Qt::Key_Return);
        }
        QCOMPARE(shared().rewardRounds, qint16(1));
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Belohnung"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(page.isVisible());
    }

    void tabWalksTheSceneInReadingOrder()
    {
        StartPage &page = activePage();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(page.HBildlauf1));
        const QStringList expected = {
            QStringLiteral("Lautsprecher"),  QStringLiteral("Bezeichnung1"), QStringLiteral("Bild13"),
            QStringLiteral("Bezeichnung11"), QStringLiteral("Bild5"),        QStringLiteral("Bild12"),
            QStringLiteral("Bild14"),        QStringLiteral("Bild15"),       QStringLiteral("Bild6"),
            QStringLiteral("Bezeichnung12"), QStringLiteral("Bild4"),        QStringLiteral("Bild3"),
            QStringLiteral("Bild10"),        QStringLiteral("Bild11"),       QStringLiteral("Bild9"),
            QStringLiteral("Bild2"),         QStringLiteral("Bild8"),        QStringLiteral("Bild7"),
            QStringLiteral("HBildlauf1")};
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
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
