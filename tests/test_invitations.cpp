// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FontViewer.h"
#include "app/StartPage.h"
#include "engine/Invitations.h"
#include "exercises/CalculationScreen.h"
#include "exercises/CompletingScreen.h"
#include "exercises/NumberLineScreen.h"
#include "exercises/NumberPicturesScreen.h"
#include "exercises/NumberSetScreen.h"
#include "exercises/NumberWordsScreen.h"
#include "exercises/SequenceScreen.h"
#include "games/MemoryGame.h"
#include "games/ShootingGallery.h"
#include "games/SlalomDrive.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/Controls.h"
#include "ui/Reading.h"

#include <QtTest>
#include <memory>

class InvitationsTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    // Every picture, button and clickable label of every window says what it does; a screen
    // reader has the same sentence as the control's description.
    void everyControlOfEveryWindowHasASentence()
    {
        shared().numberRange = 10;
        form1(), Form2(), Form3(), Form4(), Form5(), Form6(), Form7(), Form8(), Form9(), memo(), schiess(),
            slalom();
        QStringList missing;
        int controls = 0;
        for (kit::Form *window : loadedWindows()) {
            window->show();
            for (QWidget *control : window->findChildren<QWidget *>()) {
                if (kit::Reading::nameOf(control).isEmpty())
                    continue; // plain labels, answer bars, the window's own parts
                ++controls;
                const QString said = world->platform.reading().saidFor(control);
                if (said == kit::Reading::nameOf(control) || control->accessibleDescription() != said)
                    missing.append(window->objectName() + QLatin1Char('/') + control->objectName());
            }
            window->hide();
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
        QVERIFY(controls > 80);
        // The rows of the start page's two lists, filled as the child opens them.
        StartPage &page = form1();
        page.show();
        QTest::mouseClick(page.Bild5, Qt::LeftButton);
        QTest::mouseClick(page.Bild4, Qt::LeftButton);
        QCOMPARE(page.Liste1->count(), 14);
        for (const kit::ListBox *list : {page.Liste2, page.Liste1}) {
            for (int row = 1; row <= list->count(); ++row) {
                const QString key = QStringLiteral("form1/") + list->objectName() + QLatin1Char('/') +
                                    QString::number(row);
                QVERIFY2(!invitations::sentence(key, 10).isEmpty(), qPrintable(key));
            }
        }
    }

    void sentencesSayWhatTheChildNeeds_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("part");
        QTest::newRow("range 10") << QStringLiteral("form1/HBildlauf1") << 10 << QStringLiteral("Zahlen bis zehn.");
        QTest::newRow("range 17") << QStringLiteral("form1/HBildlauf1") << 17
                                  << QStringLiteral("Zahlen bis siebzehn.");
        QTest::newRow("completing") << QStringLiteral("Form4/Befehl5") << 15 << QStringLiteral("bis fünfzehn");
        QTest::newRow("race help") << QStringLiteral("Form6/Befehl5") << 10 << QStringLiteral("Fragezeichen");
        QTest::newRow("completing help") << QStringLiteral("Form4/Befehl6") << 10 << QStringLiteral("Fragezeichen");
        QTest::newRow("card") << QStringLiteral("memo/Bezeichnung17") << 10 << QStringLiteral("Karte");
        QTest::newRow("printer") << QStringLiteral("form1/Bild4") << 10 << QStringLiteral("Lehrerin oder den Lehrer");
        QTest::newRow("fonts") << QStringLiteral("form1/Bild8") << 10 << QStringLiteral("für Erwachsene");
        QTest::newRow("author") << QStringLiteral("form1/Bild2") << 10 << QStringLiteral("für Erwachsene");
        QTest::newRow("screwdriver") << QStringLiteral("form1/Bild7") << 10 << QStringLiteral("für Erwachsene");
        QTest::newRow("door") << QStringLiteral("form1/Bezeichnung1") << 10 << QStringLiteral("Hier hörst du auf.");
    }
    void sentencesSayWhatTheChildNeeds()
    {
        QFETCH(QString, key);
        QFETCH(int, range);
        QFETCH(QString, part);
        QVERIFY2(invitations::sentence(key, range).contains(part), qPrintable(invitations::sentence(key, range)));
    }
};

QTEST_MAIN(InvitationsTest)
#include "test_invitations.moc"
